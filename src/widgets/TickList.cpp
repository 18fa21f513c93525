#include "widgets/TickList.h"

namespace vellumora {

TickList::TickList(const char* name, QAbstractItemModel& rows, QWidget* parent)
    : RowList(rows, parent)
{
    setObjectName(QLatin1String(name));
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_selecting) {
            emit selectionMoved(selectedRow(), m_clicking);
        }
    });
    // The delegate takes a press on a tick box before the view tells of it, so a press told
    // is one on the row itself.
    connect(this, &QAbstractItemView::pressed, this,
        [this](const QModelIndex& index) { m_pressedRow = index.row(); });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.row() == m_pressedRow) {
            emit rowClicked(index.row());
        }
    });
}

int TickList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

void TickList::selectRow(int row)
{
    m_selecting = true;
    const QModelIndex index = model()->index(row, 0);
    if (index.isValid()) {
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    } else {
        selectionModel()->clear();
    }
    m_selecting = false;
}

void TickList::mousePressEvent(QMouseEvent* event)
{
    m_clicking = true;
    m_pressedRow = -1;
    RowList::mousePressEvent(event);
}

void TickList::mouseReleaseEvent(QMouseEvent* event)
{
    RowList::mouseReleaseEvent(event);
    m_clicking = false;
    emit clickedAnywhere();
}

} // namespace vellumora
