#pragma once

class QGroupBox;
class QPushButton;
class QTreeWidget;
class QString;
class QWidget;

namespace vellumora {

// The affirmation library's colours: pale blue frames with bold captions, light grey lists and
// fields, mid grey buttons.
void styleLibraryFrame(QGroupBox* frame);
void styleLibraryEntry(QWidget* entry);
void styleLibraryButton(QPushButton* button);

// A report-style list with a tick box on every row and one captioned column. Rows are never
// edited in place: their texts name files or are changed through the buttons.
QTreeWidget* newTickList(const char* name, const QString& column, QWidget* parent);

} // namespace vellumora
