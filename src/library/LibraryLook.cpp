#include "library/LibraryLook.h"

#include <QGroupBox>
#include <QPushButton>

namespace vellumora {

namespace {

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

void styleLibraryFrame(QGroupBox* frame)
{
    paint(frame, QPalette::Window, QColor(192, 192, 255));
    frame->setAutoFillBackground(true);
    QFont caption(QStringLiteral("Verdana"));
    caption.setPointSizeF(8.25);
    caption.setBold(true);
    frame->setFont(caption);
}

void styleLibraryEntry(QWidget* entry)
{
    paint(entry, QPalette::Base, QColor(224, 224, 224));
    // The frame's bold caption font is not meant for the rows and fields inside it.
    QFont plain = entry->font();
    plain.setBold(false);
    entry->setFont(plain);
}

void styleLibraryButton(QPushButton* button)
{
    paint(button, QPalette::Button, QColor(128, 128, 128));
    QFont plain = button->font();
    plain.setBold(false);
    button->setFont(plain);
}

} // namespace vellumora
