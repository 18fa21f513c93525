#pragma once

#include "platform/VoiceServices.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
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
    // The engine's voices, the user's language first and the others under a heading.
    void showVoices(const QList<vellumora::SpeechVoice>& voices);
    void addHeading(const QString& text);
    void tryVoice();

    Platform& m_platform;
    VoiceOptions& m_options;
    QCheckBox* m_sayBox = nullptr;
    QCheckBox* m_readAloudBox = nullptr;
    QComboBox* m_voiceList = nullptr;
    QSlider* m_rateSlider = nullptr;
    QPushButton* m_tryButton = nullptr;
};

} // namespace vellumora
