#pragma once

#include "affirmations/AffirmationList.h"
#include "affirmations/CategoryIndex.h"
#include "images/PictureLibrary.h"
#include "platform/Platform.h"
#include "settings/DisplaySettings.h"
#include "shell/DeleteHistory.h"

#include <QMainWindow>

class QBoxLayout;
class QPushButton;
class QRandomGenerator;
class QStackedWidget;

namespace vellumora {

class AffirmationLibraryPanel;
class ImageLibraryPanel;
class LinkLabel;
class PictureLoader;
class SettingsPanel;
class ShowLauncher;

// The main window: three panels sharing one area, the navigation column, Start and the menus.
// It holds the libraries the panels show and the show reads.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, QRandomGenerator& random, QWidget* parent = nullptr);

    // Reads the settings and the libraries. False when a data folder is missing: the user has
    // been told and the program is ending.
    bool load();
    // The show from the saved options; false when it was refused, with this window shown.
    bool startShow();
    // What a later start of the program asks for: the show to the front, or this window.
    void answerLaterStart(LaterStart request);

signals:
    // The window was closed, or cannot run: the program must end.
    void endProgramRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool dataFoldersExist() const;
    void buildControls();
    void buildPanels(QWidget* client, QBoxLayout* panelColumn);
    void buildNavigation(QWidget* client, QBoxLayout* besidePanels, QBoxLayout* belowPanels);
    void buildMenus();
    void connectSignals();
    void showAbout();
    void bringToFront(QWidget* panel);
    void undoDelete();
    void showUndo();

    Platform& m_platform;
    QRandomGenerator& m_random;
    CategoryStore m_categoryStore;
    AffirmationList m_affirmations;
    CategoryIndex m_categories;
    PictureLibrary m_pictures;
    DeleteHistory m_deletes;
    DisplaySettings m_showOptions;
    PictureLoader* m_pictureLoader = nullptr;

    QStackedWidget* m_panelArea = nullptr;
    ImageLibraryPanel* m_imageLibrary = nullptr;
    AffirmationLibraryPanel* m_affirmationLibrary = nullptr;
    SettingsPanel* m_settings = nullptr;
    ShowLauncher* m_show = nullptr;
    LinkLabel* m_homePageLink = nullptr;
    QPushButton* m_imageLibraryButton = nullptr;
    QPushButton* m_affirmationLibraryButton = nullptr;
    QPushButton* m_settingsButton = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_undoButton = nullptr;
    QAction* m_undoItem = nullptr;
};

} // namespace vellumora
