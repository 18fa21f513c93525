#pragma once

#include <QByteArray>
#include <QSize>
#include <optional>

class QIODevice;

namespace vellumora {

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
