#include "affirmations/LibraryLook.h"

#include "widgets/Look.h"
#include "widgets/Twips.h"

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

QPushButton* libraryButton(const QString& caption, const char* name, QWidget* parent, int left, int width)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    setColour(button, QPalette::Button, QColor(128, 128, 128));
    QFont plain = button->font();
    plain.setBold(false);
    button->setFont(plain);
    placeTwips(button, left, 840, width, 375);
    return button;
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
