#pragma once

#include <QStringList>

namespace vellumora::bench {

struct Figures;
// The real program in the background (--background) on a library of the photos, reminding every
// minute on a private session bus: its memory, and how often any of its threads woke between two
// reminders. Not measured without an X display.
void measureBackground(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
