#pragma once

#include "platform/CommonDialog.h"

#include <QMainWindow>

class QAction;
class QPushButton;
class QRandomGenerator;
class QStackedWidget;

namespace vellumora {

class AffirmationLibraryPanel;
class ImageLibraryPanel;
class LinkLabel;
class PictureLoader;
class Platform;
class SettingsPanel;
class ShapeOptions;
class ShowLauncher;

// The main window: three panels sharing one area, the navigation column, Start and the menus.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    frmMain(Platform& platform, QRandomGenerator& random, QWidget* parent = nullptr);

    // The load sequence. False when a data folder is missing: the user has been told and the
    // program is ending.
    bool Form_Load();
    void Form_Activate();

    void cmdImageLibrary_Click();
    void cmdAffirmationLibrary_Click();
    void cmdMusicSettings_Click();
    void cmdAbout_Click();
    void cmdDisplayAffirmations_Click();
    void cmdFont_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void Label14_Click();

    // The panel in front, the only one the user sees.
    QWidget* frontPanel() const;

    ImageLibraryPanel* imageLibrary() const { return fraImageLibrary; }
    SettingsPanel* settings() const { return fraMusicSettings; }
    // Decodes pictures off the user-interface thread, for the strip and the show.
    PictureLoader& pictureLoader() const { return *m_pictureLoader; }
    ShowLauncher& showLauncher() const { return *m_show; }

signals:
    // The window was closed, or cannot run: the program must end.
    void endProgramRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Form_Unload();
    bool dataFoldersExist() const;
    void buildControls();
    void buildMenus();
    void connectSignals();
    void showAbout();
    void bringToFront(QWidget* panel);

    Platform& m_platform;
    QRandomGenerator& m_random;
    CommonDialog CDImage;
    PictureLoader* m_pictureLoader = nullptr;

    LinkLabel* Label14 = nullptr;
    QStackedWidget* m_panelArea = nullptr;
    ImageLibraryPanel* fraImageLibrary = nullptr;
    AffirmationLibraryPanel* fraAffirmationLibrary = nullptr;
    SettingsPanel* fraMusicSettings = nullptr;
    ShapeOptions* m_shapeOptions = nullptr;
    ShowLauncher* m_show = nullptr;
    QPushButton* cmdImageLibrary = nullptr;
    QPushButton* cmdAffirmationLibrary = nullptr;
    QPushButton* cmdMusicSettings = nullptr;
    QPushButton* cmdFont = nullptr;
    QPushButton* cmdAbout = nullptr;
    QPushButton* cmdDisplayAffirmations = nullptr;
    QAction* mnuExit = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
};

} // namespace vellumora
