#pragma once

#include "storage/NativePath.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace vellumora {

// Decodes library pictures at the size they are shown, never at full size. A picture whose
// header promises more than the limits below is refused before any pixel is decoded; a
// refused or undecodable picture gives a null image.
class PictureDecoder {
public:
    static constexpr qint64 kMaxPixels = 100'000'000;
    static constexpr int kMaxSide = 30'000;
    // A progressive JPEG, or one whose first scan leaves out a component, is decoded through a
    // buffer of every coefficient of the picture, passed over once per scan. 160 MB holds a
    // 24 MP picture without chroma subsampling, and keeps the process well under 300 MB.
    static constexpr int kMaxScans = 100;
    static constexpr qint64 kMaxCoefficientBytes = 160ll << 20;
    // The other formats are decoded at full size before they are scaled: 128 MB of pixels, Qt's
    // own limit, a 32 MP picture.
    static constexpr qint64 kMaxWholeImageBytes = 128ll << 20;

    enum class Fit {
        Stretch, // exactly the requested size, aspect ratio given up
        Within, // as large as fits in the requested size, aspect ratio kept, never enlarged
        Contain, // as large as fits in the requested size, aspect ratio kept
        Cover, // exactly the requested size: the middle of the picture, aspect ratio kept
    };

    static QImage decode(const NativePath& path, const QSize& size, Fit fit);
    // The picture within `bound`, made from the preview a camera stores in a photo's EXIF data
    // and turned as the photo is shown: no more than the photo's header is read. Null when there
    // is no preview, when it is smaller than the picture asked for, when its proportions are not
    // the photo's (a preview left from before the photo was cropped), or when it is damaged.
    static QImage fromPreview(const NativePath& path, const QSize& bound);

    enum class Verdict {
        Decodable,
        NoFile, // cannot be opened; copying it will say why
        NotAPicture, // no installed reader knows it, or its header is cut short
        TooLarge, // beyond the limits below
    };
    // What decode would make of the picture, from its header alone. *size is set when known.
    static Verdict inspect(const NativePath& path, QSize* size = nullptr);
    // The size decode shows the picture at, turned by its orientation tag; invalid when decode
    // would give nothing.
    static QSize shownSize(const NativePath& path);
    // "*.png" and the like, one for each kind of picture file the image plugins read.
    static QStringList readablePatterns();

    // What the header of a JPEG says about the cost of decoding it. The scans of a picture
    // decoded without the whole buffer are counted up to the first.
    struct JpegCost {
        bool progressive = false;
        // Decoded through the buffer of every coefficient: progressive, or several scans.
        bool wholeBuffer = false;
        int scans = 0;
        qint64 coefficientBytes = 0;
    };
    // Walks the segments of a JPEG; nullopt when the bytes are not a JPEG stream.
    static std::optional<JpegCost> jpegCost(const QByteArray& bytes);
    // Whether a picture of this size, and for a JPEG of this cost, may be decoded. Without a
    // cost it is decoded whole, as every other format is.
    static bool affordable(const QSize& size, const std::optional<JpegCost>& cost);
};

} // namespace vellumora
