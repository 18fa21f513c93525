#include "settings/ShapeOptions.h"

#include "settings/OptionFrames.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>

namespace vellumora {

namespace {

// The frame's buttons, one per choice in its order, each a step of the frame's height in twips;
// the first is chosen.
QButtonGroup* choices(QGroupBox* frame, const char* name, const QStringList& captions, int height, int step)
{
    QList<Option> options;
    for (const QString& caption : captions) {
        options.append({ caption, int(options.size()) });
    }
    QButtonGroup* group = optionButtons(frame, columnInTwips(frame, 120, 240, 120, 0), name, options, step);
    preferTwips(frame, 2535, height);
    group->button(0)->setChecked(true);
    return group;
}

} // namespace

ShapeOptions::ShapeOptions(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("shapeOptions"));
    QVBoxLayout* frames = column();
    setLayout(frames);

    auto* borderFrame = new QGroupBox(tr("Border Shape"), this);
    borderFrame->setObjectName(QStringLiteral("Framess"));
    m_borderShapes = choices(borderFrame, "optBorderShape",
        { tr("No Fill"), tr("Oval"), tr("Square"), tr("Circle"), tr("Round Square") }, 2000, 330);
    frames->addWidget(borderFrame);
    addGapTwips(frames, 35);

    auto* fillFrame = new QGroupBox(tr("Fill Style"), this);
    fillFrame->setObjectName(QStringLiteral("Frame3"));
    m_fillStyles = choices(fillFrame, "optFillStyle",
        { tr("No Fill"), tr("Horizontal Line"), tr("Vertical Line"), tr("Upward Diagonal"), tr("Cross"),
            tr("Diagonal Cross") },
        2535, 360);
    frames->addWidget(fillFrame);
    for (QButtonGroup* group : { m_borderShapes, m_fillStyles }) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on) {
                emit changed();
            }
        });
    }
}

// The buttons stand in the order of their choices, from 0.
BorderShape ShapeOptions::borderShape() const
{
    return BorderShape(m_borderShapes->checkedId());
}

FillStyle ShapeOptions::fillStyle() const
{
    return FillStyle(m_fillStyles->checkedId());
}

void ShapeOptions::setBorderShape(BorderShape shape)
{
    m_borderShapes->button(int(shape))->setChecked(true);
}

void ShapeOptions::setFillStyle(FillStyle fill)
{
    m_fillStyles->button(int(fill))->setChecked(true);
}

} // namespace vellumora
