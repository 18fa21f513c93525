#pragma once

#include "affirmations/CategoryStore.h"
#include "platform/Outcome.h"

#include <QAbstractListModel>

namespace vellumora {

// A list of rows with ticks, as a list view shows it: each row's text shortened (see
// shownText) and its tick as a check state; the whole texts are in rows(). A view's tick box
// changes a tick through setData; everything else the owner changes through the library's
// rules. One row at most is selected: the one the library's buttons act on.
class RowModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit RowModel(QString caption, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A tick (Qt::CheckStateRole) that cannot be written is refused, and tickRefused tells why.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const QList<Row>& rows() const { return m_rows; }
    // -1 when none is.
    int selected() const { return m_selected; }

signals:
    // The library moved the selection itself (after a load, an addition or a deletion).
    void selectedChanged(int row);
    void tickRefused(const vellumora::Outcome& why);

protected:
    // Writes the rows to the file the list lives in; a refusal leaves the file as it was.
    virtual Outcome write(const QList<Row>& rows) = 0;
    void resetRows(QList<Row> rows);
    void appendRow(const Row& row) { insertRow(int(m_rows.size()), row); }
    void appendRows(const QList<Row>& rows);
    void insertRow(int row, const Row& value);
    void replaceRow(int row, const Row& value);
    void removeRow(int row);
    void setSelected(int row);
    bool isRow(int row) const { return row >= 0 && row < m_rows.size(); }

private:
    QString m_caption;
    QList<Row> m_rows;
    int m_selected = -1;
};

} // namespace vellumora
