#pragma once

#include <QList>
#include <QRectF>
#include <QSizeF>

namespace vellumora::BoardLayout {

// A picture may lose at most this part of its width or of its height to fill its place; it is
// never stretched.
constexpr qreal kMaxCut = 0.1;
// A card's proportions, width over height: the sentence fits it well between these, best at the
// middle one.
constexpr qreal kCardNarrowest = 0.5;
constexpr qreal kCardNatural = 1.4;
constexpr qreal kCardWidest = 6;

struct Request {
    QSizeF page;
    // Around the page and between the tiles.
    qreal margin = 0;
    // The title's line across the top; none when 0.
    qreal titleHeight = 0;
    // Each picture's size as it is shown (turned by its orientation), in board order.
    QList<QSizeF> pictures;
    int cards = 0;
};

struct Tile {
    enum class Kind { Picture, Card };
    Kind kind = Kind::Picture;
    // The picture's place in Request::pictures, or the card's from 0.
    int index = 0;
    QRectF place;
    // The part of the picture shown, in parts of its width and height: the middle of it.
    QRectF shown { 0, 0, 1, 1 };
};

struct Board {
    QRectF title;
    QList<Tile> tiles;
};

// The tiles in rows across the page, in order, the cards spread between the pictures. Every row
// spans the width between the margins and the rows fill the height below the title; where the
// proportions allow no such fill without cutting a picture by more than kMaxCut, the rows keep
// their width and stand in the middle of the height.
Board arrange(const Request& request);

} // namespace vellumora::BoardLayout
