#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSlider;

namespace vellumora {

class Platform;
class VoiceOptions;

// "Voice": whether the show says each affirmation, whether those without a recording are read
// aloud, and with which voice and how fast. OK saves.
class VoiceDialog : public QDialog {
    Q_OBJECT
public:
    VoiceDialog(Platform& platform, VoiceOptions& options, QWidget* parent = nullptr);

    void accept() override;

private:
    void showReadAloud();
    void tryVoice();

    Platform& m_platform;
    VoiceOptions& m_options;
    QCheckBox* m_sayBox = nullptr;
    QCheckBox* m_readAloudBox = nullptr;
    QComboBox* m_voiceList = nullptr;
    QSlider* m_rateSlider = nullptr;
};

} // namespace vellumora
