#include "show/ShowLauncher.h"

#include "affirmations/CategoryIndex.h"
#include "images/PictureLibrary.h"
#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "platform/MediaControl.h"
#include "platform/Platform.h"
#include "settings/DisplaySettings.h"
#include "settings/MusicFile.h"
#include "show/SlideshowWindow.h"
#include "widgets/TwipsLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vellumora {

namespace {

// The third choice of place: where the user dragged the show.
constexpr int kWhereThePlaceIsKept = 2;

} // namespace

ShowLauncher::ShowLauncher(Platform& platform, QRandomGenerator& random, Sources sources, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_sources(sources)
    , m_show(random, this)
{
    m_show.setObjectName(QStringLiteral("show"));
    connect(&m_show, &Show::pictureWanted, &m_sources.loader,
        [this](quint64 ticket, const NativePath& path, const QSize& size, int priority,
            PictureDecoder::Fit fit) { m_sources.loader.loadPicture(ticket, path, size, priority, fit); });
    connect(&m_sources.loader, &PictureLoader::pictureLoaded, &m_show, &Show::pictureDecoded);
    connect(&m_show, &Show::nothingToShow, this, &ShowLauncher::nothingToShow);
    connect(&m_sources.settings, &DisplaySettings::musicSwitchedOff, this, [this] {
        m_musicShown = false;
        if (m_window) {
            m_window->setMusicStripShown(false);
        }
    });
    // The player lets go of a file it may still hold before the new one is used.
    connect(&m_sources.settings, &DisplaySettings::musicFileChosen, this, [this] {
        if (m_player) {
            m_player->close();
        }
    });
}

ShowLauncher::~ShowLauncher()
{
    delete m_window;
}

MediaControl& ShowLauncher::player()
{
    // Made at the first music played: the media framework costs memory and start-up time.
    if (!m_player) {
        m_player = m_platform.createMediaControl();
        connect(m_player.get(), &MediaControl::statusUpdate, this, &ShowLauncher::showMusicStatus);
        connect(m_player.get(), &MediaControl::unplayable, this, &ShowLauncher::trackUnplayable);
        // Queued: the player is not asked to play again from inside its own notification.
        connect(m_player.get(), &MediaControl::finished, this, &ShowLauncher::trackFinished,
            Qt::QueuedConnection);
    }
    return *m_player;
}

SlideshowWindow& ShowLauncher::window()
{
    if (m_window) {
        return *m_window;
    }
    m_window = new SlideshowWindow;
    SlideshowWindow* window = m_window;
    connect(window, &SlideshowWindow::backRequested, this, &ShowLauncher::back);
    connect(&m_show, &Show::pictureChanged, window, &SlideshowWindow::setPicture);
    connect(&m_show, &Show::captionChanged, window,
        [this, window](const QString& caption) { m_show.setCaptionWidth(window->setCaption(caption)); });
    connect(&m_show, &Show::captionMoved, window, &SlideshowWindow::moveCaption);
    connect(window, &SlideshowWindow::movedByUser, this, &ShowLauncher::keepPlace);
    connect(&m_show, &Show::advanced, window, [this, window] {
        if (window->showGeometry().fullScreen) {
            // A full screen show stays where it is.
            window->setVisible(true);
            return;
        }
        if (m_sources.settings.display().placeOption == kWhereThePlaceIsKept) {
            window->move(keptPlace(window->size()));
        } else {
            // The screen that holds the window, so on a desktop of several screens it stays on one.
            const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
            window->move(m_show.placeIn(screen->geometry(), window->size()));
        }
        window->show();
    });
    return *window;
}

void ShowLauncher::keepPlace(const QPoint& topLeft)
{
    const QScreen* screen = QGuiApplication::screenAt(topLeft + QPoint(1, 1));
    if (!screen && m_window) {
        screen = m_window->screen();
    }
    if (!screen) {
        return;
    }
    DisplaySettings& settings = m_sources.settings;
    settings.setShowPlace({ true, screen->name(), topLeft - screen->geometry().topLeft() });
    if (!settings.saveShowPlace()) {
        m_platform.message(tr("The show's place could not be saved; it stays there until Vellumora ends."),
            MessageIcon::Information);
    }
}

const QScreen* ShowLauncher::startScreen() const
{
    // Where the user put the show, else the screen that shows the main window.
    const ShowPlace& place = m_sources.settings.showPlace();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (place.put && screen->name() == place.screen
            && m_sources.settings.display().placeOption == kWhereThePlaceIsKept) {
            return screen;
        }
    }
    const QScreen* main = m_sources.mainWindow.screen();
    return main ? main : QGuiApplication::primaryScreen();
}

