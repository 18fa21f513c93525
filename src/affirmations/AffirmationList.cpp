#include "affirmations/AffirmationList.h"

#include <QLocale>
#include <algorithm>
#include <cstdlib>

namespace vellumora {

AffirmationList::AffirmationList(const CategoryStore& store, QObject* parent)
    : RowModel(tr("Affirmations"), parent)
    , m_store(store)
{
}

QVariant AffirmationList::data(const QModelIndex& index, int role) const
{
    const bool recorded = hasRecording(index.row());
    switch (role) {
    case RecordedRole:
        return recorded;
    case Qt::DecorationRole:
        return recorded ? QVariant(m_mark) : QVariant();
    case Qt::AccessibleTextRole:
        return recorded ? tr("%1 (recorded)").arg(RowModel::data(index, Qt::DisplayRole).toString())
                        : QVariant();
    case Qt::ToolTipRole:
        if (recorded) {
            return tr("This affirmation has a recording.");
        }
        break;
    default:
        break;
    }
    return RowModel::data(index, role);
}

void AffirmationList::refreshRecordings()
{
    const QSet<QByteArray> stems = m_store.recordings().stems(m_category);
    QList<bool> recorded;
    recorded.reserve(rows().size());
    for (const Row& row : rows()) {
        recorded.append(!stems.isEmpty() && stems.contains(Recordings::stem(row.text)));
    }
    // Not QList's own ==: with both empty it hands memcmp a null pointer.
    if (!std::ranges::equal(recorded, m_recorded)) {
        m_recorded = recorded;
        if (!rows().isEmpty()) {
            emit dataChanged(index(0), index(int(rows().size()) - 1));
        }
    }
}

bool AffirmationList::sharedText(int row) const
{
    return std::ranges::count(rows(), rows().at(row).text, &Row::text) > 1;
}

Outcome AffirmationList::removeRecording()
{
    if (!isRow(selected())) {
        return Outcome::nothing();
    }
    const QString text = rows().at(selected()).text;
    QString error;
    const TrashedFile trashed = m_store.recordings().discard(m_category, text, &error);
    refreshRecordings();
    if (trashed.location.isEmpty()) {
        return error.isEmpty()
            ? Outcome::refused(tr("This affirmation has no recording."), MessageIcon::Information)
            : Outcome::refused(withReason(tr("The recording could not be moved to the Trash."), error));
    }
    emit recordingDeleted({ m_category, text, trashed });
    return {};
}

Outcome AffirmationList::restoreRecording(const DeletedRecording& deleted)
{
    Outcome restored = m_store.recordings().restore(deleted.file, deleted.category, deleted.text);
    refreshRecordings();
    return restored;
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
    m_recorded.clear();
    refreshRecordings();
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

bool AffirmationList::reread(Outcome& outcome)
{
    if (m_category.isEmpty()) {
        return false;
    }
    QString error;
    TextEncoding encoding = m_encoding;
    const std::optional<QList<Row>> read
        = m_store.readRows(m_store.categoryPath(m_category), &encoding, &error);
    if (!read) {
        outcome.tell(withReason(tr("The affirmations of \"%1\" were changed by another program but cannot "
                                   "be read, so they are shown as they were.")
                                    .arg(m_category),
            error));
        return false;
    }
    m_encoding = encoding;
    m_file.setRead(true);
    if (*read == rows()) {
        refreshRecordings();
        return false;
    }
    const int was = selected();
    const QString chosen = isRow(was) ? rows().at(was).text : QString();
    resetRows(*read);
    m_recorded.clear();
    refreshRecordings();
    // The same text nearest to where it was: a file edited elsewhere may have moved it.
    int found = -1;
    for (int row = 0; row < rows().size(); ++row) {
        if (rows().at(row).text == chosen && (found < 0 || std::abs(row - was) < std::abs(found - was))) {
            found = row;
        }
    }
    if (found >= 0) {
        setSelected(found);
    } else if (m_editor == Editor::Idle && isRow(std::min(was, int(rows().size()) - 1))) {
        choose(std::max(0, std::min(was, int(rows().size()) - 1)));
    } else if (rows().isEmpty() && m_editor == Editor::Idle) {
        emit fieldTextSet(QString());
    }
    return true;
}

void AffirmationList::clear()
{
    m_category.clear();
    m_file.setRead(false);
    resetRows({});
    m_recorded.clear();
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
    refreshRecordings();
    if (rows().size() == 1) {
        setSelected(0);
    }
    emit fieldTextSet(QString());
    return {};
}

Outcome AffirmationList::appendRows(const QList<Row>& added)
{
    if (Outcome ready = writable(); !ready) {
        return ready;
    }
    if (rows().size() + added.size() > CategoryStore::kMaxRows) {
        return Outcome::refused(tr("This category can hold only %1 affirmations.")
                                    .arg(QLocale().toString(CategoryStore::kMaxRows)));
    }
    if (added.isEmpty()) {
        return Outcome::nothing();
    }
    const bool wasEmpty = rows().isEmpty();
    if (Outcome saved = write(rows() + added); !saved) {
        return saved;
    }
    RowModel::appendRows(added);
    refreshRecordings();
    if (wasEmpty) {
        choose(0);
    }
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
    const QString before = changed.at(selected()).text;
    changed[selected()].text = fieldText;
    if (Outcome saved = write(changed); !saved) {
        return saved;
    }
    // Another affirmation of the same text keeps the recording too.
    const bool shared = sharedText(selected());
    replaceRow(selected(), changed[selected()]);
    Outcome outcome = m_store.recordings().follow(m_category, before, fieldText, shared);
    refreshRecordings();
    emit fieldTextSet(QString());
    return outcome;
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
    DeletedAffirmation deleted { m_category, rows().at(place), place, m_encoding, {} };
    const bool shared = sharedText(place);
    QList<Row> remaining = rows();
    remaining.removeAt(place);
    if (Outcome saved = write(remaining); !saved) {
        return saved;
    }
    removeRow(place);
    Outcome outcome;
    if (!shared) {
        QString error;
        deleted.recording = m_store.recordings().discard(m_category, deleted.row.text, &error);
        if (!error.isEmpty()) {
            outcome.tell(withReason(tr("Its recording could not be moved to the Trash, so it stays."), error),
                MessageIcon::Information);
        }
    }
    refreshRecordings();
    // Nothing stays selected: a second delete must not take the neighbour unasked.
    setSelected(-1);
    emit fieldTextSet(QString());
    // With its last affirmation gone, nothing could be clicked to bring adding back.
    setEditor(m_editor, rows().isEmpty(), false, m_canDelete);
    emit affirmationDeleted(deleted);
    return outcome;
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
    Outcome outcome = m_store.recordings().restore(deleted.recording, m_category, deleted.row.text);
    refreshRecordings();
    choose(at);
    return Outcome().add(outcome);
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
