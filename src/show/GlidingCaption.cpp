#include "show/GlidingCaption.h"

#include "widgets/Twips.h"

#include <QBackingStore>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace vellumora {

GlidingCaption::GlidingCaption(QWidget* strip)
    : QWidget(strip)
    , m_top(twipsToPixels(120))
{
    // Opaque, so nothing behind it is drawn when it is.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(strip->rect());
}

void GlidingCaption::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    draw();
}

void GlidingCaption::setFontAndColour(const QFont& font, const QColor& colour)
{
    setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    setPalette(colours);
    draw();
}

void GlidingCaption::setLeft(int left)
{
    if (left == m_left) {
        return;
    }
    const QRect before = inked();
    m_left = left;
    if (drawOnServer()) {
        return;
    }
    // While a paint of the caption is due, what the store holds of it is stale: moving it would
    // carry the stale pixels out of the area that paint is to cover.
    if (m_paintDue || !drawNow(before, left - before.left())) {
        repaintLater(before | inked());
    }
}

void GlidingCaption::repaintLater(const QRect& area)
{
    m_paintDue = true;
    update(area);
}

void GlidingCaption::setTop(int top)
{
    const QRect before = inked();
    m_top = top;
    repaintLater(before | inked());
    drawOnServer();
}

void GlidingCaption::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        m_laid = QImage();
        drawOnServer();
    }
}

void GlidingCaption::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_paintDue) {
        update();
    }
    // Once the widgets shown with it are: one may lie over the strip.
    QMetaObject::invokeMethod(
        this, [this] { drawOnServer(); }, Qt::QueuedConnection);
}

void GlidingCaption::hideEvent(QHideEvent* event)
{
    // Hidden, nothing is painted now: shown again, the window paints the caption whole.
    leaveServer();
    QWidget::hideEvent(event);
}

void GlidingCaption::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // Qt paints every area asked for in one pass into the store; a grab paints elsewhere.
    QBackingStore* store = window()->backingStore();
    if (store && painter.paintEngine()->paintDevice() == store->paintDevice()) {
        m_paintDue = false;
    }
    paintInto(painter, event->rect());
}

void GlidingCaption::paintInto(QPainter& painter, const QRect& area) const
{
    painter.fillRect(area, palette().brush(QPalette::Window));
    painter.drawPixmap(m_left, m_top, m_drawn);
}

bool GlidingCaption::drawNow(const QRect& before, int dx)
{
    // Only where a paint event would have drawn the same: a shown, exposed window whose backing
    // store is already its size. Anything else waits for Qt's own repaint.
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    QBackingStore* store = top->backingStore();
    if (!isVisible() || !updatesEnabled() || !handle || !handle->isExposed() || !store
        || store->size() != top->size()) {
        return false;
    }
    const QRect changed = (before | inked()) & rect();
    // Less whatever lies over the strip, such as the music strip's top row.
    const bool whole = openPart(changed) == changed;
    const QRegion shown = whole ? QRegion(changed) : visibleRegion() & changed;
    const QPoint offset = mapTo(top, QPoint());
    QRegion redrawn = shown;
    // The text is moved where it is, when nothing covers it and the store can move whole pixels
    // (at a fractional scale it cannot); what it uncovers is all that is drawn.
    const QRect kept = before & rect() & rect().translated(-dx, 0);
    if (whole && !kept.isEmpty() && store->scroll(kept.translated(offset), dx, 0)) {
        redrawn -= kept.translated(dx, 0);
    }
    if (!redrawn.isEmpty()) {
        const QRegion area = redrawn.translated(offset);
        store->beginPaint(area);
        if (!copyInto(store->paintDevice(), area, offset)) {
            QPainter painter(store->paintDevice());
            painter.setClipRegion(area);
            painter.translate(offset);
            paintInto(painter, redrawn.boundingRect());
        }
        store->endPaint();
    }
    store->flush(shown.translated(offset), handle);
    return true;
}

QRect GlidingCaption::openPart(const QRect& area) const
{
    // The usual cases told without visibleRegion(), whose region arithmetic showed in the glide's
    // cost: the area as its parents clip it, less bands of its whole width at its top or bottom
    // that widgets stacked above lie over, as the music strip's top row lies over the caption's
    // strip. Anything else, a widget over part of the area's width included, gives no rectangle.
    QRect open = area;
    QPoint offset;
    for (const QWidget* widget = this; !widget->isWindow(); widget = widget->parentWidget()) {
        const QWidget* parent = widget->parentWidget();
        offset += widget->pos();
        QRect mapped = open.translated(offset) & parent->rect();
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(widget)) + 1; i < siblings.size(); ++i) {
            const QObject* sibling = siblings.at(i);
            if (!sibling->isWidgetType()) {
                continue;
            }
            const auto* over = static_cast<const QWidget*>(sibling);
            const QRect cover = over->geometry() & mapped;
            if (over->isWindow() || !over->isVisible() || cover.isEmpty()) {
                continue;
            }
            if (cover.left() != mapped.left() || cover.right() != mapped.right()) {
                return {};
            }
            if (cover.top() == mapped.top()) {
                mapped.setTop(cover.bottom() + 1);
            } else if (cover.bottom() == mapped.bottom()) {
                mapped.setBottom(cover.top() - 1);
            } else {
                return {};
            }
        }
        if (mapped.isEmpty()) {
            return {};
        }
        open = mapped.translated(-offset);
    }
    return open;
}

