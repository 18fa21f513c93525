#pragma once

#include "board/Board.h"

#include <QFont>
#include <QImage>
#include <functional>

class QPainter;
class QPaintDevice;

namespace vellumora::BoardPainter {

// A picture of the board at the size it takes on the device, the part of it the tile shows.
using PictureSource = std::function<QImage(const BoardLayout::Tile& tile, const QSize& pixels)>;

// Each picture decoded at the size it is drawn, never larger: what a saved or printed board uses.
QImage decoded(const BoardSheet& sheet, const BoardLayout::Tile& tile, const QSize& pixels);

// Draws the board with the painter's coordinates in the sheet's pixels.
void paint(QPainter& painter, const BoardSheet& sheet, const PictureSource& pictures);

// A sentence in a box: the largest size of the font at which it fits, wrapped, or at the smallest
// size the lines that fit, the last of them cut with "…". No larger than `largest` pixels when
// that is given.
struct Fitted {
    QFont font;
    QStringList lines;
    qreal lineHeight = 0;
};
Fitted fit(const QString& text, QFont font, const QSizeF& box, QPaintDevice* device, qreal largest = 0);

} // namespace vellumora::BoardPainter
