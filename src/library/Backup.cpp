#include "library/Backup.h"

#include "storage/LibraryFiles.h"
#include "storage/SyncFiles.h"

#include <QSet>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace vellumora {

namespace {

const QString kText = QStringLiteral(".txt");

struct FolderEntry {
    QByteArray name;
    bool folder = false;
};

// The plain files and folders of a folder, hidden ones and links left out: a link is never
// followed into a backup.
QList<FolderEntry> plainEntries(const NativePath& folder)
{
    QList<FolderEntry> entries;
    DIR* dir = ::opendir(folder.bytes().constData());
    if (!dir) {
        return entries;
    }
    while (const dirent* entry = ::readdir(dir)) {
        struct stat info { };
        if (entry->d_name[0] == '.'
            || ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
            continue;
        }
        if (S_ISREG(info.st_mode) || S_ISDIR(info.st_mode)) {
            entries.append({ QByteArray(entry->d_name), S_ISDIR(info.st_mode) });
        }
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
        [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

} // namespace

QString Backup::suggestedName(const QDate& day)
{
    return tr("Vellumora backup %1.zip").arg(day.toString(Qt::ISODate));
}

Outcome Backup::write(const QString& folder, const QList<SettingValue>& allSettings, const QString& target,
    WorkProgress* progress)
{
    const LibraryFiles files(folder);
    QList<ArchiveSource> sources;
    QSet<QString> named;
    const auto add = [&](const QString& name, const NativePath& file, bool compress) {
        // A name kept both in Windows-1252 and in UTF-8 reads as one; the first one found is kept.
        if (!named.contains(name)) {
            named.insert(name);
            sources.append({ name, file, {}, compress });
        }
    };
    for (const QString& name : { LibraryFiles::kIndexName, LibraryFiles::kBoardName }) {
        if (const NativePath file(folder + QLatin1Char('/') + name); isPlainNativeFile(file)) {
            add(name, file, true);
        }
    }
    const NativePath categories(files.categoryFolder());
    for (const FolderEntry& entry : plainEntries(categories)) {
        const QString name = decodeBytes(entry.name).text;
        // What a sync tool left beside the library's files is not the library's.
        if (SyncFiles::classify(name) != SyncFiles::Kind::Ordinary) {
            continue;
        }
        if (!entry.folder && name.endsWith(kText)) {
            add(LibraryFiles::kCategoryFolderName + QLatin1Char('/') + name, categories.child(entry.name),
                true);
        } else if (entry.folder && name.endsWith(LibraryFiles::kVoiceSuffix)) {
            const NativePath voices = categories.child(entry.name);
            for (const FolderEntry& recording : plainEntries(voices)) {
                if (!recording.folder) {
                    add(LibraryFiles::kCategoryFolderName + QLatin1Char('/') + name + QLatin1Char('/')
                            + decodeBytes(recording.name).text,
                        voices.child(recording.name), false);
                }
            }
        }
    }
    const NativePath pictures(files.pictureFolder());
    for (const FolderEntry& entry : plainEntries(pictures)) {
        const QString name = decodeBytes(entry.name).text;
        if (!entry.folder && SyncFiles::classify(name) == SyncFiles::Kind::Ordinary) {
            add(LibraryFiles::kPictureFolderName + QLatin1Char('/') + name, pictures.child(entry.name),
                name == LibraryFiles::kRecordName);
        }
    }
    QList<SettingValue> settings = allSettings;
    settings.removeIf([](const SettingValue& value) { return value.section == kMachineSection; });
    sources.append({ kSettingsName, {}, encodeSettings(settings), true });
    QString error;
    if (!writeArchive(target, sources, &error, progress)) {
        if (progress && progress->cancelled()) {
            return Outcome::nothing();
        }
        return Outcome::refused(
            withReason(tr("The backup could not be written, so no backup was made."), error));
    }
    return {};
}

} // namespace vellumora
