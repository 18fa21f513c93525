#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

class QLabel;
class QPainter;
class QWidget;

namespace vellumora {

// The light blue of the picture holder, the library frames and the slideshow's strips.
inline const QColor kLightBlue(192, 192, 255);

// The program's typeface at a size in points.
QFont verdana(qreal points, bool bold = false);

// Gives one colour role of the widget's palette; a window colour also fills its background. A
// background role brings its text role along, black or white, whichever stands out on it.
void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// A label whose text is a link, followed with a click, or with Enter or Space once Tab reaches
// it; linkActivated tells. It looks like a link: the palette's link colour, underlined, with
// the pointing hand, while the pointer is over it.
QLabel* linkLabel(const QString& text, const char* name, QWidget* parent);

// Draws a hint in an empty view's area, wrapped, in the placeholder colour of the view's palette.
void paintPlaceholder(QPainter& painter, const QWidget* view, const QRect& area, const QString& text);

} // namespace vellumora
