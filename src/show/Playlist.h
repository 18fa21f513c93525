#pragma once

#include "settings/ShowOptions.h"

#include <QObject>
#include <QStringList>
#include <memory>

namespace vellumora {

class MediaControl;
class Platform;

// The show's music: one file, played again at its end while Repeat is on, or a folder's music
// in name order, round and round, passing over a track that will not play. Music that cannot play at all is
// told of once, and the show goes on in silence. The player is made at the first music played:
// the media framework costs memory and start-up time.
class Playlist : public QObject {
    Q_OBJECT
public:
    explicit Playlist(Platform& platform, QObject* parent = nullptr);
    ~Playlist() override;

    void play(const QString& path, MusicSource source, bool repeat);
    // Repeat may change while the music plays.
    void setRepeat(bool on);
    // The music ends and the player lets go of its file.
    void stop();
    // The player lets go of a file it may still hold, before the user's new choice is used.
    void release();
    // The music is no longer shown; what plays goes on.
    void hide();
    bool isShown() const { return m_shown; }
    // The music is lowered to a third while a voice speaks, and comes back after it.
    void duck(bool ducked);
    static constexpr double kDuckedVolume = 1.0 / 3.0;

signals:
    // The music strip is wanted, or no longer.
    void shownChanged(bool shown);
    void status(const QString& text);

private:
    MediaControl& player();
    void playTrack(int track);
    // At a track's end the next one plays, round and round.
    void trackFinished();
    void trackUnplayable(const QString& reason);
    void unplayable(const QString& reason);
    void setShown(bool shown);

    Platform& m_platform;
    std::unique_ptr<MediaControl> m_player;
    QString m_path;
    QStringList m_tracks;
    int m_track = 0;
    bool m_fromFolder = false;
    bool m_shown = false;
    int m_unplayableInARow = 0;
    bool m_ducked = false;
};

} // namespace vellumora
