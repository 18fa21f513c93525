#pragma once

#include "affirmations/RowModel.h"

#include <QSet>

namespace vellumora {

class AffirmationList;

// A category taken out of the list: its row, its place, and its file.
struct DeletedCategory {
    Row row;
    int place = 0;
    TrashedFile file;
    // The folder of its recordings.
    TrashedFile recordings;
};

// The categories with their ticks, in the order of the category index file. While there are
// any, one is chosen and its affirmations are in the affirmation list. Every change is written
// to the index at once; a change that cannot be written leaves the rows and files as they were.
class CategoryIndex : public RowModel {
    Q_OBJECT
public:
    CategoryIndex(CategoryStore& store, AffirmationList& affirmations, QObject* parent = nullptr);

    // Reads the index (or, before there is one, the library folder), chooses the first
    // category and writes the index back as listed.
    Outcome load();
    // The category's affirmations are read again and shown.
    Outcome choose(int row);
    // Marks the row chosen without reading it yet (a click shows it when it ends).
    void select(int row) { setSelected(row); }
    // The name as typed: a listed name is chosen, not made again; any other is created, ticked
    // and chosen.
    Outcome create(const QString& typed);
    // A new category of these rows, under the name or, when that is taken, the first free
    // "name (2)"; it is chosen. *created is set to the name it got.
    Outcome createFilled(const QString& name, const QList<Row>& rows, QString* created = nullptr);
    // The chosen category goes, its file to the Trash.
    Outcome removeSelected();
    // Puts a deleted category back at its place with its tick and its file, under its name or,
    // when that is taken again, the first free "name (2)"; it is chosen. *restoredName is set to
    // the name it came back under.
    Outcome restore(const DeletedCategory& deleted, QString* restoredName = nullptr);
    // The row of exactly this name, -1 when none is listed.
    int rowNamed(const QString& name) const;
    // Reads the index again after another program changed the library folder: a category file
    // that came is listed at the end, ticked, one that went is no longer listed, and the chosen
    // category stays chosen while it is listed. Whether the rows changed.
    bool reread(Outcome& outcome);

signals:
    void categoryDeleted(const vellumora::DeletedCategory& deleted);

private:
    // The row of a category of this name, -1 when none is listed.
    int listedRow(const QString& name) const;
    // The name, or the first "name (2)" that no category has, nor a file in the folder when
    // files count; in any letter case.
    QString freeName(const QString& name, bool filesCount) const;
    Outcome write(const QList<Row>& rows) override;
    QList<Row> usableRows(const QList<Row>& read, Outcome& outcome) const;
    Outcome roomForOneMore() const;

    CategoryStore& m_store;
    AffirmationList& m_affirmations;
    // An index that exists but cannot be read must not be overwritten from an empty list.
    ReadGuard m_index { true };
    // The category files in the folder when it was last looked at.
    QSet<QString> m_files;
};

} // namespace vellumora
