#pragma once

#include <QRect>

class QWidget;

namespace vellumora {

// Window geometry is designed in twips: 15 twips make one logical pixel. The arithmetic here
// serves the core too; placing and centring need widgets.
constexpr int kTwipsPerPixel = 15;

// Nearest whole pixel, halves away from zero.
constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

// Places a control inside its parent: left, top, width, height in twips.
void placeTwips(QWidget* widget, int left, int top, int width, int height);

// Centres a top-level window on the screen that holds it (or the primary screen).
void centreOnScreen(QWidget* window);

} // namespace vellumora
