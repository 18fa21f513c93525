#pragma once

#include "images/PictureStore.h"
#include "platform/Outcome.h"

#include <QAbstractListModel>

namespace vellumora {

// The picture library: the stored names in record order, as a one-column list. Adding copies
// the chosen file in and then writes the record; deleting writes the record and then deletes
// the copy. A change that cannot be written leaves the rows, the record and the copies as
// they were.
class PictureLibrary : public QAbstractListModel {
    Q_OBJECT
public:
    explicit PictureLibrary(QString applicationFolder, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Outcome load();
    // Whether the record may be written: asked before a picture is chosen.
    Outcome changeable() const;
    Outcome add(const QString& chosenPath);
    Outcome remove(int row);

    int count() const { return int(m_names.size()); }
    // Where each picture is stored, in order; empty for a name that is no file name.
    QList<NativePath> paths() const;

private:
    Outcome writeRecord(const QStringList& names);

    PictureStore m_store;
    QStringList m_names;
    // A record file that exists but cannot be read must not be overwritten from an empty list.
    bool m_recordReadable = true;
};

} // namespace vellumora
