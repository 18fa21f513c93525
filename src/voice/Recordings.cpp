#include "voice/Recordings.h"

#include "storage/LibraryFiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace vellumora {

namespace {

const QByteArray kFolderSuffix = LibraryFiles::kVoiceSuffix.toUtf8();
// Enough of the sentence to know it by in a file manager, within a file name's 255 bytes.
constexpr int kReadableLength = 48;

// "ogg" of ".../calm 2ec3d0c752de.ogg".
QString suffixOf(const NativePath& file)
{
    const QByteArray& bytes = file.bytes();
    return QString::fromLatin1(bytes.mid(bytes.lastIndexOf('.') + 1));
}

QString tr(const char* text)
{
    return QCoreApplication::translate("vellumora::Recordings", text);
}

} // namespace

Recordings::Recordings(std::function<NativePath(const QString&)> categoryFile, const Trash& trash)
    : m_categoryFile(std::move(categoryFile))
    , m_trash(trash)
{
}

NativePath Recordings::folder(const QString& category) const
{
    const NativePath file = m_categoryFile(category);
    if (file.isEmpty()) {
        return {};
    }
    const QByteArray& bytes = file.bytes();
    const qsizetype dot = bytes.lastIndexOf('.');
    return NativePath::fromBytes((dot > bytes.lastIndexOf('/') ? bytes.left(dot) : bytes) + kFolderSuffix);
}

QByteArray Recordings::stem(const QString& text)
{
    QString readable;
    for (const QChar c : text) {
        readable += c.isLetterOrNumber() || c.isMark() ? c : QChar(u' ');
    }
    readable = readable.simplified().left(kReadableLength).trimmed();
    const QByteArray hash
        = QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return readable.isEmpty() ? hash : readable.toUtf8() + ' ' + hash;
}

NativePath Recordings::fileFor(const NativePath& folder, const QString& text, const QString& suffix) const
{
    return folder.child(stem(text) + '.' + suffix.toLatin1());
}

std::optional<NativePath> Recordings::find(const QString& category, const QString& text) const
{
    const NativePath where = folder(category);
    if (where.isEmpty() || !isPlainNativeFolder(where)) {
        return std::nullopt;
    }
    for (const QString& suffix : kSuffixes) {
        if (const NativePath file = fileFor(where, text, suffix); isPlainNativeFile(file)) {
            return file;
        }
    }
    return std::nullopt;
}

QSet<QByteArray> Recordings::stems(const QString& category) const
{
    QSet<QByteArray> found;
    const NativePath where = folder(category);
    DIR* dir
        = where.isEmpty() || !isPlainNativeFolder(where) ? nullptr : ::opendir(where.bytes().constData());
    if (!dir) {
        return found;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        const qsizetype dot = name.lastIndexOf('.');
        if (dot <= 0 || !kSuffixes.contains(QString::fromLatin1(name.mid(dot + 1)))) {
            continue;
        }
        struct stat info { };
        const bool plain = entry->d_type == DT_REG
            || (entry->d_type == DT_UNKNOWN
                && ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISREG(info.st_mode));
        if (plain) {
            found.insert(name.left(dot));
        }
    }
    ::closedir(dir);
    return found;
}

NativePath Recordings::partFor(
    const QString& category, const QString& text, const QString& suffix, QString* error) const
{
    const NativePath where = folder(category);
    if (where.isEmpty()) {
        *error = tr("The category's name cannot name a folder.");
        return {};
    }
    if (nativePathExists(where) && !isPlainNativeFolder(where)) {
        *error = tr("%1 is not a folder.").arg(where.toString());
        return {};
    }
    // In the category's folder, which is never made anew: the library may have gone.
    if (!makeNativeFolder(where, error, false)) {
        return {};
    }
    const NativePath part = where.child("." + stem(text) + ".part." + suffix.toLatin1());
    // Left by a recording that never ended (the program was killed).
    removeNativeFile(part);
    return part;
}

Outcome Recordings::keep(const NativePath& part, const QString& category, const QString& text) const
{
    const NativePath target = fileFor(folder(category), text, suffixOf(part));
    QString error;
    if (const std::optional<NativePath> old = find(category, text)) {
        const TrashedFile trashed = m_trash.discard(*old, &error);
        if (trashed.location.isEmpty()) {
            removeNativeFile(part);
            return Outcome::refused(
                withReason(tr("The recording it has could not be moved to the Trash, so it stays."), error));
        }
    }
    if (!moveNativeFile(part, target, &error)) {
        removeNativeFile(part);
        return Outcome::refused(withReason(tr("The recording could not be kept."), error));
    }
    return {};
}

Outcome Recordings::import(const QString& source, const QString& category, const QString& text) const
{
    const QString suffix = source.section(QLatin1Char('.'), -1).toLower();
    if (!kSuffixes.contains(suffix) || !source.contains(QLatin1Char('.'))) {
        return Outcome::refused(tr("Vellumora takes recordings in MP3, WAV, OGG and FLAC files."));
    }
    QString error;
    const NativePath part = partFor(category, text, suffix, &error);
    if (part.isEmpty()) {
        return Outcome::refused(withReason(tr("The recording could not be kept."), error));
    }
    QFile in(source);
    // Copied by this QFile, so that its error says why the copy failed.
    if (!in.copy(part.toString())) {
        removeNativeFile(part);
        return Outcome::refused(
            withReason(tr("The file \"%1\" could not be copied.").arg(source), in.errorString()));
    }
    return keep(part, category, text);
}

TrashedFile Recordings::discard(const QString& category, const QString& text, QString* error) const
{
    const std::optional<NativePath> file = find(category, text);
    return file ? m_trash.discard(*file, error) : TrashedFile {};
}

TrashedFile Recordings::discardFolder(const QString& category, QString* error) const
{
    const NativePath where = folder(category);
    return !where.isEmpty() && isPlainNativeFolder(where) ? m_trash.discard(where, error) : TrashedFile {};
}

Outcome Recordings::restore(const TrashedFile& trashed, const NativePath& target) const
{
    if (trashed.location.isEmpty()) {
        return {};
    }
    if (target.isEmpty()) {
        return Outcome().tell(
            tr("The recording cannot be brought back under this name."), MessageIcon::Information);
    }
    const QByteArray& bytes = target.bytes();
    if (QString error;
        !makeNativeFolder(NativePath::fromBytes(bytes.left(bytes.lastIndexOf('/'))), &error, false)) {
        return Outcome::refused(withReason(tr("The recording could not be brought back."), error));
    }
    return m_trash.restore(trashed, target, [] { return Outcome(); });
}

Outcome Recordings::restore(const TrashedFile& trashed, const QString& category, const QString& text) const
{
    return restore(trashed, fileFor(folder(category), text, suffixOf(trashed.original)));
}

Outcome Recordings::restoreFolder(const TrashedFile& trashed, const QString& category) const
{
    return restore(trashed, folder(category));
}

Outcome Recordings::follow(const QString& category, const QString& from, const QString& to, bool copy) const
{
    const std::optional<NativePath> old = find(category, from);
    if (!old || from == to || find(category, to)) {
        return {};
    }
    const NativePath target = fileFor(folder(category), to, suffixOf(*old));
    QString error;
    const bool done
        = copy ? QFile::copy(old->toString(), target.toString()) : moveNativeFile(*old, target, &error);
    if (!done) {
        return Outcome().tell(withReason(tr("The recording stays with the affirmation's old text."), error),
            MessageIcon::Information);
    }
    return {};
}

} // namespace vellumora
