#pragma once

#include "platform/FontChoice.h"
#include "show/Show.h"

#include <QObject>
#include <QPointer>
#include <memory>

class QRandomGenerator;
class QScreen;
class QWidget;

namespace vellumora {

class CategoryIndex;
class CategoryStore;
class DisplaySettings;
class MediaControl;
class PictureLibrary;
class PictureLoader;
class Platform;
class SlideshowWindow;
class ThumbnailStrip;

// Start, Back and the font choice: checks the options, starts the show on the slideshow window
// and the music player, and gives the main window back. The window exists from its first use
// until Back, or a Start refused for want of pictures, discards it; the chosen font is kept with
// the options and given to every window.
class ShowLauncher : public QObject {
    Q_OBJECT
public:
    struct Sources {
        QWidget& mainWindow;
        DisplaySettings& settings;
        const PictureLibrary& pictures;
        const ThumbnailStrip& thumbnails;
        const CategoryIndex& categories;
        const CategoryStore& categoryStore;
        PictureLoader& loader;
    };

    ShowLauncher(Platform& platform, QRandomGenerator& random, Sources sources, QObject* parent = nullptr);
    ~ShowLauncher() override;

    // True when the show runs; false when it was refused, with the user told on the main window.
    bool start();
    void back();
    void chooseFont();
    bool isRunning() const;
    // The slideshow window comes to the front.
    void comeForward();

signals:
    // The settings panel must come to the front (the chosen music file is missing).
    void musicPanelWanted();
    // Back: the main window is shown again.
    void ended();

private:
    MediaControl& player();
    SlideshowWindow& window();
    void discardWindow();
    // False, with the user told, when music is wanted but no file is there to play.
    bool musicReady();
    // The file is played unless it plainly is no music; then the user is told and the show
    // goes on without it.
    void startMusic(const QString& path);
    // The user's place for the show, kept with the options.
    void keepPlace(const QPoint& topLeft);
    QPoint keptPlace(const QSize& windowSize) const;
    // The screen a show starts on, which a full screen show fills.
    const QScreen* startScreen() const;
    void playTrack(int track);
    // At a track's end the next one plays, round and round; a single file again when repeated.
    void trackFinished();
    void trackUnplayable(const QString& reason);
    void musicUnplayable(const QString& reason);
    void showMusicStatus();
    void nothingToShow();
    // A refusal: told over the main window, which a show started from the command line has not
    // shown yet.
    void refuse(const QString& text, MessageIcon icon);

    Platform& m_platform;
    Sources m_sources;
    Show m_show;
    std::unique_ptr<MediaControl> m_player;
    QPointer<SlideshowWindow> m_window;
    bool m_musicShown = false;
    QStringList m_tracks;
    int m_track = 0;
    bool m_fromFolder = false;
    int m_unplayableInARow = 0;
};

} // namespace vellumora
