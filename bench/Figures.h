#pragma once

namespace vellumora::bench {

// Every figure the benchmark reports; the keys of its JSON line name them.
struct ShowFigures {
    // The whole process, and its interface thread alone: the glide and the drawing, without the
    // pictures decoded on a thread of their own.
    double cpu = 0, interfaceCpu = 0, rssGrowth = 0, maxStall = 0, ownMaxStall = 0, machinePause = 0,
           longestEvent = 0;
    // The glide's frames drawn, what each cost the interface thread, and the share of the
    // pictures the show read from its cache of shown sizes.
    double frameUs = 0, cacheHitRate = 0;
    // Of the loaded runs: the worst and the median of their longest stalls, machine pauses set aside.
    double worstOwnMaxStall = 0, medianOwnMaxStall = 0;
    double loadAverage = 0;
};

struct LongWorkFigures {
    double backupMs = 0, backupStall = 0, restoreMs = 0, restoreStall = 0, moveMs = 0, moveStall = 0;
};

struct Figures {
    int pictures = 0;
    double loadAverage = 0;
    double windowShown = 0, firstThumbnails = 0, allCold = 0, allWarm = 0, steadyRss = 0, peakRss = 0;
    double shownRss = 0, coldCpuMs = 0, floor = 0, allColdLoaded = 0, loadAverageColdLoaded = 0;
    double floorPreviews = 0, allColdPreviews = 0;
    double outsideCategoryMs = 0, outsidePictureMs = 0;
    double add = 0, remove = 0, showDecode = 0, naiveMs = 0, naiveMb = 0, naiveCpuRatio = 0;
    double processWindowShown = 0, processCold = 0, processWarm = 0, processRssCold = 0, processRssWarm = 0;
    double thumbnailsRss = 0;
    double largeRss = 0, largeScroll = 0;
    ShowFigures show, showLoaded;
    double hugeLoad = 0, hugePanel = 0;
    double hostilePeak = 0, ordinaryPeak = 0;
    int hostileFaults = 0;
    double backgroundRss = 0, backgroundWakeups = 0;
    double desktopPictureMs = 0, desktopPicturePeakRss = 0;
    double boardFirstDrawColdMs = 0, boardFirstDrawMs = 0, boardSharpMs = 0, boardShuffleMs = 0;
    double boardPdfMs = 0, boardPngMs = 0, boardPeakRss = 0;
    double voiceRecordingMs = 0, voiceReadAloudMs = 0, voiceCpu = 0;
    double backupMs = 0, backupMb = 0, restoreMs = 0;
    LongWorkFigures longWorkBefore, longWorkThreaded;
};

} // namespace vellumora::bench
