#include "widgets/Look.h"

#include <QLabel>
#include <QPainter>
#include <QShortcut>

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

QLabel* linkLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label
        = new QLabel(QStringLiteral("<a href=\"#\" style=\"color: %1; text-decoration: none\">%2</a>")
                         .arg(parent->palette().color(QPalette::WindowText).name(), text.toHtmlEscaped()),
            parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // One stop for Tab, as a button is: Qt's keyboard access to links would stop at the label,
    // then again at its link.
    label->setFocusPolicy(Qt::StrongFocus);
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
