#pragma once

#include "storage/DataFile.h"
#include "storage/NativePath.h"
#include "storage/WorkProgress.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace vellumora {

// A file kept in a backup: its name in the archive (folders separated by '/') and its bytes,
// read from `file` when one is given. Pictures and recordings are compressed already, so they
// are stored as they are; deflating them again costs time and gains nothing.
struct ArchiveSource {
    QString name;
    NativePath file;
    QByteArray bytes;
    bool compress = true;
};

// Writes a ZIP archive of the files, their names flagged as UTF-8 and their bytes as they are.
// It is written beside the target and takes its place only when whole. A source that is no
// plain file (a link, a folder) is not followed: the archive is refused instead. Cancelled, it
// leaves no archive, and an older one at the target as it was.
bool writeArchive(const QString& target, const QList<ArchiveSource>& files, QString* error = nullptr,
    WorkProgress* progress = nullptr);

// Why an entry was left out of what is read.
enum class EntryFault {
    Escapes, // ".." among its folders, or an absolute path
    Link, // a symbolic or hard link, or anything else that is not a plain file or a folder
    Oversized, // more bytes than its header declared
    Damaged, // its bytes do not agree with its header (a checksum, a size)
    NameNotUtf8,
};

struct EntryProblem {
    EntryFault fault;
    QString name;
};

// Why a whole archive was refused.
enum class ArchiveFault { None, Unreadable, Damaged, TooManyEntries, Cancelled };

struct ArchiveEntry {
    QString name;
    qint64 size = 0; // as declared
};

// Hands the entry's bytes to the sink, piece by piece, stopping one byte past the declared size;
// false when the entry proves larger than declared, is damaged, or the sink refused a piece.
using EntryData = std::function<bool(const DataSink& sink)>;
// Called for every plain file whose name passed; the entry is skipped unless its data is asked for.
using EntryVisitor = std::function<void(const ArchiveEntry& entry, const EntryData& data)>;

struct ArchiveScan {
    ArchiveFault fault = ArchiveFault::None;
    // libarchive's words on a damaged or unreadable archive.
    QString reason;
    QList<EntryProblem> problems;
    int entries = 0;
    // The declared sizes of every plain file, added up.
    qint64 totalSize = 0;
};

// More than this many entries is no backup of a library, and would take long only to fail.
constexpr int kMaxArchiveEntries = 100'000;

// Goes once through a ZIP archive, refusing entries that must never reach the disk.
// The progress counts every entry and the bytes of those whose data was asked for.
ArchiveScan readArchive(const QString& path, const EntryVisitor& visit, int maxEntries = kMaxArchiveEntries,
    WorkProgress* progress = nullptr);

} // namespace vellumora
