#include "images/PictureStore.h"

#include "storage/DataFile.h"
#include "storage/QuotedFields.h"

#include <QFileInfo>

namespace vellumora {

PictureStore::PictureStore(QString applicationFolder, NativePath homeTrash)
    : m_files(std::move(applicationFolder))
    , m_trash(std::move(homeTrash), NativePath(m_files.deleted()))
{
}

void PictureStore::setFolder(const QString& applicationFolder)
{
    m_files = LibraryFiles(applicationFolder);
    m_trash.setFallbackFolder(NativePath(m_files.deleted()));
    m_recordEncoding = TextEncoding::Utf8;
}

NativePath PictureStore::folder() const
{
    return NativePath(m_files.pictureFolder());
}

NativePath PictureStore::recordPath() const
{
    return NativePath(m_files.record());
}

NativePath PictureStore::pathOf(const QString& name) const
{
    // The record file shares the folder; a picture by its name would be read over it.
    if (!isSafeFileName(name) || name == LibraryFiles::kRecordName) {
        return {};
    }
    return findNativeName(folder(), name, m_recordEncoding);
}

std::optional<QStringList> PictureStore::readRecord(QString* error)
{
    const std::optional<QByteArray> bytes = readNativeFile(recordPath(), error);
    if (!bytes) {
        return std::nullopt;
    }
    return decodeRecord(*bytes, &m_recordEncoding);
}

bool PictureStore::writeRecord(const QStringList& names, QString* error)
{
    TextEncoding written = m_recordEncoding;
    if (!writeDataFile(recordPath(), encodeRecord(names, written), error)) {
        return false;
    }
    m_recordEncoding = written;
    return true;
}

bool PictureStore::copyIn(const QString& source, const QString& name, QString* error) const
{
    const NativePath target = pathOf(name);
    if (target.isEmpty()) {
        return false;
    }
    return copyDataFile(source, target, error);
}

bool PictureStore::remove(const QString& name) const
{
    const NativePath path = pathOf(name);
    return !path.isEmpty() && nativePathExists(path) && removeNativeFile(path);
}

QString PictureStore::storedName(const QString& chosenPath)
{
    return QFileInfo(chosenPath).fileName();
}

bool PictureStore::isStorableName(const QString& name)
{
    return isSafeFileName(name) && name != LibraryFiles::kRecordName && !name.contains(QLatin1Char('"'));
}

QByteArray PictureStore::encodeRecord(const QStringList& names, TextEncoding& encoding)
{
    QString text;
    for (const QString& name : names) {
        text += quoteField(name) + QStringLiteral("\r\n");
    }
    return encodeText(text, encoding);
}

QByteArray PictureStore::encodeRecord(const QStringList& names)
{
    TextEncoding encoding = TextEncoding::Utf8;
    return encodeRecord(names, encoding);
}

QStringList PictureStore::decodeRecord(const QByteArray& bytes, TextEncoding* encoding)
{
    const DecodedText decoded = decodeText(bytes);
    if (encoding) {
        *encoding = decoded.encoding;
    }
    QStringList names;
    for (const QStringView line : textLines(decoded.text)) {
        for (const QuotedField& field : splitFields(line)) {
            if (!field.text.isEmpty()) {
                names.append(field.text);
            }
        }
    }
    return names;
}

} // namespace vellumora
