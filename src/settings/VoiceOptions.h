#pragma once

#include <QObject>
#include <QString>

namespace vellumora {

class Platform;

struct VoiceSettings {
    // Each new affirmation of the show is heard.
    bool say = false;
    // Affirmations without a recording are read aloud.
    bool readAloud = false;
    // "engine/voice name"; empty for the engine's own choice.
    QString voice;
    // -1 (slowest) to 1 (fastest).
    double rate = 0.0;
    // A reminder is heard as it comes.
    bool sayReminders = false;
    bool operator==(const VoiceSettings&) const = default;
};

// The settings file's section "Voice", read and written as a whole. A value that cannot be read
// gives its default; nothing else of the file is touched.
class VoiceOptions : public QObject {
    Q_OBJECT
public:
    explicit VoiceOptions(Platform& platform, QObject* parent = nullptr);

    void load();
    // False when the store refused a value.
    bool save(const VoiceSettings& settings);
    const VoiceSettings& settings() const { return m_settings; }

signals:
    void changed();

private:
    Platform& m_platform;
    VoiceSettings m_settings;
};

} // namespace vellumora
