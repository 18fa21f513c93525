#pragma once

#include "settings/ReminderOptions.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QTimeEdit;

namespace vellumora {

class VoiceOptions;

class Platform;

// "Reminders": when the user is reminded of an affirmation. OK saves what the controls show, once
// it can be read; what cannot is told and nothing is saved.
class ReminderDialog : public QDialog {
    Q_OBJECT
public:
    // The minutes the list offers; a number stored by hand is offered too.
    static constexpr int kOfferedMinutes[] { 15, 30, 60, 120, 240 };

    // With the voice's options, the dialog offers to have each reminder heard.
    ReminderDialog(Platform& platform, ReminderOptions& options, VoiceOptions* voice = nullptr,
        QWidget* parent = nullptr);

    void accept() override;

private:
    void buildControls();
    void showSettings(const ReminderSettings& settings);
    // The controls' settings, or the first thing in them that cannot be used, told.
    std::optional<ReminderSettings> takeSettings();
    void enableControls();

    Platform& m_platform;
    ReminderOptions& m_options;
    VoiceOptions* m_voice = nullptr;
    QCheckBox* m_sayBox = nullptr;
    QButtonGroup* m_modes = nullptr;
    QComboBox* m_minutesList = nullptr;
    QLineEdit* m_timesField = nullptr;
    QTimeEdit* m_fromEdit = nullptr;
    QTimeEdit* m_toEdit = nullptr;
    // Day d of the week, Monday = 1, is m_dayBoxes[d - 1], whatever order the user's week shows.
    std::array<QCheckBox*, 7> m_dayBoxes {};
};

} // namespace vellumora
