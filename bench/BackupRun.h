#pragma once

#include <QStringList>

namespace vellumora::bench {

struct Figures;
// A library of these photos backed up into one archive, and the archive brought back into an
// empty library: both times, and the archive's size.
void measureBackup(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
