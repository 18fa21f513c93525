#pragma once

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
    void FillDurationLists();
    void LoadMusicSetting();
    void selectFirstDurations();
    void LoadDisplaySettings();

    // For Start: the options as the controls show them, and writing them to the store. Both
    // writers return false when the store refused a value.
    DisplayOptions displayOptions() const;
    bool SaveDisplaySettings();
    bool SaveMusicPath();

private:
    void buildControls();
    void applyDisplayOptions(const DisplayOptions& options);

    DisplaySettings m_settings;
    ShapeOptions& m_shapes;

    QCheckBox* chkPlayMusic = nullptr;
    QLineEdit* txtFile = nullptr;
    QPushButton* cmdBrowseMusic = nullptr;
    QComboBox* cboDispDuration = nullptr;
    QComboBox* cboAffirmationDisplayDuration = nullptr;
    QButtonGroup* optDisplayOrder = nullptr;
    QButtonGroup* optLocation = nullptr;
};

} // namespace vellumora
