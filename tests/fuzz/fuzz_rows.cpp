// libFuzzer target for the row reader of the category files and the category index.
// Whatever it reads must write back and read again as the same rows.
#include "library/CategoryStore.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using vellumora::CategoryStore;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<vellumora::Row> rows = CategoryStore::decodeRows(bytes);
    if (CategoryStore::decodeRows(CategoryStore::encodeRows(rows)) != rows) {
        std::abort();
    }
    return 0;
}
