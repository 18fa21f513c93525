#pragma once

#include <QDialog>

namespace vellumora {

class LinkLabel;
class Platform;

// The about window: built afresh from its design every time it is shown, modal over the main window.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

    void cmdOK_Click();
    void lblHomePage_Click();

private:
    void connectSignals();

    Platform& m_platform;
    QPushButton* cmdOK = nullptr;
    LinkLabel* lblHomePage = nullptr;
};

} // namespace vellumora
