#pragma once

#include <QList>
#include <QString>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace vellumora {

// The parts the option panels are built of, each at its design's size in twips.

QLabel* designLabel(const QString& text, QWidget* parent, int width, int height);
QGroupBox* designFrame(const QString& caption, const char* name, QWidget* parent, int width, int height);

// A caption with its mnemonic above the list it names, which takes the column's width.
QComboBox* captionedList(QVBoxLayout* column, QWidget* parent, const QString& caption, const char* name,
    const QStringList& items, const QString& tip);

struct DurationFrame {
    const char* name;
    QString caption;
    QString explanation;
    int explanationWidth;
    const char* listName;
    QString unit;
    int unitWidth;
};
// A frame with its explanation, "Display for", a drop-down list that cannot be typed into, and
// the unit.
QGroupBox* durationFrame(const DurationFrame& design, QWidget* panel, QComboBox*& list);

struct Option {
    QString caption;
    int choice; // the button's id in its group
};
// One choice of several: option buttons in the frame, named "<name>_<choice>" and stacked in
// `column` in their order, each `heightTwips` high (as high as it asks when 0).
QButtonGroup* optionButtons(
    QGroupBox* frame, QVBoxLayout* column, const char* name, const QList<Option>& options, int heightTwips);

} // namespace vellumora
