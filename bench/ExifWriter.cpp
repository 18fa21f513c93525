#include "ExifWriter.h"

#include <QBuffer>
#include <QImageWriter>
#include <cstdlib>
#include <cstring>
#include <libexif/exif-data.h>
#include <memory>

namespace vellumora::bench {

QByteArray withExif(const QByteArray& jpeg, const QByteArray& preview, int orientation)
{
    const std::unique_ptr<ExifData, decltype(&exif_data_unref)> data(exif_data_new(), &exif_data_unref);
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_byte_order(data.get(), EXIF_BYTE_ORDER_INTEL);
    ExifEntry* entry = exif_entry_new();
    exif_content_add_entry(data->ifd[EXIF_IFD_0], entry);
    exif_entry_initialize(entry, EXIF_TAG_ORIENTATION);
    exif_set_short(entry->data, EXIF_BYTE_ORDER_INTEL, ExifShort(orientation));
    exif_entry_unref(entry);
    if (!preview.isEmpty()) {
        // The data frees the preview with the rest.
        data->data = static_cast<unsigned char*>(std::malloc(size_t(preview.size())));
        std::memcpy(data->data, preview.constData(), size_t(preview.size()));
        data->size = static_cast<unsigned int>(preview.size());
    }
    unsigned char* saved = nullptr;
    unsigned int length = 0;
    exif_data_save_data(data.get(), &saved, &length);
    const std::unique_ptr<unsigned char, decltype(&std::free)> owned(saved, &std::free);
    if (!saved || length + 2 > 0xFFFF) {
        return {};
    }
    QByteArray result = jpeg.left(2);
    result.append(char(0xFF)).append(char(0xE1));
    result.append(char((length + 2) >> 8)).append(char((length + 2) & 0xFF));
    result.append(reinterpret_cast<const char*>(saved), qsizetype(length));
    result.append(jpeg.mid(2));
    return result;
}

QByteArray jpegBytes(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

} // namespace vellumora::bench
