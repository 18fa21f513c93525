#pragma once

#include "platform/Trash.h"
#include "storage/LibraryFiles.h"
#include "storage/NativePath.h"
#include "storage/TextEncoding.h"

#include <QStringList>
#include <optional>

namespace vellumora {

// The picture store folder "SystemFolder" below the application folder: one copy of every
// library picture, under the name it had where the user chose it, and the record file
// "record.txt" listing those names in library order.
//
// Record file: one line per picture, a double quote, the name, a double quote, CR LF; an empty
// library is a file of zero bytes. It is rewritten in the encoding it was read in (UTF-8, or
// Windows-1252 for a library kept on Windows), and a name finds its picture in either.
class PictureStore {
public:
    // homeTrash: the desktop's Trash, where deleted pictures go; without one they go to
    // "deleted" in the application folder.
    explicit PictureStore(QString applicationFolder, NativePath homeTrash = {});

    // The library is kept in this folder from now on.
    void setFolder(const QString& applicationFolder);
    NativePath folder() const;
    NativePath recordPath() const;

    // Where the named picture is stored, the name spelled as the record spells it (see
    // findNativeName); empty for a name that must not be used as a path (one read from a
    // hand-edited record file with a separator, "..", or control characters).
    NativePath pathOf(const QString& name) const;

    // The names listed in the record file; none when it is missing. Nothing, with the reason
    // in *error, when it exists but cannot be read. The record's encoding is kept for
    // writeRecord and pathOf.
    std::optional<QStringList> readRecord(QString* error = nullptr);
    bool writeRecord(const QStringList& names, QString* error = nullptr);

    // Copies the chosen file in under the given name, replacing an unlisted file of that name.
    bool copyIn(const QString& source, const QString& name, QString* error = nullptr) const;
    // Deletes the stored copy; a missing file or an unusable name leaves the disk as it is.
    bool remove(const QString& name) const;
    const Trash& trash() const { return m_trash; }

    // The name a chosen file is stored under: the part after the last separator.
    static QString storedName(const QString& chosenPath);
    // True for a name the record file can hold and the store can use as a file name.
    static bool isStorableName(const QString& name);

    static QByteArray encodeRecord(const QStringList& names, TextEncoding& encoding);
    static QByteArray encodeRecord(const QStringList& names);
    // Fields separated by commas or line ends; a quoted field keeps its commas and loses
    // anything between its closing quote and the next separator. Empty fields name nothing
    // and are passed over.
    static QStringList decodeRecord(const QByteArray& bytes, TextEncoding* encoding = nullptr);

private:
    LibraryFiles m_files;
    Trash m_trash;
    TextEncoding m_recordEncoding = TextEncoding::Utf8;
};

} // namespace vellumora
