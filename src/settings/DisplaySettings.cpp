#include "settings/DisplaySettings.h"

#include "platform/Platform.h"

#include <climits>

namespace vellumora {

namespace {

const QString kDisplaySection = QStringLiteral("settings");
const QString kMusicSection = QStringLiteral("Settings");

// Location and order are two-way choices: 0 picks the first button, any other number the second.
int twoWay(int value)
{
    return value == 0 ? 0 : 1;
}

} // namespace

DisplaySettings::DisplaySettings(Platform& platform)
    : m_platform(platform)
{
}

int DisplaySettings::read(const QString& key, int count, int fallback)
{
    bool ok = false;
    const int value = m_platform.setting(kDisplaySection, key).toShort(&ok);
    return ok && value >= 0 && value < count ? value : fallback;
}

std::optional<DisplayOptions> DisplaySettings::load()
{
    if (m_platform.setting(kDisplaySection, QStringLiteral("DispDuration")).isEmpty()) {
        return std::nullopt;
    }
    const DisplayOptions defaults;
    DisplayOptions options;
    options.pictureSecondsIndex
        = read(QStringLiteral("DispDuration"), kDurationCount, defaults.pictureSecondsIndex);
    options.glideStepIndex
        = read(QStringLiteral("AffirmationDispDuration"), kDurationCount, defaults.glideStepIndex);
    options.placeOption = twoWay(read(QStringLiteral("DispLocation"), SHRT_MAX, defaults.placeOption));
    options.orderOption = twoWay(read(QStringLiteral("DispOrder"), SHRT_MAX, defaults.orderOption));
    options.borderShape = read(QStringLiteral("BorderShape"), kBorderShapeCount, defaults.borderShape);
    options.fillStyle = read(QStringLiteral("FillStyle"), kFillStyleCount, defaults.fillStyle);
    return options;
}

bool DisplaySettings::save(const DisplayOptions& options)
{
    const auto write = [this](const char* key, int value) {
        return m_platform.setSetting(kDisplaySection, QLatin1String(key), QString::number(value));
    };
    bool ok = write("DispDuration", options.pictureSecondsIndex);
    ok = write("AffirmationDispDuration", options.glideStepIndex) && ok;
    ok = write("BorderShape", options.borderShape) && ok;
    ok = write("FillStyle", options.fillStyle) && ok;
    ok = write("DispLocation", options.placeOption) && ok;
    ok = write("DispOrder", options.orderOption) && ok;
    return ok;
}

QString DisplaySettings::musicPath()
{
    return m_platform.setting(kMusicSection, QStringLiteral("MusicPath"));
}

bool DisplaySettings::saveMusicPath(const QString& path)
{
    return m_platform.setSetting(kMusicSection, QStringLiteral("MusicPath"), path);
}

} // namespace vellumora
