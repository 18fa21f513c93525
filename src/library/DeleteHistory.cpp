#include "library/DeleteHistory.h"

namespace vellumora {

namespace {

// Named in a message or a tip, an affirmation is cut to a line.
constexpr int kNamedLength = 60;

QString named(const QString& text)
{
    return text.size() <= kNamedLength ? text : text.left(kNamedLength - 1) + QChar(0x2026);
}

template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// Whether the file a delete took along, a category's or a picture's, is still there to bring back.
bool stillThere(
    const std::variant<DeletedCategory, DeletedAffirmation, DeletedPicture, DeletedRecording>& deleted)
{
    if (const auto* category = std::get_if<DeletedCategory>(&deleted)) {
        return category->file.stillThere();
    }
    if (const auto* recording = std::get_if<DeletedRecording>(&deleted)) {
        return recording->file.stillThere();
    }
    const auto* picture = std::get_if<DeletedPicture>(&deleted);
    return !picture || picture->file.stillThere();
}

} // namespace

DeleteHistory::DeleteHistory(
    CategoryIndex& categories, AffirmationList& affirmations, PictureLibrary& pictures, QObject* parent)
    : QObject(parent)
    , m_categories(categories)
    , m_affirmations(affirmations)
    , m_pictures(pictures)
{
    connect(&categories, &CategoryIndex::categoryDeleted, this,
        [this](const DeletedCategory& deleted) { remember(deleted); });
    connect(&affirmations, &AffirmationList::affirmationDeleted, this,
        [this](const DeletedAffirmation& deleted) { remember(deleted); });
    connect(&affirmations, &AffirmationList::recordingDeleted, this,
        [this](const DeletedRecording& deleted) { remember(deleted); });
    connect(&pictures, &PictureLibrary::pictureDeleted, this,
        [this](const DeletedPicture& deleted) { remember(deleted); });
}

void DeleteHistory::remember(Delete deleted)
{
    m_deletes.append(std::move(deleted));
    if (m_deletes.size() > kKept) {
        m_deletes.removeFirst();
    }
    emit changed();
}

QString DeleteHistory::describe(const Delete& deleted) const
{
    return std::visit(
        Overloaded {
            [](const DeletedCategory& category) { return tr("the category \"%1\"").arg(category.row.text); },
            [](const DeletedAffirmation& affirmation) {
                return tr("the affirmation \"%1\"").arg(named(affirmation.row.text));
            },
            [](const DeletedPicture& picture) { return tr("the picture \"%1\"").arg(picture.name); },
            [](const DeletedRecording& recording) {
                return tr("the recording of \"%1\"").arg(named(recording.text));
            },
        },
        deleted);
}

QString DeleteHistory::nextUndo() const
{
    return canUndo() ? describe(m_deletes.constLast()) : QString();
}

Outcome DeleteHistory::restore(const Delete& deleted)
{
    if (const auto* category = std::get_if<DeletedCategory>(&deleted)) {
        QString restoredName;
        Outcome restored = m_categories.restore(*category, &restoredName);
        if (!restored) {
            return restored;
        }
        // Older deletes of its affirmations and recordings follow it to the name it came back under.
        for (Delete& older : m_deletes) {
            auto* affirmation = std::get_if<DeletedAffirmation>(&older);
            if (affirmation && affirmation->category == category->row.text) {
                affirmation->category = restoredName;
            }
            auto* recording = std::get_if<DeletedRecording>(&older);
            if (recording && recording->category == category->row.text) {
                recording->category = restoredName;
            }
        }
        return restored;
    }
    if (const auto* affirmation = std::get_if<DeletedAffirmation>(&deleted)) {
        const int row = m_categories.rowNamed(affirmation->category);
        if (row < 0) {
            return Outcome::refused(tr("The category \"%1\" is no longer in the list, so its affirmation "
                                       "cannot be brought back.")
                                        .arg(affirmation->category));
        }
        if (m_categories.selected() != row || m_affirmations.category() != affirmation->category) {
            if (Outcome shown = m_categories.choose(row); !shown) {
                return shown;
            }
        }
        return m_affirmations.restore(*affirmation);
    }
    if (const auto* recording = std::get_if<DeletedRecording>(&deleted)) {
        return m_affirmations.restoreRecording(*recording);
    }
    return m_pictures.restore(std::get<DeletedPicture>(deleted));
}

void DeleteHistory::forget()
{
    m_deletes.clear();
    emit changed();
}

Outcome DeleteHistory::undo()
{
    if (!canUndo()) {
        return Outcome::nothing();
    }
    const Delete latest = m_deletes.takeLast();
    if (!stillThere(latest)) {
        emit changed();
        return Outcome::refused(
            tr("Vellumora cannot bring back %1: its file is no longer in the Trash.").arg(describe(latest)));
    }
    Outcome restored = restore(latest);
    if (!restored) {
        // Nothing changed, so it can be tried again.
        m_deletes.append(latest);
        return restored;
    }
    emit changed();
    emit restoredIn(std::holds_alternative<DeletedPicture>(latest) ? Part::Pictures : Part::Affirmations);
    return restored;
}

} // namespace vellumora
