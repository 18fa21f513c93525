// libFuzzer target for the row reader of the category files and the category index.
// Whatever it reads must write back, in the file's own encoding, and read again the same.
#include "affirmations/CategoryStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vellumora::CategoryStore;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    vellumora::TextEncoding encoding;
    const QList<vellumora::Row> rows = CategoryStore::decodeRows(bytes, &encoding);
    if (CategoryStore::decodeRows(CategoryStore::encodeRows(rows, encoding)) != rows) {
        std::abort();
    }
    return 0;
}
