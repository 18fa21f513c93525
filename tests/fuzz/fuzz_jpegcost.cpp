// libFuzzer target for the JPEG header walk that decides, before any decoding, whether a
// picture the user added may be decoded. It reads whatever file the user picks.
#include "images/PictureDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vellumora::PictureDecoder;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<PictureDecoder::JpegCost> cost = PictureDecoder::jpegCost(bytes);
    if (cost
        && (cost->scans < 0 || cost->coefficientBytes < 0 || (cost->progressive && !cost->wholeBuffer))) {
        std::abort();
    }
    PictureDecoder::affordable(QSize(4000, 3000), cost);
    return 0;
}
