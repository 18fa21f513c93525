#include "show/ShowLauncher.h"

#include "images/ImageLibraryPanel.h"
#include "images/PictureLoader.h"
#include "library/AffirmationLibraryPanel.h"
#include "platform/MediaControl.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "settings/SettingsPanel.h"
#include "show/ShowArithmetic.h"
#include "show/frmDisplay.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QScreen>
#include <QWidget>

namespace vellumora {

namespace {

// Pictures are shown 433 x 337 px.
const QSize kPictureSize(433, 337);

} // namespace

ShowLauncher::ShowLauncher(Platform& platform, QRandomGenerator& random, Parts parts, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_random(random)
    , m_parts(parts)
{
    Timer1.setObjectName(QStringLiteral("Timer1"));
    connect(&Timer1, &QTimer::timeout, this, &ShowLauncher::Timer1_Timer);
    connect(&m_parts.loader, &PictureLoader::pictureLoaded, this, &ShowLauncher::pictureLoaded);
    connect(&m_parts.settings, &SettingsPanel::musicSwitchedOff, this, [this] {
        if (m_display) {
            m_display->hideMusicStrip();
        }
    });
    connect(&m_parts.settings, &SettingsPanel::musicFileChosen, this, [this] {
        // The player lets go of a file it may still hold before the new one is used.
        display().mmcAudio().command(QStringLiteral("Close"));
    });
}

ShowLauncher::~ShowLauncher()
{
    delete m_display;
}

frmDisplay& ShowLauncher::display()
{
    if (!m_display) {
        m_display = new frmDisplay(m_platform);
        connect(m_display, &frmDisplay::backRequested, this, &ShowLauncher::cmdBack_Click);
    }
    return *m_display;
}

frmDisplay* ShowLauncher::existingDisplay() const
{
    return m_display;
}

void ShowLauncher::discardDisplay()
{
    if (m_display) {
        // Deleted later: Back may be running inside one of the window's own handlers.
        m_display->hide();
        m_display->deleteLater();
        m_display = nullptr;
    }
    m_pictures.clear();
}

bool ShowLauncher::startMusic()
{
    SettingsPanel& settings = m_parts.settings;
    if (!settings.playMusic()) {
        return true;
    }
    if (settings.musicPath().isEmpty()) {
        m_platform.message(tr("Please Select Music File To Play"), MessageIcon::Information);
        return false;
    }
    MediaControl& player = display().mmcAudio();
    player.setFileName(settings.musicPath());
    if (!QFileInfo(settings.musicPath()).isFile()) {
        m_platform.message(tr("Music File Is Not Exists Please Select A File"), MessageIcon::Critical);
        emit musicPanelWanted();
        return false;
    }
    player.command(QStringLiteral("Open"));
    player.command(QStringLiteral("Play"));
    display().showMusicStrip([&settings] { return settings.musicPath(); });
    return true;
}

void ShowLauncher::cmdDisplayAffirmations_Click()
{
    SettingsPanel& settings = m_parts.settings;
    if (!startMusic()) {
        return;
    }
    if (!settings.SaveDisplaySettings()) {
        m_platform.message(
            tr("The display settings could not be saved; the show starts with them all the same."),
            MessageIcon::Information);
    }
    if (m_parts.images.intImageCount() < 1) {
        discardDisplay();
        m_platform.message(
            tr("Please Select Atleast One Image To Display Your Picture"), MessageIcon::Critical);
        return;
    }
    ++m_showNumber;
    m_pictures.clear();
    m_aheadNumber = 0;
    intImageIndex = 0;
    showPicture(1);
    Timer1.start(settings.pictureSeconds() * 1000);
    m_parts.mainWindow.showMinimized();
    display().startGlide(settings.stepMilliseconds(), [&settings] { return settings.stepMilliseconds(); });
    gatherAffirmations();
    display().setCaption(strAffirmations.isEmpty() ? kNoAffirmation : strAffirmations.constFirst());
    const DisplayOptions options = settings.displayOptions();
    display().setFrame(options.borderShape, options.fillStyle);
    settings.SaveMusicPath();
    // The first showing is centred on the screen; the ticks place it after that.
    centreOnScreen(&display());
    display().show();
    m_parts.mainWindow.hide();
}

void ShowLauncher::gatherAffirmations()
{
    intAffirmationIndex = 0;
    strAffirmations.clear();
    const CategoryStore& store = m_parts.affirmations.store();
    for (const Row& category : m_parts.affirmations.categories()) {
        if (!category.ticked) {
            continue;
        }
        // A category whose file cannot be read gives nothing; the others still count.
        const std::optional<QList<Row>> rows = store.readRows(store.categoryPath(category.text));
        for (const Row& row : rows.value_or(QList<Row> {})) {
            if (row.ticked) {
                strAffirmations.append(row.text);
            }
        }
    }
}

int ShowLauncher::nextPictureNumber() const
{
    return m_parts.settings.randomOrder() ? m_aheadNumber
                                          : show::nextPicture(intImageIndex, m_parts.images.intImageCount());
}

void ShowLauncher::Timer1_Timer()
{
    frmDisplay& window = display();
    const int count = m_parts.images.intImageCount();
    if (m_parts.settings.randomOrder()) {
        // Drawn when the picture was decoded ahead; drawn now if it was not.
        const int number
            = m_aheadNumber > 0 ? m_aheadNumber : show::randomPicture(count, m_random.generateDouble());
        m_aheadNumber = 0;
        showPicture(number);
        if (window.caption() != kNoAffirmation) {
            const int last = int(strAffirmations.size()) - 1;
            window.setCaption(strAffirmations.at(show::randomAffirmation(last, m_random.generateDouble())));
        }
    } else {
        intImageIndex = show::nextPicture(intImageIndex, count);
        showPicture(intImageIndex);
        if (window.caption() != kNoAffirmation) {
            intAffirmationIndex = show::nextAffirmation(intAffirmationIndex, int(strAffirmations.size()) - 1);
            window.setCaption(strAffirmations.at(intAffirmationIndex));
        }
    }
    placeWindow();
    window.show();
}

void ShowLauncher::placeWindow()
{
    frmDisplay& window = display();
    // The screen that holds the window, so on a desktop of several screens it stays on one.
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    const QRect area = screen->geometry();
    const QSize screenTwips = area.size() * kTwipsPerPixel;
    const QSize windowTwips = window.size() * kTwipsPerPixel;
    QPoint place;
    if (m_parts.settings.randomPlace()) {
        const double rTop = m_random.generateDouble();
        const QPoint twips = show::randomPlace(screenTwips, windowTwips, rTop, m_random.generateDouble());
        place = QPoint(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel);
    } else {
        const QPointF twips = show::centrePlace(screenTwips, windowTwips);
        place = QPoint(
            int(std::floor(twips.x() / kTwipsPerPixel)), int(std::floor(twips.y() / kTwipsPerPixel)));
    }
    window.move(area.topLeft() + place);
}

void ShowLauncher::showPicture(int number)
{
    m_shownNumber = number;
    if (m_pictures.contains(number)) {
        display().setPicture(m_pictures.value(number));
    } else {
        // Until the decode is back, the thumbnail stands in.
        display().setPicture(m_parts.images.thumbnail(number));
        m_parts.loader.loadPicture(quint64(m_showNumber) << 32 | quint32(number),
            m_parts.images.picturePath(number), kPictureSize, 1);
    }
    // Only the picture shown and the next stay decoded.
    const int keep = m_pictures.value(number).isNull() ? 0 : number;
    for (auto it = m_pictures.begin(); it != m_pictures.end();) {
        it = it.key() == keep ? std::next(it) : m_pictures.erase(it);
    }
    if (m_parts.settings.randomOrder() && m_aheadNumber == 0) {
        m_aheadNumber = show::randomPicture(m_parts.images.intImageCount(), m_random.generateDouble());
    }
    prefetch(nextPictureNumber());
}

void ShowLauncher::prefetch(int number)
{
    if (number > 0 && number != m_shownNumber && !m_pictures.contains(number)) {
        m_parts.loader.loadPicture(quint64(m_showNumber) << 32 | quint32(number),
            m_parts.images.picturePath(number), kPictureSize, 0);
    }
}

void ShowLauncher::pictureLoaded(quint64 ticket, const QImage& picture)
{
    if (quint32(ticket >> 32) != m_showNumber || !m_display) {
        return;
    }
    const int number = int(ticket & 0xFFFFFFFF);
    if (number == m_shownNumber) {
        m_display->setPicture(picture);
        m_pictures.insert(number, picture);
    } else if (number == nextPictureNumber()) {
        m_pictures.insert(number, picture);
    }
}

void ShowLauncher::cmdBack_Click()
{
    if (m_display) {
        m_display->mmcAudio().command(QStringLiteral("Stop"));
        m_display->mmcAudio().command(QStringLiteral("Close"));
        m_display->stopGlide();
    }
    Timer1.stop();
    Timer1.setInterval(0);
    m_parts.mainWindow.showNormal();
    m_parts.mainWindow.activateWindow();
    discardDisplay();
    ++m_showNumber;
}

void ShowLauncher::cmdFont_Click()
{
    const std::optional<FontChoice> chosen = m_platform.chooseFont(m_lastFont);
    if (!chosen) {
        return;
    }
    m_lastFont = *chosen;
    display().setAffirmationFont(*chosen);
}

} // namespace vellumora
