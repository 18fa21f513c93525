#include "desktop/StoredPng.h"

#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace vellumora {

namespace {

// The most a stored deflate block holds.
constexpr qsizetype kBlockBytes = 65535;

// Writes a file front to back, keeping the CRC of the chunk being written.
struct Writer {
    char* at;
    uLong crc = 0;

    void put(const void* bytes, qsizetype count)
    {
        std::memcpy(at, bytes, size_t(count));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(at), uInt(count));
        at += count;
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
        crc = crc32(0, nullptr, 0);
        put(type, 4);
    }
    void endChunk() { putBigEndian(quint32(crc)); }
};

} // namespace

QByteArray storedPng(const QImage& picture)
{
    const QImage image
        = picture.format() == QImage::Format_RGB32 ? picture : picture.convertToFormat(QImage::Format_RGB32);
    const qsizetype rowBytes = 1 + qsizetype(image.width()) * 3; // a filter byte (none), then the pixels
    const qsizetype raw = rowBytes * image.height();
    const qsizetype blocks = std::max<qsizetype>(1, (raw + kBlockBytes - 1) / kBlockBytes);
    const qsizetype idat = 2 + raw + 5 * blocks + 4;
    QByteArray file(8 + (12 + 13) + (12 + idat) + 12, Qt::Uninitialized);
    Writer out { file.data() };
    out.put("\x89PNG\r\n\x1a\n", 8);

    out.beginChunk("IHDR", 13);
    out.putBigEndian(quint32(image.width()));
    out.putBigEndian(quint32(image.height()));
    out.put("\x08\x02\x00\x00\x00", 5); // 8 bits a channel, RGB, deflate, adaptive filters, no interlace
    out.endChunk();

    out.beginChunk("IDAT", idat);
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
    for (int y = 0; y < image.height(); ++y) {
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
    return file;
}

} // namespace vellumora
