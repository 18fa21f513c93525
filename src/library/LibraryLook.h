#pragma once

class QGroupBox;
class QString;
class QPushButton;
class QWidget;

namespace vellumora {

// The affirmation library's colours: pale blue frames with bold captions, light grey lists and
// fields, mid grey buttons.
void styleLibraryFrame(QGroupBox* frame);
void styleLibraryEntry(QWidget* entry);
// A mid grey button in the row of buttons below a frame's text field (top 840, height 375 twips).
QPushButton* libraryButton(const QString& caption, const char* name, QWidget* parent, int left, int width);

} // namespace vellumora
