#include "show/Playlist.h"

#include "platform/MediaControl.h"
#include "platform/Outcome.h"
#include "platform/Platform.h"
#include "settings/MusicFile.h"
#include "show/ShowArithmetic.h"

#include <QFileInfo>

namespace vellumora {

Playlist::Playlist(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

Playlist::~Playlist() = default;

MediaControl& Playlist::player()
{
    if (!m_player) {
        m_player = m_platform.createMediaControl();
        m_player->setVolume(m_ducked ? kDuckedVolume : 1.0);
        connect(m_player.get(), &MediaControl::statusUpdate, this, [this] {
            if (m_shown) {
                emit status(
                    show::musicStatus(m_player->fileName(), m_player->position(), m_player->length()));
            }
        });
        connect(m_player.get(), &MediaControl::unplayable, this, &Playlist::trackUnplayable);
        // Queued: the player is not asked to play again from inside its own notification.
        connect(
            m_player.get(), &MediaControl::finished, this, &Playlist::trackFinished, Qt::QueuedConnection);
    }
    return *m_player;
}

void Playlist::duck(bool ducked)
{
    m_ducked = ducked;
    if (m_player) {
        m_player->setVolume(ducked ? kDuckedVolume : 1.0);
    }
}

void Playlist::play(const QString& path, MusicSource source, bool repeat)
{
    m_path = path;
    m_tracks = MusicFile::tracks(path);
    m_fromFolder = source == MusicSource::Folder;
    m_unplayableInARow = 0;
    if (m_tracks.isEmpty() || (!m_fromFolder && !MusicFile::mayBeMusic(path))) {
        unplayable(tr("It is not a music file."));
        return;
    }
    // The strip first: the player may find the file unplayable while it opens it.
    setShown(true);
    setRepeat(repeat);
    playTrack(0);
}

void Playlist::setRepeat(bool on)
{
    // A single track plays round in the player itself; a folder's go on to the next.
    if (m_player || m_shown) {
        player().setLooping(on && m_tracks.size() == 1);
    }
}

void Playlist::playTrack(int track)
{
    m_track = track;
    player().open(m_tracks.at(track));
    player().play();
}

void Playlist::trackFinished()
{
    m_unplayableInARow = 0;
    if (m_shown && m_tracks.size() > 1) {
        playTrack((m_track + 1) % m_tracks.size());
    }
}

void Playlist::trackUnplayable(const QString& reason)
{
    // A folder's track that will not play is passed over; only a folder of none is told of.
    if (m_fromFolder && ++m_unplayableInARow < m_tracks.size()) {
        playTrack((m_track + 1) % m_tracks.size());
        return;
    }
    unplayable(reason);
}

void Playlist::unplayable(const QString& reason)
{
    setShown(false);
    m_platform.message(
        withReason(
            (m_fromFolder
                    ? tr("None of the music in \"%1\" can be played, so the show goes on without music.")
                    : tr("The music file \"%1\" cannot be played, so the show goes on without music."))
                .arg(QFileInfo(m_path).fileName()),
            reason),
        MessageIcon::Information);
}

void Playlist::stop()
{
    if (m_player) {
        m_player->stop();
        m_player->close();
    }
    setShown(false);
}

void Playlist::release()
{
    if (m_player) {
        m_player->close();
    }
}

void Playlist::hide()
{
    setShown(false);
}

void Playlist::setShown(bool shown)
{
    if (shown != m_shown) {
        m_shown = shown;
        emit shownChanged(shown);
    }
}

} // namespace vellumora
