#include "board/BoardPainter.h"

#include "images/PictureDecoder.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

namespace vellumora::BoardPainter {

namespace {

// The sentence starts at this part of its card's height and is made smaller in steps down to
// the last part, below which it would not be read from a step away.
constexpr qreal kLargestText = 0.22;
constexpr qreal kSmallestText = 0.07;
constexpr qreal kTextStep = 0.9;
// The title takes this part of its line's height.
constexpr qreal kTitleText = 0.7;
// Inside a card, room is left around its text.
constexpr qreal kCardPadding = 0.08;

Qt::LayoutDirection directionOf(const QString& text)
{
    return text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

QStringList wrap(const QString& text, const QFont& font, qreal width, QPaintDevice* device, qreal* height)
{
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(directionOf(text));
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    *height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
        *height += line.height();
    }
    layout.endLayout();
    return lines;
}

void drawLines(QPainter& painter, const Fitted& fitted, const QRectF& box, Qt::LayoutDirection direction)
{
    painter.setFont(fitted.font);
    QTextOption option(Qt::AlignCenter);
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    qreal top = box.center().y() - fitted.lines.size() * fitted.lineHeight / 2;
    for (const QString& line : fitted.lines) {
        painter.drawText(QRectF(box.left(), top, box.width(), fitted.lineHeight), line, option);
        top += fitted.lineHeight;
    }
}

} // namespace

Fitted fit(const QString& text, QFont font, const QSizeF& box, QPaintDevice* device, qreal largest)
{
    Fitted fitted;
    // Any spacing between letters keeps Qt from joining "fi" into one glyph, which a PDF reader
    // would find and copy as that glyph, not as the two letters typed; a 64th of a pixel is seen
    // by nobody. Scripts that must be joined are joined all the same.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    largest = qMax<qreal>(largest > 0 ? largest : box.height() * kLargestText, 1);
    const qreal smallest = qMax<qreal>(box.height() * kSmallestText, 1);
    qreal height = 0;
    for (qreal size = largest;; size *= kTextStep) {
        font.setPixelSize(qMax(1, qRound(qMax(size, smallest))));
        fitted.font = font;
        fitted.lines = wrap(text, font, box.width(), device, &height);
        fitted.lineHeight = fitted.lines.isEmpty() ? 0 : height / fitted.lines.size();
        if (height <= box.height() || size <= smallest) {
            break;
        }
    }
    if (height <= box.height() || fitted.lines.isEmpty()) {
        return fitted;
    }
    const int kept = qMax(1, int(box.height() / fitted.lineHeight));
    const QString rest = fitted.lines.mid(kept - 1).join(QLatin1Char(' '));
    fitted.lines.resize(kept);
    const QFontMetricsF metrics(font, device);
    fitted.lines.last() = metrics.elidedText(rest + QStringLiteral(" …"), Qt::ElideRight, box.width());
    if (!fitted.lines.last().endsWith(QChar(0x2026))) {
        fitted.lines.last()
            = metrics.elidedText(rest, Qt::ElideRight, box.width() - metrics.horizontalAdvance(QChar(0x2026)))
            + QChar(0x2026);
    }
    return fitted;
}

QImage decoded(const BoardSheet& sheet, const BoardLayout::Tile& tile, const QSize& pixels)
{
    // Covering the tile cuts the picture to its middle, as the layout's shown part is.
    return PictureDecoder::decode(
        sheet.content.pictures.value(tile.index), pixels, PictureDecoder::Fit::Cover);
}

void paint(QPainter& painter, const BoardSheet& sheet, const PictureSource& pictures)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.fillRect(QRectF(QPointF(), QSizeF(sheet.page)), sheet.content.background);
    const QColor text = sheet.content.font.colour.isValid() ? sheet.content.font.colour : QColor(Qt::black);
    // As on the desktop picture: a dark card under light text, a light one under dark text.
    const bool lightText = text.lightnessF() >= 0.5;
    const QColor card = lightText ? QColor(0, 0, 0, 150) : QColor(255, 255, 255, 215);
    QPaintDevice* device = painter.device();
    if (!sheet.layout.title.isEmpty()) {
        QFont font = sheet.content.font.font;
        font.setBold(true);
        const Fitted title = fit(sheet.content.title, font, sheet.layout.title.size(), device,
            sheet.layout.title.height() * kTitleText);
        painter.setPen(
            sheet.content.background.lightnessF() >= 0.5 ? QColor(0x22, 0x22, 0x22) : QColor(Qt::white));
        drawLines(painter, title, sheet.layout.title, directionOf(sheet.content.title));
    }
    // The sentences all at one size, the largest at which each fits or, for those that fit only
    // smaller, at their own.
    const auto boxOf = [](const QRectF& place) {
        const qreal padding = qMin(place.width(), place.height()) * kCardPadding;
        return place.adjusted(padding, padding, -padding, -padding);
    };
    qreal common = 0;
    for (const BoardLayout::Tile& tile : sheet.layout.tiles) {
        if (tile.kind == BoardLayout::Tile::Kind::Card) {
            const Fitted alone = fit(sheet.content.sentences.value(tile.index), sheet.content.font.font,
                boxOf(tile.place).size(), device);
            common = qMin<qreal>(common == 0 ? alone.font.pixelSize() : common, alone.font.pixelSize());
        }
    }
    for (const BoardLayout::Tile& tile : sheet.layout.tiles) {
        const qreal corner = qMin(tile.place.width(), tile.place.height()) * 0.04;
        if (tile.kind == BoardLayout::Tile::Kind::Picture) {
            const QSize pixels
                = painter.transform().mapRect(tile.place).size().toSize().expandedTo(QSize(1, 1));
            const QImage image = pictures(tile, pixels);
            if (image.isNull()) {
                painter.fillRect(tile.place, card);
            } else {
                painter.drawImage(tile.place, image);
            }
            continue;
        }
        QPainterPath shape;
        shape.addRoundedRect(tile.place, corner, corner);
        painter.fillPath(shape, card);
        const QString sentence = sheet.content.sentences.value(tile.index);
        const QRectF box = boxOf(tile.place);
        painter.setPen(text);
        drawLines(painter, fit(sentence, sheet.content.font.font, box.size(), device, common), box,
            directionOf(sentence));
    }
    painter.restore();
}

} // namespace vellumora::BoardPainter
