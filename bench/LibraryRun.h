#pragma once

#include "Figures.h"

#include <QStringList>

namespace vellumora::bench {

// Photos decoded the naive way.
constexpr int kNaivePictures = 40;

struct LibraryPlan {
    int pictures = 1000;
    QStringList photos;
    // The same photos with EXIF previews; none leaves them out.
    QStringList previewPhotos;
    // None for 0. The show runs quiet at each size, and `loadedRuns` times loaded at the first.
    double showMinutes = 10;
    QList<int> showSizes { 0 };
    int loadedRuns = 5;
    double loadedMinutes = 10;
};

// The image library's load path on the first `pictures` photos: the window, the first and all
// thumbnails with a cold and a warm cache (cold also against the libjpeg floor, for the photos
// with previews too, and beside two busy processes), memory, adding and deleting a picture, one
// picture decoded for the show, and the shows.
Figures measureLibrary(const LibraryPlan& plan);
// Memory with a large library once its thumbnails are made, and how soon the boxes scrolled to
// are drawn again from the cache.
void measureLargeLibrary(Figures& figures, const QStringList& photos);
// A few photos decoded whole and kept, as a naive strip would, against ours per picture.
void measureNaive(Figures& figures, const QStringList& photos, int largePictures);

} // namespace vellumora::bench
