#pragma once

#include "affirmations/AffirmationList.h"
#include "affirmations/CategoryIndex.h"
#include "images/PictureLibrary.h"

#include <QObject>
#include <variant>

namespace vellumora {

// The deletes of this session, latest last, so that a slip can be undone: each undo brings the
// latest back at its place, tick, file and all. An undo that cannot be written is told and stays
// to be tried again; one whose file has left the Trash is told and forgotten.
class DeleteHistory : public QObject {
    Q_OBJECT
public:
    // Deletes kept; older ones are forgotten, their files stay in the Trash.
    static constexpr int kKept = 100;
    // The two halves of the library, each with a panel of its own.
    enum class Part { Affirmations, Pictures };

    DeleteHistory(CategoryIndex& categories, AffirmationList& affirmations, PictureLibrary& pictures,
        QObject* parent = nullptr);

    bool canUndo() const { return !m_deletes.isEmpty(); }
    // What the next undo brings back, as the user would name it: the category "Joy".
    QString nextUndo() const;
    Outcome undo();
    // Nothing can be undone any more: the library moved, and its deletes would come back to
    // the folder it left.
    void forget();

signals:
    void changed();
    // Something came back in this library: its panel is the one to show.
    void restoredIn(vellumora::DeleteHistory::Part part);

private:
    using Delete = std::variant<DeletedCategory, DeletedAffirmation, DeletedPicture, DeletedRecording>;

    void remember(Delete deleted);
    QString describe(const Delete& deleted) const;
    Outcome restore(const Delete& deleted);

    CategoryIndex& m_categories;
    AffirmationList& m_affirmations;
    PictureLibrary& m_pictures;
    QList<Delete> m_deletes;
};

} // namespace vellumora
