#include "affirmations/LibraryLook.h"

#include "widgets/Look.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QShortcut>

namespace vellumora {

void styleLibraryFrame(QGroupBox* frame)
{
    setColour(frame, QPalette::Window, kLightBlue);
    frame->setFont(verdana(8.25, true));
}

void styleLibraryEntry(QWidget* entry)
{
    setColour(entry, QPalette::Base, QColor(224, 224, 224));
    // The frame's bold caption font is not meant for the rows and fields inside it.
    QFont plain = entry->font();
    plain.setBold(false);
    entry->setFont(plain);
}

QPushButton* libraryButton(const QString& caption, const char* name, QWidget* parent, int width)
{
    QPushButton* button = designButton(caption, name, parent, width, 375);
    setColour(button, QPalette::Button, QColor(128, 128, 128));
    QFont plain = button->font();
    plain.setBold(false);
    button->setFont(plain);
    fitCaption(button);
    return button;
}

void layOutLibraryFrame(QGroupBox* frame, QWidget* field, const QList<QPushButton*>& buttons, QWidget* list)
{
    QVBoxLayout* rows = columnInTwips(frame, 240, 360, 240, 120);
    preferTwips(field, 3015, 375);
    rows->addWidget(field);
    addGapTwips(rows, 105);
    QHBoxLayout* buttonRow = row();
    rows->addLayout(buttonRow);
    // The design spreads the buttons evenly over the field's width.
    for (QPushButton* button : buttons) {
        if (button != buttons.constFirst()) {
            buttonRow->addStretch();
        }
        buttonRow->addWidget(button);
    }
    addGapTwips(rows, 105);
    styleLibraryEntry(list);
    preferTwips(list, 3015, 4095);
    rows->addWidget(list, 1);
}

void keepMnemonicInFrame(QAbstractButton* button, QWidget* frame)
{
    const QKeySequence key = QKeySequence::mnemonic(button->text());
    button->setShortcut(QKeySequence());
    auto* shortcut = new QShortcut(key, frame, [button] {
        if (button->isEnabled()) {
            button->animateClick();
        }
    });
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
}

} // namespace vellumora
