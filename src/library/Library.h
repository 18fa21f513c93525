#pragma once

#include "affirmations/AffirmationList.h"
#include "affirmations/CategoryIndex.h"
#include "images/PictureLibrary.h"
#include "library/DeleteHistory.h"
#include "platform/FolderWatch.h"
#include "settings/DesktopPictureOptions.h"
#include "settings/ReminderOptions.h"
#include "settings/ShowOptions.h"
#include "settings/VoiceOptions.h"

#include <QObject>
#include <memory>

namespace vellumora {

class Platform;

// The user's library as one: the pictures, the categories with the affirmations of the one
// chosen, the show's options and the deletes that can be undone. The program makes one and
// hands it to the main window, the show and whatever else works on the library; they edit it
// only through its models, which write every change at once.
class Library : public QObject {
    Q_OBJECT
public:
    // The library kept in `folder`, nothing read yet; none when the folder lacks the two folders
    // the program never makes.
    static std::unique_ptr<Library> open(const QString& folder, Platform& platform);

    // Reads the options (the show's, the reminders' and the desktop's), the picture list and the category
    // list; the first category is chosen. What the user must be told, in that order.
    Outcome load();

    PictureLibrary& pictures() { return m_pictures; }
    CategoryIndex& categories() { return m_categories; }
    AffirmationList& affirmations() { return m_affirmations; }
    ShowOptions& options() { return m_options; }
    ReminderOptions& reminders() { return m_reminders; }
    DesktopPictureOptions& desktop() { return m_desktop; }
    VoiceOptions& voice() { return m_voice; }
    const Recordings& recordings() const { return m_store.recordings(); }
    DeleteHistory& deletes() { return m_deletes; }

    // The ticked affirmations of the ticked categories, in list and file order. A category whose
    // file cannot be read gives none; the others still count.
    QStringList tickedAffirmations() const;
    QList<Affirmation> tickedAffirmationsWithCategories() const;

    // Where item.txt, system/ and SystemFolder/ are kept.
    const QString& folder() const { return m_files.folder(); }
    // The library is kept in this folder from now on: everything is read from there, and
    // watched there. Deletes from before cannot be undone.
    Outcome moveTo(const QString& folder);
    // From now on what another program changes in the library's folders is read again within a
    // second; the program's own writes read back as they are and change nothing.
    void watch();
    // Reads again what may have changed in these folders of the library.
    void takeChanges(const QStringList& folders);
    // While held, changes wait and are read when the last hold is let go: long work writing
    // into the library on a thread of its own is not read half done.
    void holdChanges(bool hold);
    class Hold {
    public:
        explicit Hold(Library& library)
            : m_library(library)
        {
            m_library.holdChanges(true);
        }
        ~Hold() { m_library.holdChanges(false); }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Library& m_library;
    };

signals:
    // Another program changed the library and its models show it now; what the user must be told.
    void changedOnDisk(const vellumora::Outcome& outcome);

private:
    Library(const QString& folder, Platform& platform);
    // Copies that sync tools kept of the library's files, each told once.
    void tellOfConflicts(Outcome& outcome);

    LibraryFiles m_files;
    FolderWatch* m_watch = nullptr;
    // What the user was told about changes from outside, so a file that stays wrong is told of once.
    QSet<QString> m_told;
    // Whether the library's folders were gone at the last change.
    bool m_gone = false;
    int m_holds = 0;
    QStringList m_held;
    CategoryStore m_store;
    AffirmationList m_affirmations;
    CategoryIndex m_categories;
    PictureLibrary m_pictures;
    DeleteHistory m_deletes;
    ShowOptions m_options;
    ReminderOptions m_reminders;
    DesktopPictureOptions m_desktop;
    VoiceOptions m_voice;
};

} // namespace vellumora
