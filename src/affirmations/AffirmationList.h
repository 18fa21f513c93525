#pragma once

#include "affirmations/RowModel.h"

#include <QIcon>

namespace vellumora {

// An affirmation taken out of its category: its row and its place there.
struct DeletedAffirmation {
    QString category;
    Row row;
    int place = 0;
    // The file's, so the row comes back in its own bytes.
    TextEncoding encoding = TextEncoding::Utf8;
    // Its recording, taken along to the Trash.
    TrashedFile recording;
};

// A recording removed on its own.
struct DeletedRecording {
    QString category;
    QString text;
    TrashedFile file;
};

// The affirmations of the category chosen in the index, with the editor that adds, edits and
// deletes them. Every change is written to the category's file at once; a change that cannot
// be written leaves the rows as they were. The file is rewritten in the encoding it was read in.
class AffirmationList : public RowModel {
    Q_OBJECT
public:
    // Idle: the add button starts composing. Composing: the field holds a new affirmation and
    // the add button stores it.
    enum class Editor { Idle, Composing };

    // Whether the row's affirmation has a recording (bool).
    static constexpr int RecordedRole = Qt::UserRole + 1;

    explicit AffirmationList(const CategoryStore& store, QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role) const override;
    // What marks a recorded affirmation in a view.
    void setRecordingMark(const QIcon& mark) { m_mark = mark; }

    // Reads the category's file; its first affirmation is chosen.
    Outcome show(const QString& category);
    // No category is chosen any more.
    void clear();
    // Reads the category's file again after another program changed the library folder. The
    // chosen affirmation stays chosen while it is there, and the text being typed stays. Whether
    // the rows changed.
    bool reread(Outcome& outcome);

    // The category whose affirmations these are; empty when none is chosen.
    const QString& category() const { return m_category; }
    // A category is shown and its file could be read, so affirmations can be added to it.
    bool categoryRead() const { return m_file.wasRead(); }

    Outcome pressAdd(const QString& fieldText);
    // Adds the rows after the last, writing the file once; the first is chosen in a list that
    // was empty.
    Outcome appendRows(const QList<Row>& added);
    // Composing ends without storing anything; the chosen affirmation, if any, is offered again.
    void cancelComposing();
    Outcome editSelected(const QString& fieldText);
    Outcome removeSelected();
    // Puts a deleted affirmation of the category shown back at its place, tick and all; it is
    // chosen.
    Outcome restore(const DeletedAffirmation& deleted);
    // A click on a row: its text goes to the field and editing is offered.
    void choose(int row);
    // The selection moved without a click (the keyboard).
    void select(int row) { setSelected(row); }

    const Recordings& recordings() const { return m_store.recordings(); }
    bool hasRecording(int row) const { return isRow(row) && m_recorded.value(row); }
    // Looks again which affirmations have recordings: files come and go outside the program.
    void refreshRecordings();
    // The chosen affirmation's recording goes to the Trash.
    Outcome removeRecording();
    Outcome restoreRecording(const DeletedRecording& deleted);

    Editor editor() const { return m_editor; }
    bool canAdd() const { return m_canAdd; }
    bool canEdit() const { return m_canEdit; }
    bool canDelete() const { return m_canDelete; }

signals:
    // The editor's state or a button's availability changed.
    void editorChanged();
    // The text field is to show this text.
    void fieldTextSet(const QString& text);
    void affirmationDeleted(const vellumora::DeletedAffirmation& deleted);
    void recordingDeleted(const vellumora::DeletedRecording& deleted);

private:
    Outcome writable() const;
    Outcome roomForOneMore() const;
    Outcome write(const QList<Row>& rows) override;
    void setEditor(Editor editor, bool canAdd, bool canEdit, bool canDelete);

    bool sharedText(int row) const;

    const CategoryStore& m_store;
    QString m_category;
    QList<bool> m_recorded;
    QIcon m_mark;
    TextEncoding m_encoding = TextEncoding::Utf8;
    ReadGuard m_file { false };
    Editor m_editor = Editor::Idle;
    bool m_canAdd = true;
    bool m_canEdit = true;
    bool m_canDelete = true;
};

} // namespace vellumora
