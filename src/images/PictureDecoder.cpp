#include "images/PictureDecoder.h"

#include "storage/JpegHeader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QMutex>
#include <QTransform>
#include <optional>

namespace vellumora {

namespace {

// Pictures with large coefficient buffers are decoded one at a time, so two of them never
// hold their buffers together.
constexpr qint64 kLargeBufferBytes = 64ll << 20;
QMutex s_largeBuffer;

constexpr qint64 kReadWholeBytes = 32ll << 20;

bool isProgressiveFrame(int marker)
{
    return marker == 0xC2 || marker == 0xC6 || marker == 0xCA || marker == 0xCE;
}

qint64 coefficientBytes(const uchar* frame, int length)
{
    // Frame header: precision, height, width, component count, then 3 bytes per component.
    if (length < 6) {
        return 0;
    }
    const qint64 height = jpeg::readUint16(frame + 1);
    const qint64 width = jpeg::readUint16(frame + 3);
    const int components = frame[5];
    if (length < 6 + 3 * components) {
        return 0;
    }
    int hMax = 1;
    int vMax = 1;
    for (int c = 0; c < components; ++c) {
        hMax = std::max(hMax, frame[7 + 3 * c] >> 4);
        vMax = std::max(vMax, frame[7 + 3 * c] & 0x0F);
    }
    qint64 bytes = 0;
    for (int c = 0; c < components; ++c) {
        const int h = std::max(1, frame[7 + 3 * c] >> 4);
        const int v = std::max(1, frame[7 + 3 * c] & 0x0F);
        const qint64 blocksWide = ((width * h + hMax - 1) / hMax + 7) / 8 + h;
        const qint64 blocksHigh = ((height * v + vMax - 1) / vMax + 7) / 8 + v;
        bytes += blocksWide * blocksHigh * 64 * 2;
    }
    return bytes;
}

// The size the picture is decoded at; a covering picture is cut to the requested size after.
QSize targetSize(const QSize& original, const QSize& requested, PictureDecoder::Fit fit)
{
    switch (fit) {
    case PictureDecoder::Fit::Stretch:
        return requested;
    case PictureDecoder::Fit::Cover:
        return original.scaled(requested, Qt::KeepAspectRatioByExpanding).expandedTo(requested);
    case PictureDecoder::Fit::Within:
        if (original.width() <= requested.width() && original.height() <= requested.height()) {
            return original;
        }
        break;
    case PictureDecoder::Fit::Contain:
        break;
    }
    return original.scaled(requested, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

} // namespace

std::optional<PictureDecoder::JpegCost> PictureDecoder::jpegCost(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8) {
        return std::nullopt;
    }
    JpegCost cost;
    int frameComponents = 0;
    qsizetype i = 2;
    while (i + 1 < size) {
        if (data[i] != 0xFF) {
            // Entropy-coded data: a marker starts at 0xFF followed by anything but a stuffed
            // zero or a restart marker.
            ++i;
            continue;
        }
        int marker = data[i + 1];
        if (marker == 0xFF) {
            ++i;
            continue;
        }
        if (marker == 0x00 || jpeg::standsAlone(marker)) {
            i += 2;
            continue;
        }
        if (marker == 0xD9) {
            break;
        }
        if (i + 3 >= size) {
            break;
        }
        const int length = jpeg::readUint16(data + i + 2);
        if (length < 2) {
            break;
        }
        const qsizetype segment = i + 4;
        const int available = int(std::min<qsizetype>(length - 2, size - segment));
        if (jpeg::isFrame(marker)) {
            cost.progressive = isProgressiveFrame(marker);
            cost.wholeBuffer = cost.progressive;
            cost.coefficientBytes = coefficientBytes(data + segment, available);
            frameComponents = available >= 6 ? data[segment + 5] : 0;
        } else if (marker == 0xDA) {
            ++cost.scans;
            // A sequential picture whose first scan holds every component is decoded as it is
            // read, once; any other needs the whole buffer and is worth walking to its end.
            if (cost.scans == 1 && available >= 1 && data[segment] < frameComponents) {
                cost.wholeBuffer = true;
            }
            if (!cost.wholeBuffer) {
                break;
            }
        }
        i += 2 + length;
    }
    return cost;
}

bool PictureDecoder::affordable(const QSize& size, const std::optional<JpegCost>& cost)
{
    if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide
        || qint64(size.width()) * size.height() > kMaxPixels) {
        return false;
    }
    if (!cost) {
        return qint64(size.width()) * size.height() * 4 <= kMaxWholeImageBytes;
    }
    return !cost->wholeBuffer || (cost->scans <= kMaxScans && cost->coefficientBytes <= kMaxCoefficientBytes);
}

namespace {

// A picture's bytes and a reader over them. The decoder reads from memory: through the file it
// costs a tenth more, in copies. A photo is read whole, which a file shortened meanwhile cannot
// upset; a larger file is mapped, so that its bytes stay in the page cache rather than in this
// process.
class PictureSource {
public:
    bool open(const NativePath& path)
    {
        if (!openNativeFile(path, m_file)) {
            return false;
        }
        m_mapped = m_file.size() > kReadWholeBytes ? m_file.map(0, m_file.size()) : nullptr;
        if (m_mapped) {
            m_bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(m_mapped), m_file.size());
        } else {
            m_bytes = m_file.readAll();
        }
        m_buffer.setBuffer(&m_bytes);
        m_buffer.open(QIODevice::ReadOnly);
        m_reader.setDevice(&m_buffer);
        return true;
    }
    ~PictureSource()
    {
        m_reader.setDevice(nullptr);
        if (m_mapped) {
            m_file.unmap(m_mapped);
        }
    }

