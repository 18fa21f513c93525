#include "show/FrameShape.h"

#include <QPainter>
#include <QPainterPath>

namespace vellumora {

namespace {

QPainterPath outline(BorderShape shape, const QRectF& box, qreal inset)
{
    QRectF area = box;
    if (shape == BorderShape::Square || shape == BorderShape::Circle || shape == BorderShape::RoundSquare) {
        const qreal side = std::min(box.width(), box.height());
        area = QRectF(box.center().x() - side / 2, box.center().y() - side / 2, side, side);
    }
    area.adjust(inset, inset, -inset, -inset);
    QPainterPath path;
    if (area.isEmpty()) {
        return path;
    }
    switch (shape) {
    case BorderShape::Oval:
    case BorderShape::Circle:
        path.addEllipse(area);
        break;
    case BorderShape::RoundSquare: {
        // Corners a quarter of the side, the opening's a little tighter: the outer corners lie
        // mostly outside the window, so it is the opening that must show them.
        const qreal radius = std::max<qreal>(0, std::min(box.width(), box.height()) / 4 - inset / 2);
        path.addRoundedRect(area, radius, radius);
        break;
    }
    case BorderShape::NoFill:
    case BorderShape::Square:
        path.addRect(area);
        break;
    }
    return path;
}

Qt::BrushStyle pattern(FrameShape::Fill fill)
{
    switch (fill) {
    case FrameShape::Fill::Horizontal:
        return Qt::HorPattern;
    case FrameShape::Fill::Vertical:
        return Qt::VerPattern;
    case FrameShape::Fill::UpwardDiagonal:
        return Qt::BDiagPattern;
    case FrameShape::Fill::Cross:
        return Qt::CrossPattern;
    case FrameShape::Fill::DiagonalCross:
        return Qt::DiagCrossPattern;
    case FrameShape::Fill::DownwardDiagonal:
        return Qt::FDiagPattern;
    case FrameShape::Fill::Transparent:
        break;
    }
    return Qt::NoBrush;
}

} // namespace

FrameShape::FrameShape(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("shpFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void FrameShape::setOptions(BorderShape shape, FillStyle fill)
{
    m_shape = shape;
    m_fill = Fill(fill);
    update();
}

void FrameShape::setThickBorder(int pixels)
{
    m_thickBorder = pixels;
    update();
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = rect();
    const QPainterPath outer = outline(m_shape, box, 0);
    const QPainterPath inner = outline(m_shape, box, m_shape == BorderShape::NoFill ? 1 : m_thickBorder);
    if (m_fill != Fill::Transparent) {
        painter.fillPath(inner, QBrush(Qt::black, pattern(m_fill)));
    }
    painter.fillPath(outer.subtracted(inner), palette().color(QPalette::WindowText));
}

} // namespace vellumora
