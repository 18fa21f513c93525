#include "affirmations/CategoryStore.h"
#include "images/PictureStore.h"
#include "library/Backup.h"
#include "storage/LibraryFiles.h"

#include <QHash>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumora {

namespace {

// Writes an entry beside its target, as a new file: a link or another name of a file left in its
// place is never written through. Not flushed to the disk one by one (a thousand pictures took
// seconds so): one sync of the file system before the lists are written keeps the order that
// matters.
bool writePart(const NativePath& part, const EntryData& data, QString* error)
{
    removeNativeFile(part);
    const int fd
        = ::open(part.bytes().constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    QFile file;
    if (fd < 0
        || !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    const bool whole = data([&](const QByteArray& piece) { return file.write(piece) == piece.size(); });
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
    }
    file.close();
    return whole && error->isEmpty();
}

// The new files a restore writes, percent-encoded a line each, kept in the library's folder until
// its lists are written: what a restore cut short (the program killed) leaves is known so.
const QByteArray kJournal = QByteArrayLiteral(".vellumora-restore-journal");
const QByteArray kPart = QByteArrayLiteral(".vellumora-restore");

QByteArray parentOf(const QByteArray& path)
{
    return path.left(path.lastIndexOf('/'));
}

// Whether a recording a restore wrote records an affirmation of its category's file.
bool recordsAnAffirmation(const QByteArray& recording)
{
    const QByteArray folder = parentOf(recording);
    const QByteArray file = recording.mid(folder.size() + 1);
    const NativePath category = NativePath::fromBytes(
        folder.chopped(LibraryFiles::kVoiceSuffix.size()) + QByteArrayLiteral(".txt"));
    const QList<Row> rows = CategoryStore::decodeRows(readNativeFile(category).value_or(QByteArray()));
    return std::ranges::any_of(
        rows, [&](const Row& row) { return file.startsWith(Recordings::stem(row.text) + '.'); });
}

// Moves a whole part into place; it replaces only where the plan says it may.
bool putInPlace(const NativePath& part, const RestorePlan::Write& write, QString* error)
{
    if (write.replace) {
        if (std::rename(part.bytes().constData(), write.target.bytes().constData()) != 0) {
            *error = QString::fromLocal8Bit(std::strerror(errno));
            return false;
        }
        return true;
    }
    return moveNativeFile(part, write.target, error);
}

} // namespace

Outcome RestorePlan::apply(Platform& platform, bool withSettings, WorkProgress* progress) const
{
    if (m_refusal != RestoreRefusal::None) {
        return Outcome::refused(refusalText());
    }
    const QString cutShort
        = tr("The backup could not be brought back whole. The files written so far are whole, "
             "and the library lists only files that are there.");
    QString error;
    // The folders it makes are taken back with the files, when nothing is left in them.
    QByteArray journal;
    for (const NativePath& folder : m_folders) {
        if (!nativePathExists(folder)) {
            journal += folder.bytes().toPercentEncoding("/") + '\n';
        }
    }
    for (const NativePath& folder : m_folders) {
        // A recordings' folder that is a link is not followed out of the library.
        if (!makeNativeFolder(folder, &error) || !isPlainNativeFolder(folder)) {
            return Outcome::refused(withReason(cutShort, error.isEmpty() ? folder.toString() : error));
        }
    }
    QHash<QString, QList<Write>> wanted;
    for (const Write& write : m_fromArchive) {
        if (!write.target.isEmpty() && !(nativePathExists(write.target) && !write.replace)) {
            wanted[write.entry].append(write);
            // Only a file new to the library may be taken back.
            if (!nativePathExists(write.target)) {
                journal += write.target.bytes().toPercentEncoding("/") + '\n';
            }
        }
    }
    const NativePath journalPath = m_folder.child(kJournal);
    if (!journal.isEmpty() && !writeDataFile(journalPath, journal, &error)) {
        return Outcome::refused(withReason(cutShort, error));
    }
    // Cut short, the restore takes back the files no list names, as the next start would.
    const auto refused = [&](const QString& reason) {
        takeBackCutShort(m_folder.toString());
        return Outcome::refused(withReason(cutShort, reason));
    };
    if (!wanted.isEmpty()) {
        if (progress) {
            qint64 bytes = 0;
            for (auto entry = wanted.cbegin(); entry != wanted.cend(); ++entry) {
                bytes += m_sizes.value(entry.key());
            }
            progress->start(m_entries, bytes);
        }
        const ArchiveScan scan = readArchive(
            m_archive,
            [&](const ArchiveEntry& entry, const EntryData& data) {
                const QList<Write> writes = wanted.take(entry.name);
                for (const Write& write : writes) {
                    if (!error.isEmpty()) {
                        return;
                    }
                    const QByteArray& target = write.target.bytes();
                    const NativePath part = NativePath::fromBytes(parentOf(target) + '/' + kPart);
                    if (!writePart(part, data, &error) || !putInPlace(part, write, &error)) {
                        removeNativeFile(part);
                        if (error.isEmpty()) {
                            error = entry.name;
                        }
                    }
                }
            },
            kMaxArchiveEntries, progress);
        if (scan.fault == ArchiveFault::Cancelled) {
            takeBackCutShort(m_folder.toString());
            return Outcome::nothing();
        }
        if (error.isEmpty() && (scan.fault != ArchiveFault::None || !wanted.isEmpty())) {
            error = scan.reason.isEmpty() ? wanted.keys().value(0) : scan.reason;
        }
        if (!error.isEmpty()) {
            return refused(error);
        }
        // The pictures and recordings reach the disk before any list names them.
        if (const int folder = ::open(m_folder.bytes().constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            folder >= 0) {
            ::syncfs(folder);
            ::close(folder);
        }
    }
    // Past this point the restore is as good as done; a cancel until now takes it all back.
    if (progress && progress->cancelled()) {
        takeBackCutShort(m_folder.toString());
        return Outcome::nothing();
    }
    for (const QList<Write>* stage : { &m_files, &m_lists }) {
        for (const Write& write : *stage) {
            if (write.target.isEmpty() || (!write.replace && nativePathExists(write.target))) {
                continue;
            }
            if (!writeDataFile(write.target, write.bytes, &error)) {
                return refused(error);
            }
        }
    }
    removeNativeFile(journalPath);
    return withSettings ? applySettings(platform) : Outcome();
}

Outcome RestorePlan::applySettings(Platform& platform) const
{
    Outcome outcome;
    for (const SettingValue& value : m_settings) {
        if (!platform.setSetting(value.section, value.key, value.value)) {
            outcome.tell(tr("The settings could not be brought back; the library was."));
            break;
        }
    }
    return outcome;
}

Outcome RestorePlan::takeBackCutShort(const QString& libraryFolder)
{
    const NativePath folder(libraryFolder);
    const std::optional<QByteArray> journal = readNativeFile(folder.child(kJournal));
    if (!journal) {
        return {};
    }
    const NativePath pictures(LibraryFiles(libraryFolder).pictureFolder());
    const QStringList listed = PictureStore::decodeRecord(
        readNativeFile(NativePath(LibraryFiles(libraryFolder).record())).value_or(QByteArray()));
    int taken = 0;
    for (const QByteArray& line : journal->split('\n')) {
        const QByteArray target = QByteArray::fromPercentEncoding(line);
        // Only what lies in the library's own folders, as a restore writes it.
        if (target.isEmpty() || !target.startsWith(folder.bytes() + '/') || target.contains("/../")) {
            continue;
        }
        removeNativeFile(NativePath::fromBytes(parentOf(target) + '/' + kPart));
        const bool picture = parentOf(target) == pictures.bytes();
        const bool kept = picture ? listed.contains(decodeBytes(target.mid(pictures.bytes().size() + 1)).text)
                                  : recordsAnAffirmation(target);
        if (!kept && nativePathExists(NativePath::fromBytes(target))) {
            taken += removeNativeFile(NativePath::fromBytes(target)) ? 1 : 0;
        }
    }
    // Then the folders it made, once empty.
    for (const QByteArray& line : journal->split('\n')) {
        const QByteArray target = QByteArray::fromPercentEncoding(line);
        if (target.startsWith(folder.bytes() + '/') && !target.contains("/../")) {
            ::rmdir(target.constData());
        }
    }
    removeNativeFile(folder.child(kJournal));
    return taken == 0
        ? Outcome()
        : Outcome().tell(tr("A restore of a backup was cut short. The %n file(s) it had written that "
                            "no list of the library names were taken away.",
                             nullptr, taken),
            MessageIcon::Information);
}

} // namespace vellumora
