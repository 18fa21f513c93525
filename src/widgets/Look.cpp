#include "widgets/Look.h"

#include <QWidget>

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

} // namespace vellumora
