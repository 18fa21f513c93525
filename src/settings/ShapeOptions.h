#pragma once

#include "settings/ShowOptions.h"

#include <QWidget>

class QButtonGroup;

namespace vellumora {

// The frame options that sit on the image library panel: "Border Shape" (buttons
// optBorderShape_0 to _4) and "Fill Style" (optFillStyle_0 to _5).
class ShapeOptions : public QWidget {
    Q_OBJECT
public:
    explicit ShapeOptions(QWidget* parent = nullptr);

    BorderShape borderShape() const;
    FillStyle fillStyle() const;
    void setBorderShape(BorderShape shape);
    void setFillStyle(FillStyle fill);

signals:
    // Another shape or fill was picked.
    void changed();

private:
    QButtonGroup* m_borderShapes = nullptr;
    QButtonGroup* m_fillStyles = nullptr;
};

} // namespace vellumora
