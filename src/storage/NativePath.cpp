#include "storage/NativePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumora {

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool fail(QString* error, int code)
{
    if (error) {
        *error = errorText(code);
    }
    return false;
}

int openForReading(const NativePath& path)
{
    int fd;
    do {
        fd = ::open(path.bytes().constData(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

NativePath::NativePath(const QString& path)
    : m_bytes(QFile::encodeName(path))
{
}

NativePath NativePath::fromBytes(QByteArray bytes)
{
    NativePath path;
    path.m_bytes = std::move(bytes);
    return path;
}

NativePath NativePath::child(const QByteArray& name) const
{
    return fromBytes(m_bytes + '/' + name);
}

QString NativePath::toString() const
{
    return QFile::decodeName(m_bytes);
}

QByteArray NativePath::fileUri() const
{
    if (fromUtf8(m_bytes)) {
        return QUrl::fromLocalFile(QFileInfo(toString()).absoluteFilePath()).toEncoded();
    }
    QByteArray absolute = m_bytes;
    if (!absolute.startsWith('/')) {
        absolute = QFile::encodeName(QDir::currentPath()) + '/' + absolute;
    }
    return "file://" + absolute.toPercentEncoding("/!$&'()*+,;=:@");
}

std::optional<QByteArray> readNativeFile(const NativePath& path, QString* error)
{
    const int fd = openForReading(path);
    if (fd < 0) {
        if (errno == ENOENT) {
            return QByteArray();
        }
        fail(error, errno);
        return std::nullopt;
    }
    // A folder opens for reading; only reading it fails, and Qt would not say so.
    struct stat info { };
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        fail(error, S_ISDIR(info.st_mode) ? EISDIR : errno);
        ::close(fd);
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    // Read to the end rather than to the size: a file may grow or shrink while it is read.
    QByteArray bytes;
    char chunk[64 * 1024];
    qint64 got;
    while ((got = file.read(chunk, sizeof chunk)) > 0) {
        bytes.append(chunk, got);
    }
    if (got < 0) {
        if (error) {
            *error = file.errorString();
        }
        return std::nullopt;
    }
    return bytes;
}

bool openNativeFile(const NativePath& path, QFile& file)
{
    const int fd = openForReading(path);
    if (fd < 0) {
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<NativeFileInfo> nativeFileInfo(const NativePath& path)
{
    struct stat info { };
    if (::stat(path.bytes().constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return NativeFileInfo { qint64(info.st_size), qint64(info.st_mtim.tv_sec),
        qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000 };
}

bool isPlainNativeFile(const NativePath& path)
{
    struct stat info { };
    return ::lstat(path.bytes().constData(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isPlainNativeFolder(const NativePath& path)
{
    struct stat info { };
    return ::lstat(path.bytes().constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool nativePathExists(const NativePath& path)
{
    std::error_code code;
    return std::filesystem::exists(std::filesystem::symlink_status(path.bytes().toStdString(), code));
}

QList<QByteArray> nativeFileNames(const NativePath& folder)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.bytes().constData());
    if (!dir) {
        return names;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat info { };
            regular = ::fstatat(::dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISREG(info.st_mode);
        }
        if (regular) {
            names.append(name);
        }
    }
    ::closedir(dir);
    return names;
}

NativePath findNativeName(const NativePath& folder, const QString& name, TextEncoding preferred)
{
    const QByteArray utf8 = name.toUtf8();
    const std::optional<QByteArray> windows1252 = toWindows1252(name);
    if (!windows1252 || *windows1252 == utf8) {
        return folder.child(utf8);
    }
    const NativePath first = folder.child(preferred == TextEncoding::Windows1252 ? *windows1252 : utf8);
    const NativePath second = folder.child(preferred == TextEncoding::Windows1252 ? utf8 : *windows1252);
    if (nativePathExists(first)) {
        return first;
    }
    if (nativePathExists(second)) {
        return second;
    }
    return folder.child(utf8);
}

bool createEmptyNativeFile(const NativePath& path, QString* error)
{
    const int fd = ::open(path.bytes().constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        return fail(error, errno);
    }
    ::close(fd);
    return true;
}

bool removeNativeFile(const NativePath& path, QString* error)
{
    std::error_code code;
    std::filesystem::remove(path.bytes().toStdString(), code);
    return !code || fail(error, code.value());
}

bool moveNativeFile(const NativePath& from, const NativePath& to, QString* error)
{
    if (::renameat2(AT_FDCWD, from.bytes().constData(), AT_FDCWD, to.bytes().constData(), RENAME_NOREPLACE)
        == 0) {
        return true;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return fail(error, errno);
    }
    // A file system that cannot refuse to replace (FAT on a USB stick) is asked first.
    if (nativePathExists(to)) {
        return fail(error, EEXIST);
    }
    return ::rename(from.bytes().constData(), to.bytes().constData()) == 0 || fail(error, errno);
}

bool makeNativeFolder(const NativePath& folder, QString* error, bool withParents)
{
    const QByteArray& bytes = folder.bytes();
    for (qsizetype slash = withParents ? bytes.indexOf('/', 1) : -1;; slash = bytes.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? bytes : bytes.left(slash);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) {
            return fail(error, errno);
        }
        if (slash < 0) {
            break;
        }
    }
    struct stat info { };
    if (::stat(bytes.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return fail(error, ENOTDIR);
    }
    return true;
}

template <typename Name> Name numbered(const Name& name, const Name& number)
{
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype split = dot > 0 ? dot : name.size();
    return name.left(split) + " (" + number + ")" + name.mid(split);
}

QString numberedName(const QString& name, int number)
{
    return numbered(name, QString::number(number));
}

QByteArray numberedName(const QByteArray& name, int number)
{
    return numbered(name, QByteArray::number(number));
}

bool isSafeFileName(const QString& name)
{
    constexpr int kMaxFileNameBytes = 255;
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..")) {
        return false;
    }
    // In Windows-1252 every character is one byte.
    const qsizetype bytes = toWindows1252(name) ? name.size() : name.toUtf8().size();
    return bytes <= kMaxFileNameBytes && std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') || c.category() == QChar::Other_Control;
    });
}

} // namespace vellumora
