#include "storage/JpegHeader.h"

#include "platform/LateLibrary.h"

#include <QIODevice>
#include <libexif/exif-data.h>
#include <memory>

namespace vellumora {

namespace {

// Far more segments than any camera writes before its picture data; a file of nothing but
// empty segments is not walked to its end.
constexpr int kMaxSegments = 512;

int readUint16(const QByteArray& bytes, qsizetype at)
{
    return jpeg::readUint16(reinterpret_cast<const uchar*>(bytes.constData()) + at);
}

// libexif, opened by the first photo with EXIF data that is thumbnailed or shown.
struct Exif {
    LateLibrary library { "libexif.so.12" };
    VELLUMORA_LATE_FUNCTION(library, exif_data_new);
    VELLUMORA_LATE_FUNCTION(library, exif_data_unref);
    VELLUMORA_LATE_FUNCTION(library, exif_data_unset_option);
    VELLUMORA_LATE_FUNCTION(library, exif_data_load_data);
    VELLUMORA_LATE_FUNCTION(library, exif_data_get_byte_order);
    VELLUMORA_LATE_FUNCTION(library, exif_content_get_entry);
    VELLUMORA_LATE_FUNCTION(library, exif_get_short);
};

void readExif(const QByteArray& segment, JpegHeader& header)
{
    static const Exif exif;
    if (!exif.library.ready()) {
        return;
    }
    const std::unique_ptr<ExifData, decltype(exif.exif_data_unref)> data(
        exif.exif_data_new(), exif.exif_data_unref);
    if (!data) {
        return;
    }
    // Read as it stands: the tags the standard asks for are not made up, nor anything fixed.
    exif.exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif.exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(segment.constData()),
        static_cast<unsigned int>(segment.size()));
    if (ExifEntry* entry = exif.exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
        entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->size >= 2) {
        const int orientation = exif.exif_get_short(entry->data, exif.exif_data_get_byte_order(data.get()));
        header.orientation = orientation >= 1 && orientation <= 8 ? orientation : 1;
    }
    if (data->data && data->size > 0) {
        header.preview = QByteArray(reinterpret_cast<const char*>(data->data), qsizetype(data->size));
    }
}

} // namespace

std::optional<JpegHeader> readJpegHeader(QIODevice& device)
{
    if (device.read(2) != QByteArrayLiteral("\xFF\xD8")) {
        return std::nullopt;
    }
    JpegHeader header;
    bool exifRead = false;
    for (int segments = 0; segments < kMaxSegments; ++segments) {
        char byte = 0;
        if (!device.getChar(&byte) || uchar(byte) != 0xFF) {
            return std::nullopt;
        }
        // Any number of fill bytes may stand before a marker.
        while (uchar(byte) == 0xFF) {
            if (!device.getChar(&byte)) {
                return std::nullopt;
            }
        }
        const int marker = uchar(byte);
        if (jpeg::standsAlone(marker)) {
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) {
            break; // the picture data, or the end: everything wanted comes before
        }
        const QByteArray lengthBytes = device.read(2);
        if (lengthBytes.size() != 2 || readUint16(lengthBytes, 0) < 2) {
            return std::nullopt;
        }
        const qint64 length = readUint16(lengthBytes, 0) - 2;
        if (marker == 0xE1 && !exifRead) {
            const QByteArray segment = device.read(length);
            if (segment.size() != length) {
                return std::nullopt;
            }
            // An APP1 segment holds EXIF data, or XMP after the EXIF data.
            if (segment.startsWith(QByteArrayLiteral("Exif\0\0"))) {
                readExif(segment, header);
                exifRead = true;
            }
        } else if (jpeg::isFrame(marker)) {
            // Precision, then the height and the width.
            const QByteArray frame = device.read(length);
            if (frame.size() != length || length < 5) {
                return std::nullopt;
            }
            header.size = QSize(readUint16(frame, 3), readUint16(frame, 1));
            break; // EXIF data comes first, straight after the start
        } else if (device.skip(length) != length) {
            return std::nullopt;
        }
    }
    if (header.size.isEmpty()) {
        return std::nullopt;
    }
    return header;
}

} // namespace vellumora
