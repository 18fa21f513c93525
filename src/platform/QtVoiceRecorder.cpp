#include "platform/QtVoiceRecorder.h"

#include <QAudioDevice>
#include <QAudioInput>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QMediaFormat>
#include <QMediaRecorder>
#include <QTimer>
#include <QUrl>

namespace vellumora {

namespace {

// A microphone that gives nothing in this long, or a file not closed in this long after the stop,
// is a fault to report rather than a recording to wait on for ever.
constexpr int WatchMs = 8000;

} // namespace

// One recording: Qt's capture objects are made for each and dropped after it, so that the
// microphone is not held open between recordings.
class QtVoiceRecorder::Session : public QObject {
public:
    explicit Session(QObject* parent)
        : QObject(parent)
    {
        capture.setAudioInput(&input);
        capture.setRecorder(&recorder);
        watch.setSingleShot(true);
        watch.setInterval(WatchMs);
    }

    QMediaCaptureSession capture;
    QAudioInput input { QMediaDevices::defaultAudioInput() };
    QMediaRecorder recorder;
    QTimer watch;
    QString path;
    bool sounding = false;
    bool stopping = false;
};

QtVoiceRecorder::QtVoiceRecorder(QObject* parent)
    : VoiceRecorder(parent)
{
}

QtVoiceRecorder::~QtVoiceRecorder() = default;

QString QtVoiceRecorder::fileSuffix() const
{
    return QStringLiteral("ogg");
}

bool QtVoiceRecorder::hasMicrophone() const
{
    return !QMediaDevices::audioInputs().isEmpty();
}

void QtVoiceRecorder::refuseLater(const QString& reason)
{
    // After record() has returned, as every other answer comes.
    QMetaObject::invokeMethod(
        this, [this, reason] { emit failed(reason); }, Qt::QueuedConnection);
}

void QtVoiceRecorder::record(const QString& path)
{
    if (m_session) {
        return;
    }
    m_duration = 0;
    if (!hasMicrophone()) {
        refuseLater(tr("No microphone was found."));
        return;
    }
    // GStreamer would only report an unwritable folder as a failing element once the microphone
    // is open.
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir() || !folder.isWritable()) {
        refuseLater(tr("The recording cannot be saved in the folder %1.")
                        .arg(QDir::toNativeSeparators(folder.filePath())));
        return;
    }

    auto* session = new Session(this);
    m_session = session;
    session->path = path;
    QMediaFormat format(QMediaFormat::Ogg);
    format.setAudioCodec(QMediaFormat::AudioCodec::Vorbis);
    session->recorder.setMediaFormat(format);
    session->recorder.setOutputLocation(QUrl::fromLocalFile(path));

    connect(&session->recorder, &QMediaRecorder::durationChanged, this, [this, session](qint64 ms) {
        if (m_session == session && !session->sounding && ms > 0 && !session->stopping) {
            session->sounding = true;
            session->watch.stop();
            emit started();
        }
    });
    connect(&session->recorder, &QMediaRecorder::recorderStateChanged, this,
        [this, session](QMediaRecorder::RecorderState state) {
            if (m_session == session && state == QMediaRecorder::StoppedState) {
                stopped();
            }
        });
    connect(&session->recorder, &QMediaRecorder::errorOccurred, this,
        [this, session](QMediaRecorder::Error, const QString& reason) {
            if (m_session == session) {
                fail(reason.isEmpty() ? tr("The microphone could not be recorded.") : reason);
            }
        });
    connect(&session->watch, &QTimer::timeout, this, [this, session] {
        if (m_session == session) {
            fail(session->stopping ? tr("The recording could not be finished.")
                                   : tr("The microphone gives no sound."));
        }
    });
    session->watch.start();
    session->recorder.record();
}

void QtVoiceRecorder::stop()
{
    if (!m_session || m_session->stopping) {
        return;
    }
    m_session->stopping = true;
    m_session->watch.start();
    m_duration = m_session->recorder.duration();
    m_session->recorder.stop();
}

qint64 QtVoiceRecorder::duration() const
{
    return m_session && !m_session->stopping ? m_session->recorder.duration() : m_duration;
}

void QtVoiceRecorder::stopped()
{
    Session* session = m_session;
    if (!session->stopping) {
        fail(tr("The recording stopped by itself."));
        return;
    }
    if (!session->sounding) {
        fail(tr("Nothing was recorded."));
        return;
    }
    // The GStreamer recorder adds the suffix of its container's MIME type to any name that does not
    // end in it, and that of Ogg is "ogv". The file is closed by the time the recorder reports it
    // stopped.
    const QString written = session->recorder.actualLocation().toLocalFile();
    if (!written.isEmpty() && written != session->path
        && (!QFile::exists(written) || !QFile::rename(written, session->path))) {
        fail(tr("The recording could not be saved as %1.").arg(QDir::toNativeSeparators(session->path)));
        return;
    }
    m_duration = session->recorder.duration();
    end();
    emit finished();
}

void QtVoiceRecorder::fail(const QString& reason)
{
    Session* session = m_session;
    m_duration = session->recorder.duration();
    // Under a name the caller does not know, so no one else would remove it.
    const QString written = session->recorder.actualLocation().toLocalFile();
    end();
    if (!written.isEmpty() && written != session->path) {
        QFile::remove(written);
    }
    emit failed(reason);
}

void QtVoiceRecorder::end()
{
    // Not at once: this runs inside the recorder's own signals. Stopping an unfinished recording
    // first, since a recorder left recording would hold the microphone until it is deleted.
    Session* session = m_session;
    m_session = nullptr;
    session->watch.stop();
    session->recorder.stop();
    session->deleteLater();
}

} // namespace vellumora
