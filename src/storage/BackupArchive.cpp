#include "storage/BackupArchive.h"

#include "platform/LateLibrary.h"

#include <QFile>
#include <QSaveFile>
#include <archive.h>
#include <archive_entry.h>
#include <memory>

namespace vellumora {

namespace {

constexpr qint64 kChunk = 1 << 20;

// libarchive, opened by the first backup or restore.
struct Archive {
    LateLibrary library { "libarchive.so.13" };
    VELLUMORA_LATE_FUNCTION(library, archive_entry_filetype);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_free);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_hardlink);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_new);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_pathname);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_set_filetype);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_set_mtime);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_set_pathname_utf8);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_set_perm);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_set_size);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_size);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_size_is_set);
    VELLUMORA_LATE_FUNCTION(library, archive_entry_symlink);
    VELLUMORA_LATE_FUNCTION(library, archive_error_string);
    VELLUMORA_LATE_FUNCTION(library, archive_read_data);
    VELLUMORA_LATE_FUNCTION(library, archive_read_free);
    VELLUMORA_LATE_FUNCTION(library, archive_read_new);
    VELLUMORA_LATE_FUNCTION(library, archive_read_next_header);
    VELLUMORA_LATE_FUNCTION(library, archive_read_open_filename);
    VELLUMORA_LATE_FUNCTION(library, archive_read_support_format_zip);
    VELLUMORA_LATE_FUNCTION(library, archive_write_close);
    VELLUMORA_LATE_FUNCTION(library, archive_write_data);
    VELLUMORA_LATE_FUNCTION(library, archive_write_finish_entry);
    VELLUMORA_LATE_FUNCTION(library, archive_write_free);
    VELLUMORA_LATE_FUNCTION(library, archive_write_header);
    VELLUMORA_LATE_FUNCTION(library, archive_write_new);
    VELLUMORA_LATE_FUNCTION(library, archive_write_open);
    VELLUMORA_LATE_FUNCTION(library, archive_write_set_bytes_in_last_block);
    VELLUMORA_LATE_FUNCTION(library, archive_write_set_format_option);
    VELLUMORA_LATE_FUNCTION(library, archive_write_set_format_zip);
    VELLUMORA_LATE_FUNCTION(library, archive_write_zip_set_compression_deflate);
    VELLUMORA_LATE_FUNCTION(library, archive_write_zip_set_compression_store);
};

// Its functions are called only once writeArchive() or readArchive() found it ready.
const Archive& libarchive()
{
    static const Archive opened;
    return opened;
}

bool fail(QString* error, const QString& text)
{
    if (error) {
        *error = text;
    }
    return false;
}

QString archiveError(archive* handle)
{
    const char* text = libarchive().archive_error_string(handle);
    return text ? QString::fromLocal8Bit(text) : QString();
}

struct ArchiveDeleter {
    void operator()(archive* handle) const { libarchive().archive_write_free(handle); }
};
struct ReaderDeleter {
    void operator()(archive* handle) const { libarchive().archive_read_free(handle); }
};
struct EntryDeleter {
    void operator()(archive_entry* entry) const { libarchive().archive_entry_free(entry); }
};

la_ssize_t writeToSaveFile(archive*, void* data, const void* buffer, size_t length)
{
    auto* file = static_cast<QSaveFile*>(data);
    return file->write(static_cast<const char*>(buffer), qint64(length)) == qint64(length)
        ? la_ssize_t(length)
        : -1;
}

class ArchiveWriter {
public:
    explicit ArchiveWriter(QSaveFile& file)
        : m_handle(libarchive().archive_write_new())
    {
        libarchive().archive_write_set_format_zip(m_handle.get());
        libarchive().archive_write_set_format_option(m_handle.get(), "zip", "hdrcharset", "UTF-8");
        // Padding the last block would put bytes after the archive's end.
        libarchive().archive_write_set_bytes_in_last_block(m_handle.get(), 1);
        m_open = libarchive().archive_write_open(m_handle.get(), &file, nullptr, writeToSaveFile, nullptr)
            == ARCHIVE_OK;
    }

