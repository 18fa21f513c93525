#pragma once

#include <QStringList>

namespace vellumora::bench {

struct Figures;
// A library of these photos backed up, the backup brought back into an empty library, and the
// library copied to another folder and that copy removed: each the way the program did it before,
// on the interface thread, and the way it does now, on a thread of its own. The time of each, and
// the interface thread's longest stall meanwhile.
void measureLongWork(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
