#include "affirmations/CategoryStore.h"

#include "storage/DataFile.h"
#include "storage/QuotedFields.h"
#include "storage/SyncFiles.h"

#include <QSet>

namespace vellumora {

namespace {

const QString kExtension = QStringLiteral(".txt");

bool readFlag(QStringView field)
{
    QStringView flag = field.trimmed();
    // The flag is one word; whatever follows it is not.
    for (qsizetype i = 0; i < flag.size(); ++i) {
        if (flag[i].isSpace()) {
            flag.truncate(i);
            break;
        }
    }
    if (flag.startsWith(QLatin1Char('#'))) {
        flag = flag.mid(1);
    }
    if (flag.endsWith(QLatin1Char('#'))) {
        flag.chop(1);
    }
    return flag.compare(QLatin1String("FALSE"), Qt::CaseInsensitive) != 0;
}

// A quote left open by a hand edit: the line may still end in the flag the program wrote.
Row readOpenQuote(const QString& text)
{
    QStringView rest(text);
    while (!rest.isEmpty() && isBlank(rest.back())) {
        rest.chop(1);
    }
    for (const auto& [flag, ticked] :
        { std::pair { QLatin1String(",#TRUE#"), true }, std::pair { QLatin1String(",#FALSE#"), false } }) {
        if (rest.endsWith(flag, Qt::CaseInsensitive)) {
            return { rest.chopped(flag.size()).toString(), ticked };
        }
    }
    return { text, true };
}

Row readLine(QStringView line)
{
    const QList<QuotedField> fields = splitFields(line);
    const QuotedField& text = fields.constFirst();
    if (text.quoted && !text.closed) {
        return readOpenQuote(text.text);
    }
    return { text.text, fields.size() < 2 || readFlag(fields.at(1).text) };
}

} // namespace

CategoryStore::CategoryStore(QString applicationFolder, NativePath homeTrash)
    : m_files(std::move(applicationFolder))
    , m_trash(std::move(homeTrash), NativePath(m_files.deleted()))
{
}

void CategoryStore::setFolder(const QString& applicationFolder)
{
    m_files = LibraryFiles(applicationFolder);
    m_trash.setFallbackFolder(NativePath(m_files.deleted()));
    m_indexEncoding = TextEncoding::Utf8;
}

NativePath CategoryStore::libraryFolder() const
{
    return NativePath(m_files.categoryFolder());
}

NativePath CategoryStore::indexPath() const
{
    return NativePath(m_files.index());
}

NativePath CategoryStore::categoryPath(const QString& name) const
{
    return isUsableName(name) ? findNativeName(libraryFolder(), name + kExtension, m_indexEncoding)
                              : NativePath();
}

QStringList CategoryStore::listCategoryNames() const
{
    QStringList names;
    QSet<QString> seen;
    for (const QByteArray& file : nativeFileNames(libraryFolder())) {
        if (!file.endsWith(kExtension.toLatin1())) {
            continue;
        }
        const QString fileName = decodeBytes(file).text;
        const QString name = fileName.chopped(kExtension.size());
        // The same name in both encodings is one category; either file is found by it. What a
        // sync tool leaves beside the files is never a category.
        if (isUsableName(name) && !seen.contains(name)
            && SyncFiles::classify(fileName) == SyncFiles::Kind::Ordinary) {
            seen.insert(name);
            names.append(name);
        }
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int folded = a.compare(b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a < b;
    });
    return names;
}

bool CategoryStore::indexExists() const
{
    return nativePathExists(indexPath());
}

std::optional<QString> CategoryStore::findCategoryFile(const QString& name) const
{
    for (const QString& listed : listCategoryNames()) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0) {
            return listed;
        }
    }
    return std::nullopt;
}

std::optional<QList<Row>> CategoryStore::readIndex(QString* error)
{
    TextEncoding read = m_indexEncoding;
    std::optional<QList<Row>> rows = readRows(indexPath(), &read, error);
    // Read again after a delete took its last name in Windows-1252, the index must not turn
    // UTF-8: the name an undo brings back is written in its own bytes.
    if (rows && !plainAscii(*rows)) {
        m_indexEncoding = read;
    }
    return rows;
}

bool CategoryStore::writeIndex(const QList<Row>& rows, QString* error)
{
    return writeRows(indexPath(), rows, &m_indexEncoding, error);
}

std::optional<QList<Row>> CategoryStore::readRows(
    const NativePath& path, TextEncoding* encoding, QString* error) const
{
    const std::optional<QByteArray> bytes = readNativeFile(path, error);
    if (!bytes) {
        return std::nullopt;
    }
    return decodeRows(*bytes, encoding);
}

bool CategoryStore::writeRows(
    const NativePath& path, const QList<Row>& rows, TextEncoding* encoding, QString* error) const
{
    TextEncoding written = encoding ? *encoding : TextEncoding::Utf8;
    if (!writeDataFile(path, encodeRows(rows, written), error)) {
        return false;
    }
    if (encoding) {
        *encoding = written;
    }
    return true;
}

bool CategoryStore::createCategory(const QString& name, QString* error) const
{
    return createEmptyNativeFile(categoryPath(name), error);
}

bool CategoryStore::removeCategory(const QString& name, QString* error) const
{
    return removeNativeFile(categoryPath(name), error);
}

bool CategoryStore::isTypedName(const QString& name)
{
    bool letters = false;
    bool afterLetter = false;
    // By code point, so a letter beyond the first 65536 (CJK extension B) counts as one.
    for (const char32_t c : name.toUcs4()) {
        const bool letter = QChar::isLetter(c);
        // Accents typed apart from their letter, and the vowel signs of Indic scripts.
        const bool mark = afterLetter && QChar::isMark(c);
        if (!letter && !mark && c != U' ') {
            return false;
        }
        letters = letters || letter;
        afterLetter = letter || mark;
    }
    return letters;
}

bool CategoryStore::isUsableName(const QString& name)
{
    // A name of blanks alone could be neither typed nor seen in the list.
    return !name.trimmed().isEmpty() && isSafeFileName(name) && isSafeFileName(name + kExtension);
}

bool CategoryStore::plainAscii(const QList<Row>& rows)
{
    return std::all_of(rows.cbegin(), rows.cend(), [](const Row& row) {
        return std::all_of(row.text.cbegin(), row.text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    });
}

QByteArray CategoryStore::encodeRows(const QList<Row>& rows, TextEncoding& encoding)
{
    QString text;
    for (const Row& row : rows) {
        text += quoteField(row.text)
            + (row.ticked ? QLatin1String(",#TRUE#\r\n") : QLatin1String(",#FALSE#\r\n"));
    }
    return encodeText(text, encoding);
}

QByteArray CategoryStore::encodeRows(const QList<Row>& rows)
{
    TextEncoding encoding = TextEncoding::Utf8;
    return encodeRows(rows, encoding);
}

QList<Row> CategoryStore::decodeRows(const QByteArray& bytes, TextEncoding* encoding)
{
    const DecodedText decoded = decodeText(bytes);
    if (encoding) {
        *encoding = decoded.encoding;
    }
    QList<Row> rows;
    for (const QStringView line : textLines(decoded.text)) {
        rows.append(readLine(line));
    }
    return rows;
}

} // namespace vellumora
