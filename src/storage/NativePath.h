#pragma once

#include "storage/TextEncoding.h"

#include <QByteArray>
#include <QHashFunctions>
#include <QList>
#include <QString>
#include <optional>

class QFile;

namespace vellumora {

// A path as the file system spells it: bytes. Qt takes file names for UTF-8, so a file whose
// name is in another encoding (a library kept on Windows: "Caf\xE9.txt") cannot be reached
// through a QString path. This type and the functions below reach it by its bytes.
class NativePath {
public:
    NativePath() = default;
    // Every path Qt hands out is one. Implicit, so such paths pass as they are.
    NativePath(const QString& path);
    static NativePath fromBytes(QByteArray bytes);

    // The file `name` (bytes, no separator) in this folder.
    NativePath child(const QByteArray& name) const;

    bool isEmpty() const { return m_bytes.isEmpty(); }
    const QByteArray& bytes() const { return m_bytes; }
    // For messages and for Qt's own file classes; exact only when the bytes are UTF-8.
    QString toString() const;
    // The file URI of the freedesktop.org standards, bytes outside UTF-8 percent-encoded.
    QByteArray fileUri() const;

    friend bool operator==(const NativePath&, const NativePath&) = default;

private:
    QByteArray m_bytes;
};

inline size_t qHash(const NativePath& path, size_t seed = 0)
{
    return qHash(path.bytes(), seed);
}

// The whole file; no bytes when there is no file of that name. Nothing, with the reason in
// *error, when it exists but cannot be read (no permission, a folder in its place, an I/O error).
std::optional<QByteArray> readNativeFile(const NativePath& path, QString* error = nullptr);

// Opens the file for reading into `file`; false, with `file` closed, when it cannot be.
bool openNativeFile(const NativePath& path, QFile& file);

struct NativeFileInfo {
    qint64 size = 0;
    qint64 modified = 0; // seconds since the epoch
    qint64 modifiedMs = 0; // the same in milliseconds, for a change within the second
};
// A regular file's size and time; nothing for anything else or a missing path.
std::optional<NativeFileInfo> nativeFileInfo(const NativePath& path);
bool nativePathExists(const NativePath& path);
// A regular file, or a folder, that is itself no symbolic link (a link is never followed).
bool isPlainNativeFile(const NativePath& path);
bool isPlainNativeFolder(const NativePath& path);

// The names of the regular files in a folder, in no particular order.
QList<QByteArray> nativeFileNames(const NativePath& folder);

// The file `name` in `folder`: the name spelled in the bytes of `preferred` (the encoding of the
// list it was read from), or of the other encoding when only that file exists. A name with no
// file yet is spelled in UTF-8.
NativePath findNativeName(const NativePath& folder, const QString& name, TextEncoding preferred);

// A name read from a list that may be used as a file name in the list's folder: not empty,
// not "." or "..", no separator or control character, and no longer than a file name may be
// in the shorter of the two encodings, the one a file of that name may already have.
bool isSafeFileName(const QString& name);

// Makes a file of zero bytes; fails, touching nothing, when the name is taken.
bool createEmptyNativeFile(const NativePath& path, QString* error = nullptr);
// Removes a file (or an empty folder in its place); a missing one counts as removed.
bool removeNativeFile(const NativePath& path, QString* error = nullptr);
// Renames a file within its file system; fails, touching nothing, when the target is taken or
// lies on another file system.
bool moveNativeFile(const NativePath& from, const NativePath& to, QString* error = nullptr);
// Makes the folder (and, with its parents, those above it) unless it is there; private to this
// user when made.
bool makeNativeFolder(const NativePath& folder, QString* error = nullptr, bool withParents = true);

// The name with " (number)" before its extension: "IMG_0001 (2).jpg". A leading dot is no
// extension. The bytes of a file name are numbered the same way, whatever their encoding.
QString numberedName(const QString& name, int number);
QByteArray numberedName(const QByteArray& name, int number);

} // namespace vellumora
