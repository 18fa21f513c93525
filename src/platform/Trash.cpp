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

// The file's own name, or from 2 on the numbered one, that `taken` finds free.
template <typename Taken> std::optional<QByteArray> freeName(const NativePath& file, const Taken& taken)
{
    const QByteArray name = file.bytes().mid(file.bytes().lastIndexOf('/') + 1);
    for (int number = 1; number <= kMaxNumber; ++number) {
        const QByteArray candidate = number == 1 ? name : numberedName(name, number);
        if (!taken(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
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

// Creates the information file under a name no other file in the Trash has, before the file
// itself is moved, so a file in the Trash always has one.
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
    const std::optional<QByteArray> name = freeName(file, [&](const QByteArray& candidate) {
        return nativePathExists(infos.child(candidate + ".trashinfo"))
            || nativePathExists(files.child(candidate));
    });
    if (!name) {
        return std::nullopt;
    }
    const NativePath info = infos.child(*name + ".trashinfo");
    if (!claimInfoFile(info, trashInfo(file))) {
        return std::nullopt;
    }
    if (moveNativeFile(file, files.child(*name))) {
        return TrashedFile { file, files.child(*name), info };
    }
    // Most often another file system: the Trash in the home folder cannot take it.
    removeNativeFile(info);
    return std::nullopt;
}

TrashedFile Trash::discard(const NativePath& file, QString* error) const
{
    if (!nativePathExists(file)) {
        return { file, {}, {} };
    }
    if (std::optional<TrashedFile> trashed = discardToHomeTrash(file)) {
        return *trashed;
    }
    if (!makeNativeFolder(m_fallbackFolder, error)) {
        return { file, {}, {} };
    }
    const std::optional<QByteArray> name = freeName(file,
        [this](const QByteArray& candidate) { return nativePathExists(m_fallbackFolder.child(candidate)); });
    if (!name) {
        *error = QCoreApplication::translate("vellumora::Trash", "Every name for it in %1 is taken.")
                     .arg(m_fallbackFolder.toString());
        return { file, {}, {} };
    }
    if (!moveNativeFile(file, m_fallbackFolder.child(*name), error)) {
        return { file, {}, {} };
    }
    return { file, m_fallbackFolder.child(*name), {} };
}

Outcome Trash::restore(
    const TrashedFile& trashed, const NativePath& target, const std::function<Outcome()>& keep) const
{
    if (trashed.location.isEmpty()) {
        return keep();
    }
    QString error;
    if (!moveNativeFile(trashed.location, target, &error)) {
        return Outcome::refused(withReason(
            QCoreApplication::translate("vellumora::Trash", "The file could not be brought back from %1.")
                .arg(trashed.location.toString()),
            error));
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
