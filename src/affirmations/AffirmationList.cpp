#include "affirmations/AffirmationList.h"

#include <QLocale>

namespace vellumora {

AffirmationList::AffirmationList(const CategoryStore& store, QObject* parent)
    : RowModel(tr("Affirmations"), parent)
    , m_store(store)
{
}

void AffirmationList::setEditor(Editor editor, bool canAdd, bool canEdit, bool canDelete)
{
    m_editor = editor;
    m_canAdd = canAdd;
    m_canEdit = canEdit;
    m_canDelete = canDelete;
    emit editorChanged();
}

Outcome AffirmationList::show(const QString& category)
{
    m_category = category;
    QString error;
    const std::optional<QList<Row>> read
        = m_store.readRows(m_store.categoryPath(category), &m_encoding, &error);
    m_file.setRead(read.has_value(),
        tr("The affirmations of \"%1\" could not be read, so they are not changed.").arg(category));
    resetRows(read.value_or(QList<Row>()));
    if (!read) {
        emit fieldTextSet(QString());
        return Outcome::refused(
            withReason(tr("The affirmations of \"%1\" could not be read.").arg(category), error));
    }
    if (rows().isEmpty()) {
        emit fieldTextSet(QString());
        // An empty category can always be given its first affirmation.
        setEditor(m_editor, true, m_canEdit, m_canDelete);
        return {};
    }
    choose(0);
    return {};
}

void AffirmationList::clear()
{
    m_category.clear();
    m_file.setRead(false);
    resetRows({});
    emit fieldTextSet(QString());
}

Outcome AffirmationList::writable() const
{
    if (m_category.isEmpty()) {
        return Outcome::refused(tr("Please create or select a category first."), MessageIcon::Information);
    }
    return m_file.allowsWriting();
}

Outcome AffirmationList::write(const QList<Row>& rows)
{
    if (m_category.isEmpty()) {
        return writable();
    }
    return m_file.write(
        tr("The affirmations could not be saved, so the change was undone."), [&](QString* error) {
            return m_store.writeRows(m_store.categoryPath(m_category), rows, &m_encoding, error);
        });
}

Outcome AffirmationList::pressAdd(const QString& fieldText)
{
    if (m_editor == Editor::Idle) {
        emit fieldTextSet(QString());
        setEditor(Editor::Composing, m_canAdd, false, false);
        return {};
    }
    // Composing goes on, text and all, until there is somewhere to put the affirmation.
    if (Outcome room = roomForOneMore(); !room) {
        return room;
    }
    setEditor(Editor::Idle, m_canAdd, true, true);
    const Row added { fieldText, true };
    if (Outcome saved = write(QList<Row>(rows()) << added); !saved) {
        return saved;
    }
    appendRow(added);
    if (rows().size() == 1) {
        setSelected(0);
    }
    emit fieldTextSet(QString());
    return {};
}

Outcome AffirmationList::roomForOneMore() const
{
    if (Outcome ready = writable(); !ready) {
        return ready;
    }
    if (rows().size() >= CategoryStore::kMaxRows) {
        return Outcome::refused(tr("This category already holds %1 affirmations, the most it can hold.")
                                    .arg(QLocale().toString(CategoryStore::kMaxRows)));
    }
    return {};
}

void AffirmationList::cancelComposing()
{
    if (m_editor != Editor::Composing) {
        return;
    }
    const bool chosen = isRow(selected());
    setEditor(Editor::Idle, true, chosen, true);
    emit fieldTextSet(chosen ? rows().at(selected()).text : QString());
}

Outcome AffirmationList::editSelected(const QString& fieldText)
{
    if (fieldText.isEmpty()) {
        return Outcome::refused(tr("Please Enter Text to edit"));
    }
    if (selected() < 0) {
        return Outcome::nothing();
    }
    QList<Row> changed = rows();
    changed[selected()].text = fieldText;
    if (Outcome saved = write(changed); !saved) {
        return saved;
    }
    replaceRow(selected(), changed[selected()]);
    emit fieldTextSet(QString());
    return {};
}

Outcome AffirmationList::removeSelected()
{
    if (rows().isEmpty()) {
        return Outcome::refused(tr("There Is No Item To Delete"));
    }
    if (selected() < 0) {
        return Outcome::nothing();
    }
    const int place = selected();
    const DeletedAffirmation deleted { m_category, rows().at(place), place, m_encoding };
    QList<Row> remaining = rows();
    remaining.removeAt(place);
    if (Outcome saved = write(remaining); !saved) {
        return saved;
    }
    removeRow(place);
    // Nothing stays selected: a second delete must not take the neighbour unasked.
    setSelected(-1);
    emit fieldTextSet(QString());
    // With its last affirmation gone, nothing could be clicked to bring adding back.
    setEditor(m_editor, rows().isEmpty(), false, m_canDelete);
    emit affirmationDeleted(deleted);
    return {};
}

Outcome AffirmationList::restore(const DeletedAffirmation& deleted)
{
    if (Outcome room = roomForOneMore(); !room) {
        return room;
    }
    // Read since as plain ASCII, the file's encoding was not told again.
    if (CategoryStore::plainAscii(rows())) {
        m_encoding = deleted.encoding;
    }
    const int at = std::min(deleted.place, int(rows().size()));
    QList<Row> next = rows();
    next.insert(at, deleted.row);
    if (Outcome saved = write(next); !saved) {
        return saved;
    }
    insertRow(at, deleted.row);
    choose(at);
    return {};
}

void AffirmationList::choose(int row)
{
    setEditor(m_editor, true, true, m_canDelete);
    if (!isRow(row)) {
        return;
    }
    setSelected(row);
    emit fieldTextSet(rows().at(row).text);
}

} // namespace vellumora
