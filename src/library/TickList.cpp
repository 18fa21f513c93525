#include "library/TickList.h"

#include "library/LibraryLook.h"
#include "platform/ShownText.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace vellumora {

TickList::TickList(const char* name, const QString& column, QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QLatin1String(name));
    setColumnCount(1);
    setHeaderLabels({ column });
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    styleLibraryEntry(this);
}

namespace {

constexpr int kWholeTextRole = Qt::UserRole;

} // namespace

void TickList::appendRow(const QString& text, bool ticked)
{
    const QSignalBlocker quiet(this);
    auto* item = new QTreeWidgetItem;
    setText(item, text);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    addTopLevelItem(item);
}

bool TickList::isTicked(int row) const
{
    return topLevelItem(row)->checkState(0) == Qt::Checked;
}

QString TickList::rowText(int row) const
{
    return textOf(topLevelItem(row));
}

QString TickList::textOf(const QTreeWidgetItem* item)
{
    return item->data(0, kWholeTextRole).toString();
}

void TickList::setText(QTreeWidgetItem* item, const QString& text)
{
    const QSignalBlocker quiet(this);
    item->setData(0, kWholeTextRole, text);
    item->setText(0, shownText(text));
}

QTreeWidgetItem* TickList::tickBoxAt(const QPoint& position) const
{
    QTreeWidgetItem* item = itemAt(position);
    if (!item) {
        return nullptr;
    }
    QStyleOptionViewItem option;
    option.initFrom(viewport());
    option.rect = visualItemRect(item);
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box = style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    return box.contains(position) ? item : nullptr;
}

void TickList::mousePressEvent(QMouseEvent* event)
{
    m_pressedBox = event->button() == Qt::LeftButton ? tickBoxAt(event->position().toPoint()) : nullptr;
    if (!m_pressedBox) {
        QTreeWidget::mousePressEvent(event);
    }
}

void TickList::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click on a tick box is two clicks on it.
    mousePressEvent(event);
}

void TickList::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pressedBox) {
        QTreeWidgetItem* item = m_pressedBox;
        m_pressedBox = nullptr;
        if (tickBoxAt(event->position().toPoint()) == item) {
            item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        }
    } else {
        QTreeWidget::mouseReleaseEvent(event);
    }
    emit clickedAnywhere();
}

} // namespace vellumora
