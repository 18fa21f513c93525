#pragma once

#include <QWidget>

class QButtonGroup;

namespace vellumora {

// The frame options that sit on the image library panel: "Border Shape" (buttons
// optBorderShape_0 to _4) and "Fill Style" (optFillStyle_0 to _5).
class ShapeOptions : public QWidget {
    Q_OBJECT
public:
    // Covers both frames; placed by its parent with placeTwips(this, kLeft, kTop, ...).
    static constexpr int kLeft = 4800;
    static constexpr int kTop = 1390;
    static constexpr int kWidth = 2535;
    static constexpr int kHeight = 3425 + 2535 - kTop;

    explicit ShapeOptions(QWidget* parent = nullptr);

    int borderShape() const;
    int fillStyle() const;
    void setBorderShape(int index);
    void setFillStyle(int index);

private:
    QButtonGroup* m_borderShapes = nullptr;
    QButtonGroup* m_fillStyles = nullptr;
};

} // namespace vellumora
