#include "widgets/Look.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace vellumora {

QFont verdana(qreal points, bool bold)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    // A fixed background takes a text colour that stands out on it, whatever the desktop's
    // palette: light text of a dark theme on the light blue would be unreadable.
    const QColor text = colour.lightness() >= 128 ? Qt::black : Qt::white;
    switch (role) {
    case QPalette::Window:
        palette.setColor(QPalette::WindowText, text);
        break;
    case QPalette::Base:
        palette.setColor(QPalette::Text, text);
        break;
    case QPalette::Button:
        palette.setColor(QPalette::ButtonText, text);
        break;
    default:
        break;
    }
    widget->setPalette(palette);
    if (role == QPalette::Window) {
        widget->setAutoFillBackground(true);
    }
}

namespace {

// Its text in the palette's link colour, underlined with the pointing hand while the pointer is
// over the text; a click on the text follows it. Plain text that it
// draws itself: a rich text link loses the pointer's hand when its text is set again.
class LinkLabel : public QLabel {
public:
    LinkLabel(const QString& text, QWidget* parent)
        : QLabel(text, parent)
    {
        setTextFormat(Qt::PlainText);
        setForegroundRole(QPalette::Link);
        setMouseTracking(true);
    }

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        setHovered(onText(event->position().toPoint()));
        QLabel::mouseMoveEvent(event);
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressed = event->button() == Qt::LeftButton && onText(event->position().toPoint());
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool followed
            = m_pressed && event->button() == Qt::LeftButton && onText(event->position().toPoint());
        m_pressed = false;
        QLabel::mouseReleaseEvent(event);
        if (followed) {
            emit linkActivated(QString());
        }
    }
    void leaveEvent(QEvent* event) override
    {
        setHovered(false);
        QLabel::leaveEvent(event);
    }
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        // Tab has reached it: a focus frame, as round a button.
        if (hasFocus()) {
            QStylePainter painter(this);
            QStyleOptionFocusRect frame;
            frame.initFrom(this);
            frame.rect = textRect().adjusted(-2, 0, 2, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
        }
    }

private:
    QRect textRect() const
    {
        const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
        return style()->itemTextRect(fontMetrics(), area, int(alignment()), isEnabled(), text());
    }
    bool onText(const QPoint& at) const { return textRect().contains(at); }
    void setHovered(bool hovered)
    {
        if (hovered == m_hovered) {
            return;
        }
        m_hovered = hovered;
        if (hovered) {
            setCursor(Qt::PointingHandCursor);
        } else {
            unsetCursor();
        }
        // Only the underline is the label's own; face and size still come from the window.
        QFont underlined = font();
        underlined.setUnderline(hovered);
        setFont(underlined);
    }

    bool m_hovered = false;
    bool m_pressed = false;
};

} // namespace

QLabel* linkLabel(const QString& text, const char* name, QWidget* parent)
{
    QLabel* label = new LinkLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    // One stop for Tab, as a button is. A click does not take the focus, so Enter afterwards
    // still goes to the window's default button instead of following the link again.
    label->setFocusPolicy(Qt::TabFocus);
    for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space }) {
        new QShortcut(
            key, label, [label] { emit label->linkActivated(QString()); }, Qt::WidgetShortcut);
    }
    return label;
}

void paintPlaceholder(QPainter& painter, const QWidget* view, const QRect& area, const QString& text)
{
    if (text.isEmpty()) {
        return;
    }
    painter.setPen(view->palette().color(QPalette::PlaceholderText));
    const int margin = view->fontMetrics().averageCharWidth();
    painter.drawText(
        area.adjusted(margin, margin, -margin, -margin), Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace vellumora
