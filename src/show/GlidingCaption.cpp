#include "show/GlidingCaption.h"

#include "widgets/Twips.h"

#include <QPainter>

namespace vellumora {

namespace {

// The text as a picture on the strip's colour, which is what makes it opaque and so moved by a
// copy rather than drawn again.
class Ink : public QWidget {
public:
    explicit Ink(QWidget* parent)
        : QWidget(parent)
    {
        setAutoFillBackground(true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    QPixmap drawn;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawPixmap(0, 0, drawn); }
};

} // namespace

GlidingCaption::GlidingCaption(QWidget* strip)
    : QWidget(strip)
    , m_ink(new Ink(this))
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
    m_left = left;
    m_ink->move(m_left, m_top);
}

void GlidingCaption::setTop(int top)
{
    m_top = top;
    m_ink->move(m_left, m_top);
}

void GlidingCaption::draw()
{
    // Drawn once an affirmation into a picture that the glide then only moves: laying the text
    // out again at every frame cost more than all the rest of the show.
    const QFontMetrics metrics(font());
    const QSize size(std::max(1, metrics.horizontalAdvance(m_text)), metrics.height());
    const qreal ratio = devicePixelRatioF();
    QPixmap& drawn = static_cast<Ink*>(m_ink)->drawn;
    drawn = QPixmap((QSizeF(size) * ratio).toSize());
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(QPoint(), size), Qt::AlignLeft | Qt::AlignVCenter, m_text);
    painter.end();
    m_ink->setGeometry(QRect(QPoint(m_left, m_top), size));
    m_ink->update();
}

} // namespace vellumora
