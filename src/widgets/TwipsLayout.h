#pragma once

#include "widgets/Twips.h"

#include <QPushButton>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace vellumora {

// The windows are laid out by Qt layouts whose sizes come from the design's twips: at the
// default font a window looks as designed, and a larger font or a longer text makes it grow,
// never shrink.

// The design's size of a control is the least it gets; its own size hint may ask for more, and
// a frame whose layout is made already gets at least what its contents need.
void preferTwips(QWidget* widget, int width, int height);
// A push button as wide as the design or as its caption, whichever is wider, and no wider: the
// style's usual least width is not added. Call after preferTwips, with the caption and font set.
void fitCaption(QPushButton* button);
// Wrapped text keeps the design's width and takes more lines when the font needs them.
void preferWrappedTwips(QLabel* label, int width, int height);

// A push button (or a kind of one) named as the design names it, of the design's size.
template <typename Button = QPushButton>
Button* designButton(const QString& caption, const char* name, QWidget* parent, int width, int height)
{
    auto* button = new Button(caption, parent);
    button->setObjectName(QLatin1String(name));
    preferTwips(button, width, height);
    return button;
}

// A layout whose contents start where the design puts them: margins in twips from the owner's
// outer edges, of which a frame's border and caption already take their part. No spacing of
// its own; the gaps are the design's, added one by one.
QVBoxLayout* columnInTwips(QWidget* owner, int left, int top, int right, int bottom);
QHBoxLayout* rowInTwips(QWidget* owner, int left, int top, int right, int bottom);
// A nested layout with no margins and no spacing.
QVBoxLayout* column();
QHBoxLayout* row();
void addGapTwips(QBoxLayout* layout, int twips);
// A row of the design that reaches from its top to the next row's top: what it holds sits at its
// top, and may be taller than the design's control without pushing the next row down.
QHBoxLayout* addRowTwips(QVBoxLayout* column, int spanTwips);

// Centres a top-level window on the screen that holds it (or the primary screen), at the size
// it asks for unless it has been given one.
void centreOnScreen(QWidget* window);
// The available area of the screen that holds the window (or the primary screen); empty without
// a screen.
QRect availableArea(const QWidget* window);
// Where a window's frame of this size stands centred on the area, moved onto it: its top left
// corner always, so its title bar and menu can be reached, the rest as far as it fits.
QPoint centredIn(const QRect& area, const QSize& frame);

} // namespace vellumora
