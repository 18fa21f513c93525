#pragma once

#include "platform/Trash.h"
#include "storage/LibraryFiles.h"
#include "storage/NativePath.h"
#include "storage/TextEncoding.h"
#include "voice/Recordings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace vellumora {

// One line of a category file or of the category index: a text and its tick.
struct Row {
    QString text;
    bool ticked = false;
    bool operator==(const Row&) const = default;
};

// The affirmation library on disk: one file per category in "system" below the application
// folder, and the category index "item.txt" in the application folder itself.
//
// Both use one line format: "text",#TRUE# or "text",#FALSE#, CR LF after every line, no
// header; an empty list is a file of zero bytes. A file is rewritten in the encoding it was
// read in (UTF-8, or Windows-1252 for libraries kept on Windows), so rows nobody touched keep
// their bytes.
class CategoryStore {
public:
    // The most rows a list may hold.
    static constexpr int kMaxRows = 32766;
    // The longest text the affirmation field takes (a line edit's own limit).
    static constexpr int kMaxTextLength = 32767;

    // homeTrash: the desktop's Trash, where deleted category files go; without one they go to
    // "deleted" in the application folder.
    explicit CategoryStore(QString applicationFolder, NativePath homeTrash = {});

    // The library is kept in this folder from now on.
    void setFolder(const QString& applicationFolder);
    NativePath indexPath() const;
    // The category's file, its name spelled as the index spells it (see findNativeName);
    // empty for a name that must not form a path (see isUsableName).
    NativePath categoryPath(const QString& name) const;

    // Names of the "*.txt" files in the library folder, in name order, letter case ignored.
    QStringList listCategoryNames() const;
    bool indexExists() const;
    // The listed category whose name equals this one when letter case is ignored.
    std::optional<QString> findCategoryFile(const QString& name) const;

    // The index's rows; its encoding is kept for writeIndex and for finding category files (an
    // index of ASCII alone keeps the one known before). Nothing when it exists but cannot be read.
    std::optional<QList<Row>> readIndex(QString* error = nullptr);
    bool writeIndex(const QList<Row>& rows, QString* error = nullptr);

    // The rows of a file; a missing file has none. Nothing when it exists but cannot be read.
    // *encoding is set to the file's.
    std::optional<QList<Row>> readRows(
        const NativePath& path, TextEncoding* encoding = nullptr, QString* error = nullptr) const;
    // Replaces the whole file in *encoding (UTF-8 when null), which is set to the encoding
    // written; the old file stays whole when this fails.
    bool writeRows(const NativePath& path, const QList<Row>& rows, TextEncoding* encoding = nullptr,
        QString* error = nullptr) const;
    // Makes an empty category file; never touches an existing one.
    bool createCategory(const QString& name, QString* error = nullptr) const;
    // Removes a category's file; a missing file counts as removed.
    bool removeCategory(const QString& name, QString* error = nullptr) const;
    const Trash& trash() const { return m_trash; }
    const Recordings& recordings() const { return m_recordings; }

    // A name typed for a new category: letters of any alphabet (with their accents and vowel
    // signs) and spaces, at least one letter.
    static bool isTypedName(const QString& name);
    // A name that may form a file name in the library folder: no separators, no control
    // characters, not "." or "..", not too long for the file system.
    static bool isUsableName(const QString& name);

    // Rows in ASCII alone are the same bytes in either encoding, so reading them tells neither.
    static bool plainAscii(const QList<Row>& rows);

    static QByteArray encodeRows(const QList<Row>& rows, TextEncoding& encoding);
    static QByteArray encodeRows(const QList<Row>& rows);
    // Reads what the program writes exactly, and hand-edited files as their author meant:
    // blank lines are passed over; a line without quotes is its own text up to a comma; a quote
    // left open ends with its line, less a final ",#TRUE#" or ",#FALSE#", which is its flag; a
    // missing or unknown flag counts as ticked; flags are read in any letter case; anything
    // after the flag is ignored.
    static QList<Row> decodeRows(const QByteArray& bytes, TextEncoding* encoding = nullptr);

private:
    NativePath libraryFolder() const;

    LibraryFiles m_files;
    Trash m_trash;
    Recordings m_recordings { [this](const QString& name) { return categoryPath(name); }, m_trash };
    TextEncoding m_indexEncoding = TextEncoding::Utf8;
};

} // namespace vellumora
