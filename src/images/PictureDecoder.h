#pragma once

#include "platform/NativePath.h"

#include <QImage>
#include <QString>

namespace vellumora {

// Decodes library pictures at the size they are shown, never at full size. A picture whose
// header promises more than the limits below is refused before any pixel is decoded; a
// refused or undecodable picture gives a null image.
class PictureDecoder {
public:
    static constexpr qint64 kMaxPixels = 100'000'000;
    static constexpr int kMaxSide = 30'000;
    // A progressive JPEG is decoded over its whole coefficient buffer, once per scan.
    static constexpr int kMaxScans = 100;
    static constexpr qint64 kMaxCoefficientBytes = 512ll << 20;

    enum class Fit {
        Stretch, // exactly the requested size, aspect ratio given up
        Within, // as large as fits in the requested size, aspect ratio kept, never enlarged
    };

    static QImage decode(const NativePath& path, const QSize& size, Fit fit);

    // What the header of a JPEG says about the cost of decoding it. The scans of a sequential
    // picture are counted up to the first.
    struct JpegCost {
        bool progressive = false;
        int scans = 0;
        qint64 coefficientBytes = 0;
    };
    // Walks the segments of a JPEG; nullopt when the bytes are not a JPEG stream.
    static std::optional<JpegCost> jpegCost(const QByteArray& bytes);
};

} // namespace vellumora
