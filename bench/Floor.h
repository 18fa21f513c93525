#pragma once

#include <QStringList>

namespace vellumora::bench {

// The least any thumbnailer could spend on these photos: libjpeg's own decode at an eighth of
// the size, straight from memory into 32-bit pixels, on one thread per core. Wall milliseconds.
double decodeAtAnEighthOnEveryCore(const QStringList& photos);

} // namespace vellumora::bench
