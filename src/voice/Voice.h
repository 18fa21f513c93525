#pragma once

#include "voice/Recordings.h"

#include <QObject>
#include <memory>

namespace vellumora {

class MediaControl;
class Platform;
class Recordings;
class Speech;
class VoiceOptions;

// Lets an affirmation be heard: its recording, or, where it has none and the user wants it, the
// speech engine reading it. One voice at a time: whatever still speaks is silenced first.
class Voice : public QObject {
    Q_OBJECT
public:
    enum class Source { None, Recording, ReadAloud };

    Voice(Platform& platform, const Recordings& recordings, const VoiceOptions& options,
        QObject* parent = nullptr);
    ~Voice() override;

    // The affirmation as the options have it heard. The same affirmation still speaking goes on.
    Source say(const Affirmation& affirmation);
    // The recording alone.
    Source listen(const Affirmation& affirmation);
    // Silence at once.
    void stop();
    Source speaking() const { return m_source; }

signals:
    // A voice began, or the last one ended: the music makes room for it meanwhile.
    void speakingChanged(bool speaking);
    // A recording that would not play; the show goes on in silence.
    void unplayable(const QString& reason);

private:
    Source start(const Affirmation& affirmation, bool readOthers);
    // Stops what speaks without telling: another voice may follow at once.
    void silence();
    void ended(Source source);
    MediaControl& player();
    Speech& speech();

    Platform& m_platform;
    const Recordings& m_recordings;
    const VoiceOptions& m_options;
    std::unique_ptr<MediaControl> m_player;
    bool m_speechHeard = false;
    Source m_source = Source::None;
    Affirmation m_current;
    bool m_silencing = false;
};

} // namespace vellumora
