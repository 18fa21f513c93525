#include "platform/DataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace vellumora {

namespace {

bool fail(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
    return false;
}

} // namespace

// Both writers open unbuffered: through Qt's write buffer, a write cut short by a full disk or a
// file size limit reaches commit() unnoticed and the short file replaces the good one. Unbuffered,
// write() returns the short count and the old file stays.

bool writeDataFile(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(error, file.errorString());
    }
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(error, reason);
    }
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

bool copyDataFile(const QString& source, const QString& target, QString* error)
{
    // Copying a file onto itself would truncate it before it is read.
    const QFileInfo from(source);
    const QFileInfo to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) {
        return fail(
            error, QCoreApplication::translate("DataFile", "The file is already in the library folder."));
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(error, in.errorString());
    }
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(error, out.errorString());
    }
    QByteArray chunk;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            const QString reason = in.errorString();
            out.cancelWriting();
            return fail(error, reason);
        }
        if (out.write(chunk) != chunk.size()) {
            const QString reason = out.errorString();
            out.cancelWriting();
            return fail(error, reason);
        }
    }
    if (!out.commit()) {
        return fail(error, out.errorString());
    }
    return true;
}

} // namespace vellumora
