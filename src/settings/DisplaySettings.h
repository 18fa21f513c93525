#pragma once

#include <QString>
#include <optional>

namespace vellumora {

class Platform;

// The six display options as the store keeps them: list positions and option indices.
struct DisplayOptions {
    int pictureSecondsIndex = 0; // position in the seconds list: 5 x (p + 1) s
    int glideStepIndex = 0; // position in the milliseconds list: 5 x (p + 1) ms
    int placeOption = 1; // 0 random place, 1 centre of the screen
    int orderOption = 1; // 0 random, 1 as displayed
    int borderShape = 0; // 0 to 4
    int fillStyle = 0; // 0 to 5
    bool operator==(const DisplayOptions&) const = default;
};

// The display options and the music path in the settings store. The display options live in
// section "settings", the music path in "Settings": the two spellings are kept apart.
class DisplaySettings {
public:
    static constexpr int kDurationCount = 10;
    static constexpr int kBorderShapeCount = 5;
    static constexpr int kFillStyleCount = 6;

    explicit DisplaySettings(Platform& platform);

    // Nothing when "DispDuration" holds no value: then none of the options is read. A value
    // that is not a number, or names no list position or option, gives that key's default.
    std::optional<DisplayOptions> load();
    // Writes all six; false when the store refused any of them.
    bool save(const DisplayOptions& options);

    QString musicPath();
    bool saveMusicPath(const QString& path);

private:
    int read(const QString& key, int count, int fallback);

    Platform& m_platform;
};

} // namespace vellumora
