#pragma once

#include "Figures.h"

#include <QString>

namespace vellumora::bench {

// Each hostile picture (made in `folder`) and each of the largest ordinary photos decoded as the
// strip and the show would: the process's peak memory meanwhile, and whether it gave a picture.
void measureHostilePictures(Figures& figures, const QString& folder);
// A category holding a single-line affirmation of 1 MB: how long the window takes to load it,
// and to bring the affirmation panel to the front.
void measureHugeAffirmation(Figures& figures);

} // namespace vellumora::bench
