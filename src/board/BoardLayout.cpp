#include "board/BoardLayout.h"

#include <QtMath>
#include <algorithm>
#include <limits>

namespace vellumora::BoardLayout {

namespace {

// One tile before it is placed: its proportions as they are, and how far they may go.
struct Item {
    Tile::Kind kind;
    int index;
    qreal natural;
    qreal narrowest;
    qreal widest;
};

// Where the cards go among the pictures: spread evenly, the first half a step in, or all after
// them, or all before.
enum class CardPlace { Spread, After, Before };

// The tiles in order; turned, for columns, each as if its width were its height.
QList<Item> itemsInOrder(const Request& request, CardPlace place, bool turned)
{
    const int pictures = int(request.pictures.size());
    const int all = pictures + request.cards;
    QList<Item> items;
    items.reserve(all);
    int picture = 0;
    int card = 0;
    const qreal step = qreal(request.cards) / all;
    for (int at = 0; at < all; ++at) {
        const bool spread = qFloor((at + 1) * step + 0.5) > qFloor(at * step + 0.5);
        const bool isCard = card < request.cards
            && (picture == pictures || (place == CardPlace::Spread && spread) || place == CardPlace::Before);
        if (isCard) {
            items.append(turned
                    ? Item { Tile::Kind::Card, card++, 1 / kCardNatural, 1 / kCardWidest, 1 / kCardNarrowest }
                    : Item { Tile::Kind::Card, card++, kCardNatural, kCardNarrowest, kCardWidest });
            continue;
        }
        QSizeF size = request.pictures[picture];
        size = turned ? size.transposed() : size;
        const qreal ratio = size.height() > 0 && size.width() > 0 ? size.width() / size.height() : 1.0;
        items.append({ Tile::Kind::Picture, picture++, ratio, ratio * (1 - kMaxCut), ratio / (1 - kMaxCut) });
    }
    return items;
}

// The rows' ends, as places in the item list, that bring each row at its own proportions
// nearest to an even share of the height.
QList<int> evenRows(const QList<Item>& items, int rows, const QSizeF& area, qreal gap)
{
    const int count = int(items.size());
    QList<qreal> sums(count + 1, 0);
    for (int i = 0; i < count; ++i) {
        sums[i + 1] = sums[i] + items[i].natural;
    }
    const qreal share = (area.height() - (rows - 1) * gap) / rows;
    const qreal none = std::numeric_limits<qreal>::max();
    // cost[r][i]: the first i items in r rows.
    QList<QList<qreal>> cost(rows + 1, QList<qreal>(count + 1, none));
    QList<QList<int>> from(rows + 1, QList<int>(count + 1, 0));
    cost[0][0] = 0;
    for (int r = 1; r <= rows; ++r) {
        for (int i = r; i <= count - (rows - r); ++i) {
            for (int j = r - 1; j < i; ++j) {
                if (cost[r - 1][j] == none) {
                    continue;
                }
                const qreal height = (area.width() - (i - j - 1) * gap) / (sums[i] - sums[j]);
                const qreal off = qLn(qMax(height, 1e-9) / share);
                if (cost[r - 1][j] + off * off < cost[r][i]) {
                    cost[r][i] = cost[r - 1][j] + off * off;
                    from[r][i] = j;
                }
            }
        }
    }
    QList<int> ends(rows);
    for (int r = rows, i = count; r > 0; --r) {
        ends[r - 1] = i;
        i = from[r][i];
    }
    return ends;
}

// The factor that, applied to each value and each value kept within its bounds, makes the
// values add up to the total. The bounds must allow it.
template <typename Value> qreal spread(int count, qreal total, Value value)
{
    qreal low = 1e-6;
    qreal high = 1e6;
    for (int round = 0; round < 100; ++round) {
        const qreal middle = qSqrt(low * high);
        qreal sum = 0;
        for (int i = 0; i < count; ++i) {
            sum += value(i, middle);
        }
        (sum < total ? low : high) = middle;
    }
    return qSqrt(low * high);
}

struct Row {
    int first;
    int end;
    qreal gaps;
    qreal natural;
    qreal lowest;
    qreal highest;
};

struct Candidate {
    QList<Row> rows;
    QList<qreal> heights;
    QList<qreal> ratios;
    // How far the pictures and cards are from their own proportions; the lower the better.
    qreal strain = 0;
    // How much of the area the rows cover, 1 when they fill it.
    qreal cover = 0;
    QList<Item> items;
    bool turned = false;
};

QList<Row> rowsEndingAt(const QList<Item>& items, const QList<int>& ends, const QSizeF& area, qreal gap)
{
    QList<Row> rows;
    int first = 0;
    for (const int end : ends) {
        Row row { first, end, (end - first - 1) * gap, 0, 0, 0 };
        qreal ratios[3] = { 0, 0, 0 };
        for (int i = first; i < end; ++i) {
            ratios[0] += items[i].natural;
            ratios[1] += items[i].widest;
            ratios[2] += items[i].narrowest;
        }
        const qreal width = qMax<qreal>(area.width() - row.gaps, 1);
        row.natural = width / ratios[0];
        row.lowest = width / ratios[1];
        row.highest = width / ratios[2];
        rows.append(row);
        first = end;
    }
    return rows;
}

// The rows' heights added up: at their own proportions, and at their bounds.
struct Heights {
    qreal natural = 0;
    qreal lowest = 0;
    qreal highest = 0;
};

Heights sumOf(const QList<Row>& rows)
{
    Heights sum;
    for (const Row& row : rows) {
        sum.natural += row.natural;
        sum.lowest += row.lowest;
        sum.highest += row.highest;
    }
    return sum;
}

// How far the rows' heights, each within its bounds, are from filling the height.
qreal shortfall(const QList<Row>& rows, qreal height)
{
    const Heights sum = sumOf(rows);
    return qMax<qreal>(0, qMax(sum.lowest - height, height - sum.highest));
}

Candidate tryRows(const QList<Item>& items, int rowCount, const QSizeF& area, qreal gap)
{
    Candidate candidate;
    const qreal height = area.height() - (rowCount - 1) * gap;
    if (height <= 0) {
        return candidate;
    }
    QList<int> ends = evenRows(items, rowCount, area, gap);
    candidate.rows = rowsEndingAt(items, ends, area, gap);
    // Where the even rows cannot fill the height, an end moved by one tile at a time may let them.
    for (qreal off = shortfall(candidate.rows, height); off > 0;) {
        QList<int> best = ends;
        for (int r = 0; r + 1 < rowCount; ++r) {
            for (const int step : { -1, 1 }) {
                QList<int> moved = ends;
                moved[r] += step;
                if (moved[r] <= (r == 0 ? 0 : moved[r - 1]) || moved[r] >= moved[r + 1]) {
                    continue;
                }
                const qreal movedOff = shortfall(rowsEndingAt(items, moved, area, gap), height);
                if (movedOff < off - 1e-9) {
                    off = movedOff;
                    best = moved;
                }
            }
        }
        if (best == ends) {
            break;
        }
        ends = best;
        candidate.rows = rowsEndingAt(items, ends, area, gap);
    }
    const auto [natural, lowest, highest] = sumOf(candidate.rows);
    candidate.ratios.resize(items.size());
    if (height < lowest || height > highest) {
        // No fill: the rows at their own proportions made to fit, or as tall as a cut lets them.
        const qreal scale = height < lowest ? height / natural : 1.0;
        for (const Row& row : std::as_const(candidate.rows)) {
            candidate.heights.append(height < lowest ? row.natural * scale : row.highest);
            for (int i = row.first; i < row.end; ++i) {
                candidate.ratios[i] = height < lowest ? items[i].natural : items[i].narrowest;
            }
        }
        candidate.cover = height < lowest ? scale * scale : highest / height;
        return candidate;
    }
    const auto& rows = candidate.rows;
    const qreal stretch = spread(int(rows.size()), height, [&](int i, qreal factor) {
        return qBound(rows[i].lowest, rows[i].natural * factor, rows[i].highest);
    });
    const qreal mean = height / rowCount;
    for (const Row& row : rows) {
        const qreal rowHeight = qBound(row.lowest, row.natural * stretch, row.highest);
        candidate.heights.append(rowHeight);
        const qreal wanted = (area.width() - row.gaps) / rowHeight;
        const qreal factor = spread(row.end - row.first, wanted, [&](int i, qreal f) {
            const Item& item = items[row.first + i];
            return qBound(item.narrowest, item.natural * f, item.widest);
        });
        for (int i = row.first; i < row.end; ++i) {
            const Item& item = items[i];
            candidate.ratios[i] = qBound(item.narrowest, item.natural * factor, item.widest);
            const qreal off = qAbs(qLn(candidate.ratios[i] / item.natural));
            candidate.strain += item.kind == Tile::Kind::Picture ? off : off / 2;
        }
        // Rows of very different heights look untidy.
        candidate.strain += qAbs(qLn(rowHeight / mean)) / 4;
    }
    candidate.cover = 1;
    return candidate;
}

} // namespace

Board arrange(const Request& request)
{
    Board board;
    const qreal margin = request.margin;
    QRectF area(QPointF(margin, margin), request.page - QSizeF(2 * margin, 2 * margin));
    if (request.titleHeight > 0) {
        board.title = QRectF(area.topLeft(), QSizeF(area.width(), request.titleHeight));
        area.setTop(board.title.bottom() + margin);
    }
    if ((request.pictures.isEmpty() && request.cards == 0) || area.width() <= 0 || area.height() <= 0) {
        return board;
    }
    // Rows across the page, or columns down it laid out as rows across the page turned; the cards
    // spread among the pictures, or, where only that fills the page, after or before them. Rows
    // and spread cards are taken where they do as well.
    Candidate best;
    qreal bestStrain = 0;
    for (const bool turned : { false, true }) {
        const QSizeF size = turned ? area.size().transposed() : area.size();
        for (const CardPlace place : { CardPlace::Spread, CardPlace::After, CardPlace::Before }) {
            const QList<Item> items = itemsInOrder(request, place, turned);
            const qreal penalty = (turned ? 0.5 : 0) + (place == CardPlace::Spread ? 0 : 1);
            for (int rows = 1; rows <= items.size(); ++rows) {
                Candidate candidate = tryRows(items, rows, size, margin);
                if (candidate.heights.isEmpty()) {
                    break;
                }
                const qreal strain = candidate.strain + penalty;
                const bool better = candidate.cover > best.cover + 1e-9
                    || (candidate.cover >= best.cover - 1e-9 && strain < bestStrain);
                if (best.heights.isEmpty() || better) {
                    best = std::move(candidate);
                    best.items = items;
                    best.turned = turned;
                    bestStrain = strain;
                }
            }
            if (request.cards == 0 || request.pictures.isEmpty()) {
                break;
            }
        }
    }
    if (best.heights.isEmpty()) {
        return board;
    }
    const QRectF laid = best.turned ? QRectF(area.topLeft().transposed(), area.size().transposed()) : area;
    const QList<Item>& items = best.items;
    qreal total = (best.rows.size() - 1) * margin;
    for (const qreal height : std::as_const(best.heights)) {
        total += height;
    }
    qreal y = laid.top() + (laid.height() - total) / 2;
    for (qsizetype r = 0; r < best.rows.size(); ++r) {
        const Row& row = best.rows[r];
        const qreal height = best.heights[r];
        qreal width = row.gaps;
        for (int i = row.first; i < row.end; ++i) {
            width += best.ratios[i] * height;
        }
        qreal x = laid.left() + (laid.width() - width) / 2;
        for (int i = row.first; i < row.end; ++i) {
            const Item& item = items[i];
            Tile tile { item.kind, item.index, QRectF(x, y, best.ratios[i] * height, height), {} };
            if (item.kind == Tile::Kind::Picture) {
                const qreal kept = best.ratios[i] / item.natural;
                tile.shown = kept < 1 ? QRectF((1 - kept) / 2, 0, kept, 1)
                                      : QRectF(0, (1 - 1 / kept) / 2, 1, 1 / kept);
            }
            x += tile.place.width() + margin;
            if (best.turned) {
                tile.place = QRectF(tile.place.topLeft().transposed(), tile.place.size().transposed());
                tile.shown = QRectF(tile.shown.topLeft().transposed(), tile.shown.size().transposed());
            }
            board.tiles.append(tile);
        }
        y += height + margin;
    }
    return board;
}

} // namespace vellumora::BoardLayout
