#include "platform/InstanceGuard.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace vellumora {

namespace {

QString lockFileName(const QString& lockFolder, const QString& executablePath)
{
    // Copies of the program in different folders are different executables and may run side by side.
    const QFileInfo exe(executablePath);
    const QString canonical
        = exe.canonicalFilePath().isEmpty() ? exe.absoluteFilePath() : exe.canonicalFilePath();
    const QByteArray hash
        = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(lockFolder)
        .filePath(
            exe.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".lock"));
}

} // namespace

InstanceGuard::InstanceGuard(const QString& lockFolder, const QString& executablePath)
    : m_lock(lockFileName(lockFolder, executablePath))
{
    // A running copy keeps its lock however long it runs; only a dead owner makes a lock stale.
    m_lock.setStaleLockTime(0);
}

bool InstanceGuard::otherCopyRunning()
{
    if (m_held) {
        return false;
    }
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    m_held = m_lock.tryLock(0);
    return !m_held && m_lock.error() == QLockFile::LockFailedError;
}

} // namespace vellumora