    QImageReader& reader() { return m_reader; }
    std::optional<PictureDecoder::JpegCost> jpegCost()
    {
        return m_reader.format() == "jpeg" ? PictureDecoder::jpegCost(m_bytes) : std::nullopt;
    }

private:
    QFile m_file;
    uchar* m_mapped = nullptr;
    QByteArray m_bytes;
    QBuffer m_buffer;
    QImageReader m_reader;
};

} // namespace

PictureDecoder::Verdict PictureDecoder::inspect(const NativePath& path, QSize* size)
{
    PictureSource source;
    if (!source.open(path)) {
        return Verdict::NoFile;
    }
    QImageReader& reader = source.reader();
    const QSize original = reader.canRead() ? reader.size() : QSize();
    if (size) {
        *size = original;
    }
    if (!original.isValid()) {
        return Verdict::NotAPicture;
    }
    return affordable(original, source.jpegCost()) ? Verdict::Decodable : Verdict::TooLarge;
}

QSize PictureDecoder::shownSize(const NativePath& path)
{
    PictureSource source;
    if (!source.open(path)) {
        return {};
    }
    QImageReader& reader = source.reader();
    const QSize original = reader.canRead() ? reader.size() : QSize();
    if (!original.isValid() || !affordable(original, source.jpegCost())) {
        return {};
    }
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? original.transposed()
                                                                             : original;
}

QStringList PictureDecoder::readablePatterns()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        patterns.append(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    }
    patterns.removeDuplicates();
    return patterns;
}

