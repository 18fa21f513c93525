#include "affirmations/CategoryIndex.h"

#include "affirmations/AffirmationList.h"

#include <QLocale>
#include <QSet>
#include <algorithm>

namespace vellumora {

CategoryIndex::CategoryIndex(CategoryStore& store, AffirmationList& affirmations, QObject* parent)
    : RowModel(tr("Category"), parent)
    , m_store(store)
    , m_affirmations(affirmations)
{
}

QList<Row> CategoryIndex::usableRows(const QList<Row>& read, Outcome& outcome) const
{
    // A name that must not form a path is left out, and so is a second row of the same name,
    // which would name the same file. Names that differ in letter case name two files here.
    QList<Row> usable;
    QSet<QString> seen;
    int skipped = 0;
    for (const Row& row : read) {
        if (!CategoryStore::isUsableName(row.text) || seen.contains(row.text)) {
            ++skipped;
            continue;
        }
        seen.insert(row.text);
        usable.append(row);
    }
    if (skipped > 0) {
        outcome.tell(tr("%n line(s) of the category list named no usable category and were left out.",
                         nullptr, skipped),
            MessageIcon::Information);
    }
    return usable;
}

Outcome CategoryIndex::load()
{
    Outcome outcome;
    QList<Row> listed;
    const QStringList files = m_store.listCategoryNames();
    m_files = QSet<QString>(files.cbegin(), files.cend());
    for (const QString& name : files) {
        listed.append({ name, false });
    }
    m_index.setRead(true);
    if (m_store.indexExists()) {
        QString error;
        const std::optional<QList<Row>> read = m_store.readIndex(&error);
        m_index.setRead(read.has_value(),
            tr("The category list could not be read when the program started, so it cannot be changed "
               "now."));
        if (!read) {
            outcome.tell(withReason(
                tr("The category list could not be read, so it is shown empty and not rewritten."), error));
        }
        listed = usableRows(read.value_or(QList<Row>()), outcome);
    }
    resetRows(listed);
    if (rows().isEmpty()) {
        setSelected(-1);
        m_affirmations.clear();
    } else {
        outcome.add(choose(0));
    }
    QString error;
    if (m_index.wasRead() && !m_store.writeIndex(rows(), &error)) {
        outcome.tell(withReason(tr("The category list could not be saved."), error));
    }
    return outcome;
}

bool CategoryIndex::reread(Outcome& outcome)
{
    const QStringList files = m_store.listCategoryNames();
    const QSet<QString> now(files.cbegin(), files.cend());
    const QSet<QString> came = now - m_files;
    const QSet<QString> went = m_files - now;
    m_files = now;
    QList<Row> read = rows();
    if (m_store.indexExists()) {
        QString error;
        const std::optional<QList<Row>> index = m_store.readIndex(&error);
        if (!index) {
            outcome.tell(withReason(tr("The category list was changed by another program but cannot be "
                                       "read, so it is shown as it was."),
                error));
            return false;
        }
        m_index.setRead(true);
        read = usableRows(*index, outcome);
    }
    QList<Row> next;
    for (const Row& row : std::as_const(read)) {
        if (!went.contains(row.text) || m_store.findCategoryFile(row.text)) {
            next.append(row);
        }
    }
    for (const QString& name : files) {
        const bool listed = std::ranges::any_of(
            next, [&name](const Row& row) { return row.text.compare(name, Qt::CaseInsensitive) == 0; });
        if (came.contains(name) && !listed && next.size() < CategoryStore::kMaxRows) {
            next.append({ name, true });
        }
    }
    QString error;
    // The index names what the library holds, as after every load.
    if ((next != read || !m_store.indexExists()) && !m_store.writeIndex(next, &error)) {
        outcome.tell(withReason(tr("The category list could not be saved."), error));
    }
    if (next == rows()) {
        return false;
    }
    const QString chosen = isRow(selected()) ? rows().at(selected()).text : QString();
    resetRows(next);
    if (const int row = rowNamed(chosen); row >= 0 && chosen == m_affirmations.category()) {
        setSelected(row);
    } else if (next.isEmpty()) {
        m_affirmations.clear();
    } else {
        outcome.add(choose(0));
    }
    return true;
}

Outcome CategoryIndex::choose(int row)
{
    if (!isRow(row)) {
        return Outcome::nothing();
    }
    setSelected(row);
    return m_affirmations.show(rows().at(row).text);
}

Outcome CategoryIndex::write(const QList<Row>& rows)
{
    return m_index.write(tr("The category list could not be saved, so the change was undone."),
        [&](QString* error) { return m_store.writeIndex(rows, error); });
}

int CategoryIndex::listedRow(const QString& name) const
{
    // A name is listed in any letter case; the same letter case first, where the library holds two.
    if (const int exact = rowNamed(name); exact >= 0) {
        return exact;
    }
    const auto found = std::ranges::find_if(
        rows(), [&name](const Row& row) { return row.text.compare(name, Qt::CaseInsensitive) == 0; });
    return found == rows().cend() ? -1 : int(found - rows().cbegin());
}

Outcome CategoryIndex::create(const QString& typed)
{
    if (typed.isEmpty()) {
        return Outcome::nothing();
    }
    const QString name = typed.trimmed();
    if (!CategoryStore::isTypedName(name)) {
        return Outcome::refused(
            tr("A category name may hold only letters and spaces, and at least one letter."),
            MessageIcon::Information);
    }
    // Letters of some alphabets take three or four bytes each in a file name.
    if (!CategoryStore::isUsableName(name)) {
        return Outcome::refused(
            tr("This category name is too long to name a file. Please choose a shorter one."),
            MessageIcon::Information);
    }
    if (const int listed = listedRow(name); isRow(listed)) {
        return Outcome().add(choose(listed));
    }
    if (Outcome room = roomForOneMore(); !room) {
        return room;
    }
    // A file lying in the library folder unlisted is taken in as it is, never emptied.
    const std::optional<QString> existing = m_store.findCategoryFile(name);
    const Row created { existing.value_or(name), true };
    QString error;
    if (!existing && !m_store.createCategory(created.text, &error)) {
        return Outcome::refused(
            withReason(tr("The category \"%1\" could not be created.").arg(created.text), error));
    }
    if (Outcome written = write(QList<Row>(rows()) << created); !written) {
        if (!existing) {
            m_store.removeCategory(created.text);
        }
        return written;
    }
    appendRow(created);
    return Outcome().add(choose(int(rows().size()) - 1));
}

QString CategoryIndex::freeName(const QString& name, bool filesCount) const
{
    QString free = name;
    for (int number = 2; listedRow(free) >= 0 || (filesCount && m_store.findCategoryFile(free)); ++number) {
        free = numberedName(name + QStringLiteral(".txt"), number).chopped(4);
    }
    return free;
}

Outcome CategoryIndex::createFilled(const QString& name, const QList<Row>& rows, QString* created)
{
    if (Outcome room = roomForOneMore(); !room) {
        return room;
    }
    const Row row { freeName(name, true), true };
    const NativePath path = m_store.categoryPath(row.text);
    QString error;
    if (path.isEmpty() || !m_store.writeRows(path, rows, nullptr, &error)) {
        return Outcome::refused(
            withReason(tr("The category \"%1\" could not be created.").arg(row.text), error));
    }
    // The file goes again if the list cannot name it: no category half made.
    if (Outcome written = write(QList<Row>(this->rows()) << row); !written) {
        m_store.removeCategory(row.text);
        return written;
    }
    appendRow(row);
    if (created) {
        *created = row.text;
    }
    return Outcome().add(choose(int(this->rows().size()) - 1));
}

Outcome CategoryIndex::roomForOneMore() const
{
    if (rows().size() >= CategoryStore::kMaxRows) {
        return Outcome::refused(tr("The category list already holds %1 categories, the most it can hold.")
                                    .arg(QLocale().toString(CategoryStore::kMaxRows)));
    }
    return m_index.allowsWriting();
}

int CategoryIndex::rowNamed(const QString& name) const
{
    const auto found = std::ranges::find(rows(), name, &Row::text);
    return found == rows().cend() ? -1 : int(found - rows().cbegin());
}

Outcome CategoryIndex::removeSelected()
{
    if (rows().isEmpty()) {
        return Outcome::refused(tr("There Is No Item To Delete"));
    }
    const int row = std::max(selected(), 0);
    const Row removed = rows().at(row);
    QList<Row> remaining = rows();
    remaining.removeAt(row);
    // The index goes first: if it cannot be written, the category keeps its file.
    if (Outcome written = write(remaining); !written) {
        return written;
    }
    Outcome outcome;
    QString error;
    const TrashedFile trashed = m_store.trash().discard(m_store.categoryPath(removed.text), &error);
    if (!error.isEmpty()) {
        outcome.tell(withReason(
            tr("The file of the category \"%1\" could not be moved to the Trash, so it stays in the "
               "library folder.")
                .arg(removed.text),
            error));
    }
    QString folderError;
    const TrashedFile recordings = m_store.recordings().discardFolder(removed.text, &folderError);
    if (!folderError.isEmpty()) {
        outcome.tell(
            withReason(tr("The recordings of the category \"%1\" could not be moved to the Trash, so "
                          "they stay in the library folder.")
                           .arg(removed.text),
                folderError),
            MessageIcon::Information);
    }
    m_affirmations.clear();
    outcome.add(load());
    emit categoryDeleted({ removed, row, trashed, recordings });
    return outcome;
}

Outcome CategoryIndex::restore(const DeletedCategory& deleted, QString* restoredName)
{
    if (Outcome room = roomForOneMore(); !room) {
        return room;
    }
    // Its own name, unless a category or a file took it meanwhile: names in the list and files
    // in the folder both count, in any letter case.
    const bool bringsFile = !deleted.file.location.isEmpty();
    const QString name = freeName(deleted.row.text, bringsFile);
    const NativePath target = name == deleted.row.text ? deleted.file.original : m_store.categoryPath(name);
    if (bringsFile && target.isEmpty()) {
        return Outcome::refused(
            tr("The category \"%1\" cannot be brought back under another name.").arg(deleted.row.text));
    }
    const Row row { name, deleted.row.ticked };
    const int place = std::min(deleted.place, int(rows().size()));
    QList<Row> next = rows();
    next.insert(place, row);
    if (Outcome restored = m_store.trash().restore(deleted.file, target, [&] { return write(next); });
        !restored) {
        return restored;
    }
    insertRow(place, row);
    if (restoredName) {
        *restoredName = name;
    }
    Outcome outcome = m_store.recordings().restoreFolder(deleted.recordings, name);
    return Outcome().add(outcome).add(choose(place));
}

} // namespace vellumora
