#include "affirmations/RowModel.h"

#include "widgets/ShownText.h"

namespace vellumora {

RowModel::RowModel(QString caption, QObject* parent)
    : QAbstractListModel(parent)
    , m_caption(std::move(caption))
{
}

int RowModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant RowModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !isRow(index.row())) {
        return {};
    }
    const Row& row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // The tip shows what the column's width cuts off.
        return shownText(row.text);
    case Qt::CheckStateRole:
        return row.ticked ? Qt::Checked : Qt::Unchecked;
    default:
        return {};
    }
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole ? QVariant(m_caption)
                                                                                    : QVariant();
}

Qt::ItemFlags RowModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable
                           : Qt::NoItemFlags;
}

bool RowModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int row = index.row();
    if (role != Qt::CheckStateRole || !isRow(row)
        || (value.toInt() == Qt::Checked) == m_rows.at(row).ticked) {
        return false;
    }
    Row changed = m_rows.at(row);
    changed.ticked = !changed.ticked;
    QList<Row> next = m_rows;
    next[row] = changed;
    // The file first: a tick that cannot be written stays as it was.
    if (Outcome written = write(next); !written) {
        emit tickRefused(written);
        return false;
    }
    replaceRow(row, changed);
    return true;
}

void RowModel::resetRows(QList<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_selected = -1;
    endResetModel();
}

void RowModel::insertRow(int row, const Row& value)
{
    beginInsertRows({}, row, row);
    m_rows.insert(row, value);
    endInsertRows();
    if (m_selected >= row) {
        ++m_selected;
    }
}

void RowModel::appendRows(const QList<Row>& rows)
{
    if (rows.isEmpty()) {
        return;
    }
    // One insertion for them all: a view told of each row apart would lay itself out each time.
    beginInsertRows({}, int(m_rows.size()), int(m_rows.size() + rows.size()) - 1);
    m_rows += rows;
    endInsertRows();
}

void RowModel::replaceRow(int row, const Row& value)
{
    m_rows[row] = value;
    emit dataChanged(index(row), index(row));
}

void RowModel::removeRow(int row)
{
    beginRemoveRows({}, row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    if (m_selected >= row) {
        m_selected = m_selected == row ? -1 : m_selected - 1;
    }
}

void RowModel::setSelected(int row)
{
    m_selected = isRow(row) ? row : -1;
    emit selectedChanged(m_selected);
}

} // namespace vellumora