QPoint ShowLauncher::keptPlace(const QSize& windowSize) const
{
    const ShowPlace& place = m_sources.settings.showPlace();
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto kept = std::find_if(screens.cbegin(), screens.cend(),
        [&place](const QScreen* screen) { return screen->name() == place.screen; });
    if (!place.put || kept == screens.cend()) {
        // Never put anywhere, or put on a screen that is gone: the middle of the main screen.
        QRect centred(QPoint(), windowSize);
        centred.moveCenter(QGuiApplication::primaryScreen()->geometry().center());
        return centred.topLeft();
    }
    // Kept wholly on the screen, which may have become smaller since.
    const QRect area = (*kept)->geometry();
    const QPoint wanted = area.topLeft() + place.topLeft;
    return { std::clamp(
                 wanted.x(), area.left(), std::max(area.left(), area.right() + 1 - windowSize.width())),
        std::clamp(wanted.y(), area.top(), std::max(area.top(), area.bottom() + 1 - windowSize.height())) };
}

void ShowLauncher::discardWindow()
{
    if (m_window) {
        m_show.disconnect(m_window);
        // Deleted later: Back may be running inside one of the window's own handlers.
        m_window->hide();
        m_window->deleteLater();
        m_window = nullptr;
    }
    m_musicShown = false;
}

bool ShowLauncher::musicReady()
{
    const DisplaySettings& settings = m_sources.settings;
    if (!settings.playMusic()) {
        return true;
    }
    if (settings.musicPath().isEmpty()) {
        refuse(tr("Please Select Music File To Play"), MessageIcon::Information);
        return false;
    }
    const QFileInfo music(settings.musicPath());
    if (!music.isFile() && !music.isDir()) {
        refuse(tr("Music File Is Not Exists Please Select A File"), MessageIcon::Critical);
        emit musicPanelWanted();
        return false;
    }
    if (MusicFile::tracks(settings.musicPath()).isEmpty()) {
        refuse(tr("The folder \"%1\" holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another.")
                   .arg(QDir::toNativeSeparators(settings.musicPath())),
            MessageIcon::Critical);
        emit musicPanelWanted();
        return false;
    }
    return true;
}

void ShowLauncher::startMusic(const QString& path)
{
    m_tracks = MusicFile::tracks(path);
    m_fromFolder = QFileInfo(path).isDir();
    m_unplayableInARow = 0;
    if (!m_fromFolder && !MusicFile::mayBeMusic(path)) {
        musicUnplayable(tr("It is not a music file."));
        return;
    }
    // The strip first: the player may find the file unplayable while it opens it.
    m_musicShown = true;
    window().setMusicStripShown(true);
    playTrack(0);
}

void ShowLauncher::playTrack(int track)
{
    m_track = track;
    player().open(m_tracks.at(track));
    player().play();
}

void ShowLauncher::trackFinished()
{
    m_unplayableInARow = 0;
    if (!m_musicShown) {
        return;
    }
    if (m_tracks.size() > 1) {
        playTrack((m_track + 1) % m_tracks.size());
    } else if (m_sources.settings.musicRepeat()) {
        player().play();
    }
}

void ShowLauncher::trackUnplayable(const QString& reason)
{
    // A folder's track that will not play is passed over; only a folder of none is told of.
    if (m_fromFolder && ++m_unplayableInARow < m_tracks.size()) {
        playTrack((m_track + 1) % m_tracks.size());
        return;
    }
    musicUnplayable(reason);
}

void ShowLauncher::musicUnplayable(const QString& reason)
{
    m_musicShown = false;
    if (m_window) {
        m_window->setMusicStripShown(false);
    }
    m_platform.message(
        withReason(
            (m_fromFolder
                    ? tr("None of the music in \"%1\" can be played, so the show goes on without music.")
                    : tr("The music file \"%1\" cannot be played, so the show goes on without music."))
                .arg(QFileInfo(m_sources.settings.musicPath()).fileName()),
            reason),
        MessageIcon::Information);
}

