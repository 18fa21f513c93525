#include "settings/SettingsPanel.h"

#include "platform/Platform.h"

namespace vellumora {

SettingsPanel::SettingsPanel(Platform& platform, QWidget* parent)
    : QGroupBox(tr("Settings"), parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("fraMusicSettings"));
}

void SettingsPanel::FillDurationLists() { }

void SettingsPanel::LoadMusicSetting() { }

void SettingsPanel::selectFirstDurations() { }

void SettingsPanel::LoadDisplaySettings() { }

} // namespace vellumora
