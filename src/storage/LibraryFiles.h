#pragma once

#include <QFileInfo>
#include <QString>

namespace vellumora {

// Where a library keeps its files below its folder: the category files in "system" with their
// index "item.txt" beside that folder, the pictures in "SystemFolder" with their record
// "record.txt", and "deleted" for what the desktop's Trash cannot take. Libraries kept on
// Windows use the same names, so every path of a library is formed here and nowhere else.
class LibraryFiles {
public:
    static inline const QString kRecordName = QStringLiteral("record.txt");

    explicit LibraryFiles(QString folder)
        : m_folder(std::move(folder))
    {
    }

    const QString& folder() const { return m_folder; }
    QString categoryFolder() const { return m_folder + QStringLiteral("/system"); }
    QString index() const { return m_folder + QStringLiteral("/item.txt"); }
    QString pictureFolder() const { return m_folder + QStringLiteral("/SystemFolder"); }
    QString record() const { return pictureFolder() + QLatin1Char('/') + kRecordName; }
    QString deleted() const { return m_folder + QStringLiteral("/deleted"); }

    // The program never makes these two: without them the folder holds no library.
    bool foldersExist() const
    {
        // Both are looked up before anything is decided.
        const bool categories = QFileInfo(categoryFolder()).isDir();
        const bool pictures = QFileInfo(pictureFolder()).isDir();
        return categories && pictures;
    }

private:
    QString m_folder;
};

} // namespace vellumora
