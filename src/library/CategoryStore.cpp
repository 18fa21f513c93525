#include "library/CategoryStore.h"

#include "platform/DataFile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vellumora {

namespace {

const QString kExtension = QStringLiteral(".txt");
// Longest file name most file systems take, in bytes.
constexpr int kMaxFileNameBytes = 255;

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

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

Row readLine(QStringView line)
{
    Row row;
    const QStringView trimmed = line.trimmed();
    qsizetype rest = 0;
    if (trimmed.startsWith(QLatin1Char('"'))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char('"'), 1);
        row.text = trimmed.mid(1, close < 0 ? -1 : close - 1).toString();
        if (close < 0) {
            row.ticked = true;
            return row;
        }
        rest = close + 1;
    } else {
        const qsizetype comma = trimmed.indexOf(QLatin1Char(','));
        // Rewritten as it is, a quote inside would cut the text short on the next read.
        row.text = CategoryStore::storableText(
            trimmed.left(comma < 0 ? trimmed.size() : comma).trimmed().toString());
        rest = comma < 0 ? trimmed.size() : comma;
    }
    const qsizetype comma = trimmed.indexOf(QLatin1Char(','), rest);
    if (comma < 0) {
        row.ticked = true;
        return row;
    }
    // The flag runs to the next comma; anything after it is not ours.
    QStringView flag = trimmed.mid(comma + 1);
    const qsizetype next = flag.indexOf(QLatin1Char(','));
    row.ticked = readFlag(next < 0 ? flag : flag.left(next));
    return row;
}

} // namespace

CategoryStore::CategoryStore(QString applicationFolder)
    : m_applicationFolder(std::move(applicationFolder))
{
}

QString CategoryStore::libraryFolder() const
{
    return m_applicationFolder + QStringLiteral("/system");
}

QString CategoryStore::indexPath() const
{
    return m_applicationFolder + QStringLiteral("/item.txt");
}

QString CategoryStore::categoryPath(const QString& name) const
{
    return isUsableName(name) ? libraryFolder() + QLatin1Char('/') + name + kExtension : QString();
}

QStringList CategoryStore::listCategoryNames() const
{
    const QStringList files
        = QDir(libraryFolder())
              .entryList({ QStringLiteral("*") + kExtension }, QDir::Files, QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : files) {
        const QString name = file.chopped(kExtension.size());
        if (isUsableName(name)) {
            names.append(name);
        }
    }
    return names;
}

bool CategoryStore::indexExists() const
{
    return QFileInfo::exists(indexPath());
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

std::optional<QList<Row>> CategoryStore::readRows(const QString& path, QString* error) const
{
    QFile file(path);
    if (!file.exists()) {
        return QList<Row> {};
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return decodeRows(file.readAll());
}

bool CategoryStore::writeRows(const QString& path, const QList<Row>& rows, QString* error) const
{
    return writeDataFile(path, encodeRows(rows), error);
}

bool CategoryStore::createCategory(const QString& name, QString* error) const
{
    const QString path = categoryPath(name);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

bool CategoryStore::removeCategory(const QString& name, QString* error) const
{
    QFile file(categoryPath(name));
    if (!file.exists() || file.remove()) {
        return true;
    }
    if (error) {
        *error = file.errorString();
    }
    return false;
}

bool CategoryStore::isTypedName(const QString& name)
{
    bool letters = false;
    for (const QChar c : name) {
        const char16_t u = c.unicode();
        const bool letter = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z');
        if (!letter && u != u' ') {
            return false;
        }
        letters = letters || letter;
    }
    return letters;
}

bool CategoryStore::isUsableName(const QString& name)
{
    if (name.trimmed().isEmpty() || name == QLatin1String(".") || name.contains(QLatin1String(".."))
        || (name + kExtension).toUtf8().size() > kMaxFileNameBytes) {
        return false;
    }
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

QString CategoryStore::storableText(QString text)
{
    bool opening = true;
    for (QChar& c : text) {
        if (c == QLatin1Char('"')) {
            c = opening ? QChar(0x201C) : QChar(0x201D);
            opening = !opening;
        }
    }
    return text;
}

QByteArray CategoryStore::encodeRows(const QList<Row>& rows)
{
    QString text;
    for (const Row& row : rows) {
        text += QLatin1Char('"') + row.text + QLatin1Char('"')
            + (row.ticked ? QLatin1String(",#TRUE#\r\n") : QLatin1String(",#FALSE#\r\n"));
    }
    return QStringEncoder(QStringConverter::System).encode(text);
}

QList<Row> CategoryStore::decodeRows(const QByteArray& bytes)
{
    const QString text = QStringDecoder(QStringConverter::System).decode(bytes);
    QList<Row> rows;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && !isLineEnd(text[end])) {
            ++end;
        }
        const QStringView line = QStringView(text).mid(start, end - start);
        if (!line.trimmed().isEmpty()) {
            rows.append(readLine(line));
        }
        start = end + 1;
    }
    return rows;
}

} // namespace vellumora