QImage PictureDecoder::decode(const NativePath& path, const QSize& size, Fit fit)
{
    PictureSource source;
    if (!source.open(path)) {
        return {};
    }
    QImageReader& reader = source.reader();
    const QSize original = reader.size();
    // A phone photo is stored as the sensor saw it and shown as its orientation tag says.
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    const std::optional<JpegCost> cost = source.jpegCost();
    if (!affordable(original, cost)) {
        return {};
    }
    std::optional<QMutexLocker<QMutex>> largeBuffer;
    if (cost && cost->wholeBuffer && cost->coefficientBytes > kLargeBufferBytes) {
        largeBuffer.emplace(&s_largeBuffer);
    }

    reader.setAutoTransform(true);
    // The size asked for is the size shown; the reader scales before it turns.
    const QSize shown = turned ? original.transposed() : original;
    QSize target = targetSize(shown, size, fit);
    // Covering at not much less than its own size, the picture is cut first and scaled after:
    // the rows and columns cut away are never scaled, and the reader's own scaling, which pays off
    // only from half the size down, is left out. The middle stays the middle when it turns.
    if (fit == Fit::Cover && target != size && target.width() * 2 > shown.width()) {
        // A picture no more than a ninth larger than it must be is cut at its own size: as sharp as
        // it was taken, where scaling it down by a few per cent would soften every pixel, and
        // quicker. Only a rim of a few per cent more is lost.
        const bool nearly = target.width() <= shown.width() && target.width() * 9 >= shown.width() * 8
            && target.height() * 9 >= shown.height() * 8;
        const QSize cut = nearly ? size : size.scaled(shown, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
        const QSize stored = turned ? cut.transposed() : cut;
        reader.setClipRect(
            QRect(QPoint((original.width() - stored.width()) / 2, (original.height() - stored.height()) / 2),
                stored));
        target = size;
    } else if (target != shown) {
        reader.setScaledSize(turned ? target.transposed() : target);
    }
    QImage image = reader.read();
    if (!image.isNull() && image.size() != target) {
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (fit == Fit::Cover && !image.isNull() && image.size() != size) {
        const QPoint corner((image.width() - size.width()) / 2, (image.height() - size.height()) / 2);
        image = image.copy(QRect(corner, size));
    }
    return image;
}

namespace {

// Whether the EXIF orientation turns the picture a quarter: its width is shown as its height.
bool turnsQuarter(int orientation)
{
    return orientation >= 5;
}

// The picture as the EXIF orientation says it is shown: mirrored, flipped, then turned a quarter
// clockwise, as Qt's own reader does for the photo itself.
QImage orient(QImage image, int orientation)
{
    static constexpr struct {
        bool mirror, flip;
    } kTurns[] = { { false, false }, { false, false }, { true, false }, { true, true }, { false, true },
        { false, true }, { false, false }, { true, false }, { true, true } };
    const auto turn = kTurns[std::clamp(orientation, 1, 8)];
    if (turn.mirror || turn.flip) {
        image = image.mirrored(turn.mirror, turn.flip);
    }
    if (turnsQuarter(orientation)) {
        image = image.transformed(QTransform().rotate(90));
    }
    return image;
}

// A preview cut short ends without its end marker: libjpeg would fill its missing rows with grey.
bool isWholeJpeg(const QByteArray& bytes)
{
    const qsizetype scan = bytes.indexOf(QByteArrayLiteral("\xFF\xDA"));
    return bytes.startsWith(QByteArrayLiteral("\xFF\xD8")) && scan > 0
        && bytes.lastIndexOf(QByteArrayLiteral("\xFF\xD9")) > scan;
}

} // namespace

QImage PictureDecoder::fromPreview(const NativePath& path, const QSize& bound)
{
    QFile file;
    if (!openNativeFile(path, file)) {
        return {};
    }
    const std::optional<JpegHeader> header = readJpegHeader(file);
    if (!header || !isWholeJpeg(header->preview)) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(header->preview);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false);
    const QSize stored = reader.size();
    const QSize photo = header->size;
    // A preview made before the photo was cropped or turned shows another picture; one whose
    // sides are rounded to whole pixels differs from the photo's proportions by less than 1 %.
    if (stored.isEmpty()
        || qAbs(qint64(stored.width()) * photo.height() - qint64(stored.height()) * photo.width()) * 100
            > qint64(stored.height()) * photo.width()) {
        return {};
    }
    const bool quarter = turnsQuarter(header->orientation);
    const QSize target = targetSize(quarter ? photo.transposed() : photo, bound, Fit::Within);
    const QSize shown = quarter ? stored.transposed() : stored;
    if (shown.width() < target.width() || shown.height() < target.height()) {
        return {};
    }
    QImage image = reader.read();
    if (image.size() != stored) {
        return {};
    }
    image = orient(std::move(image), header->orientation);
    return image.size() == target ? image
                                  : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vellumora
