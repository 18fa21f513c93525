#include "library/Library.h"

#include "platform/Platform.h"
#include "storage/LibraryFiles.h"

namespace vellumora {

std::unique_ptr<Library> Library::open(const QString& folder, Platform& platform)
{
    if (!LibraryFiles(folder).foldersExist()) {
        return nullptr;
    }
    return std::unique_ptr<Library>(new Library(folder, platform));
}

Library::Library(const QString& folder, Platform& platform)
    : m_folder(folder)
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
}

Outcome Library::load()
{
    m_options.load();
    m_reminders.load();
    m_desktop.load();
    m_voice.load();
    Outcome outcome;
    outcome.add(m_pictures.load());
    outcome.add(m_categories.load());
    return outcome;
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
