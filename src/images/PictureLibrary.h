#pragma once

#include "images/PictureStore.h"
#include "platform/Outcome.h"
#include "storage/WorkProgress.h"

#include <QAbstractListModel>
#include <QHash>

namespace vellumora {

// A picture taken out of the library: its name, its place in the list and its stored copy.
struct DeletedPicture {
    QString name;
    int place = 0;
    TrashedFile file;
};

// The picture library: the stored names in record order, as a one-column list. Adding reads the
// picture's header, copies it in and then writes the record; deleting writes the record and then
// moves the copy to the Trash. A change that cannot be written leaves the rows, the record and
// the copies as they were.
class PictureLibrary : public QAbstractListModel {
    Q_OBJECT
public:
    // homeTrash: where deleted copies go (see PictureStore).
    explicit PictureLibrary(QString applicationFolder, NativePath homeTrash = {}, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Outcome load();
    // The library is kept in this folder from now on; nothing is read until load.
    void setFolder(const QString& applicationFolder) { m_store.setFolder(applicationFolder); }
    // Whether the record may be written: asked before a picture is chosen.
    Outcome changeable() const;
    // A picture of a name already listed is refused when it is the same file, and otherwise
    // stored under the first free name "name (2).ext".
    Outcome add(const QString& chosenPath);

    // Many pictures at once, in two steps. Those stored, and why the others were not.
    struct Refusal {
        QString path;
        QString reason;
    };
    struct StoredPictures {
        QStringList names;
        QList<Refusal> refused;
        bool cancelled = false;
    };
    // Copies the pictures into the store as add does, without listing them: it changes neither
    // the rows nor the record, so it may run on a thread of its own while the rows stay as they
    // are (see holdChanges). Cancelled, it takes its copies out again.
    StoredPictures store(const QStringList& chosenPaths, WorkProgress& progress) const;
    // Lists what store copied in, with one write of the record; a record that cannot be written
    // takes the copies out again.
    Outcome list(const StoredPictures& stored);
    // Both steps, the first on a thread of its own with its progress shown and Cancel offered,
    // while changes on disk wait; the refused pictures are told in one message.
    Outcome addMany(Platform& platform, const QStringList& chosenPaths);
    // Long work on the store begins or ends: changes on disk wait meanwhile.
    void holdChanges(bool hold) { emit changesHeld(hold); }
    Outcome remove(int row);
    // Puts a deleted picture back at its place, under its name or, when that is taken again,
    // the first free numbered one.
    Outcome restore(const DeletedPicture& deleted);

    // Looks at the store again after another program changed it: a picture file that came is
    // listed at the end and one that went is no longer listed (both written to the record), the
    // record is read again, and pictures written over are announced. Whether the rows changed.
    bool reread(Outcome& outcome);

    int count() const { return int(m_names.size()); }
    // The pictures' names as the record lists them.
    const QStringList& names() const { return m_names; }
    // Where each picture is stored, in order; empty for a name that is no file name.
    QList<NativePath> paths() const;

signals:
    void pictureDeleted(const vellumora::DeletedPicture& deleted);
    // These pictures' files were written over: what was made from them is stale.
    void picturesRewritten(const QList<vellumora::NativePath>& paths);
    void changesHeld(bool hold);

private:
    // The store's picture files with their sizes and times.
    QHash<QByteArray, NativeFileInfo> look() const;
    Outcome writeRecord(const QStringList& names);
    // The name the chosen file is stored under, beside the library's and the taken ones; nothing
    // when that very picture is in the library or among the taken.
    std::optional<QString> freeName(const QString& chosenPath, const QStringList& alsoTaken = {}) const;
    // Stores one picture under a free name; why not, for the user, when it cannot.
    QString storeOne(const QString& chosenPath, const QStringList& taken, QString* name) const;

    PictureStore m_store;
    QStringList m_names;
    // A record file that exists but cannot be read must not be overwritten from an empty list.
    ReadGuard m_record { true };
    // The store as it was last looked at.
    QHash<QByteArray, NativeFileInfo> m_files;
};

} // namespace vellumora
