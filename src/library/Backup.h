#pragma once

#include "platform/Outcome.h"
#include "storage/BackupArchive.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace vellumora {

// A backup is one ZIP archive: item.txt, system/ with the category files and their .voice
// folders, SystemFolder/ with record.txt and the pictures, all byte for byte, and settings.ini.
class Backup {
    Q_DECLARE_TR_FUNCTIONS(Backup)
public:
    static inline const QString kSettingsName = QStringLiteral("settings.ini");
    // Where this machine keeps its library: never carried to another.
    static inline const QString kMachineSection = QStringLiteral("Library");

    static QString suggestedName(const QDate& day);
    // Writes the library kept in `folder`, and the settings, to `target`, whole or not at all.
    // It reads only the disk, so it may run on a thread of its own.
    static Outcome write(const QString& folder, const QList<SettingValue>& allSettings, const QString& target,
        WorkProgress* progress = nullptr);
    static Outcome write(const QString& folder, Platform& platform, const QString& target)
    {
        return write(folder, platform.allSettings(), target);
    }

    // The settings as settings.ini holds them, and back; values that would not read back whole
    // are escaped.
    static QByteArray encodeSettings(const QList<SettingValue>& values);
    static QList<SettingValue> decodeSettings(const QByteArray& bytes);
};

// One line of what a restore will do.
struct RestoreChange {
    enum class Kind { AddCategory, AddAffirmations, AddPicture, AddPictureAs, SkipPicture };
    Kind kind;
    QString name;
    QString storedAs;
    int count = 0;
    QString text() const;
};

// Why an entry of the archive is not brought back.
enum class LeftOut {
    Escapes,
    Link,
    Oversized,
    Damaged,
    NameNotUtf8,
    Unknown,
    UnusableName,
    RecordingKept,
    RecordingOfNothing,
    BoardKept
};

struct LeftOutEntry {
    LeftOut why;
    QString name;
    QString text() const;
};

enum class RestoreRefusal {
    None,
    Unreadable,
    Damaged,
    TooManyEntries,
    NoRoom,
    NotABackup,
    LibraryUnreadable,
    // The user stopped the reading: nothing to tell.
    Cancelled
};

struct RestoreLimits {
    int maxEntries = kMaxArchiveEntries;
    // The bytes free on the file system holding the folder; the one of the folder by default.
    std::function<qint64(const QString& folder)> freeSpace;
};

// What bringing back a backup would change in a library, worked out before anything is written.
// Into an empty library (no affirmation, no picture) the backup comes back exactly, byte for byte;
// into one with content it is merged: categories by name, letter case ignored, gain the
// affirmations they lack; pictures the library has (the same bytes, under any name) are passed
// over, and one whose name is taken is numbered. Nothing the library has is replaced.
class RestorePlan {
    Q_DECLARE_TR_FUNCTIONS(RestorePlan)
public:
    static RestorePlan make(const QString& archive, const QString& libraryFolder,
        const RestoreLimits& limits = {}, WorkProgress* progress = nullptr);

    RestoreRefusal refusal() const { return m_refusal; }
    QString refusalText() const;
    bool intoEmptyLibrary() const { return m_exact; }
    const QList<RestoreChange>& changes() const { return m_changes; }
    const QList<LeftOutEntry>& leftOut() const { return m_leftOut; }
    bool hasSettings() const { return !m_settings.isEmpty(); }

    // Pictures and recordings first, then the category files, the category list and the picture
    // list last, each file whole: a restore cut short never leaves a list naming a missing file.
    // Cancelled, it takes back what it wrote and tells nothing.
    Outcome apply(Platform& platform, bool withSettings, WorkProgress* progress = nullptr) const;
    // The backup's settings alone, as apply brings them back.
    Outcome applySettings(Platform& platform) const;
    // What a restore cut short (the program killed) left in the library: the files it wrote that
    // no list names are taken away, and its own leftovers. Nothing the user had is touched.
    static Outcome takeBackCutShort(const QString& libraryFolder);

    // A file the restore writes: from the archive (entry) or these bytes.
    struct Write {
        QString entry;
        QByteArray bytes;
        NativePath target;
        bool replace = false;
    };

private:
    RestoreRefusal m_refusal = RestoreRefusal::None;
    QString m_reason;
    QString m_archive;
    NativePath m_folder;
    bool m_exact = false;
    QList<RestoreChange> m_changes;
    QList<LeftOutEntry> m_leftOut;
    QList<SettingValue> m_settings;
    // The archive's entries, and the size of each usable one, for counting progress.
    int m_entries = 0;
    QHash<QString, qint64> m_sizes;
    // In the order they are written.
    QList<Write> m_fromArchive;
    QList<Write> m_files;
    QList<Write> m_lists;
    QList<NativePath> m_folders;

    friend class RestorePlanner;
};

} // namespace vellumora