bool GlidingCaption::lay(QImage::Format format, qreal ratio)
{
    // Laid again only when the text, its colours or the format change: even reading the palette
    // showed in the glide's cost.
    if (!m_laid.isNull() && m_laid.format() == format && m_laid.devicePixelRatio() == ratio) {
        return true;
    }
    const QBrush& background = palette().brush(QPalette::Window);
    if (background.style() != Qt::SolidPattern || m_drawn.devicePixelRatio() != ratio) {
        return false;
    }
    m_laid = QImage(m_drawn.size(), format);
    m_laid.setDevicePixelRatio(ratio);
    m_laid.fill(background.color());
    QPainter(&m_laid).drawPixmap(0, 0, m_drawn);
    QImage dot(1, 1, format);
    dot.fill(background.color());
    m_laidBackground = *reinterpret_cast<const quint32*>(dot.constScanLine(0));
    m_laidColour = background.color().rgb();
    return true;
}

bool GlidingCaption::copyInto(QPaintDevice* device, const QRegion& area, const QPoint& offset)
{
    // A painter costs more to set up than the handful of columns it would draw: they are copied
    // from the text already laid on the strip's colour, in the store's own pixel format.
    if (device->devType() != QInternal::Image) {
        return false;
    }
    auto* target = static_cast<QImage*>(device);
    const qreal ratio = target->devicePixelRatio();
    const int scale = qRound(ratio);
    if (target->depth() != 32 || scale != ratio || !lay(target->format(), ratio)) {
        return false;
    }
    const QRect text(QPoint(m_left, m_top) * scale + offset * scale, m_laid.size());
    uchar* bits = target->bits();
    const qsizetype stride = target->bytesPerLine();
    for (const QRect& logical : area) {
        const QRect rect = QRect(logical.topLeft() * scale, logical.size() * scale) & target->rect();
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            auto* line = reinterpret_cast<quint32*>(bits + y * stride);
            std::fill(line + rect.left(), line + rect.right() + 1, m_laidBackground);
            const QRect span = QRect(rect.left(), y, rect.width(), 1) & text;
            if (!span.isEmpty()) {
                const auto* from = reinterpret_cast<const quint32*>(m_laid.constScanLine(y - text.top()));
                std::copy_n(from + (span.left() - text.left()), span.width(), line + span.left());
            }
        }
    }
    return true;
}

bool GlidingCaption::drawOnServer()
{
    if (!m_server.available()) {
        return false;
    }
    // As drawNow: only where the server shows what a paint would, over whole pixels.
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    const qreal ratio = handle ? handle->devicePixelRatio() : 1.0;
    const int scale = qRound(ratio);
    const QRect open
        = isVisible() && handle && handle->handle() && scale == ratio ? openPart(rect()) : QRect();
    if (!open.isEmpty() && lay(QImage::Format_RGB32, ratio)
        && m_server.place(handle, QRect(mapTo(top, open.topLeft()) * scale, open.size() * scale),
            m_laidColour, m_laid, (QPoint(m_left, m_top) - open.topLeft()) * scale)) {
        m_onServer = true;
        return true;
    }
    leaveServer();
    return false;
}

void GlidingCaption::leaveServer()
{
    if (!m_onServer) {
        return;
    }
    m_onServer = false;
    // The store holds the caption from before the server drew it: painted now, it is what the
    // window shows once the server's strip is gone.
    m_paintDue = true;
    repaint();
    m_server.hide();
}

void GlidingCaption::draw()
{
    // Drawn once an affirmation into a picture that the glide then only places: laying the text
    // out again at every frame cost more than all the rest of the show.
    const QRect before = inked();
    const QFontMetrics metrics(font());
    const QSize size(std::max(1, metrics.horizontalAdvance(m_text)), metrics.height());
    const qreal ratio = devicePixelRatioF();
    m_drawnSize = size;
    m_laid = QImage();
    m_drawn = QPixmap((QSizeF(size) * ratio).toSize());
    m_drawn.setDevicePixelRatio(ratio);
    m_drawn.fill(Qt::transparent);
    QPainter painter(&m_drawn);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(), size), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    painter.end();
    repaintLater(before | inked());
    drawOnServer();
}

} // namespace vellumora
