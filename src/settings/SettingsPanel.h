#pragma once

#include <QGroupBox>

namespace vellumora {

class Platform;

// The panel "Settings": music choice and the display options.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit SettingsPanel(Platform& platform, QWidget* parent = nullptr);

    // Main window load, in this order: lists filled, music restored, first entries selected,
    // then the saved display options.
    void FillDurationLists();
    void LoadMusicSetting();
    void selectFirstDurations();
    void LoadDisplaySettings();

private:
    Platform& m_platform;
};

} // namespace vellumora
