#pragma once

#include <QRect>

namespace vellumora {

// Window geometry is designed in twips: 15 twips make one logical pixel. Plain arithmetic, so
// the show's core uses it too; widgets/TwipsLayout.h lays windows out by it.
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

} // namespace vellumora
