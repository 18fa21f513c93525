#include "platform/LibraryFolder.h"

#include "platform/Language.h"
#include "platform/Outcome.h"
#include "storage/FileTree.h"
#include "storage/LibraryFiles.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumora::LibraryFolder {

namespace {

bool inGroup(uint group)
{
    if (group == ::getegid()) {
        return true;
    }
    gid_t groups[256];
    const int count = ::getgroups(256, groups);
    for (int i = 0; i < count; ++i) {
        if (groups[i] == group) {
            return true;
        }
    }
    return false;
}

// A folder below /usr belongs to the system's packages, even for root.
bool isSystemFolder(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.startsWith(QLatin1String("/usr/"));
}

bool ownsLibrary(const QString& programFolder)
{
    if (isSystemFolder(programFolder) || !writableByMode(programFolder)) {
        return false;
    }
    const LibraryFiles files(programFolder);
    for (const QString& path : { files.categoryFolder(), files.pictureFolder() }) {
        if (QFileInfo(path).isDir() && !writableByMode(path)) {
            return false;
        }
    }
    return true;
}

bool isEmptyFolder(const QString& folder)
{
    return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The plain files of one folder, copied writable for their new owner; links are left behind,
// so nothing outside the library comes along.
bool copyFiles(const QDir& from, const QDir& to, QString* error)
{
    for (const QFileInfo& file : from.entryInfoList(QDir::Files | QDir::NoSymLinks | QDir::Hidden)) {
        const QString target = to.filePath(file.fileName());
        QFile source(file.absoluteFilePath());
        if (!source.copy(target)) {
            *error = source.errorString();
            return false;
        }
        QFile::setPermissions(
            target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return true;
}

// The copy is made beside the user's folder and renamed into place, so a copy cut short by a
// full disk or a crash is never taken for a library.
bool copyLibrary(const QString& source, const QString& userFolder, QString* error)
{
    const QFileInfo target(userFolder);
    if (!QDir().mkpath(target.absolutePath())) {
        *error = QCoreApplication::translate("vellumora::LibraryFolder", "The folder could not be made.");
        return false;
    }
    QDir part(target.absolutePath()
        + QStringLiteral("/.%1.part-%2")
              .arg(target.fileName(), QUuid::createUuid().toString(QUuid::WithoutBraces).left(8)));
    const LibraryFiles from(source);
    const LibraryFiles to(part.path());
    bool copied = QDir().mkpath(to.categoryFolder()) && QDir().mkpath(to.pictureFolder());
    if (!copied) {
        *error = QCoreApplication::translate("vellumora::LibraryFolder", "The folder could not be made.");
    }
    if (copied && QFileInfo(from.index()).isFile()) {
        QFile index(from.index());
        copied = index.copy(to.index());
        if (!copied) {
            *error = index.errorString();
        } else {
            QFile::setPermissions(
                to.index(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
    copied = copied && copyFiles(QDir(from.categoryFolder()), QDir(to.categoryFolder()), error)
        && copyFiles(QDir(from.pictureFolder()), QDir(to.pictureFolder()), error);
    // An empty folder in the way is replaced; anything in it would make the rename fail.
    if (copied
        && std::rename(QFile::encodeName(part.path()).constData(), QFile::encodeName(userFolder).constData())
            != 0) {
        *error = systemError();
        copied = false;
    }
    if (!copied) {
        part.removeRecursively();
    }
    return copied;
}

const QStringList& libraryEntries()
{
    static const QStringList entries { LibraryFiles::kIndexName, LibraryFiles::kCategoryFolderName,
        LibraryFiles::kPictureFolderName, LibraryFiles::kDeletedName, LibraryFiles::kBoardName };
    return entries;
}

bool isInside(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// The canonical form of a path that may not exist yet: its nearest existing folder's, and the rest.
QString canonical(const QString& path)
{
    QFileInfo info(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    QString rest;
    while (!info.exists() && !info.isRoot()) {
        rest = QLatin1Char('/') + info.fileName() + rest;
        info = QFileInfo(info.absolutePath());
    }
    return QDir::cleanPath(info.canonicalFilePath() + rest);
}

// A copy cut short (the program killed) leaves its part in the folder it copied to: never the
// user's, it is taken away before the folder is looked at again.
void removeLeftovers(const QString& folder)
{
    const QStringList parts = QDir(folder).entryList(
        { QStringLiteral(".library.part-*") }, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& part : parts) {
        FileTree::remove(NativePath(folder + QLatin1Char('/') + part));
    }
}

} // namespace

Target target(const QString& library, const QString& chosen)
{
    const QString place = canonical(chosen);
    const QString current = canonical(library);
    if (place == current) {
        return { Target::Kind::Refused, {},
            QCoreApplication::translate(
                "vellumora::LibraryFolder", "Your library is in that folder already.") };
    }
    for (const QString& entry : libraryEntries()) {
        if (isInside(place, current + QLatin1Char('/') + entry)) {
            return { Target::Kind::Refused, {},
                QCoreApplication::translate("vellumora::LibraryFolder",
                    "That folder is part of your library. Please choose one outside it.") };
        }
    }
    for (const QString& folder : { place, place + QStringLiteral("/Vellumora") }) {
        removeLeftovers(folder);
        const QFileInfo info(folder);
        if (folder == current) {
            return { Target::Kind::Refused, {},
                QCoreApplication::translate(
                    "vellumora::LibraryFolder", "Your library is in that folder already.") };
        }
        if (!info.exists() || (info.isDir() && isEmptyFolder(folder))) {
            return { Target::Kind::Empty, folder, {} };
        }
        if (LibraryFiles(folder).foldersExist()) {
            return { Target::Kind::Library, folder, {} };
        }
    }
    return { Target::Kind::Refused, {},
        QCoreApplication::translate("vellumora::LibraryFolder",
            "That folder holds other files. Please choose an empty folder, or one that holds a "
            "Vellumora library.") };
}

bool copyTo(const QString& from, const QString& to, QString* error, WorkProgress* progress)
{
    WorkProgress unwatched;
    WorkProgress& counted = progress ? *progress : unwatched;
    int files = 0;
    qint64 bytes = 0;
    for (const QString& entry : libraryEntries()) {
        FileTree::measure(NativePath(from + QLatin1Char('/') + entry), files, bytes);
    }
    counted.start(files, bytes);
    const bool made = !QFileInfo::exists(to);
    if (!QDir().mkpath(to)) {
        *error = QCoreApplication::translate("vellumora::LibraryFolder", "The folder could not be made.");
        return false;
    }
    QDir part(
        to + QStringLiteral("/.library.part-") + QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
    bool copied = QDir().mkpath(part.path());
    if (!copied) {
        *error = QCoreApplication::translate("vellumora::LibraryFolder", "The folder could not be made.");
    }
    QStringList entries;
    for (const QString& entry : libraryEntries()) {
        if (copied && QFileInfo::exists(from + QLatin1Char('/') + entry)) {
            copied = FileTree::copy(NativePath(from + QLatin1Char('/') + entry),
                NativePath(part.filePath(entry)), counted, error);
            entries.append(entry);
        }
    }
    // Everything on the disk before the old library may be taken out: one sync for all the files.
    if (copied) {
        const int folder
            = ::open(QFile::encodeName(part.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        copied = folder >= 0 && ::syncfs(folder) == 0;
        if (!copied) {
            *error = systemError();
        }
        if (folder >= 0) {
            ::close(folder);
        }
    }
    // Nothing is in place yet: a cancel until now leaves the target as it was.
    if (copied && counted.cancelled()) {
        copied = false;
    }
    // The index last: a library is taken for one by its two folders.
    QStringList moved;
    for (const QString& entry : { LibraryFiles::kDeletedName, LibraryFiles::kPictureFolderName,
             LibraryFiles::kCategoryFolderName, LibraryFiles::kBoardName, LibraryFiles::kIndexName }) {
        if (!copied || !entries.contains(entry)) {
            continue;
        }
        if (std::rename(QFile::encodeName(part.filePath(entry)).constData(),
                QFile::encodeName(to + QLatin1Char('/') + entry).constData())
            != 0) {
            *error = systemError();
            copied = false;
        } else {
            moved.append(entry);
        }
    }
    if (!copied) {
        for (const QString& entry : std::as_const(moved)) {
            FileTree::remove(NativePath(to + QLatin1Char('/') + entry));
        }
    }
    FileTree::remove(NativePath(part.path()));
    if (!copied && made) {
        QDir().rmdir(to);
    }
    return copied;
}

bool removeFrom(const QString& folder, QString* error)
{
    bool removed = true;
    // The two folders first: without them the folder is no library, whatever else stays.
    for (const QString& entry : { LibraryFiles::kCategoryFolderName, LibraryFiles::kPictureFolderName,
             LibraryFiles::kIndexName, LibraryFiles::kBoardName, LibraryFiles::kDeletedName }) {
        const QString path = folder + QLatin1Char('/') + entry;
        if (!FileTree::remove(NativePath(path))) {
            *error = QDir::toNativeSeparators(path);
            removed = false;
        }
    }
    return removed;
}

bool writableByMode(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return false;
    }
    const QFile::Permissions permissions = info.permissions();
    if (info.ownerId() == ::geteuid()) {
        return permissions & QFile::WriteOwner;
    }
    if (inGroup(info.groupId())) {
        return permissions & QFile::WriteGroup;
    }
    return permissions & QFile::WriteOther;
}

QString copiedLibrary(const QString& programFolder, const QLocale& locale)
{
    const QDir starters(programFolder + QStringLiteral("/starters"));
    const QStringList sets = starters.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    if (const QString language = Language::pick(locale, sets); !language.isEmpty()) {
        return starters.filePath(language);
    }
    return programFolder;
}

Choice choose(const QString& programFolder, const QString& userFolder, const QLocale& locale)
{
    if (ownsLibrary(programFolder)) {
        return { programFolder, {} };
    }
    const QString cannotKeep = QCoreApplication::translate(
        "vellumora::LibraryFolder", "Vellumora cannot keep your library in \"%1\", so it cannot start.")
                                   .arg(QDir::toNativeSeparators(userFolder));
    if (userFolder.isEmpty()) {
        return { {},
            QCoreApplication::translate("vellumora::LibraryFolder",
                "Vellumora cannot find a folder of yours to keep your library in, so it cannot start.") };
    }
    const QFileInfo user(userFolder);
    if (user.exists() && !user.isDir()) {
        return { {},
            withReason(cannotKeep,
                QCoreApplication::translate(
                    "vellumora::LibraryFolder", "A file of that name is in the way.")) };
    }
    QString error;
    if ((!user.exists() || isEmptyFolder(userFolder))
        && !copyLibrary(copiedLibrary(programFolder, locale), userFolder, &error)) {
        return { {}, withReason(cannotKeep, error) };
    }
    if (!writableByMode(userFolder)) {
        return { {},
            withReason(cannotKeep,
                QCoreApplication::translate("vellumora::LibraryFolder", "You may not write there.")) };
    }
    return { userFolder, {} };
}

} // namespace vellumora::LibraryFolder
