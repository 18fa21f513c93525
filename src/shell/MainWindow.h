#pragma once

#include "platform/Platform.h"

#include <QMainWindow>
#include <memory>

class QBoxLayout;
class QLabel;
class QPushButton;
class QRandomGenerator;
class QScrollArea;
class QStackedWidget;
class QTimer;

namespace vellumora {

class AffirmationLibraryPanel;
class BoardWindow;
class DesktopChanger;
class ImageLibraryPanel;
class Library;
class PictureLoader;
class SettingsPanel;
class ShowLauncher;
class Voice;

// The main window: three panels sharing one area, the navigation column, Start and the menus.
// The panels show the library and send it the user's edits; the image library is in front.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Platform& platform, Library& library, QRandomGenerator& random, QWidget* parent = nullptr);
    ~MainWindow() override;
    // The show from the saved options; false when it was refused, with this window shown.
    bool startShow();
    // What a later start of the program asks for: the show to the front, or this window.
    void answerLaterStart(LaterStart request);
    bool isShowRunning() const;
    // The program's own, which also changes the picture by itself; without one the window makes its own.
    void setDesktopChanger(DesktopChanger* changer) { m_desktopChanger = changer; }
    // At the size the user left it at, kept within the area (the screen's available area when
    // none is given) but never below what its contents need, and centred on that area.
    // On an area smaller than its contents, the window fills the area and they scroll, all but
    // the row with Start.
    void placeOnScreen(QRect area = {});

signals:
    // File > Exit: the program must end.
    void endProgramRequested();
    // The window was closed by its close box or the desktop.
    void closed();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildControls();
    void buildPanels(QWidget* client, QBoxLayout* panelColumn);
    void buildNavigation(QWidget* client, QBoxLayout* besidePanels, QBoxLayout* belowPanels);
    void buildMenus();
    void connectSignals();
    void showAbout();
    void bringToFront(QWidget* panel);
    void undoDelete();
    void showUndo();
    DesktopChanger& desktopChanger();
    void putOnDesktop();
    // File > Keep My Library In: the library moves, or is copied, to a folder the user chooses.
    void keepLibraryIn();
    void giveBackDesktop();
    // The size the user gave the window is kept for the next start.
    void keepSize();
    void fitMinimum();

    Platform& m_platform;
    QRandomGenerator& m_random;
    Library& m_library;
    // Heard from the affirmation library and in the show: one voice at a time.
    Voice* m_voice = nullptr;
    PictureLoader* m_pictureLoader = nullptr;
    // Made when first asked for, and kept while the window is.
    BoardWindow* m_board = nullptr;

    QStackedWidget* m_panelArea = nullptr;
    ImageLibraryPanel* m_imageLibrary = nullptr;
    AffirmationLibraryPanel* m_affirmationLibrary = nullptr;
    SettingsPanel* m_settings = nullptr;
    ShowLauncher* m_show = nullptr;
    QLabel* m_homePageLink = nullptr;
    QPushButton* m_imageLibraryButton = nullptr;
    QPushButton* m_affirmationLibraryButton = nullptr;
    QPushButton* m_settingsButton = nullptr;
    QPushButton* m_fontButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_startButton = nullptr;
    QPushButton* m_undoButton = nullptr;
    QAction* m_undoItem = nullptr;
    DesktopChanger* m_desktopChanger = nullptr;
    std::unique_ptr<DesktopChanger> m_ownDesktopChanger;
    // The size it was placed at or last kept; a resize waits a moment before it is written, so a
    // drag writes once.
    QSize m_keptSize;
    QTimer* m_keepSizeTimer = nullptr;
    QScrollArea* m_scroller = nullptr;
    // Undo Delete and Start: below the scrolled contents when the screen is too small for them.
    QWidget* m_startRow = nullptr;
    // The largest the window may be on its screen, its frame aside; empty until it is placed.
    QSize m_room;
};

} // namespace vellumora
