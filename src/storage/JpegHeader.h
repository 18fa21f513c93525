#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

class QIODevice;

namespace vellumora {

namespace jpeg {

// A big-endian 16-bit number, as segments store their lengths and the picture's size.
inline int readUint16(const unsigned char* bytes)
{
    return (bytes[0] << 8) | bytes[1];
}
// A start-of-frame marker, whose segment holds the picture's size.
inline bool isFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}
// A marker with no length after it.
inline bool standsAlone(int marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

} // namespace jpeg

// What a JPEG says before its picture data: its size as stored and, from its EXIF data, the
// orientation it is shown in and the small preview a camera writes beside the photo.
struct JpegHeader {
    QSize size; // as stored, before the orientation is applied
    int orientation = 1; // the EXIF values 1 to 8; 1 when there is none or it is out of range
    QByteArray preview; // a JPEG of its own; empty when there is none
};

// Reads the segments up to the frame header, skipping every one but the EXIF data and the frame
// header, so a 4 MB photo costs a few kilobytes of reading. Nothing when the bytes are not a JPEG
// or end before its frame header.
std::optional<JpegHeader> readJpegHeader(QIODevice& device);

} // namespace vellumora
