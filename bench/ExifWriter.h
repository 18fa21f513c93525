#pragma once

#include <QByteArray>
#include <QImage>

namespace vellumora::bench {

// A JPEG as a camera writes it: the photo's bytes with EXIF data after the start marker, holding
// the orientation tag and, unless it is empty, a preview JPEG. Shared with the tests.
QByteArray withExif(const QByteArray& jpeg, const QByteArray& preview, int orientation = 1);
// The JPEG bytes of an image, at the quality cameras give their previews.
QByteArray jpegBytes(const QImage& image, int quality = 75);

} // namespace vellumora::bench
