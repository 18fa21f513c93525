#pragma once

class QGroupBox;
class QPushButton;
class QWidget;

namespace vellumora {

// The affirmation library's colours: pale blue frames with bold captions, light grey lists and
// fields, mid grey buttons.
void styleLibraryFrame(QGroupBox* frame);
void styleLibraryEntry(QWidget* entry);
void styleLibraryButton(QPushButton* button);

} // namespace vellumora
