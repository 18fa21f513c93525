#pragma once

#include <QList>

class QAbstractButton;
class QGroupBox;
class QString;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace vellumora {

// The designed width of a library frame's field, list and row of buttons.
constexpr int kLibraryFieldWidthTwips = 3015;

// The affirmation library's colours: pale blue frames with bold captions, light grey lists and
// fields, mid grey buttons.
void styleLibraryFrame(QGroupBox* frame);
void styleLibraryEntry(QWidget* entry);
// A mid grey button in the row of buttons below a frame's text field; width in twips.
QPushButton* libraryButton(const QString& caption, const char* name, QWidget* parent, int width);
// A frame of the library: its text field, the row of buttons below it, and its list, which
// takes what room is left. The list is styled as the field is.
void layOutLibraryFrame(QGroupBox* frame, QWidget* field, const QList<QPushButton*>& buttons, QWidget* list);
// A row of the frame's buttons, spread over the field's designed width as the design shows them;
// a wider frame leaves them where they are, and a larger font brings them closer.
void addButtonRow(QVBoxLayout* rows, const QList<QPushButton*>& buttons);
// The button's underlined key presses it only while the focus is in its frame: the panel has two
// "&Delete" buttons, and Alt+D must never reach the one the user is not working in.
void keepMnemonicInFrame(QAbstractButton* button, QWidget* frame);

} // namespace vellumora
