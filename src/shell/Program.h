#pragma once

#include "platform/LibraryFolder.h"
#include "shell/CommandLine.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <memory>

class QMenu;
class QSystemTrayIcon;

namespace vellumora {

class DesktopChanger;
class Voice;
class Library;
class Outcome;
class MainWindow;
class Platform;
class ReminderPopup;
class Reminders;
enum class LaterStart;

// The life of the process: start-up with its single-instance guard and update reminder, the
// reminders through the day, and the one orderly way of ending. With reminders on, closing the
// main window leaves the program running without it; File > Exit ends it.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Platform& platform);
    ~Program() override;

    // True when the main window, the show or the reminders are up and the event loop should run;
    // false when the program has already ended (another copy runs, the main window could not
    // load, or it was to run in the background with no reminder to give).
    bool start(StartMode mode = StartMode::Window);
    // Writes the board to the file at the size named (see BoardPage::fromName), without a window:
    // the exit status.
    int writeBoard(const QString& file, const QString& size);
    void remindOfUpdate();
    // Closes every window and ends the process; later calls do nothing.
    void end();

    // What a later start, the tray or a reminder asks for: the window, or the show.
    void answer(LaterStart request);
    MainWindow* mainWindow() const { return m_main.get(); }
    Reminders* reminders() const { return m_reminders.get(); }
    DesktopChanger* desktopChanger() const { return m_desktop.get(); }
    // What the process ends with: not 0 when a command-line action failed.
    int exitStatus() const { return m_exitStatus; }

private:
    // The main window, made on first need; one made after start-up reads the library afresh.
    MainWindow& ensureMainWindow();
    void mainWindowClosed();
    void deliver(const QString& affirmation);
    void sayAloud(const QString& text);
    void reminderAction(const QString& key);
    // The reminder where the desktop shows no notifications.
    void showOwnWindow(const QString& affirmation);
    // The tray icon is there while reminders are on and the desktop has a tray.
    void showTray();
    void dropTray();
    // Reminders are on, or the desktop picture changes by the clock.
    bool worksInBackground() const;
    // --desktop: one new desktop picture, what went wrong on the terminal.
    bool changeDesktopOnce();
    // The library read for work without a window, what must be told printed; false when there is
    // none.
    bool openQuietly();
    static void printNotices(const Outcome& outcome);
    // Where the user chose to keep the library, else the usual place; *gone tells when the
    // chosen folder is missing.
    LibraryFolder::Choice chooseLibrary(QString* gone);

    Platform& m_platform;
    // The one generator behind every random choice of the program, seeded at start-up.
    QRandomGenerator m_random;
    std::unique_ptr<Library> m_library;
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<Reminders> m_reminders;
    std::unique_ptr<DesktopChanger> m_desktop;
    // Made at the first reminder heard.
    std::unique_ptr<Voice> m_voice;
    std::unique_ptr<QSystemTrayIcon> m_tray;
    std::unique_ptr<QMenu> m_trayMenu;
    QPointer<ReminderPopup> m_popup;
    bool m_ending = false;
    int m_exitStatus = 0;
    bool m_toldOfBackground = false;
    bool m_remindedOfUpdate = false;
    // Whether the main window, the show or the reminders are up; until then later starts'
    // requests wait here.
    bool m_up = false;
    QList<LaterStart> m_waiting;
};

} // namespace vellumora