void ShowLauncher::nothingToShow()
{
    back();
    m_platform.message(
        tr("None of the pictures in the library can be read, so the show has ended."), MessageIcon::Critical);
}

void ShowLauncher::showMusicStatus()
{
    if (m_window && m_musicShown) {
        m_window->setMusicStatus(
            show::musicStatus(m_player->fileName(), m_player->position(), m_player->length()));
    }
}

void ShowLauncher::refuse(const QString& text, MessageIcon icon)
{
    if (!m_sources.mainWindow.isVisible()) {
        m_sources.mainWindow.show();
    }
    m_platform.message(text, icon);
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
    DisplaySettings& settings = m_sources.settings;
    if (!musicReady()) {
        return false;
    }
    if (!settings.saveDisplayOptions()) {
        m_platform.message(
            tr("The display settings could not be saved; the show starts with them all the same."),
            MessageIcon::Information);
    }
    if (m_sources.pictures.count() < 1) {
        discardWindow();
        refuse(tr("Please Select Atleast One Image To Display Your Picture"), MessageIcon::Critical);
        return false;
    }
    SlideshowWindow& shown = window();
    if (settings.affirmationFont()) {
        m_show.setCaptionWidth(shown.setAffirmationFont(*settings.affirmationFont()));
    }
    if (settings.playMusic()) {
        startMusic(settings.musicPath());
    }
    const ThumbnailStrip& thumbnails = m_sources.thumbnails;
    const DisplayOptions& display = settings.display();
    const PictureDecoder::Fit fits[] { PictureDecoder::Fit::Stretch, PictureDecoder::Fit::Contain,
        PictureDecoder::Fit::Cover };
    const PictureDecoder::Fit fit = fits[std::clamp(display.pictureFit, 0, 2)];
    shown.setPictureFit(fit);
    shown.setWindowFlag(Qt::WindowStaysOnTopHint, display.onTop);
    const QScreen* screen = startScreen();
    const ShowGeometry geometry
        = ShowGeometry::of(ShowGeometry::Size(std::clamp(display.showSize, 0, ShowGeometry::kSizeCount - 1)),
            screen->geometry().size());
    shown.setShowGeometry(geometry);
    m_show.start({ m_sources.pictures.paths(),
        Show::gatherAffirmations(m_sources.categoryStore, m_sources.categories.rows()),
        settings.pictureSeconds() * 1000, settings.stepMilliseconds(), settings.randomOrder(),
        settings.randomPlace(), shown.devicePixelRatioF(),
        [&thumbnails](int number) { return thumbnails.thumbnail(number); }, fit, geometry.picture.size(),
        geometry.captionTurnTwips });
    if (m_sources.mainWindow.isVisible()) {
        m_sources.mainWindow.showMinimized();
    }
    shown.setFrame(settings.display().borderShape, settings.display().fillStyle);
    settings.saveMusicPath();
    // The first showing is centred on the screen, or where the user put it; the ticks place it
    // after that.
    if (geometry.fullScreen) {
        shown.setGeometry(screen->geometry());
        shown.showFullScreen();
    } else {
        if (display.placeOption == kWhereThePlaceIsKept) {
            shown.move(keptPlace(shown.size()));
        } else {
            centreOnScreen(&shown);
        }
        shown.show();
    }
    m_sources.mainWindow.hide();
    return true;
}

void ShowLauncher::back()
{
    if (m_window && m_player) {
        m_player->stop();
        m_player->close();
    }
    m_show.stop();
    m_sources.mainWindow.showNormal();
    m_sources.mainWindow.activateWindow();
    discardWindow();
    emit ended();
}

void ShowLauncher::chooseFont()
{
    DisplaySettings& settings = m_sources.settings;
    // The dialog opens on the font in effect: the one chosen before, else the show's own.
    const std::optional<FontChoice> chosen
        = m_platform.chooseFont(settings.affirmationFont().value_or(SlideshowWindow::designFont()));
    if (!chosen) {
        return;
    }
    settings.setAffirmationFont(*chosen);
    if (!settings.saveAffirmationFont()) {
        m_platform.message(
            tr("The font could not be saved; it is used until Vellumora ends."), MessageIcon::Information);
    }
    m_show.setCaptionWidth(window().setAffirmationFont(*chosen));
}

} // namespace vellumora
