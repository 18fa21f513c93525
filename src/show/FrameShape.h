#pragma once

#include <QWidget>

namespace vellumora {

// The frame "shpFrame" drawn over the picture: a shape on the widget's whole rectangle with its
// border grown inward, in the window-text colour, and a black hatch over its inside. Square,
// circle and rounded square take the shorter side and stand centred. Clicks pass through.
class FrameShape : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Rectangle, Oval, Square, Circle, RoundedSquare };
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

    // From the option groups: border shape 0 to 4 and fill style 0 to 5, in their order.
    void setOptions(int borderShape, int fillStyle);
    // The thick shapes' border, which grows with the window.
    void setThickBorder(int pixels);

    Shape shape() const { return m_shape; }
    Fill fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Design values until Start sets the options.
    Shape m_shape = Shape::Rectangle;
    Fill m_fill = Fill::DownwardDiagonal;
    int m_border = 1; // pixels
    int m_thickBorder = 100;
    int m_borderShape = 0;
};

} // namespace vellumora