    bool add(const ArchiveSource& source, WorkProgress& progress, QString* error)
    {
        if (!m_open) {
            return fail(error, archiveError(m_handle.get()));
        }
        QFile in;
        qint64 size = source.bytes.size();
        if (!source.file.isEmpty()) {
            const std::optional<NativeFileInfo> info = nativeFileInfo(source.file);
            if (!isPlainNativeFile(source.file) || !info || !openNativeFile(source.file, in)) {
                return fail(error, source.file.toString());
            }
            size = info->size;
        }
        if (source.compress) {
            libarchive().archive_write_zip_set_compression_deflate(m_handle.get());
        } else {
            libarchive().archive_write_zip_set_compression_store(m_handle.get());
        }
        std::unique_ptr<archive_entry, EntryDeleter> entry(libarchive().archive_entry_new());
        libarchive().archive_entry_set_pathname_utf8(entry.get(), source.name.toUtf8().constData());
        libarchive().archive_entry_set_filetype(entry.get(), AE_IFREG);
        libarchive().archive_entry_set_perm(entry.get(), 0644);
        libarchive().archive_entry_set_size(entry.get(), size);
        libarchive().archive_entry_set_mtime(entry.get(), time(nullptr), 0);
        if (libarchive().archive_write_header(m_handle.get(), entry.get()) < ARCHIVE_WARN) {
            return fail(error, archiveError(m_handle.get()));
        }
        qint64 written = 0;
        const auto put = [&](const QByteArray& piece) {
            // A file that grew since it was measured is cut to the size its header declares.
            const qint64 room = std::min<qint64>(piece.size(), size - written);
            if (room > 0
                && libarchive().archive_write_data(m_handle.get(), piece.constData(), size_t(room)) != room) {
                return false;
            }
            written += room;
            progress.addBytes(room);
            return true;
        };
        if (source.file.isEmpty()) {
            if (!put(source.bytes)) {
                return fail(error, archiveError(m_handle.get()));
            }
        } else {
            while (written < size) {
                if (progress.cancelled()) {
                    return false;
                }
                const QByteArray piece = in.read(kChunk);
                if (piece.isEmpty()) {
                    return fail(error, in.errorString() + QLatin1Char(' ') + source.file.toString());
                }
                if (!put(piece)) {
                    return fail(error, archiveError(m_handle.get()));
                }
            }
        }
        if (libarchive().archive_write_finish_entry(m_handle.get()) < ARCHIVE_WARN) {
            return fail(error, archiveError(m_handle.get()));
        }
        progress.fileDone();
        return true;
    }

    bool close(QString* error)
    {
        return (m_open && libarchive().archive_write_close(m_handle.get()) == ARCHIVE_OK)
            || fail(error, archiveError(m_handle.get()));
    }

private:
    std::unique_ptr<archive, ArchiveDeleter> m_handle;
    bool m_open = false;
};

// Folders separated by '/', none of them "..", not from the root.
std::optional<EntryFault> nameFault(const QByteArray& raw, bool converted, QString* name)
{
    const std::optional<QString> text = fromUtf8(raw);
    if (!text || raw.isEmpty() || (!converted && text->contains(QChar::ReplacementCharacter))) {
        return EntryFault::NameNotUtf8;
    }
    *name = *text;
    if (text->startsWith(QLatin1Char('/'))) {
        return EntryFault::Escapes;
    }
    for (const QStringView part : QStringView(*text).split(QLatin1Char('/'))) {
        if (part == QLatin1String("..")) {
            return EntryFault::Escapes;
        }
    }
    return std::nullopt;
}

} // namespace

bool writeArchive(
    const QString& target, const QList<ArchiveSource>& files, QString* error, WorkProgress* progress)
{
    WorkProgress unwatched;
    WorkProgress& counted = progress ? *progress : unwatched;
    qint64 total = 0;
    for (const ArchiveSource& source : files) {
        const std::optional<NativeFileInfo> info
            = source.file.isEmpty() ? std::nullopt : nativeFileInfo(source.file);
        total += info ? info->size : source.bytes.size();
    }
    counted.start(int(files.size()), total);
    if (!libarchive().library.ready()) {
        return fail(error, libarchive().library.missing());
    }
    QSaveFile file(target);
    // Unbuffered: a write cut short by a full disk must fail here, not pass unnoticed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return fail(error, file.errorString());
    }
    {
        ArchiveWriter writer(file);
        for (const ArchiveSource& source : files) {
            if (counted.cancelled() || !writer.add(source, counted, error)) {
                file.cancelWriting();
                return false;
            }
        }
        // Cancelled after the last entry, it is cancelled all the same.
        if (counted.cancelled() || !writer.close(error)) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit() || fail(error, file.errorString());
}

