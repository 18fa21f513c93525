#include "voice/Voice.h"

#include "platform/Platform.h"
#include "settings/VoiceOptions.h"
#include "voice/Recordings.h"

namespace vellumora {

Voice::Voice(Platform& platform, const Recordings& recordings, const VoiceOptions& options, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_recordings(recordings)
    , m_options(options)
{
}

Voice::~Voice()
{
    silence();
}

Speech& Voice::speech()
{
    // Heard from its first use: until then neither the sound and speech module nor the engine loads.
    Speech& speech = m_platform.speech();
    if (!m_speechHeard) {
        m_speechHeard = true;
        connect(&speech, &Speech::finished, this, [this] { ended(Source::ReadAloud); });
    }
    return speech;
}

MediaControl& Voice::player()
{
    // Made at the first recording played: the media framework costs time and memory.
    if (!m_player) {
        m_player = m_platform.createMediaControl();
        connect(m_player.get(), &MediaControl::finished, this, [this] { ended(Source::Recording); });
        connect(m_player.get(), &MediaControl::unplayable, this, [this](const QString& reason) {
            ended(Source::Recording);
            emit unplayable(reason);
        });
    }
    return *m_player;
}

Voice::Source Voice::say(const Affirmation& affirmation)
{
    if (m_source != Source::None && m_current.category == affirmation.category
        && m_current.text == affirmation.text) {
        return m_source;
    }
    return start(affirmation, m_options.settings().readAloud);
}

Voice::Source Voice::listen(const Affirmation& affirmation)
{
    return start(affirmation, false);
}

Voice::Source Voice::start(const Affirmation& affirmation, bool readOthers)
{
    const bool wasSpeaking = m_source != Source::None;
    silence();
    m_current = affirmation;
    if (const std::optional<NativePath> recording
        = m_recordings.find(affirmation.category, affirmation.text)) {
        m_source = Source::Recording;
        MediaControl& recorded = player();
        recorded.open(recording->toString());
        recorded.play();
    } else if (readOthers && speech().available()) {
        m_source = Source::ReadAloud;
        const VoiceSettings& settings = m_options.settings();
        speech().say(affirmation.text, settings.voice, settings.rate);
    }
    const bool speaks = m_source != Source::None;
    if (speaks != wasSpeaking) {
        emit speakingChanged(speaks);
    }
    return m_source;
}

void Voice::silence()
{
    m_silencing = true;
    if (m_source == Source::Recording && m_player) {
        m_player->stop();
        m_player->close();
    } else if (m_source == Source::ReadAloud) {
        speech().stop();
    }
    m_source = Source::None;
    m_silencing = false;
}

void Voice::stop()
{
    const bool wasSpeaking = m_source != Source::None;
    silence();
    if (wasSpeaking) {
        emit speakingChanged(false);
    }
}

void Voice::ended(Source source)
{
    if (m_silencing || m_source != source) {
        return;
    }
    m_source = Source::None;
    emit speakingChanged(false);
}

} // namespace vellumora
