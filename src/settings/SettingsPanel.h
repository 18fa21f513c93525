#pragma once

#include "platform/FileChooser.h"
#include "settings/DisplaySettings.h"

#include <QGroupBox>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vellumora {

class Platform;
class ShapeOptions;

// The panel "Settings": music choice and the display options. The controls are the current
// options; the store is read at the main window's load and written only by Start.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    // shapes: the border and fill options, which sit on the image library panel.
    SettingsPanel(Platform& platform, ShapeOptions& shapes, QWidget* parent = nullptr);

    // Main window load, in this order: lists filled, music restored, first entries selected,
    // then the saved display options.
    void fillDurationLists();
    void loadMusicPath();
    void selectFirstDurations();
    void loadDisplayOptions();

    // For Start: the options as the controls show them, and writing them to the store. Both
    // writers return false when the store refused a value.
    DisplayOptions displayOptions() const;
    bool saveDisplayOptions();
    bool saveMusicPath();

    // What the show reads from the controls as they stand.
    bool playMusic() const;
    QString musicPath() const;
    int pictureSeconds() const; // the number shown, 5 to 50
    int stepMilliseconds() const; // the number shown, 5 to 50
    bool randomOrder() const;
    bool randomPlace() const;

signals:
    // Music was switched off: the slideshow window's music strip goes.
    void musicSwitchedOff();
    // Another music file was chosen: the player lets go of the one it holds.
    void musicFileChosen();

private:
    // The box's state shows in its caption and in the music path's controls.
    void applyMusicChoice();
    void browseForMusic();
    void buildControls();
    void connectSignals();
    void applyDisplayOptions(const DisplayOptions& options);

    Platform& m_platform;
    DisplaySettings m_settings;
    ShapeOptions& m_shapes;
    // Opens on the music chosen, else in the user's music folder.
    FileChooser m_musicDialog;

    QCheckBox* m_playMusicBox = nullptr;
    QLineEdit* m_musicPathField = nullptr;
    QPushButton* m_browseButton = nullptr;
    QComboBox* m_pictureSecondsList = nullptr;
    QComboBox* m_glideStepList = nullptr;
    QButtonGroup* m_orderOptions = nullptr;
    QButtonGroup* m_placeOptions = nullptr;
};

} // namespace vellumora
