#include "library/Library.h"

#include "library/Backup.h"
#include "platform/Platform.h"
#include "storage/LibraryFiles.h"
#include "storage/NativePath.h"
#include "storage/SyncFiles.h"

#include <QDir>

namespace vellumora {

std::unique_ptr<Library> Library::open(const QString& folder, Platform& platform)
{
    if (!LibraryFiles(folder).foldersExist()) {
        return nullptr;
    }
    return std::unique_ptr<Library>(new Library(folder, platform));
}

Library::Library(const QString& folder, Platform& platform)
    : m_files(folder)
    , m_store(folder, platform.trashFolder())
    , m_affirmations(m_store, this)
    , m_categories(m_store, m_affirmations, this)
    , m_pictures(folder, platform.trashFolder(), this)
    , m_deletes(m_categories, m_affirmations, m_pictures, this)
    , m_options(platform, this)
    , m_reminders(platform, this)
    , m_desktop(platform, this)
    , m_voice(platform, this)
{
    connect(&m_pictures, &PictureLibrary::changesHeld, this, &Library::holdChanges);
}

Outcome Library::load()
{
    m_options.load();
    m_reminders.load();
    m_desktop.load();
    m_voice.load();
    // Before anything is read: a restore cut short may have left files no list names.
    Outcome outcome = RestorePlan::takeBackCutShort(m_files.folder());
    outcome.add(m_pictures.load());
    outcome.add(m_categories.load());
    tellOfConflicts(outcome);
    return outcome;
}

Outcome Library::moveTo(const QString& folder)
{
    m_files = LibraryFiles(folder);
    m_store.setFolder(folder);
    m_pictures.setFolder(folder);
    m_deletes.forget();
    m_told.clear();
    m_gone = false;
    const Outcome outcome = load();
    if (m_watch) {
        watch();
    }
    return outcome;
}

void Library::watch()
{
    if (!m_watch) {
        m_watch = new FolderWatch(this);
        connect(m_watch, &FolderWatch::changed, this, &Library::takeChanges);
    }
    m_watch->watch({ m_files.folder(), m_files.categoryFolder(), m_files.pictureFolder() });
}

void Library::holdChanges(bool hold)
{
    m_holds += hold ? 1 : -1;
    if (m_holds == 0 && !m_held.isEmpty()) {
        takeChanges(std::exchange(m_held, {}));
    }
}

void Library::takeChanges(const QStringList& folders)
{
    if (m_holds > 0) {
        for (const QString& folder : folders) {
            if (!m_held.contains(folder)) {
                m_held.append(folder);
            }
        }
        return;
    }
    // Gone, the library is shown as it was and read again, in the order it keeps, once it is
    // back: read meanwhile, it would hold nothing, and the next edit would write that.
    if (!m_files.foldersExist()) {
        if (!m_gone) {
            m_gone = true;
            emit changedOnDisk(Outcome().tell(tr("The folder of your library, \"%1\", has gone. Vellumora "
                                                 "changes nothing in it until it is back.")
                                                  .arg(QDir::toNativeSeparators(m_files.folder())),
                MessageIcon::Critical));
        }
        return;
    }
    Outcome outcome;
    bool changed = false;
    // The top folder holds the index, and the other two, which a sync tool may make anew; all
    // of it may have changed while the library was gone.
    const bool top = std::exchange(m_gone, false) || folders.contains(m_files.folder());
    if (top || folders.contains(m_files.categoryFolder())) {
        changed |= m_categories.reread(outcome);
        changed |= m_affirmations.reread(outcome);
    }
    if (top || folders.contains(m_files.pictureFolder())) {
        changed |= m_pictures.reread(outcome);
    }
    tellOfConflicts(outcome);
    Outcome untold;
    for (const Outcome::Notice& notice : outcome.notices()) {
        if (!m_told.contains(notice.text)) {
            m_told.insert(notice.text);
            untold.tell(notice.text, notice.icon);
        }
    }
    if (changed || !untold.notices().isEmpty()) {
        emit changedOnDisk(untold);
    }
}

void Library::tellOfConflicts(Outcome& outcome)
{
    QStringList found;
    for (const QString& folder : { m_files.folder(), m_files.categoryFolder(), m_files.pictureFolder() }) {
        for (const QByteArray& file : nativeFileNames(NativePath(folder))) {
            const QString name = decodeBytes(file).text;
            if (SyncFiles::classify(name) == SyncFiles::Kind::Conflict) {
                found.append(QDir::toNativeSeparators(folder + QLatin1Char('/') + name));
            }
        }
    }
    found.sort();
    for (const QString& path : std::as_const(found)) {
        outcome.tell(tr("A sync tool kept a second version of a library file: \"%1\". Vellumora does not "
                        "read it: copy what you want to keep into the file it belongs to, then delete it.")
                         .arg(path),
            MessageIcon::Information);
    }
}

QList<Affirmation> Library::tickedAffirmationsWithCategories() const
{
    QList<Affirmation> result;
    for (const Row& category : m_categories.rows()) {
        if (!category.ticked) {
            continue;
        }
        const std::optional<QList<Row>> rows = m_store.readRows(m_store.categoryPath(category.text));
        for (const Row& row : rows.value_or(QList<Row> {})) {
            if (row.ticked) {
                result.append({ category.text, row.text });
            }
        }
    }
    return result;
}

QStringList Library::tickedAffirmations() const
{
    QStringList result;
    for (const Affirmation& affirmation : tickedAffirmationsWithCategories()) {
        result.append(affirmation.text);
    }
    return result;
}

} // namespace vellumora
