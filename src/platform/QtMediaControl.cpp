#include "platform/QtMediaControl.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace vellumora {

QtMediaControl::QtMediaControl(QObject* parent)
    : MediaControl(parent)
    , m_player(new QMediaPlayer(this))
    , m_output(new QAudioOutput(this))
{
    m_player->setAudioOutput(m_output);
    m_status.setInterval(1000);
    connect(&m_status, &QTimer::timeout, this, &MediaControl::statusUpdate);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString& reason) { refuse(reason); });
    // A picture loads as a film of one frame and "plays" in silence.
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::LoadedMedia && !m_player->hasAudio()) {
            refuse(tr("There is no sound in it."));
        } else if (status == QMediaPlayer::EndOfMedia) {
            emit finished();
        }
    });
}

void QtMediaControl::refuse(const QString& reason)
{
    // Told once per file: a failing stream goes on reporting errors, stopping it too.
    if (m_status.isActive()) {
        m_status.stop();
        m_player->stop();
        emit unplayable(reason);
    }
}

QtMediaControl::~QtMediaControl()
{
    m_player->stop();
}

void QtMediaControl::open(const QString& path)
{
    m_fileName = path;
    // Running before the source is set, so a refusal made while it loads is told.
    m_status.start();
    m_player->setSource(QUrl::fromLocalFile(path));
}

void QtMediaControl::play()
{
    // Not a file found unplayable.
    if (m_status.isActive() && !m_player->source().isEmpty()) {
        // A seek on a file just opened would only hold up its first sound.
        if (m_player->position() != 0) {
            m_player->setPosition(0);
        }
        m_player->play();
    }
}

void QtMediaControl::stop()
{
    m_player->stop();
}

void QtMediaControl::close()
{
    m_status.stop();
    m_player->stop();
    m_player->setSource(QUrl());
}

void QtMediaControl::setLooping(bool on)
{
    m_player->setLoops(on ? QMediaPlayer::Infinite : QMediaPlayer::Once);
}

void QtMediaControl::setVolume(double volume)
{
    m_output->setVolume(float(volume));
}

qint64 QtMediaControl::position() const
{
    return m_player->position();
}

qint64 QtMediaControl::length() const
{
    return m_player->duration();
}

} // namespace vellumora
