#include "images/PictureStore.h"

#include "platform/DataFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace vellumora {

namespace {

const QString kRecordName = QStringLiteral("record.txt");

bool isUsableName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    for (const QChar c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

PictureStore::PictureStore(QString applicationFolder)
    : m_applicationFolder(std::move(applicationFolder))
{
}

QString PictureStore::folder() const
{
    return m_applicationFolder + QStringLiteral("/SystemFolder");
}

QString PictureStore::recordPath() const
{
    return folder() + QLatin1Char('/') + kRecordName;
}

QString PictureStore::pathOf(const QString& name) const
{
    // The record file shares the folder; a picture by its name would be read over it.
    if (!isUsableName(name) || name == kRecordName) {
        return {};
    }
    return folder() + QLatin1Char('/') + name;
}

QStringList PictureStore::readRecord() const
{
    QFile file(recordPath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return decodeRecord(file.readAll());
}

bool PictureStore::writeRecord(const QStringList& names, QString* error) const
{
    return writeDataFile(recordPath(), encodeRecord(names), error);
}

bool PictureStore::copyIn(const QString& source, const QString& name, QString* error) const
{
    const QString target = pathOf(name);
    if (target.isEmpty()) {
        return false;
    }
    return copyDataFile(source, target, error);
}

bool PictureStore::remove(const QString& name) const
{
    const QString path = pathOf(name);
    return !path.isEmpty() && QFile::remove(path);
}

QString PictureStore::storedName(const QString& chosenPath)
{
    return QFileInfo(chosenPath).fileName();
}

bool PictureStore::isStorableName(const QString& name)
{
    return isUsableName(name) && name != kRecordName && !name.contains(QLatin1Char('"'));
}

QByteArray PictureStore::encodeRecord(const QStringList& names)
{
    QString text;
    for (const QString& name : names) {
        text += QLatin1Char('"') + name + QStringLiteral("\"\r\n");
    }
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QStringList PictureStore::decodeRecord(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    const QString text = decoder.decode(bytes);
    QStringList names;
    const qsizetype end = text.size();
    qsizetype i = 0;
    while (i < end) {
        while (i < end && isBlank(text[i])) {
            ++i;
        }
        QString field;
        if (i < end && text[i] == QLatin1Char('"')) {
            // A quote left open by a hand edit closes at the end of its line.
            qsizetype stop = i + 1;
            while (stop < end && text[stop] != QLatin1Char('"') && !isLineEnd(text[stop])) {
                ++stop;
            }
            field = text.mid(i + 1, stop - i - 1);
            i = stop;
            while (i < end && text[i] != QLatin1Char(',') && !isLineEnd(text[i])) {
                ++i;
            }
        } else {
            const qsizetype start = i;
            while (i < end && text[i] != QLatin1Char(',') && !isLineEnd(text[i])) {
                ++i;
            }
            field = text.mid(start, i - start);
            while (!field.isEmpty() && isBlank(field.back())) {
                field.chop(1);
            }
        }
        if (!field.isEmpty()) {
            names.append(field);
        }
        // One separator: a comma, or one line end (CR LF counts once).
        if (i < end && text[i] == QLatin1Char('\r') && i + 1 < end && text[i + 1] == QLatin1Char('\n')) {
            i += 2;
        } else if (i < end) {
            ++i;
        }
    }
    return names;
}

} // namespace vellumora
