#pragma once

#include "settings/ShowOptions.h"

#include <QWidget>

namespace vellumora {

// The frame "shpFrame" drawn over the picture: a shape on the widget's whole rectangle with its
// border grown inward, in the window-text colour, and a black hatch over its inside. With no
// fill it is a rectangle with a border of a pixel. Square, circle and rounded square take the
// shorter side and stand centred. Clicks pass through.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    // The fill styles the user may choose, in their order, and the design's own before Start.
    enum class Fill {
        Transparent,
        Horizontal,
        Vertical,
        UpwardDiagonal,
        Cross,
        DiagonalCross,
        DownwardDiagonal
    };

    explicit FrameShape(QWidget* parent = nullptr);

    void setOptions(BorderShape shape, FillStyle fill);
    // The thick shapes' border, which grows with the window.
    void setThickBorder(int pixels);

    BorderShape shape() const { return m_shape; }
    Fill fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Design values until Start sets the options.
    BorderShape m_shape = BorderShape::NoFill;
    Fill m_fill = Fill::DownwardDiagonal;
    int m_thickBorder = 100;
};

} // namespace vellumora
