#include "voice/RecordingSession.h"

#include "platform/Platform.h"
#include "voice/Recordings.h"

namespace vellumora {

RecordingSession::RecordingSession(Platform& platform, const Recordings& recordings, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_recordings(recordings)
{
    m_limit.setSingleShot(true);
    m_limit.setInterval(kLongestMs);
    connect(&m_limit, &QTimer::timeout, this, &RecordingSession::stop);
}

RecordingSession::~RecordingSession()
{
    if (m_state != State::Idle) {
        // The program ends mid-recording: nothing half-written stays.
        m_recorder.reset();
        removeNativeFile(m_part);
    }
}

Outcome RecordingSession::start(const Affirmation& affirmation)
{
    if (m_state != State::Idle) {
        return Outcome::nothing();
    }
    m_recorder = m_platform.createVoiceRecorder();
    if (!m_recorder->hasMicrophone()) {
        m_recorder.reset();
        return Outcome::refused(
            tr("No microphone was found. Connect one and try again, or use Import Recording... "
               "to take a file you recorded."));
    }
    QString error;
    m_part = m_recordings.partFor(affirmation.category, affirmation.text, m_recorder->fileSuffix(), &error);
    if (m_part.isEmpty()) {
        m_recorder.reset();
        return Outcome::refused(withReason(tr("The recording cannot be written."), error));
    }
    m_affirmation = affirmation;
    connect(m_recorder.get(), &VoiceRecorder::finished, this, [this] {
        const std::optional<NativeFileInfo> written = nativeFileInfo(m_part);
        if (!written || written->size == 0) {
            removeNativeFile(m_part);
            finish(Outcome::refused(tr("Nothing was recorded: the microphone gave no sound.")));
            return;
        }
        finish(m_recordings.keep(m_part, m_affirmation.category, m_affirmation.text));
    });
    connect(m_recorder.get(), &VoiceRecorder::started, this, [this] {
        if (m_state == State::Starting) {
            setState(State::Recording);
        }
    });
    connect(m_recorder.get(), &VoiceRecorder::failed, this, [this](const QString& reason) {
        removeNativeFile(m_part);
        finish(Outcome::refused(withReason(tr("The recording could not be made."), reason)));
    });
    setState(State::Starting);
    m_limit.start();
    m_recorder->record(m_part.toString());
    return {};
}

void RecordingSession::stop()
{
    if (m_state != State::Recording && m_state != State::Starting) {
        return;
    }
    if (m_state == State::Starting) {
        // The microphone may take seconds to open: Stop does not wait for it, and keeps nothing.
        m_recorder->disconnect(this);
        m_recorder.reset();
        removeNativeFile(m_part);
        finish(Outcome::refused(tr("The recording was stopped before the microphone was open, so nothing was "
                                   "recorded."),
            MessageIcon::Information));
        return;
    }
    m_limit.stop();
    setState(State::Finishing);
    m_recorder->stop();
}

void RecordingSession::finish(const Outcome& outcome)
{
    if (m_state == State::Idle) {
        return;
    }
    m_limit.stop();
    // Its signal is still being delivered.
    if (m_recorder) {
        m_recorder.release()->deleteLater();
    }
    m_part = {};
    setState(State::Idle);
    emit done(outcome);
}

void RecordingSession::setState(State state)
{
    if (m_state != state) {
        m_state = state;
        emit stateChanged(state);
    }
}

} // namespace vellumora
