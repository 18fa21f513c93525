#include "show/ShowLauncher.h"

#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "library/Library.h"
#include "show/ShowPlacement.h"
#include "show/SlideshowWindow.h"
#include "show/StartChecks.h"
#include "voice/Voice.h"
#include "widgets/TwipsLayout.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vellumora {

namespace {

QStringList texts(const QList<Affirmation>& affirmations)
{
    QStringList result;
    for (const Affirmation& affirmation : affirmations) {
        result.append(affirmation.text);
    }
    return result;
}

ShowGeometry geometryOn(const QScreen& screen, ShowSize size)
{
    // Full Screen covers the panels too; a window of its own stays clear of them.
    return ShowGeometry::of(
        size, size == ShowSize::FullScreen ? screen.geometry().size() : screen.availableGeometry().size());
}

} // namespace

ShowLauncher::ShowLauncher(
    Platform& platform, QRandomGenerator& random, Library& library, MainWindowParts main, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_library(library)
    , m_main(main)
    , m_show(random, this)
    , m_music(platform, this)
{
    m_show.setObjectName(QStringLiteral("show"));
    m_main.loader.keepShownPicturesIn(platform.shownPictureFolder());
    connect(&m_show, &Show::pictureWanted, &m_main.loader, &PictureLoader::loadPicture);
    connect(&m_main.thumbnails, &ThumbnailStrip::thumbnailReady, this, &ShowLauncher::prepareWhenIdle);
    connect(qApp, &QCoreApplication::aboutToQuit, &m_main.loader, &PictureLoader::stopPreparing);
    connect(&m_main.loader, &PictureLoader::pictureLoaded, &m_show, &Show::pictureDecoded);
    connect(&m_show, &Show::nothingToShow, this, &ShowLauncher::nothingToShow);
    connect(&m_library, &Library::changedOnDisk, this, [this] {
        if (isRunning()) {
            m_affirmations = m_library.tickedAffirmationsWithCategories();
            m_show.setContent(m_library.pictures().paths(), texts(m_affirmations));
        }
    });
    connect(&m_show, &Show::affirmationShown, this, [this](int index) {
        if (m_library.voice().settings().say && index < m_affirmations.size()) {
            m_main.voice.say(m_affirmations.at(index));
        }
    });
    connect(&m_main.voice, &Voice::speakingChanged, &m_music, &Playlist::duck);
    ShowOptions& options = m_library.options();
    connect(&options, &ShowOptions::musicSwitchedOff, &m_music, &Playlist::hide);
    connect(&options, &ShowOptions::musicFileChosen, &m_music, &Playlist::release);
    connect(&options, &ShowOptions::changed, this, [this] {
        if (m_music.isShown()) {
            m_music.setRepeat(m_library.options().musicRepeat());
        }
        prepareWhenIdle();
    });
}

ShowLauncher::~ShowLauncher()
{
    keepScreenAwake(false);
    delete m_window;
}

void ShowLauncher::keepScreenAwake(bool on)
{
    if (on != m_keepingAwake) {
        m_keepingAwake = on;
        m_platform.keepScreenAwake(on);
    }
}

SlideshowWindow& ShowLauncher::window()
{
    if (m_window) {
        return *m_window;
    }
    m_window = new SlideshowWindow;
    SlideshowWindow* window = m_window;
    connect(window, &SlideshowWindow::backRequested, this, &ShowLauncher::back);
    connect(window, &SlideshowWindow::movedByUser, this, &ShowLauncher::keepPlace);
    connect(&m_show, &Show::pictureChanged, window, &SlideshowWindow::setPicture);
    connect(&m_show, &Show::captionChanged, window, &SlideshowWindow::setCaption);
    connect(&m_show, &Show::captionMoved, window, &SlideshowWindow::moveCaption);
    connect(&m_show, &Show::advanced, window, [this] { placeWindow(); });
    connect(&m_music, &Playlist::shownChanged, window, &SlideshowWindow::setMusicStripShown);
    // Full Screen, the picture makes room for the music's strip, or takes it back.
    connect(&m_music, &Playlist::shownChanged, window,
        [this, window] { m_show.setPictureSize(window->showGeometry().picture.size()); });
    connect(&m_music, &Playlist::status, window, &SlideshowWindow::setMusicStatus);
    return *window;
}

void ShowLauncher::prepareWhenIdle()
{
    if (isRunning() || m_main.thumbnails.waitingCount() > 0) {
        return;
    }
    const ShowOptions& options = m_library.options();
    const QScreen* screen = ShowPlacement::startScreen(options, m_main.window.screen());
    const Preparation wanted { m_library.pictures().paths(),
        Show::decodedSize(
            geometryOn(*screen, options.display().showSize).picture.size(), screen->devicePixelRatio()),
        Show::decoderFit(options.display().pictureFit) };
    if (wanted != m_prepared) {
        m_prepared = wanted;
        m_main.loader.prepareShownPictures(wanted.paths, wanted.size, wanted.fit);
    }
}

void ShowLauncher::placeWindow()
{
    SlideshowWindow& shown = window();
    // A full screen show stays where it is.
    if (!shown.showGeometry().fullScreen) {
        if (m_library.options().display().placement == Placement::WhereIPutIt) {
            shown.move(ShowPlacement::keptPlace(m_library.options().showPlace(), shown.size()));
        } else {
            // The screen that holds the window, so on a desktop of several screens it stays on one.
            const QScreen* screen = shown.screen() ? shown.screen() : QGuiApplication::primaryScreen();
            shown.move(m_show.placeIn(screen->geometry(), shown.size()));
        }
    }
    shown.show();
}

void ShowLauncher::keepPlace(const QPoint& topLeft)
{
    const std::optional<ShowPlace> place
        = ShowPlacement::placeAt(topLeft, m_window ? m_window->screen() : nullptr);
    if (!place) {
        return;
    }
    ShowOptions& options = m_library.options();
    options.setShowPlace(*place);
    if (!options.saveShowPlace()) {
        m_platform.message(tr("The show's place could not be saved; it stays there until Vellumora ends."),
            MessageIcon::Information);
    }
}

void ShowLauncher::discardWindow()
{
    if (m_window) {
        m_show.disconnect(m_window);
        m_music.disconnect(m_window);
        // Deleted later: Back may be running inside one of the window's own handlers.
        m_window->hide();
        m_window->deleteLater();
        m_window = nullptr;
    }
    m_music.hide();
    keepScreenAwake(false);
}

bool ShowLauncher::refuse(const Outcome& refusal)
{
    if (!m_main.window.isVisible()) {
        m_main.window.show();
    }
    return refusal.report(m_platform);
}

void ShowLauncher::nothingToShow()
{
    back();
    m_platform.message(
        tr("None of the pictures in the library can be read, so the show has ended."), MessageIcon::Critical);
}

bool ShowLauncher::isRunning() const
{
    return m_window && m_window->isVisible();
}

void ShowLauncher::comeForward()
{
    if (isRunning()) {
        m_window->raise();
        m_window->activateWindow();
    }
}

bool ShowLauncher::start()
{
    ShowOptions& options = m_library.options();
    if (const StartChecks::Verdict music = StartChecks::music(options); !music.outcome) {
        refuse(music.outcome);
        if (music.musicPanelWanted) {
            emit musicPanelWanted();
        }
        return false;
    }
    if (!options.saveDisplayOptions()) {
        m_platform.message(
            tr("The display settings could not be saved; the show starts with them all the same."),
            MessageIcon::Information);
    }
    if (const Outcome pictures = StartChecks::pictures(m_library.pictures().count()); !pictures) {
        discardWindow();
        return refuse(pictures);
    }
    SlideshowWindow& shown = window();
    const FontChoice font = options.affirmationFont().value_or(ShowOptions::designFont());
    shown.setAffirmationFont(font);
    if (options.musicSource() != MusicSource::None) {
        m_music.play(options.musicPath(), options.musicSource(), options.musicRepeat());
    }
    const DisplayOptions& display = options.display();
    shown.setPictureFit(display.pictureFit);
    shown.setWindowFlag(Qt::WindowStaysOnTopHint, display.onTop);
    const QScreen* screen = ShowPlacement::startScreen(options, m_main.window.screen());
    shown.setShowGeometry(geometryOn(*screen, display.showSize));
    // As laid out: Full Screen with music has a lower picture.
    const ShowGeometry& geometry = shown.showGeometry();
    const ThumbnailStrip& thumbnails = m_main.thumbnails;
    m_affirmations = m_library.tickedAffirmationsWithCategories();
    // A screen that does not tell its refresh is taken for the common 60 Hz.
    const qreal refresh = screen->refreshRate() >= 20 ? screen->refreshRate() : 60.0;
    // The show's own requests would wait behind them.
    m_main.loader.stopPreparing();
    m_prepared.reset();
    m_show.start({ m_library.pictures().paths(), texts(m_affirmations), options.pictureSeconds() * 1000,
        options.stepMilliseconds(), display.order == Order::Random, display.placement == Placement::Random,
        shown.devicePixelRatioF(), [&thumbnails](int number) { return thumbnails.thumbnail(number); },
        display.pictureFit, geometry.picture.size(), geometry.captionTurnTwips, shown.captionFont(),
        1000.0 / refresh });
    if (m_main.window.isVisible()) {
        m_main.window.showMinimized();
    }
    shown.setFrame(display.borderShape, display.fillStyle);
    options.saveMusicPath();
    // The first showing is centred on the screen, or where the user put it; the ticks place it
    // after that.
    if (geometry.fullScreen) {
        // Nobody moves the mouse while watching: the screen saver would end the show's purpose.
        keepScreenAwake(true);
        shown.setGeometry(screen->geometry());
        shown.showFullScreen();
    } else {
        if (display.placement == Placement::WhereIPutIt) {
            shown.move(ShowPlacement::keptPlace(options.showPlace(), shown.size()));
        } else {
            centreOnScreen(&shown);
        }
        shown.show();
    }
    m_main.window.hide();
    return true;
}

void ShowLauncher::back()
{
    m_main.voice.stop();
    m_music.stop();
    m_show.stop();
    m_main.window.showNormal();
    m_main.window.activateWindow();
    discardWindow();
    emit ended();
    prepareWhenIdle();
}

void ShowLauncher::chooseFont()
{
    ShowOptions& options = m_library.options();
    // The dialog opens on the font in effect: the one chosen before, else the show's own.
    const std::optional<FontChoice> chosen
        = m_platform.chooseFont(options.affirmationFont().value_or(ShowOptions::designFont()));
    if (!chosen) {
        return;
    }
    options.setAffirmationFont(*chosen);
    if (!options.saveAffirmationFont()) {
        m_platform.message(
            tr("The font could not be saved; it is used until Vellumora ends."), MessageIcon::Information);
    }
    window().setAffirmationFont(*chosen);
    m_show.setCaptionFont(window().captionFont());
}

} // namespace vellumora
