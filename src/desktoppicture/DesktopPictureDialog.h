#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace vellumora {

class DesktopChanger;
class DesktopPictureOptions;
class Platform;

// "Desktop Picture": how often the desktop picture changes by itself, and whether the lock screen
// follows. OK saves; turning the changes off gives the user's own picture back.
class DesktopPictureDialog : public QDialog {
    Q_OBJECT
public:
    DesktopPictureDialog(Platform& platform, DesktopPictureOptions& options, DesktopChanger& changer,
        QWidget* parent = nullptr);

    void accept() override;

private:
    Platform& m_platform;
    DesktopPictureOptions& m_options;
    DesktopChanger& m_changer;
    QComboBox* m_changeList = nullptr;
    QComboBox* m_contentList = nullptr;
    QCheckBox* m_lockScreenBox = nullptr;
};

} // namespace vellumora