ArchiveScan readArchive(
    const QString& path, const EntryVisitor& visit, int maxEntries, WorkProgress* progress)
{
    WorkProgress unwatched;
    WorkProgress& counted = progress ? *progress : unwatched;
    ArchiveScan scan;
    if (!libarchive().library.ready()) {
        scan.fault = ArchiveFault::Unreadable;
        scan.reason = libarchive().library.missing();
        return scan;
    }
    std::unique_ptr<archive, ReaderDeleter> handle(libarchive().archive_read_new());
    archive* reader = handle.get();
    libarchive().archive_read_support_format_zip(reader);
    if (libarchive().archive_read_open_filename(reader, QFile::encodeName(path).constData(), 64 * 1024)
        != ARCHIVE_OK) {
        scan.fault = ArchiveFault::Unreadable;
        scan.reason = archiveError(reader);
        return scan;
    }
    for (;;) {
        if (counted.cancelled()) {
            scan.fault = ArchiveFault::Cancelled;
            return scan;
        }
        archive_entry* entry = nullptr;
        const int status = libarchive().archive_read_next_header(reader, &entry);
        if (status == ARCHIVE_EOF) {
            break;
        }
        if (status < ARCHIVE_WARN) {
            scan.fault = ArchiveFault::Damaged;
            scan.reason = archiveError(reader);
            return scan;
        }
        if (++scan.entries > maxEntries) {
            scan.fault = ArchiveFault::TooManyEntries;
            return scan;
        }
        // A name libarchive had to mend on its way to this locale is not the one in the archive.
        const char* raw = libarchive().archive_entry_pathname(entry);
        QString name;
        const std::optional<EntryFault> badName
            = raw ? nameFault(QByteArray(raw), status == ARCHIVE_OK, &name) : EntryFault::NameNotUtf8;
        if (badName) {
            scan.problems.append({ *badName, name });
            continue;
        }
        const mode_t type = libarchive().archive_entry_filetype(entry);
        if (libarchive().archive_entry_hardlink(entry) || libarchive().archive_entry_symlink(entry)
            || (type != AE_IFREG && type != AE_IFDIR)) {
            scan.problems.append({ EntryFault::Link, name });
            continue;
        }
        if (type == AE_IFDIR) {
            continue;
        }
        const qint64 declared
            = libarchive().archive_entry_size_is_set(entry) ? libarchive().archive_entry_size(entry) : -1;
        if (declared < 0) {
            scan.problems.append({ EntryFault::Oversized, name });
            continue;
        }
        scan.totalSize += declared;
        bool oversized = false;
        bool spoiled = false;
        bool damaged = false;
        const EntryData data = [&](const DataSink& sink) {
            QByteArray piece;
            qint64 read = 0;
            for (;;) {
                // Never more than one byte past the declared size: that byte alone tells the lie.
                const qint64 want = std::min<qint64>(kChunk, declared + 1 - read);
                piece.resize(want);
                const la_ssize_t got = libarchive().archive_read_data(reader, piece.data(), size_t(want));
                if (got < 0) {
                    // A warning spoils this entry alone; anything worse, the rest of the archive.
                    (got == ARCHIVE_WARN ? spoiled : damaged) = true;
                    return false;
                }
                if (got == 0) {
                    return true;
                }
                read += got;
                counted.addBytes(got);
                if (read > declared) {
                    oversized = true;
                    return false;
                }
                piece.resize(got);
                if (counted.cancelled() || !sink(piece)) {
                    return false;
                }
            }
        };
        visit({ name, declared }, data);
        counted.fileDone();
        if (damaged) {
            scan.fault = ArchiveFault::Damaged;
            scan.reason = archiveError(reader);
            return scan;
        }
        if (oversized || spoiled) {
            scan.problems.append({ oversized ? EntryFault::Oversized : EntryFault::Damaged, name });
        }
    }
    return scan;
}

} // namespace vellumora
