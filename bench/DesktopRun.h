#pragma once

#include <QString>

namespace vellumora::bench {

struct Figures;
// One 3840 x 2160 desktop picture made from a 4000 x 3000 photo and set in GNOME's settings (a
// keyfile store of the run's own): the time from the request to the desktop's answer, and the
// memory at the peak of it.
void measureDesktopPicture(Figures& figures, const QString& photo);

} // namespace vellumora::bench
