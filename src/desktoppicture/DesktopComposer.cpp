#include "desktoppicture/DesktopComposer.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

namespace vellumora::DesktopComposer {

namespace {

// The lines of the text within the width, the last of them cut short with an ellipsis when the
// text would take more; *cut says whether it was.
QStringList wrap(
    const QString& text, const QFont& font, qreal width, Qt::LayoutDirection direction, bool* cut)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(direction);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    *cut = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == kMaxLines - 1) {
            const QString rest = text.mid(line.textStart()).simplified();
            const QFontMetricsF metrics(font);
            *cut = metrics.horizontalAdvance(rest) > width;
            lines.append(metrics.elidedText(rest, Qt::ElideRight, width));
            break;
        }
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

} // namespace

Layout compose(QImage photo, const QString& affirmation, const FontChoice& choice)
{
    // Painted where it lies when the caller lets go of it: copying a screen's worth of pixels
    // costs more than all the drawing.
    QImage picture = std::move(photo).convertToFormat(QImage::Format_RGB32);
    const QSize size = picture.size();
    const Qt::LayoutDirection direction = affirmation.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    // A twentieth of the shorter side: on a screen turned upright a twentieth of its height would
    // leave room for only a few words a line. A sentence that still takes more than three lines
    // is written smaller, down to two thirds, before it is cut.
    QFont font = choice.font;
    const int largest
        = std::max(1, int(std::lround(double(std::min(size.width(), size.height())) / kHeightPerTextLine)));
    QStringList lines;
    for (int pixels = largest;; pixels = pixels * 9 / 10) {
        font.setPixelSize(pixels);
        bool cut = false;
        lines = wrap(
            affirmation.simplified(), font, size.width() - 4 * QFontMetricsF(font).height(), direction, &cut);
        if (!cut || pixels * 9 / 10 * 3 < largest * 2) {
            break;
        }
    }
    const QFontMetricsF metrics(font);
    const qreal margin = metrics.height();

    const qreal textHeight = lines.size() * metrics.lineSpacing();
    const qreal bandHeight = std::min(textHeight + margin, size.height() / 3.0);
    // The band's middle at five sixths of the height: the middle of the lower third.
    const QRectF band(0, size.height() * 5.0 / 6.0 - bandHeight / 2, size.width(), bandHeight);
    const QColor text = choice.colour.isValid() ? choice.colour : QColor(Qt::black);
    const bool lightText = text.lightnessF() >= 0.5;

    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(band, lightText ? QColor(0, 0, 0, 110) : QColor(255, 255, 255, 150));
    painter.setFont(font);
    painter.setPen(text);
    painter.setLayoutDirection(direction);
    qreal top = band.center().y() - textHeight / 2;
    for (const QString& line : lines) {
        painter.drawText(QRectF(margin, top, size.width() - 2 * margin, metrics.lineSpacing()),
            Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, line);
        top += metrics.lineSpacing();
    }
    painter.end();
    return { picture, band.toAlignedRect().intersected(QRect(QPoint(), size)), lines };
}

} // namespace vellumora::DesktopComposer
