// Measures the image library's load path on a library of photo-sized JPEGs: how soon the main
// window answers, how soon the first thumbnails show, how long all of them take with a cold and
// a warm thumbnail cache (cold also beside two busy processes, and against the least libjpeg
// itself needs for them), memory, adding and deleting a picture, and one picture decoded for
// the show, and a running show at its fastest. The real program is also started on such a
// library and watched from outside. Then memory with a library ten times as large, and a backup
// of a library brought back into an empty one. For
// comparison it also decodes a few photos the naive way, whole and kept. See README.md.

#include "BackgroundRun.h"
#include "BackupRun.h"
#include "BoardRun.h"
#include "DesktopRun.h"
#include "Figures.h"
#include "GlideRun.h"
#include "HostileRun.h"
#include "LibraryRun.h"
#include "LongWorkRun.h"
#include "Measuring.h"
#include "PauseWatch.h"
#include "PhotoSet.h"
#include "ProcessRun.h"
#include "ShowRun.h"
#include "VoiceRun.h"
#include "WatchRun.h"
#include "platform/QtPlatform.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>

using namespace vellumora;
using namespace vellumora::bench;

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], PauseWatch::kArgument) == 0) {
        return PauseWatch::watch();
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The program's own process settings, so the show is measured as it runs.
    QtPlatform::prepareProcess();
    TimingApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vellumora speed and memory benchmark"));
    parser.addHelpOption();
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
        QStringLiteral("Pictures in the library (default 1000)."), QStringLiteral("N"),
        QStringLiteral("1000"));
    const QCommandLineOption photosOption(QStringLiteral("photos"),
        QStringLiteral(
            "Folder keeping the generated photos between runs (default: photos beside this program)."),
        QStringLiteral("folder"), QCoreApplication::applicationDirPath() + QStringLiteral("/photos"));
    parser.addOption(picturesOption);
    parser.addOption(photosOption);
    const QCommandLineOption showOption(QStringLiteral("show-minutes"),
        QStringLiteral("Length of the measured show in minutes (default 10; 0 leaves it out)."),
        QStringLiteral("M"), QStringLiteral("10"));
    parser.addOption(showOption);
    const QCommandLineOption sizesOption(QStringLiteral("show-sizes"),
        QStringLiteral("The show's sizes, from small, medium, large and full, separated by commas (default "
                       "small); the first is also measured loaded."),
        QStringLiteral("sizes"), QStringLiteral("small"));
    parser.addOption(sizesOption);
    const QCommandLineOption largeOption(QStringLiteral("large-pictures"),
        QStringLiteral("Pictures of 400 x 300 in the large library measured for memory and scrolling "
                       "(default 10000; 0 leaves it out)."),
        QStringLiteral("N"), QStringLiteral("10000"));
    parser.addOption(largeOption);
    const QCommandLineOption loadedRunsOption(QStringLiteral("loaded-runs"),
        QStringLiteral("Times the show is run beside two busy processes (default 5)."), QStringLiteral("N"),
        QStringLiteral("5"));
    parser.addOption(loadedRunsOption);
    const QCommandLineOption loadedMinutesOption(QStringLiteral("loaded-minutes"),
        QStringLiteral("Length of each loaded show in minutes (default: that of the quiet one)."),
        QStringLiteral("M"));
    parser.addOption(loadedMinutesOption);
    const QCommandLineOption libraryOnlyOption(QStringLiteral("library-only"),
        QStringLiteral("Measures only the library in process: the floor, the thumbnails, with and without "
                       "previews, and the shows."));
    parser.addOption(libraryOnlyOption);
    const QCommandLineOption desktopOnlyOption(
        QStringLiteral("desktop-only"), QStringLiteral("Measures only the desktop picture."));
    parser.addOption(desktopOnlyOption);
    const QCommandLineOption boardOnlyOption(QStringLiteral("board-only"),
        QStringLiteral("Measures only the board: its window, Shuffle, PDF and PNG."));
    parser.addOption(boardOnlyOption);
    const QCommandLineOption programOnlyOption(QStringLiteral("program-only"),
        QStringLiteral("Measures only the real program, shown and in the background: its times and memory."));
    parser.addOption(programOnlyOption);
    const QCommandLineOption watchOnlyOption(QStringLiteral("outside-changes-only"),
        QStringLiteral("Measures only how soon changes from outside the program are shown."));
    parser.addOption(watchOnlyOption);
    const QCommandLineOption voiceOnlyOption(
        QStringLiteral("voice-only"), QStringLiteral("Measures only the voice."));
    parser.addOption(voiceOnlyOption);
    const QCommandLineOption backupOnlyOption(QStringLiteral("backup-only"),
        QStringLiteral("Measures only the backup and its restore, on the small photos."));
    parser.addOption(backupOnlyOption);
    const QCommandLineOption longWorkOnlyOption(QStringLiteral("long-work-only"),
        QStringLiteral("Measures only the backup, restore and move of 300 photos, before and now."));
    parser.addOption(longWorkOnlyOption);
    const QCommandLineOption glideOnlyOption(QStringLiteral("glide-only"),
        QStringLiteral("Measures only what a frame of the glide costs, at Small and Full Screen."));
    parser.addOption(glideOnlyOption);
    const QCommandLineOption glideShotsOption(QStringLiteral("glide-shots"),
        QStringLiteral("Saves the glide as the display shows it, frame by frame, into the folder."),
        QStringLiteral("folder"));
    parser.addOption(glideShotsOption);
    parser.process(app);
    bool ok = false;
    const int pictures = parser.value(picturesOption).toInt(&ok);
    if (!ok || pictures < 1) {
        std::fprintf(stderr, "--pictures wants a whole number above 0\n");
        return 2;
    }

    const double showMinutes = parser.value(showOption).toDouble(&ok);
    if (!ok || showMinutes < 0) {
        std::fprintf(stderr, "--show-minutes wants a number of minutes, 0 or more\n");
        return 2;
    }
    QList<int> showSizes;
    for (const QString& name : parser.value(sizesOption).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        showSizes.append(kShowSizes.indexOf(name.trimmed()));
        if (showSizes.constLast() < 0) {
            std::fprintf(stderr, "--show-sizes takes small, medium, large and full\n");
            return 2;
        }
    }
    if (showSizes.isEmpty()) {
        showSizes.append(0);
    }
    const int loadedRuns = parser.value(loadedRunsOption).toInt(&ok);
    if (!ok || loadedRuns < 0) {
        std::fprintf(stderr, "--loaded-runs wants a whole number, 0 or more\n");
        return 2;
    }
    const double loadedMinutes
        = parser.isSet(loadedMinutesOption) ? parser.value(loadedMinutesOption).toDouble(&ok) : showMinutes;
    if (!ok || loadedMinutes < 0 || (loadedMinutes == 0 && showMinutes > 0)) {
        std::fprintf(stderr, "--loaded-minutes wants a number of minutes above 0\n");
        return 2;
    }
    const int largePictures = parser.value(largeOption).toInt(&ok);
    if (!ok || largePictures < 0) {
        std::fprintf(stderr, "--large-pictures wants a whole number, 0 or more\n");
        return 2;
    }

    if (parser.isSet(glideShotsOption)) {
        saveGlideShots(parser.value(glideShotsOption));
        return 0;
    }
    if (parser.isSet(glideOnlyOption)) {
        measureGlide(showMinutes * 60);
        return 0;
    }
    if (parser.isSet(voiceOnlyOption)) {
        std::printf("load average %.2f\n", loadAverage());
        Figures figures;
        measureVoice(figures);
        return 0;
    }
    // The backup stores pictures as they are, so their size sets its time alone: the small photos
    // keep it to seconds.
    const QString photoFolder = parser.value(photosOption);
    const auto backupPhotos
        = [&] { return PhotoSet(photoFolder + QStringLiteral("-400"), QSize(400, 300)).ensure(pictures); };
    if (parser.isSet(backupOnlyOption)) {
        std::printf("load average %.2f\n", loadAverage());
        Figures figures;
        measureBackup(figures, backupPhotos());
        return 0;
    }
    // Real-size photos: what a user keeps, and what makes the interface wait.
    constexpr int kLongWorkPictures = 300;
    const auto longWorkPhotos
        = [&] { return PhotoSet(photoFolder, QSize(4000, 3000)).ensure(kLongWorkPictures); };
    if (parser.isSet(longWorkOnlyOption)) {
        Figures figures;
        measureLongWork(figures, longWorkPhotos());
        return 0;
    }
    // Photo-sized pictures for the cold figures; small ones for the large library, whose
    // thumbnails are the same size and whose disk would otherwise run to tens of gigabytes.
    const QStringList photos
        = PhotoSet(photoFolder, QSize(4000, 3000)).ensure(std::max(pictures + kRepeats, kNaivePictures));
    const QStringList smallPhotos = largePictures > 0
        ? PhotoSet(photoFolder + QStringLiteral("-400"), QSize(400, 300)).ensure(largePictures)
        : QStringList();
    const double startLoad = loadAverage();
    if (parser.isSet(watchOnlyOption)) {
        std::printf("load average %.2f\n", startLoad);
        Figures figures;
        measureOutsideChanges(figures, photos);
        return 0;
    }
    if (parser.isSet(desktopOnlyOption)) {
        std::printf("load average %.2f\n", startLoad);
        Figures figures;
        measureDesktopPicture(figures, photos.first());
        return 0;
    }
    if (parser.isSet(boardOnlyOption)) {
        std::printf("load average %.2f\n", startLoad);
        Figures figures;
        measureBoard(figures, photos);
        return 0;
    }
    if (parser.isSet(programOnlyOption)) {
        std::printf("load average %.2f\n", startLoad);
        Figures figures;
        measureProcess(figures, photos.mid(0, pictures));
        measureBackground(figures, photos.mid(0, pictures));
        std::printf("load average %.2f at the end\n", loadAverage());
        return 0;
    }
    std::printf("library of %d photos, %d decoding threads, load average %.2f\n", pictures,
        QThread::idealThreadCount(), startLoad);
    const LibraryPlan plan { pictures, photos,
        PhotoSet::withPreviews(photos.mid(0, pictures), photoFolder + QStringLiteral("-previews")),
        showMinutes, showSizes, loadedRuns, loadedMinutes };
    if (parser.isSet(libraryOnlyOption)) {
        measureLibrary(plan);
        return 0;
    }
    Figures voiceFigures;
    // First: Qt Multimedia keeps the sound server it first finds, and this one is the run's own.
    measureVoice(voiceFigures);
    Figures figures = measureLibrary(plan);
    figures.voiceRecordingMs = voiceFigures.voiceRecordingMs;
    figures.voiceReadAloudMs = voiceFigures.voiceReadAloudMs;
    figures.voiceCpu = voiceFigures.voiceCpu;
    figures.loadAverage = startLoad;
    measureProcess(figures, photos.mid(0, pictures));
    measureBackground(figures, photos.mid(0, pictures));
    measureDesktopPicture(figures, photos.first());
    measureBoard(figures, photos);
    measureOutsideChanges(figures, photos);
    if (largePictures > 0) {
        measureLargeLibrary(figures, smallPhotos);
    }
    measureNaive(figures, photos, largePictures);
    measureHugeAffirmation(figures);
    measureBackup(figures, backupPhotos());
    measureLongWork(figures, photos.mid(0, kLongWorkPictures));
    measureHostilePictures(figures, QCoreApplication::applicationDirPath() + QStringLiteral("/hostile"));

    const QJsonObject json { { "pictures", figures.pictures }, { "window_shown_ms", figures.windowShown },
        { "first_thumbnails_ms", figures.firstThumbnails }, { "all_thumbnails_cold_ms", figures.allCold },
        { "all_thumbnails_warm_ms", figures.allWarm }, { "steady_rss_mb", figures.steadyRss },
        { "peak_rss_mb", figures.peakRss }, { "add_ms", figures.add }, { "delete_ms", figures.remove },
        { "show_decode_ms", figures.showDecode }, { "naive_ms_per_picture", figures.naiveMs },
        { "naive_mb_per_picture", figures.naiveMb }, { "show_cpu_percent", figures.show.cpu },
        { "show_rss_growth_mb", figures.show.rssGrowth }, { "show_max_stall_ms", figures.show.maxStall },
        { "show_longest_event_ms", figures.show.longestEvent },
        { "show_interface_cpu_percent", figures.show.interfaceCpu },
        { "show_glide_frame_us", figures.show.frameUs }, { "show_cache_hit_rate", figures.show.cacheHitRate },
        { "show_cpu_percent_loaded", figures.showLoaded.cpu },
        { "show_max_stall_ms_loaded", figures.showLoaded.maxStall },
        { "show_own_max_stall_ms", figures.show.ownMaxStall },
        { "show_own_max_stall_ms_loaded", figures.showLoaded.ownMaxStall },
        { "show_own_max_stall_ms_loaded_worst", figures.showLoaded.worstOwnMaxStall },
        { "show_own_max_stall_ms_loaded_median", figures.showLoaded.medianOwnMaxStall },
        { "floor_previews_ms", figures.floorPreviews },
        { "all_thumbnails_cold_previews_ms", figures.allColdPreviews },
        { "show_machine_max_pause_ms", figures.show.machinePause },
        { "show_machine_max_pause_ms_loaded", figures.showLoaded.machinePause },
        { "huge_affirmation_load_ms", figures.hugeLoad }, { "huge_affirmation_panel_ms", figures.hugePanel },
        { "load_average", figures.loadAverage }, { "floor_ms", figures.floor },
        { "cold_vs_floor_ratio", figures.allCold / figures.floor },
        { "all_thumbnails_cold_loaded_ms", figures.allColdLoaded },
        { "cold_loaded_vs_quiet_ratio", figures.allColdLoaded / figures.allCold },
        { "naive_cpu_ratio", figures.naiveCpuRatio },
        { "process_window_shown_ms", figures.processWindowShown }, { "process_cold_ms", figures.processCold },
        { "process_warm_ms", figures.processWarm }, { "process_rss_cold_mb", figures.processRssCold },
        { "process_rss_warm_mb", figures.processRssWarm }, { "shown_rss_mb", figures.shownRss },
        { "all_thumbnails_rss_mb", figures.thumbnailsRss },
        { "rss_at_10000_mb", largePictures == 10'000 ? QJsonValue(figures.largeRss) : QJsonValue() },
        { "large_library_pictures", largePictures }, { "large_library_rss_mb", figures.largeRss },
        { "large_library_scroll_ms", figures.largeScroll }, { "background_rss_mb", figures.backgroundRss },
        { "background_wakeups_between_reminders", figures.backgroundWakeups },
        { "desktop_picture_ms", figures.desktopPictureMs },
        { "desktop_picture_peak_rss_mb", figures.desktopPicturePeakRss },
        { "board_first_draw_cold_ms", figures.boardFirstDrawColdMs },
        { "board_first_draw_ms", figures.boardFirstDrawMs }, { "board_sharp_ms", figures.boardSharpMs },
        { "board_shuffle_ms", figures.boardShuffleMs }, { "board_a3_pdf_ms", figures.boardPdfMs },
        { "board_a3_png_ms", figures.boardPngMs }, { "board_peak_rss_mb", figures.boardPeakRss },
        { "voice_recording_first_sound_ms", figures.voiceRecordingMs },
        { "voice_read_aloud_first_sound_ms", figures.voiceReadAloudMs },
        { "voice_cpu_percent", figures.voiceCpu }, { "outside_category_shown_ms", figures.outsideCategoryMs },
        { "outside_picture_listed_ms", figures.outsidePictureMs }, { "backup_ms", figures.backupMs },
        { "backup_mb", figures.backupMb }, { "restore_into_empty_ms", figures.restoreMs },
        { "long_work_backup_ms", figures.longWorkThreaded.backupMs },
        { "long_work_backup_stall_ms", figures.longWorkThreaded.backupStall },
        { "long_work_restore_ms", figures.longWorkThreaded.restoreMs },
        { "long_work_restore_stall_ms", figures.longWorkThreaded.restoreStall },
        { "long_work_move_ms", figures.longWorkThreaded.moveMs },
        { "long_work_move_stall_ms", figures.longWorkThreaded.moveStall },
        { "long_work_backup_before_ms", figures.longWorkBefore.backupMs },
        { "long_work_restore_before_ms", figures.longWorkBefore.restoreMs },
        { "long_work_move_before_ms", figures.longWorkBefore.moveMs } };
    std::printf("%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return 0;
}
