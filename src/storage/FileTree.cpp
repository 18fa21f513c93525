#include "storage/FileTree.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumora::FileTree {

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool sameBytes(const NativePath& a, const NativePath& b)
{
    QFile first;
    QFile second;
    if (!openNativeFile(a, first) || !openNativeFile(b, second) || first.size() != second.size()) {
        return false;
    }
    while (!first.atEnd()) {
        if (first.read(1 << 20) != second.read(1 << 20)) {
            return false;
        }
    }
    return second.atEnd();
}

bool copyFile(const NativePath& from, const NativePath& to, WorkProgress& progress, QString* error)
{
    const int in = ::open(from.bytes().constData(), O_RDONLY | O_CLOEXEC);
    const int out
        = in < 0 ? -1 : ::open(to.bytes().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    bool copied = out >= 0;
    char buffer[1 << 16];
    for (ssize_t length = 0; copied && (length = ::read(in, buffer, sizeof buffer)) != 0;) {
        copied = length > 0 && ::write(out, buffer, size_t(length)) == length && !progress.cancelled();
        progress.addBytes(length);
    }
    if (!copied && !progress.cancelled()) {
        *error = QStringLiteral("%1: %2").arg(from.toString(), systemError());
    }
    if (out >= 0) {
        copied = ::close(out) == 0 && copied;
    }
    if (in >= 0) {
        ::close(in);
    }
    return copied;
}

} // namespace

bool copy(const NativePath& from, const NativePath& to, WorkProgress& progress, QString* error)
{
    struct stat info { };
    if (::lstat(from.bytes().constData(), &info) != 0 || S_ISLNK(info.st_mode)) {
        return true;
    }
    if (S_ISDIR(info.st_mode)) {
        if (::mkdir(to.bytes().constData(), 0700) != 0 && errno != EEXIST) {
            *error = QStringLiteral("%1: %2").arg(to.toString(), systemError());
            return false;
        }
        DIR* dir = ::opendir(from.bytes().constData());
        if (!dir) {
            *error = QStringLiteral("%1: %2").arg(from.toString(), systemError());
            return false;
        }
        bool copied = true;
        while (const dirent* entry = copied ? ::readdir(dir) : nullptr) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                copied = copy(from.child(name), to.child(name), progress, error);
            }
        }
        ::closedir(dir);
        return copied;
    }
    if (!S_ISREG(info.st_mode)) {
        return true;
    }
    if (!copyFile(from, to, progress, error)) {
        return false;
    }
    // A disk that loses what it was given must not cost the library.
    if (!sameBytes(from, to)) {
        *error = QCoreApplication::translate(
                     "vellumora::LibraryFolder", "A copied file differs from its original.")
            + QLatin1Char(' ') + from.toString();
        return false;
    }
    progress.fileDone();
    return true;
}

void measure(const NativePath& path, int& files, qint64& bytes)
{
    struct stat info { };
    if (::lstat(path.bytes().constData(), &info) != 0) {
        return;
    }
    if (S_ISREG(info.st_mode)) {
        ++files;
        bytes += info.st_size;
    } else if (DIR* dir = S_ISDIR(info.st_mode) ? ::opendir(path.bytes().constData()) : nullptr) {
        while (const dirent* entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                measure(path.child(name), files, bytes);
            }
        }
        ::closedir(dir);
    }
}

bool remove(const NativePath& path)
{
    struct stat info { };
    if (::lstat(path.bytes().constData(), &info) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISDIR(info.st_mode)) {
        return ::unlink(path.bytes().constData()) == 0;
    }
    DIR* dir = ::opendir(path.bytes().constData());
    bool removed = dir != nullptr;
    while (const dirent* entry = removed ? ::readdir(dir) : nullptr) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") {
            removed = remove(path.child(name));
        }
    }
    if (dir) {
        ::closedir(dir);
    }
    return removed && ::rmdir(path.bytes().constData()) == 0;
}

} // namespace vellumora::FileTree
