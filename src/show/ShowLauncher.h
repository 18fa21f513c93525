#pragma once

#include "library/Library.h"
#include "platform/Outcome.h"
#include "show/Playlist.h"
#include "show/Show.h"

#include <QObject>
#include <QPointer>
#include <optional>

class QRandomGenerator;
class QWidget;

namespace vellumora {

class Voice;

class Library;
class PictureLoader;
class SlideshowWindow;
class ThumbnailStrip;

// Start, Back and the font choice: starts the show from the library and its options on the
// slideshow window, with its music, and gives the main window back. The window exists from its
// first use until Back, or a Start refused for want of pictures, discards it.
class ShowLauncher : public QObject {
    Q_OBJECT
public:
    // What the show needs of the main window: the window itself, which it hides and gives back,
    // the thumbnails that stand in for pictures until they are decoded, and the decoder.
    struct MainWindowParts {
        QWidget& window;
        const ThumbnailStrip& thumbnails;
        PictureLoader& loader;
        // Heard as each affirmation appears, when the user wants it.
        Voice& voice;
    };

    ShowLauncher(Platform& platform, QRandomGenerator& random, Library& library, MainWindowParts main,
        QObject* parent = nullptr);
    ~ShowLauncher() override;

    // True when the show runs; false when it was refused, with the user told on the main window.
    bool start();
    void back();
    void chooseFont();
    bool isRunning() const;
    // The slideshow window comes to the front.
    void comeForward();

signals:
    // The settings panel must come to the front (the chosen music is missing).
    void musicPanelWanted();
    // Back: the main window is shown again.
    void ended();

private:
    SlideshowWindow& window();
    void discardWindow();
    // Where the window goes at a tick, unless it fills the screen.
    void placeWindow();
    void keepPlace(const QPoint& topLeft);
    // A refusal: told over the main window, which a show started from the command line has not
    // shown yet.
    bool refuse(const Outcome& refusal);
    void nothingToShow();
    void keepScreenAwake(bool on);
    // Once the main window's thumbnails are all in and no show runs, the copies the next show
    // would draw are made in the background, so its pictures come from them.
    void prepareWhenIdle();

    Platform& m_platform;
    Library& m_library;
    MainWindowParts m_main;
    Show m_show;
    Playlist m_music;
    // The show's affirmations with their categories, where their recordings are.
    QList<Affirmation> m_affirmations;
    QPointer<SlideshowWindow> m_window;
    bool m_keepingAwake = false;
    // What was last given to prepare, so that a thumbnail loaded again asks nothing new.
    struct Preparation {
        QList<NativePath> paths;
        QSize size;
        PictureDecoder::Fit fit = PictureDecoder::Fit::Stretch;
        bool operator==(const Preparation&) const = default;
    };
    std::optional<Preparation> m_prepared;
};

} // namespace vellumora
