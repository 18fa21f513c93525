#pragma once

#include <QString>

namespace vellumora::bench {

// What one frame of the glide costs the interface thread: the real slideshow window, shown at
// Small and at Full Screen, its caption moved once a display frame at the fastest glide for
// `seconds`, with no picture decoded meanwhile. Prints the CPU per frame and the share of one
// core, and returns the larger share.
double measureGlide(double seconds);
// The window at every 20th frame of the fastest glide through a turn, at Small and Full Screen,
// as the display shows it, into PNGs in the folder: what the glide looks like, to compare
// between builds.
void saveGlideShots(const QString& folder);

} // namespace vellumora::bench
