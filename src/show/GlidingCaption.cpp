#include "show/GlidingCaption.h"

#include "widgets/Twips.h"

#include <QPainter>

namespace vellumora {

GlidingCaption::GlidingCaption(QWidget* strip)
    : QWidget(strip)
    , m_top(twipsToPixels(120))
{
    // The strip's own colour is painted beneath: nothing behind needs drawing at each step.
    setAutoFillBackground(true);
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
    const QRect before = textRect();
    m_left = left;
    update(before.united(textRect()));
}

void GlidingCaption::setTop(int top)
{
    m_top = top;
    update();
}

void GlidingCaption::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(textRect().topLeft(), m_drawn);
}

void GlidingCaption::draw()
{
    // Drawn once an affirmation into a picture that the glide then only moves: laying the text
    // out again at every frame cost more than all the rest of the show.
    const QFontMetrics metrics(font());
    const QSize size(std::max(1, metrics.horizontalAdvance(m_text)), metrics.height());
    const qreal ratio = devicePixelRatioF();
    const QRect before = m_drawn.isNull() ? QRect() : textRect();
    m_drawn = QPixmap((QSizeF(size) * ratio).toSize());
    m_drawn.setDevicePixelRatio(ratio);
    m_drawn.fill(Qt::transparent);
    QPainter painter(&m_drawn);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(), size), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    painter.end();
    update(before.united(textRect()));
}

} // namespace vellumora
