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
    preferTwips(field, kLibraryFieldWidthTwips, 375);
    rows->addWidget(field);
    addGapTwips(rows, 105);
    addButtonRow(rows, buttons);
    addGapTwips(rows, 105);
    styleLibraryEntry(list);
    preferTwips(list, kLibraryFieldWidthTwips, 4095);
    rows->addWidget(list, 1);
}

void addButtonRow(QVBoxLayout* rows, const QList<QPushButton*>& buttons)
{
    int free = twipsToPixels(kLibraryFieldWidthTwips);
    for (QPushButton* button : buttons) {
        // The width the row gives it: its hint within its own least and most.
        free -= QWidgetItem(button).sizeHint().width();
    }
    free = std::max(0, free);
    const int gaps = int(buttons.size()) - 1;
    QHBoxLayout* buttonRow = row();
    for (int i = 0; i < int(buttons.size()); ++i) {
        if (i > 0) {
            // Each gap its share, the last the rest, so the row ends where the field does.
            const int gap = free * i / gaps - free * (i - 1) / gaps;
            buttonRow->addSpacerItem(new QSpacerItem(gap, 0, QSizePolicy::Preferred, QSizePolicy::Minimum));
        }
        buttonRow->addWidget(buttons.at(i));
    }
    rows->addLayout(buttonRow);
    // As wide as it asks, at the frame's left: a wider field does not spread the buttons. (The
    // gaps must not be expanding, or the alignment would be passed over.)
    rows->setAlignment(buttonRow, Qt::AlignLeft);
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
