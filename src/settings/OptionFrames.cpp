#include "settings/OptionFrames.h"

#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace vellumora {

QLabel* designLabel(const QString& text, QWidget* parent, int width, int height)
{
    auto* result = new QLabel(text, parent);
    preferTwips(result, width, height);
    return result;
}

QGroupBox* designFrame(const QString& caption, const char* name, QWidget* parent, int width, int height)
{
    auto* result = new QGroupBox(caption, parent);
    result->setObjectName(QLatin1String(name));
    preferTwips(result, width, height);
    return result;
}

QComboBox* captionedList(QVBoxLayout* column, QWidget* parent, const QString& caption, const char* name,
    const QStringList& items, const QString& tip)
{
    QLabel* named = designLabel(caption, parent, 0, 195);
    addRowTwips(column, 240)->addWidget(named, 0, Qt::AlignTop);
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    list->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    list->setToolTip(tip);
    named->setBuddy(list);
    column->addWidget(list);
    return list;
}

QGroupBox* durationFrame(const DurationFrame& design, QWidget* panel, QComboBox*& list)
{
    QGroupBox* box = designFrame(design.caption, design.name, panel, 5535, 1275);
    QVBoxLayout* rows = columnInTwips(box, 120, 270, 120, 0);
    auto* explanation = new QLabel(design.explanation, box);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    preferWrappedTwips(explanation, design.explanationWidth, 435);
    addRowTwips(rows, 570)->addWidget(explanation, 0, Qt::AlignTop | Qt::AlignLeft);

    // The labels stand level with the list's text; the frame's designed height takes up the rest.
    QHBoxLayout* choice = row();
    rows->addLayout(choice);
    rows->addStretch();
    addGapTwips(choice, 60);
    // The label's place reaches nearly to the list: a wider font or a longer word takes the room
    // before it moves the list, and keeps a gap from it.
    choice->addWidget(
        designLabel(QCoreApplication::translate("vellumora::SettingsPanel", "Display for"), box, 960, 195));
    addGapTwips(choice, 60);
    list = new QComboBox(box);
    list->setObjectName(QLatin1String(design.listName));
    list->setEditable(false);
    list->setAccessibleName(design.caption);
    preferTwips(list, 885, 315);
    choice->addWidget(list);
    addGapTwips(choice, 75);
    choice->addWidget(designLabel(design.unit, box, design.unitWidth, 195));
    choice->addStretch();
    return box;
}

QButtonGroup* optionButtons(
    QGroupBox* frame, QVBoxLayout* column, const char* name, const QList<Option>& options, int heightTwips)
{
    auto* group = new QButtonGroup(frame);
    group->setObjectName(QLatin1String(name));
    for (const Option& option : options) {
        auto* button = new QRadioButton(option.caption, frame);
        button->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(option.choice));
        if (heightTwips > 0) {
            preferTwips(button, 0, heightTwips);
            column->addWidget(button);
        } else {
            column->addWidget(button, 0, Qt::AlignLeft);
        }
        group->addButton(button, option.choice);
    }
    column->addStretch();
    return group;
}

} // namespace vellumora
