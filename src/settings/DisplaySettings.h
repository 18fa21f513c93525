#pragma once

#include "platform/FontChoice.h"

#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>
#include <optional>

namespace vellumora {

class Platform;

// The six display options as the store keeps them: list positions and option indices.
struct DisplayOptions {
    int pictureSecondsIndex = 0; // position in the seconds list: 5 x (p + 1) s
    int glideStepIndex = 0; // position in the milliseconds list: 5 x (p + 1) ms
    int placeOption = 1; // 0 random place, 1 centre of the screen, 2 where the user put it
    int orderOption = 1; // 0 random, 1 as displayed
    int borderShape = 0; // 0 to 4
    int fillStyle = 0; // 0 to 5
    int pictureFit = 0; // 0 stretched, 1 fitted whole, 2 filling the frame
    int showSize = 0; // 0 small, 1 medium, 2 large, 3 full screen
    bool onTop = false; // the show is kept above other windows
    bool operator==(const DisplayOptions&) const = default;
};

// Where the user put the show: a screen by name, and the window's top left on it in pixels.
struct ShowPlace {
    bool put = false; // false until the user first drags the show
    QString screen;
    QPoint topLeft;
    bool operator==(const ShowPlace&) const = default;
};

// What a show is started with: the display options, the music switch and the music path. The
// settings panel edits it and the show launcher reads it. The display options live in the
// store's section "settings", the music path in "Settings": the two spellings are kept apart.
// The options are written when a show starts, the font when it is chosen and the show's place
// when the user lets go of it; the switch is not stored (no path stored is music off).
class DisplaySettings : public QObject {
    Q_OBJECT
public:
    static constexpr int kDurationCount = 10;
    static constexpr int kBorderShapeCount = 5;
    static constexpr int kFillStyleCount = 6;
    static constexpr int kPictureFitCount = 3;
    static constexpr int kShowSizeCount = 4;

    explicit DisplaySettings(Platform& platform, QObject* parent = nullptr);

    // The stored music path, a file or a folder; none stored switches music off. Repeat is on
    // unless stored off; where it was never stored beside a music path, it stays off, as that
    // user's music played once.
    void loadMusicPath();
    // The stored display options. None are read while "DispDuration" holds no value; a value
    // that is not a number, or names no list position or option, gives that key's default.
    // False when nothing was stored.
    bool loadDisplayOptions();
    // The choices kept beside the display options, each read on its own: the picture's
    // proportions, the show's size, the show on top, its place, and the affirmation font and
    // colour.
    void loadShowChoices();
    // Each writer returns false when the store refused a value.
    bool saveDisplayOptions();
    bool saveMusicPath();
    bool saveAffirmationFont();
    bool saveShowPlace();

    const DisplayOptions& display() const { return m_display; }
    bool playMusic() const { return m_playMusic; }
    const QString& musicPath() const { return m_musicPath; }
    bool musicRepeat() const { return m_musicRepeat; }
    int pictureSeconds() const { return 5 * (m_display.pictureSecondsIndex + 1); }
    int stepMilliseconds() const { return 5 * (m_display.glideStepIndex + 1); }
    bool randomOrder() const { return m_display.orderOption == 0; }
    bool randomPlace() const { return m_display.placeOption == 0; }
    const ShowPlace& showPlace() const { return m_showPlace; }
    // Nothing until a font is chosen: the show's design font.
    const std::optional<FontChoice>& affirmationFont() const { return m_affirmationFont; }

    void setDisplay(const DisplayOptions& options);
    // Switching music off also empties the path.
    void setPlayMusic(bool on);
    // A path typed or restored; one chosen in the dialog also tells the player to let go of the
    // file it holds.
    void setMusicPath(const QString& path);
    void chooseMusicFile(const QString& path);
    void setAffirmationFont(const FontChoice& choice);
    void setMusicRepeat(bool on);
    void setShowPlace(const ShowPlace& place);

signals:
    void changed();
    // Music was switched off: the slideshow window's music strip goes.
    void musicSwitchedOff();
    // Another music file was chosen: the player lets go of the one it holds.
    void musicFileChosen();

private:
    int read(const QString& key, int count, int fallback);
    bool writeAdded(const QString& key, const QString& value, const QString& fallback);

    Platform& m_platform;
    DisplayOptions m_display;
    bool m_playMusic = true;
    QString m_musicPath;
    bool m_musicRepeat = true;
    // "MusicRepeat" is written once the store holds it or its absence would read otherwise.
    bool m_repeatStored = false;
    std::optional<FontChoice> m_affirmationFont;
    ShowPlace m_showPlace;
    // The keys added beside the six are written once stored, or when they differ from their
    // default, so a user who touches none of them keeps the same settings file.
    QSet<QString> m_storedKeys;
};

} // namespace vellumora
