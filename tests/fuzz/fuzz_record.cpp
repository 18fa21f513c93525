// libFuzzer target for the picture record reader. Whatever it reads must write back, in the
// file's own encoding, and read again the same.
#include "images/PictureStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vellumora::PictureStore;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    vellumora::TextEncoding encoding;
    const QStringList names = PictureStore::decodeRecord(bytes, &encoding);
    if (PictureStore::decodeRecord(PictureStore::encodeRecord(names, encoding)) != names) {
        std::abort();
    }
    return 0;
}
