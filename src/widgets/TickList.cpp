#include "widgets/TickList.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

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

int TickList::tickBoxAt(const QPoint& position) const
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid()) {
        return -1;
    }
    QStyleOptionViewItem option;
    option.initFrom(viewport());
    option.rect = visualRect(index);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(position) ? index.row() : -1;
}

void TickList::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Space || event->key() == Qt::Key_Select) && currentIndex().isValid()) {
        emit tickClicked(currentIndex().row());
        return;
    }
    QTreeView::keyPressEvent(event);
}

void TickList::mousePressEvent(QMouseEvent* event)
{
    m_clicking = true;
    m_pressedBox = event->button() == Qt::LeftButton ? tickBoxAt(event->position().toPoint()) : -1;
    if (m_pressedBox < 0) {
        QTreeView::mousePressEvent(event);
    }
}

void TickList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click on a tick box is two clicks on it.
    mousePressEvent(event);
}

void TickList::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressedBox >= 0) {
        const int row = m_pressedBox;
        m_pressedBox = -1;
        if (tickBoxAt(event->position().toPoint()) == row) {
            emit tickClicked(row);
        }
    } else {
        QTreeView::mouseReleaseEvent(event);
    }
    m_clicking = false;
    emit clickedAnywhere();
}

} // namespace vellumora
