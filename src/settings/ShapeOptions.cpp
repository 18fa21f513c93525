#include "settings/ShapeOptions.h"

#include "widgets/Twips.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace vellumora {

namespace {

// Option buttons stacked in a frame: tops in twips, one index per button.
QButtonGroup* optionGroup(
    QGroupBox* frame, const char* name, const QStringList& captions, int firstTop, int step)
{
    auto* group = new QButtonGroup(frame);
    group->setObjectName(QLatin1String(name));
    for (int i = 0; i < captions.size(); ++i) {
        auto* button = new QRadioButton(captions.at(i), frame);
        button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(i));
        placeTwips(button, 120, firstTop + i * step, 2295, 375);
        group->addButton(button, i);
    }
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

ShapeOptions::ShapeOptions(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("shapeOptions"));
    placeTwips(this, kLeft, kTop, kWidth, kHeight);

    auto* borderFrame = new QGroupBox(tr("Border Shape"), this);
    borderFrame->setObjectName(QStringLiteral("Framess"));
    placeTwips(borderFrame, 4800 - kLeft, 1390 - kTop, 2535, 2000);
    m_borderShapes = optionGroup(borderFrame, "optBorderShape",
        { tr("No Fill"), tr("Oval"), tr("Square"), tr("Circle"), tr("Round Square") }, 240, 330);

    auto* fillFrame = new QGroupBox(tr("Fill Style"), this);
    fillFrame->setObjectName(QStringLiteral("Frame3"));
    placeTwips(fillFrame, 4800 - kLeft, 3425 - kTop, 2535, 2535);
    m_fillStyles = optionGroup(fillFrame, "optFillStyle",
        { tr("No Fill"), tr("Horizontal Line"), tr("Vertical Line"), tr("Upward Diagonal"), tr("Cross"),
            tr("Diagonal Cross") },
        240, 360);
}

int ShapeOptions::borderShape() const
{
    return m_borderShapes->checkedId();
}

int ShapeOptions::fillStyle() const
{
    return m_fillStyles->checkedId();
}

void ShapeOptions::setBorderShape(int index)
{
    if (QAbstractButton* button = m_borderShapes->button(index)) {
        button->setChecked(true);
    }
}

void ShapeOptions::setFillStyle(int index)
{
    if (QAbstractButton* button = m_fillStyles->button(index)) {
        button->setChecked(true);
    }
}

} // namespace vellumora
