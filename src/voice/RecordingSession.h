#pragma once

#include "platform/Outcome.h"
#include "voice/Recordings.h"

#include <QObject>
#include <QTimer>
#include <memory>

namespace vellumora {

class Platform;
class Recordings;
class VoiceRecorder;

// One recording of the user's voice for an affirmation, from Record to Stop or a minute at most.
// It is written to a hidden file beside the recordings and takes its place only when whole: a
// refused microphone or a full disk leaves the affirmation's old recording, if any, as it was.
class RecordingSession : public QObject {
    Q_OBJECT
public:
    static constexpr int kLongestMs = 60 * 1000;
    // Starting: the microphone is opened, and what is said is not heard yet.
    enum class State { Idle, Starting, Recording, Finishing };

    RecordingSession(Platform& platform, const Recordings& recordings, QObject* parent = nullptr);
    ~RecordingSession() override;

    // Refused at once when there is no microphone or nowhere to write.
    Outcome start(const Affirmation& affirmation);
    // The recording ends, or is given up while it starts; done() follows.
    void stop();
    State state() const { return m_state; }
    const Affirmation& affirmation() const { return m_affirmation; }

signals:
    void stateChanged(vellumora::RecordingSession::State state);
    // The recording is kept, or why it is not.
    void done(const vellumora::Outcome& outcome);

private:
    void setState(State state);
    void finish(const Outcome& outcome);

    Platform& m_platform;
    const Recordings& m_recordings;
    std::unique_ptr<VoiceRecorder> m_recorder;
    QTimer m_limit { this };
    State m_state = State::Idle;
    Affirmation m_affirmation;
    NativePath m_part;
};

} // namespace vellumora
