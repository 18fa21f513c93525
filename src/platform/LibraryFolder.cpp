#include "platform/LibraryFolder.h"

#include "platform/Language.h"
#include "platform/Outcome.h"
#include "storage/LibraryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

} // namespace

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
