#include "widgets/RowList.h"

namespace vellumora {

RowList::RowList(QAbstractItemModel& rows, QWidget* parent)
    : QTreeView(parent)
{
    setModel(&rows);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

} // namespace vellumora
