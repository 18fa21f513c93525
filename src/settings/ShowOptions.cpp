#include "settings/ShowOptions.h"

#include "platform/Platform.h"

#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <climits>

namespace vellumora {

namespace {

const QString kDisplaySection = QStringLiteral("settings");
const QString kMusicSection = QStringLiteral("Settings");

// A choice as the settings file keeps it: the number of its option.
template <typename Choice> QString number(Choice choice)
{
    return QString::number(static_cast<int>(choice));
}

// A stored number from 0 to count - 1; any other text gives the fallback.
int storedNumber(const QString& text, int count, int fallback)
{
    bool ok = false;
    const int value = text.toShort(&ok);
    return ok && value >= 0 && value < count ? value : fallback;
}

template <typename Choice> Choice storedChoice(const QString& text, Choice last, Choice fallback)
{
    return Choice(storedNumber(text, static_cast<int>(last) + 1, static_cast<int>(fallback)));
}

} // namespace

ShowOptions::ShowOptions(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

QString ShowOptions::stored(const char* key)
{
    const QString value = m_platform.setting(kDisplaySection, QLatin1String(key));
    if (!value.isEmpty()) {
        m_storedKeys.insert(QLatin1String(key));
    }
    return value;
}

void ShowOptions::load()
{
    loadMusicPath();
    loadDisplayOptions();
    loadShowChoices();
}

void ShowOptions::loadMusicPath()
{
    const QString path = m_platform.setting(kMusicSection, QStringLiteral("MusicPath"));
    setMusicPath(path);
    if (path.isEmpty()) {
        setPlayMusic(false);
    }
    const QString repeat = m_platform.setting(kMusicSection, QStringLiteral("MusicRepeat"));
    m_repeatStored = repeat == QLatin1String("0") || repeat == QLatin1String("1");
    setMusicRepeat(m_repeatStored ? repeat == QLatin1String("1") : path.isEmpty());
    m_storedMusicPath = path;
    m_storedRepeat = m_musicRepeat;
}

void ShowOptions::loadDisplayOptions()
{
    const auto read
        = [this](const char* key) { return m_platform.setting(kDisplaySection, QLatin1String(key)); };
    if (read("DispDuration").isEmpty()) {
        return;
    }
    const DisplayOptions defaults;
    DisplayOptions options = m_display;
    options.pictureSecondsIndex
        = storedNumber(read("DispDuration"), kDurationCount, defaults.pictureSecondsIndex);
    options.glideStepIndex
        = storedNumber(read("AffirmationDispDuration"), kDurationCount, defaults.glideStepIndex);
    // Order is a two-way choice and place a three-way one: 0 picks the first button, 2 the
    // third place, and any other number the second, as it always has.
    const int place = storedNumber(read("DispLocation"), SHRT_MAX, 1);
    options.placement = place == 0 ? Placement::Random
        : place == 2               ? Placement::WhereIPutIt
                                   : Placement::Centre;
    options.order = storedNumber(read("DispOrder"), SHRT_MAX, 1) == 0 ? Order::Random : Order::AsDisplayed;
    options.borderShape = storedChoice(read("BorderShape"), BorderShape::RoundSquare, defaults.borderShape);
    options.fillStyle = storedChoice(read("FillStyle"), FillStyle::DiagonalCross, defaults.fillStyle);
    setDisplay(options);
}

bool ShowOptions::saveDisplayOptions()
{
    const auto write = [this](const char* key, const QString& value) {
        return m_platform.setSetting(kDisplaySection, QLatin1String(key), value);
    };
    bool ok = write("DispDuration", QString::number(m_display.pictureSecondsIndex));
    ok = write("AffirmationDispDuration", QString::number(m_display.glideStepIndex)) && ok;
    ok = write("BorderShape", number(m_display.borderShape)) && ok;
    ok = write("FillStyle", number(m_display.fillStyle)) && ok;
    ok = write("DispLocation", number(m_display.placement)) && ok;
    ok = write("DispOrder", number(m_display.order)) && ok;
    ok = writeAdded(QStringLiteral("PictureFit"), number(m_display.pictureFit), QStringLiteral("0")) && ok;
    ok = writeAdded(QStringLiteral("ShowSize"), number(m_display.showSize), QStringLiteral("0")) && ok;
    ok = writeAdded(QStringLiteral("OnTop"), QString::number(int(m_display.onTop)), QStringLiteral("0"))
        && ok;
    return ok;
}

void ShowOptions::loadShowChoices()
{
    DisplayOptions options = m_display;
    options.pictureFit = storedChoice(stored("PictureFit"), PictureFit::Fill, PictureFit::Stretch);
    options.showSize = storedChoice(stored("ShowSize"), ShowSize::FullScreen, ShowSize::Small);
    options.onTop = stored("OnTop") == QLatin1String("1");
    setDisplay(options);

    bool leftOk = false;
    bool topOk = false;
    const QString screen = stored("ShowScreen");
    const QPoint topLeft(stored("ShowLeft").toInt(&leftOk), stored("ShowTop").toInt(&topOk));
    if (leftOk && topOk) {
        setShowPlace({ true, screen, topLeft });
    }

    const QString fontText = stored("AffirmationFont");
    const QColor colour = QColor::fromString(stored("AffirmationColour"));
    // A font or colour written by hand that does not read gives the design font.
    QFont font;
    if (!fontText.isEmpty() && font.fromString(fontText) && colour.isValid()) {
        setAffirmationFont({ font, colour });
    }
}

bool ShowOptions::writeAdded(const QString& key, const QString& value, const QString& fallback)
{
    if (value == fallback && !m_storedKeys.contains(key)) {
        return true;
    }
    if (!m_platform.setSetting(kDisplaySection, key, value)) {
        return false;
    }
    m_storedKeys.insert(key);
    return true;
}

bool ShowOptions::saveShowPlace()
{
    // All three, once the user has put the show somewhere: the top left corner is a place too.
    bool ok = true;
    for (const auto& [key, value] : { std::pair { "ShowScreen", m_showPlace.screen },
             { "ShowLeft", QString::number(m_showPlace.topLeft.x()) },
             { "ShowTop", QString::number(m_showPlace.topLeft.y()) } }) {
        ok = m_platform.setSetting(kDisplaySection, QLatin1String(key), value) && ok;
    }
    return ok;
}

bool ShowOptions::saveAffirmationFont()
{
    if (!m_affirmationFont) {
        return true;
    }
    const bool font = m_platform.setSetting(
        kDisplaySection, QStringLiteral("AffirmationFont"), m_affirmationFont->font.toString());
    return m_platform.setSetting(kDisplaySection, QStringLiteral("AffirmationColour"),
               m_affirmationFont->colour.name(QColor::HexRgb))
        && font;
}

bool ShowOptions::saveMusicPath()
{
    bool ok = m_platform.setSetting(kMusicSection, QStringLiteral("MusicPath"), m_musicPath);
    if (m_repeatStored || m_musicRepeat != m_musicPath.isEmpty()) {
        ok = m_platform.setSetting(kMusicSection, QStringLiteral("MusicRepeat"),
                 m_musicRepeat ? QStringLiteral("1") : QStringLiteral("0"))
            && ok;
        m_repeatStored = m_repeatStored || ok;
    }
    if (ok) {
        m_storedMusicPath = m_musicPath;
        m_storedRepeat = m_musicRepeat;
    }
    return ok;
}

bool ShowOptions::keepMusicChoice()
{
    return (m_musicPath == m_storedMusicPath && m_musicRepeat == m_storedRepeat) || saveMusicPath();
}

MusicSource ShowOptions::musicSource() const
{
    if (!m_playMusic || m_musicPath.isEmpty()) {
        return MusicSource::None;
    }
    return QFileInfo(m_musicPath).isDir() ? MusicSource::Folder : MusicSource::File;
}

void ShowOptions::setDisplay(const DisplayOptions& options)
{
    if (options != m_display) {
        m_display = options;
        emit changed();
    }
}

void ShowOptions::setPlayMusic(bool on)
{
    if (on == m_playMusic && (on || m_musicPath.isEmpty())) {
        return;
    }
    m_playMusic = on;
    if (!on) {
        m_musicPath.clear();
    }
    emit changed();
    if (!on) {
        emit musicSwitchedOff();
    }
}

void ShowOptions::setMusicPath(const QString& path)
{
    if (path != m_musicPath) {
        m_musicPath = path;
        emit changed();
    }
}

void ShowOptions::setAffirmationFont(const FontChoice& choice)
{
    if (choice != m_affirmationFont) {
        m_affirmationFont = choice;
        emit changed();
    }
}

void ShowOptions::setShowPlace(const ShowPlace& place)
{
    if (place != m_showPlace) {
        m_showPlace = place;
        emit changed();
    }
}

void ShowOptions::setMusicRepeat(bool on)
{
    if (on != m_musicRepeat) {
        m_musicRepeat = on;
        emit changed();
    }
}

void ShowOptions::chooseMusicFile(const QString& path)
{
    setMusicPath(path);
    emit musicFileChosen();
}

FontChoice ShowOptions::designFont()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(11.25);
    font.setBold(true);
    return { font, QGuiApplication::palette().color(QPalette::WindowText) };
}

} // namespace vellumora
