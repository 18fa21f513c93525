#include "platform/Trash.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <fcntl.h>
#include <unistd.h>

namespace vellumora {

namespace {

// Enough for any one name deleted again and again in a session.
constexpr int kMaxNumber = 10000;

QByteArray numberedBytes(const QByteArray& name, int number)
{
    if (number == 1) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype split = dot > 0 ? dot : name.size();
    return name.left(split) + " (" + QByteArray::number(number) + ")" + name.mid(split);
}

QByteArray fileName(const NativePath& path)
{
    return path.bytes().mid(path.bytes().lastIndexOf('/') + 1);
}

QByteArray trashInfo(const NativePath& original)
{
    QByteArray absolute = original.bytes();
    if (!absolute.startsWith('/')) {
        absolute = QFile::encodeName(QDir::currentPath()) + '/' + absolute;
    }
    return "[Trash Info]\nPath=" + absolute.toPercentEncoding("/") + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddThh:mm:ss")).toLatin1() + "\n";
}

// Creates the information file under a name no other file in the Trash has, as the
// specification asks before the file itself is moved.
bool claimInfoFile(const NativePath& path, const QByteArray& content)
{
    const int fd = ::open(path.bytes().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool written = ::write(fd, content.constData(), content.size()) == content.size();
    ::close(fd);
    if (!written) {
        ::unlink(path.bytes().constData());
    }
    return written;
}

} // namespace

Trash::Trash(NativePath homeTrash, NativePath fallbackFolder)
    : m_homeTrash(std::move(homeTrash))
    , m_fallbackFolder(std::move(fallbackFolder))
{
}

std::optional<TrashedFile> Trash::discardToHomeTrash(const NativePath& file) const
{
    const NativePath files = m_homeTrash.child("files");
    const NativePath infos = m_homeTrash.child("info");
    if (m_homeTrash.isEmpty() || !makeNativeFolder(files) || !makeNativeFolder(infos)) {
        return std::nullopt;
    }
    const QByteArray content = trashInfo(file);
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QByteArray name = numberedBytes(fileName(file), number);
        const NativePath info = infos.child(name + ".trashinfo");
        const NativePath target = files.child(name);
        if (nativePathExists(info) || nativePathExists(target)) {
            continue;
        }
        if (!claimInfoFile(info, content)) {
            return std::nullopt;
        }
        if (moveNativeFile(file, target)) {
            return TrashedFile { file, target, info };
        }
        // Most often another file system: the Trash in the home folder cannot take it.
        removeNativeFile(info);
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<TrashedFile> Trash::discard(const NativePath& file, QString* error) const
{
    if (!nativePathExists(file)) {
        return TrashedFile { file, {}, {} };
    }
    if (std::optional<TrashedFile> trashed = discardToHomeTrash(file)) {
        return trashed;
    }
    if (!makeNativeFolder(m_fallbackFolder, error)) {
        return std::nullopt;
    }
    for (int number = 1; number <= kMaxNumber; ++number) {
        const NativePath target = m_fallbackFolder.child(numberedBytes(fileName(file), number));
        if (nativePathExists(target)) {
            continue;
        }
        if (!moveNativeFile(file, target, error)) {
            return std::nullopt;
        }
        return TrashedFile { file, target, {} };
    }
    return std::nullopt;
}

bool Trash::holds(const TrashedFile& trashed) const
{
    return trashed.location.isEmpty() || nativePathExists(trashed.location);
}

Outcome Trash::restore(
    const TrashedFile& trashed, const NativePath& target, const std::function<Outcome()>& keep) const
{
    if (trashed.location.isEmpty()) {
        return keep();
    }
    QString error;
    if (!moveNativeFile(trashed.location, target, &error)) {
        return Outcome::refused(
            QCoreApplication::translate("vellumora::Trash", "The file could not be brought back from %1.")
                .arg(trashed.location.toString())
            + QStringLiteral("\r\n") + error);
    }
    Outcome kept = keep();
    if (!kept) {
        moveNativeFile(target, trashed.location);
        return kept;
    }
    if (!trashed.info.isEmpty()) {
        removeNativeFile(trashed.info);
    }
    return kept;
}

} // namespace vellumora
