#pragma once

#include "platform/FileChooser.h"
#include "settings/LoginStart.h"
#include "settings/ReminderOptions.h"
#include "settings/ShowOptions.h"

#include <QGroupBox>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace vellumora {

class VoiceOptions;

class Platform;
class ShapeOptions;

// The panel "Settings": music choice, the display options, what starts at login and the way to
// the reminders. It shows and edits the options the
// show is started with; reading and writing them is the options' own business.
class SettingsPanel : public QGroupBox {
    Q_OBJECT
public:
    // shapes: the border and fill options, which sit on the image library panel.
    SettingsPanel(Platform& platform, ShowOptions& options, ReminderOptions& reminders, VoiceOptions& voice,
        ShapeOptions& shapes, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void browseForMusic();
    void browseForMusicFolder();
    // The box shows whether the entry is there: the user may have removed it by hand.
    void showLoginStart();
    void switchLoginStart(bool on);
    void buildControls();
    void connectSignals();
    // The controls take the options' values; the music box's state shows in its caption too.
    void showOptions();
    // The options take the controls' values, and are kept at once.
    void takeDisplayOptions();
    // A choice the store refused is told once, until one is kept again; the controls keep it
    // for this run.
    void tellWhetherKept(bool kept);

    Platform& m_platform;
    ShowOptions& m_options;
    ReminderOptions& m_reminders;
    VoiceOptions& m_voice;
    ShapeOptions& m_shapes;
    // Opens on the music chosen, else in the user's music folder.
    FileChooser m_musicDialog;

    LoginStart m_loginStart;
    QCheckBox* m_loginStartBox = nullptr;
    QComboBox* m_loginKindList = nullptr;
    QPushButton* m_remindersButton = nullptr;
    QPushButton* m_voiceButton = nullptr;
    QCheckBox* m_onTopBox = nullptr;
    QComboBox* m_pictureFitList = nullptr;
    QComboBox* m_showSizeList = nullptr;
    QCheckBox* m_playMusicBox = nullptr;
    QLineEdit* m_musicPathField = nullptr;
    QPushButton* m_browseButton = nullptr;
    QPushButton* m_folderButton = nullptr;
    QCheckBox* m_repeatBox = nullptr;
    QComboBox* m_pictureSecondsList = nullptr;
    QComboBox* m_glideStepList = nullptr;
    QButtonGroup* m_orderOptions = nullptr;
    QButtonGroup* m_placeOptions = nullptr;
    bool m_showing = false;
    bool m_toldNotKept = false;
};

} // namespace vellumora
