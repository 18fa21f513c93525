#include "storage/DataFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace vellumora {

namespace {

bool fail(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
    return false;
}

// QSaveFile names its target in UTF-8. A target whose name is in other bytes gets the same
// treatment by hand: the content is saved under a name Qt can write, beside the target, and
// then renamed over it by its bytes, which is as atomic as QSaveFile's own rename.
class AtomicWriter {
public:
    explicit AtomicWriter(const NativePath& target)
        : m_target(target)
        , m_reachable(NativePath(target.toString()) == target)
        , m_file(m_reachable ? target.toString() : stagingName(target))
    {
    }

    bool open(QString* error)
    {
        // Unbuffered: through Qt's write buffer, a write cut short by a full disk or a file
        // size limit reaches commit() unnoticed and the short file replaces the good one.
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            return fail(error, m_file.errorString());
        }
        return true;
    }

    bool write(const QByteArray& bytes, QString* error)
    {
        if (m_file.write(bytes) != bytes.size()) {
            const QString reason = m_file.errorString();
            m_file.cancelWriting();
            return fail(error, reason);
        }
        return true;
    }

    void cancel() { m_file.cancelWriting(); }

    bool commit(QString* error)
    {
        if (!m_file.commit()) {
            return fail(error, m_file.errorString());
        }
        if (m_reachable) {
            return true;
        }
        const QByteArray staged = QFile::encodeName(m_file.fileName());
        if (std::rename(staged.constData(), m_target.bytes().constData()) != 0) {
            const QString reason = QString::fromLocal8Bit(std::strerror(errno));
            std::remove(staged.constData());
            return fail(error, reason);
        }
        return true;
    }

private:
    static QString stagingName(const NativePath& target)
    {
        const QByteArray& bytes = target.bytes();
        const QString folder = QFile::decodeName(bytes.left(bytes.lastIndexOf('/') + 1));
        return folder + QStringLiteral(".vellumora-save-%1").arg(QCoreApplication::applicationPid());
    }

    NativePath m_target;
    bool m_reachable;
    QSaveFile m_file;
};

} // namespace

bool writeDataFile(const NativePath& path, const QByteArray& content, QString* error)
{
    return writeDataFile(
        path, [&content](const DataSink& sink) { sink(content); }, error);
}

bool writeDataFile(const NativePath& path, const DataProducer& produce, QString* error)
{
    AtomicWriter writer(path);
    if (!writer.open(error)) {
        return false;
    }
    bool written = true;
    produce([&](const QByteArray& bytes) { return written = written && writer.write(bytes, error); });
    return written && writer.commit(error);
}

bool copyDataFile(const QString& source, const NativePath& target, QString* error)
{
    // Copying a file onto itself (by its own name, a link or another spelling of its path) would
    // truncate it before it is read.
    std::error_code missing;
    if (std::filesystem::equivalent(
            QFile::encodeName(source).toStdString(), target.bytes().toStdString(), missing)) {
        return fail(
            error, QCoreApplication::translate("DataFile", "The file is already in the library folder."));
    }
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        return fail(error, in.errorString());
    }
    AtomicWriter out(target);
    if (!out.open(error)) {
        return false;
    }
    QByteArray chunk;
    constexpr qint64 kChunk = 1 << 20;
    while (!in.atEnd()) {
        chunk = in.read(kChunk);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            const QString reason = in.errorString();
            out.cancel();
            return fail(error, reason);
        }
        if (!out.write(chunk, error)) {
            return false;
        }
    }
    return out.commit(error);
}

bool sameFileContent(const QString& first, const NativePath& second)
{
    QFile a(first);
    QFile b;
    if (!a.open(QIODevice::ReadOnly) || !openNativeFile(second, b) || a.size() != b.size()) {
        return false;
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!a.atEnd()) {
        const QByteArray chunk = a.read(kChunk);
        if (chunk.isEmpty() || chunk != b.read(chunk.size())) {
            return false;
        }
    }
    return b.atEnd();
}

} // namespace vellumora
