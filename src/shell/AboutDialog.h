#pragma once

#include <QDialog>

namespace vellumora {

class Platform;

// The about window: built afresh every time it is shown, modal over the main window.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(Platform& platform, QWidget* parent = nullptr);
};

} // namespace vellumora
