#pragma once

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
// Both use one line format: "text",#TRUE# or "text",#FALSE#, CR LF after every line, text
// in the system code page, no header; an empty list is a file of zero bytes.
class CategoryStore {
public:
    // The most rows a list may hold.
    static constexpr int kMaxRows = 32766;

    explicit CategoryStore(QString applicationFolder);

    QString indexPath() const;
    // Empty for a name that must not form a path (see isUsableName).
    QString categoryPath(const QString& name) const;

    // Names of the "*.txt" files in the library folder, in name order.
    QStringList listCategoryNames() const;
    bool indexExists() const;
    // The listed category whose name equals this one when letter case is ignored.
    std::optional<QString> findCategoryFile(const QString& name) const;

    // The rows of a file; a missing file has none. Nothing when it exists but cannot be read.
    std::optional<QList<Row>> readRows(const QString& path, QString* error = nullptr) const;
    // Replaces the whole file; the old one stays whole when this fails.
    bool writeRows(const QString& path, const QList<Row>& rows, QString* error = nullptr) const;
    // Makes an empty category file; never touches an existing one.
    bool createCategory(const QString& name, QString* error = nullptr) const;
    // Removes a category's file; a missing file counts as removed.
    bool removeCategory(const QString& name, QString* error = nullptr) const;

    // A name typed for a new category: letters A to Z and spaces, something besides spaces.
    static bool isTypedName(const QString& name);
    // A name that may form a file name in the library folder: no separators, no "..", no
    // control characters, not too long for the file system.
    static bool isUsableName(const QString& name);

    // The line format cannot hold a double quote: each becomes a typographic quote, opening and
    // closing in turn.
    static QString storableText(QString text);

    static QByteArray encodeRows(const QList<Row>& rows);
    // Reads what the program writes exactly, and hand-edited files as their author meant:
    // blank lines are passed over; a line without quotes is its own text up to a comma, its
    // double quotes made storable; a
    // missing or unknown flag counts as ticked; flags are read in any letter case; a
    // byte-order mark and CR-only or LF-only line ends are accepted; anything after the flag
    // is ignored.
    static QList<Row> decodeRows(const QByteArray& bytes);

private:
    QString libraryFolder() const;

    QString m_applicationFolder;
};

} // namespace vellumora
