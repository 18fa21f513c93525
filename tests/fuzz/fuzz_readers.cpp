// libFuzzer target for every reader of bytes the user hands the program, fed the same bytes: the
// rows of the category files and the category index, the picture record, a text file of
// affirmations imported in bulk, the settings of a backup, the JPEG header walk that decides,
// before any decoding, whether a picture the user added may be decoded, and the walk to its EXIF
// data and the preview a thumbnail is made from. Whatever a text reader
// reads must write back, in the file's own encoding, and read again the same.
#include "affirmations/AffirmationImport.h"
#include "affirmations/CategoryStore.h"
#include "images/PictureDecoder.h"
#include "images/PictureStore.h"
#include "library/Backup.h"
#include "storage/JpegHeader.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace vellumora;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    TextEncoding rowsEncoding;
    TextEncoding recordEncoding;
    const QList<Row> rows = CategoryStore::decodeRows(bytes, &rowsEncoding);
    const QStringList names = PictureStore::decodeRecord(bytes, &recordEncoding);
    const std::optional<PictureDecoder::JpegCost> cost = PictureDecoder::jpegCost(bytes);
    if (CategoryStore::decodeRows(CategoryStore::encodeRows(rows, rowsEncoding)) != rows
        || PictureStore::decodeRecord(PictureStore::encodeRecord(names, recordEncoding)) != names
        || (cost
            && (cost->scans < 0 || cost->coefficientBytes < 0
                || (cost->progressive && !cost->wholeBuffer)))) {
        std::abort();
    }
    PictureDecoder::affordable(QSize(4000, 3000), cost);
    QByteArray copy = bytes;
    QBuffer device(&copy);
    device.open(QIODevice::ReadOnly);
    const std::optional<JpegHeader> header = readJpegHeader(device);
    if (header
        && (header->size.isEmpty() || header->orientation < 1 || header->orientation > 8
            || header->preview.size() > bytes.size())) {
        std::abort();
    }
    // An imported affirmation is one row the files can hold: no quote, no line break.
    for (const Row& row : AffirmationImport::read(bytes, rows).rows) {
        if (row.text.contains(QLatin1Char('"')) || row.text.contains(QLatin1Char('\n'))
            || CategoryStore::decodeRows(CategoryStore::encodeRows({ row })) != QList<Row> { row }) {
            std::abort();
        }
    }
    const QList<SettingValue> settings = Backup::decodeSettings(bytes);
    if (Backup::decodeSettings(Backup::encodeSettings(settings)) != settings) {
        std::abort();
    }
    return 0;
}
