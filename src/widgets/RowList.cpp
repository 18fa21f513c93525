#include "widgets/RowList.h"

#include "widgets/Look.h"

#include <QPainter>

namespace vellumora {

RowList::RowList(QAbstractItemModel& rows, QWidget* parent)
    : QTreeView(parent)
{
    setModel(&rows);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The hint comes and goes with the rows, which a view repaints only where they are.
    const auto repaint = [this] { viewport()->update(); };
    connect(&rows, &QAbstractItemModel::rowsInserted, this, repaint);
    connect(&rows, &QAbstractItemModel::rowsRemoved, this, repaint);
    connect(&rows, &QAbstractItemModel::modelReset, this, repaint);
}

void RowList::setPlaceholderText(const QString& text)
{
    if (text != m_placeholder) {
        m_placeholder = text;
        viewport()->update();
    }
}

void RowList::paintEvent(QPaintEvent* event)
{
    QTreeView::paintEvent(event);
    if (model() && model()->rowCount(rootIndex()) == 0) {
        QPainter painter(viewport());
        paintPlaceholder(painter, viewport(), viewport()->rect(), m_placeholder);
    }
}

} // namespace vellumora
