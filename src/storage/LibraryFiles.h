#pragma once

#include <QFileInfo>
#include <QString>

namespace vellumora {

// Where a library keeps its files below its folder: the category files in "system" with their
// index "item.txt" beside that folder, the pictures in "SystemFolder" with their record
// "record.txt", "board.txt" for the board's choices, and "deleted" for what the desktop's Trash
// cannot take. Libraries kept on Windows use the same names, so every path of a library is formed
// here and nowhere else.
class LibraryFiles {
public:
    static inline const QString kIndexName = QStringLiteral("item.txt");
    static inline const QString kCategoryFolderName = QStringLiteral("system");
    static inline const QString kPictureFolderName = QStringLiteral("SystemFolder");
    static inline const QString kRecordName = QStringLiteral("record.txt");
    static inline const QString kDeletedName = QStringLiteral("deleted");
    // What the user chose for the board of all the pictures and affirmations.
    static inline const QString kBoardName = QStringLiteral("board.txt");
    // A category's recordings are kept in a folder of its name and this ending beside its file.
    static inline const QString kVoiceSuffix = QStringLiteral(".voice");

    explicit LibraryFiles(QString folder)
        : m_folder(std::move(folder))
    {
    }

    const QString& folder() const { return m_folder; }
    QString categoryFolder() const { return below(kCategoryFolderName); }
    QString index() const { return below(kIndexName); }
    QString pictureFolder() const { return below(kPictureFolderName); }
    QString record() const { return pictureFolder() + QLatin1Char('/') + kRecordName; }
    QString deleted() const { return below(kDeletedName); }
    QString board() const { return below(kBoardName); }

    // The program never makes these two: without them the folder holds no library.
    bool foldersExist() const
    {
        // Both are looked up before anything is decided.
        const bool categories = QFileInfo(categoryFolder()).isDir();
        const bool pictures = QFileInfo(pictureFolder()).isDir();
        return categories && pictures;
    }

private:
    QString below(const QString& name) const { return m_folder + QLatin1Char('/') + name; }

    QString m_folder;
};

} // namespace vellumora
