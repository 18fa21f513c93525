#pragma once

#include <QStringList>

namespace vellumora::bench {

struct Figures;
// The board of 24 photos of 4000 x 3000 with 12 sentences: the window's first draw from the
// thumbnails, cold and warm, and sharp; Shuffle to the new layout drawn; an A3 page at 300 dots
// per inch saved as PDF and as PNG, with the memory at the peak.
void measureBoard(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
