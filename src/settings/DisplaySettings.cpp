#include "settings/DisplaySettings.h"

#include "platform/Platform.h"

#include <QColor>
#include <QFont>
#include <climits>

namespace vellumora {

namespace {

const QString kDisplaySection = QStringLiteral("settings");
const QString kMusicSection = QStringLiteral("Settings");

// Order is a two-way choice: 0 picks the first button, any other number the second. Location
// has a third, 2; any other number is still the second.
int twoWay(int value)
{
    return value == 0 ? 0 : 1;
}

int location(int value)
{
    return value == 2 ? 2 : twoWay(value);
}

} // namespace

DisplaySettings::DisplaySettings(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

int DisplaySettings::read(const QString& key, int count, int fallback)
{
    bool ok = false;
    const int value = m_platform.setting(kDisplaySection, key).toShort(&ok);
    return ok && value >= 0 && value < count ? value : fallback;
}

void DisplaySettings::loadMusicPath()
{
    const QString path = m_platform.setting(kMusicSection, QStringLiteral("MusicPath"));
    setMusicPath(path);
    if (path.isEmpty()) {
        setPlayMusic(false);
    }
    const QString repeat = m_platform.setting(kMusicSection, QStringLiteral("MusicRepeat"));
    m_repeatStored = repeat == QLatin1String("0") || repeat == QLatin1String("1");
    setMusicRepeat(m_repeatStored ? repeat == QLatin1String("1") : path.isEmpty());
}

bool DisplaySettings::loadDisplayOptions()
{
    if (m_platform.setting(kDisplaySection, QStringLiteral("DispDuration")).isEmpty()) {
        return false;
    }
    const DisplayOptions defaults;
    DisplayOptions options;
    options.pictureSecondsIndex
        = read(QStringLiteral("DispDuration"), kDurationCount, defaults.pictureSecondsIndex);
    options.glideStepIndex
        = read(QStringLiteral("AffirmationDispDuration"), kDurationCount, defaults.glideStepIndex);
    options.placeOption = location(read(QStringLiteral("DispLocation"), SHRT_MAX, defaults.placeOption));
    options.orderOption = twoWay(read(QStringLiteral("DispOrder"), SHRT_MAX, defaults.orderOption));
    options.borderShape = read(QStringLiteral("BorderShape"), kBorderShapeCount, defaults.borderShape);
    options.fillStyle = read(QStringLiteral("FillStyle"), kFillStyleCount, defaults.fillStyle);
    options.pictureFit = m_display.pictureFit;
    options.showSize = m_display.showSize;
    options.onTop = m_display.onTop;
    setDisplay(options);
    return true;
}

bool DisplaySettings::saveDisplayOptions()
{
    const auto write = [this](const char* key, int value) {
        return m_platform.setSetting(kDisplaySection, QLatin1String(key), QString::number(value));
    };
    bool ok = write("DispDuration", m_display.pictureSecondsIndex);
    ok = write("AffirmationDispDuration", m_display.glideStepIndex) && ok;
    ok = write("BorderShape", m_display.borderShape) && ok;
    ok = write("FillStyle", m_display.fillStyle) && ok;
    ok = write("DispLocation", m_display.placeOption) && ok;
    ok = write("DispOrder", m_display.orderOption) && ok;
    ok = writeAdded(QStringLiteral("PictureFit"), QString::number(m_display.pictureFit), QStringLiteral("0"))
        && ok;
    ok = writeAdded(QStringLiteral("ShowSize"), QString::number(m_display.showSize), QStringLiteral("0"))
        && ok;
    ok = writeAdded(QStringLiteral("OnTop"), m_display.onTop ? QStringLiteral("1") : QStringLiteral("0"),
             QStringLiteral("0"))
        && ok;
    return ok;
}

void DisplaySettings::loadShowChoices()
{
    const auto stored = [this](const char* key) {
        const QString value = m_platform.setting(kDisplaySection, QLatin1String(key));
        if (!value.isEmpty()) {
            m_storedKeys.insert(QLatin1String(key));
        }
        return value;
    };
    DisplayOptions options = m_display;
    stored("PictureFit");
    options.pictureFit = read(QStringLiteral("PictureFit"), kPictureFitCount, 0);
    stored("ShowSize");
    options.showSize = read(QStringLiteral("ShowSize"), kShowSizeCount, 0);
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

bool DisplaySettings::writeAdded(const QString& key, const QString& value, const QString& fallback)
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

bool DisplaySettings::saveShowPlace()
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

bool DisplaySettings::saveAffirmationFont()
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

bool DisplaySettings::saveMusicPath()
{
    bool ok = m_platform.setSetting(kMusicSection, QStringLiteral("MusicPath"), m_musicPath);
    if (m_repeatStored || m_musicRepeat != m_musicPath.isEmpty()) {
        ok = m_platform.setSetting(kMusicSection, QStringLiteral("MusicRepeat"),
                 m_musicRepeat ? QStringLiteral("1") : QStringLiteral("0"))
            && ok;
        m_repeatStored = m_repeatStored || ok;
    }
    return ok;
}

void DisplaySettings::setDisplay(const DisplayOptions& options)
{
    if (options != m_display) {
        m_display = options;
        emit changed();
    }
}

void DisplaySettings::setPlayMusic(bool on)
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

void DisplaySettings::setMusicPath(const QString& path)
{
    if (path != m_musicPath) {
        m_musicPath = path;
        emit changed();
    }
}

void DisplaySettings::setAffirmationFont(const FontChoice& choice)
{
    if (choice != m_affirmationFont) {
        m_affirmationFont = choice;
        emit changed();
    }
}

void DisplaySettings::setShowPlace(const ShowPlace& place)
{
    if (place != m_showPlace) {
        m_showPlace = place;
        emit changed();
    }
}

void DisplaySettings::setMusicRepeat(bool on)
{
    if (on != m_musicRepeat) {
        m_musicRepeat = on;
        emit changed();
    }
}

void DisplaySettings::chooseMusicFile(const QString& path)
{
    setMusicPath(path);
    emit musicFileChosen();
}

} // namespace vellumora
