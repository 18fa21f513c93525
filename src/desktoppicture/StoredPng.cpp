#include "desktoppicture/StoredPng.h"

#include <QtEndian>
#include <zlib.h>

namespace vellumora {

namespace {

// The most a stored deflate block holds.
constexpr qsizetype kBlockBytes = 65535;
// Pieces of about a megabyte go to the sink: large enough for few writes, small enough to stay
// in memory already touched.
constexpr qsizetype kPieceBytes = 1 << 20;

// Gathers the file in pieces, keeping the CRC of the chunk being written.
class Writer {
public:
    explicit Writer(const DataSink& sink)
        : m_sink(sink)
    {
        m_piece.reserve(kPieceBytes + kBlockBytes);
    }

    bool ok() const { return m_ok; }
    void put(const char* bytes, qsizetype count)
    {
        m_crc = crc32(m_crc, reinterpret_cast<const Bytef*>(bytes), uInt(count));
        m_piece.append(bytes, count);
        if (m_piece.size() >= kPieceBytes) {
            flush();
        }
    }
    void putBigEndian(quint32 value)
    {
        char bytes[4];
        qToBigEndian(value, bytes);
        put(bytes, 4);
    }
    void beginChunk(const char* type, qsizetype dataBytes)
    {
        putBigEndian(quint32(dataBytes));
        m_crc = crc32(0, nullptr, 0);
        put(type, 4);
    }
    void endChunk() { putBigEndian(quint32(m_crc)); }
    void flush()
    {
        m_ok = m_ok && m_sink(m_piece);
        m_piece.resize(0);
    }

private:
    const DataSink& m_sink;
    QByteArray m_piece;
    uLong m_crc = 0;
    bool m_ok = true;
};

} // namespace

void storedPng(const QImage& picture, const DataSink& sink)
{
    const QImage image
        = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const qsizetype rowBytes = 1 + qsizetype(image.width()) * 3; // a filter byte (none), then the pixels
    const qsizetype raw = rowBytes * image.height();
    const qsizetype blocks = std::max<qsizetype>(1, (raw + kBlockBytes - 1) / kBlockBytes);
    Writer out(sink);
    out.put("\x89PNG\r\n\x1a\n", 8);

    out.beginChunk("IHDR", 13);
    out.putBigEndian(quint32(image.width()));
    out.putBigEndian(quint32(image.height()));
    out.put("\x08\x02\x00\x00\x00", 5); // 8 bits a channel, RGB, deflate, adaptive filters, no interlace
    out.endChunk();

    out.beginChunk("IDAT", 2 + raw + 5 * blocks + 4);
    out.put("\x78\x01", 2); // deflate with a 32 KB window, no dictionary, check bits
    uLong adler = adler32(0, nullptr, 0);
    qsizetype left = raw; // bytes of the stream still to go
    qsizetype room = 0; // bytes left in the current block
    const auto put = [&](const char* bytes, qsizetype count) {
        while (count > 0) {
            if (room == 0) {
                room = std::min(left, kBlockBytes);
                char header[5] = { char(left <= kBlockBytes ? 1 : 0) };
                qToLittleEndian(quint16(room), header + 1);
                qToLittleEndian(quint16(~quint16(room)), header + 3);
                out.put(header, 5);
            }
            const qsizetype step = std::min(room, count);
            out.put(bytes, step);
            adler = adler32(adler, reinterpret_cast<const Bytef*>(bytes), uInt(step));
            bytes += step;
            count -= step;
            room -= step;
            left -= step;
        }
    };
    // Rows are turned into RGB one at a time: a whole converted copy of a screen's picture would
    // cost as much again.
    QByteArray row(rowBytes, Qt::Uninitialized);
    row[0] = 0;
    for (int y = 0; y < image.height() && out.ok(); ++y) {
        const auto* pixel = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        auto* rgb = reinterpret_cast<uchar*>(row.data()) + 1;
        for (int x = 0; x < image.width(); ++x, rgb += 3) {
            rgb[0] = uchar(qRed(pixel[x]));
            rgb[1] = uchar(qGreen(pixel[x]));
            rgb[2] = uchar(qBlue(pixel[x]));
        }
        put(row.constData(), row.size());
    }
    if (raw == 0) {
        out.put("\x01\x00\x00\xff\xff", 5);
    }
    out.putBigEndian(quint32(adler));
    out.endChunk();

    out.beginChunk("IEND", 0);
    out.endChunk();
    out.flush();
}

} // namespace vellumora
