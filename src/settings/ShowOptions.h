#pragma once

#include "platform/FontChoice.h"

#include <QObject>
#include <QPoint>
#include <QSet>
#include <QString>
#include <optional>

namespace vellumora {

class Platform;

// How the picture meets the show's picture area: stretched over it, fitted whole between bands,
// or filling it with its middle.
enum class PictureFit { Stretch, Fit, Fill };
enum class ShowSize { Small, Medium, Large, FullScreen };
// Where the show goes at each picture: anywhere on the screen, its centre, or where the user
// dragged it.
enum class Placement { Random, Centre, WhereIPutIt };
enum class Order { Random, AsDisplayed };
// The frame drawn over the picture; with no fill it is a thin rectangle.
enum class BorderShape { NoFill, Oval, Square, Circle, RoundSquare };
enum class FillStyle { NoFill, HorizontalLine, VerticalLine, UpwardDiagonal, Cross, DiagonalCross };
// What the music path names: nothing to play, one file, or a folder played round.
enum class MusicSource { None, File, Folder };

// The display options of a show.
struct DisplayOptions {
    int pictureSecondsIndex = 0; // position in the seconds list: 5 x (p + 1) s
    int glideStepIndex = 0; // position in the milliseconds list: 5 x (p + 1) ms
    Placement placement = Placement::Centre;
    Order order = Order::AsDisplayed;
    BorderShape borderShape = BorderShape::NoFill;
    FillStyle fillStyle = FillStyle::NoFill;
    PictureFit pictureFit = PictureFit::Stretch;
    ShowSize showSize = ShowSize::Small;
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

// What a show is started with: the display options, the music switch and path, the show's place
// and the affirmation font. The settings panel edits it and the show reads it. This is the one
// reader and writer of these keys of the settings file: the display options live in its section
// "settings", the music path in "Settings", and the two spellings are kept apart. The options
// are written when the user chooses them and again when a show starts, the font when it is chosen
// and the show's place when the user lets go of it; the switch is not stored (no path stored is
// music off).
class ShowOptions : public QObject {
    Q_OBJECT
public:
    static constexpr int kDurationCount = 10;

    explicit ShowOptions(Platform& platform, QObject* parent = nullptr);

    // Every stored choice, in the order the main window's load reads them. The six display
    // options are read only while "DispDuration" holds a value; a value that is not a number, or
    // names no list position or option, gives that key's default. Music is switched off while
    // no path is stored; repeat is on unless stored off, but where it was never stored beside a
    // music path it stays off, as that user's music played once.
    void load();
    // Each writer returns false when the store refused a value.
    bool saveDisplayOptions();
    bool saveMusicPath();
    // The music path and repeat, written only where they differ from what the store holds: a
    // choice kept as it is made, which leaves the file alone when nothing changed.
    bool keepMusicChoice();
    bool saveAffirmationFont();
    bool saveShowPlace();

    const DisplayOptions& display() const { return m_display; }
    bool playMusic() const { return m_playMusic; }
    const QString& musicPath() const { return m_musicPath; }
    MusicSource musicSource() const;
    bool musicRepeat() const { return m_musicRepeat; }
    int pictureSeconds() const { return 5 * (m_display.pictureSecondsIndex + 1); }
    int stepMilliseconds() const { return 5 * (m_display.glideStepIndex + 1); }
    const ShowPlace& showPlace() const { return m_showPlace; }
    // Nothing until a font is chosen: the show's design font.
    const std::optional<FontChoice>& affirmationFont() const { return m_affirmationFont; }
    // Verdana, bold, 11.25 points, in the desktop's window-text colour.
    static FontChoice designFont();

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
    void loadMusicPath();
    void loadDisplayOptions();
    void loadShowChoices();
    // The stored value of a key, noting that it is stored.
    QString stored(const char* key);
    bool writeAdded(const QString& key, const QString& value, const QString& fallback);

    Platform& m_platform;
    DisplayOptions m_display;
    bool m_playMusic = true;
    QString m_musicPath;
    bool m_musicRepeat = true;
    // "MusicRepeat" is written once the store holds it or its absence would read otherwise.
    bool m_repeatStored = false;
    // The music as the store holds it, read or last written.
    QString m_storedMusicPath;
    bool m_storedRepeat = true;
    std::optional<FontChoice> m_affirmationFont;
    ShowPlace m_showPlace;
    // The keys added beside the six are written once stored, or when they differ from their
    // default, so a user who touches none of them keeps the same settings file.
    QSet<QString> m_storedKeys;
};

} // namespace vellumora
