#pragma once

#include "Figures.h"

#include <QStringList>

namespace vellumora::bench {

// Photos decoded the naive way.
constexpr int kNaivePictures = 40;

// The image library's load path on the first `pictures` photos: the window, the first and all
// thumbnails with a cold and a warm cache (cold also against the libjpeg floor and beside two
// busy processes), memory, adding and deleting a picture, one picture decoded for the show, and
// a show of `showMinutes` (none for 0), quiet and loaded.
// The show runs quiet and loaded at the first of the sizes, quiet at the others.
Figures measureLibrary(
    int pictures, const QStringList& photos, double showMinutes, const QList<int>& showSizes = { 0 });
// Memory with a large library once its thumbnails are made, and how soon the boxes scrolled to
// are drawn again from the cache.
void measureLargeLibrary(Figures& figures, const QStringList& photos);
// A few photos decoded whole and kept, as a naive strip would, against ours per picture.
void measureNaive(Figures& figures, const QStringList& photos, int largePictures);

} // namespace vellumora::bench
