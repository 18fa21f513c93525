#pragma once

#include <QStringList>

namespace vellumora {

// The picture store folder "SystemFolder" below the application folder: one copy of every
// library picture, under the name it had where the user chose it, and the record file
// "record.txt" listing those names in library order.
//
// Record file: one line per picture, a double quote, the name, a double quote, CR LF, in the
// system code page; an empty library is a file of zero bytes.
class PictureStore {
public:
    explicit PictureStore(QString applicationFolder);

    QString folder() const;
    QString recordPath() const;

    // Where the named picture is stored; empty for a name that must not be used as a path
    // (one read from a hand-edited record file with a separator, "..", or control characters).
    QString pathOf(const QString& name) const;

    // The names listed in the record file; empty when it is missing or unreadable.
    QStringList readRecord() const;
    bool writeRecord(const QStringList& names, QString* error = nullptr) const;

    // Copies the chosen file in under the given name, replacing an unlisted file of that name.
    bool copyIn(const QString& source, const QString& name, QString* error = nullptr) const;
    // Deletes the stored copy; a missing file or an unusable name leaves the disk as it is.
    bool remove(const QString& name) const;

    // The name a chosen file is stored under: the part after the last separator.
    static QString storedName(const QString& chosenPath);
    // True for a name the record file can hold and the store can use as a file name.
    static bool isStorableName(const QString& name);

    static QByteArray encodeRecord(const QStringList& names);
    // Fields separated by commas or line ends; a quoted field keeps its commas and loses
    // anything between its closing quote and the next separator. Empty fields name nothing
    // and are passed over.
    static QStringList decodeRecord(const QByteArray& bytes);

private:
    QString m_applicationFolder;
};

} // namespace vellumora
