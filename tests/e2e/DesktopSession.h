#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

// A private X display with a fresh copy of the built application folder and an isolated home,
// in which the real program is started and driven with xdotool.
class DesktopSession {
public:
    DesktopSession();
    ~DesktopSession();

    // Starts the X server; false (with the reason in error()) when it cannot.
    bool startDisplay();
    // A new application folder (executable, system/, SystemFolder/) and an empty home.
    bool prepareFolders();

    QString error() const { return m_error; }
    QString appFolder() const;
    QString homeFolder() const;
    QString settingsFile() const;

    // Starts the program copied into the application folder; the session owns the process.
    QProcess* startProgram();
    void stopPrograms();

    // Visible windows whose whole title is title, by X window id.
    QStringList windows(const QString& title) const;
    // Waits for exactly one visible window with this title; its id, or empty on time-out.
    QString waitForWindow(const QString& title, int timeoutMs = 15000) const;
    // Gives the window the keyboard focus, then types the keys (xdotool names: "alt+f", "Return").
    bool sendKeys(const QString& id, const QStringList& keys) const;

private:
    QString xdotool(const QStringList& args, bool* ok = nullptr) const;

    std::unique_ptr<QTemporaryDir> m_root;
    QProcess m_xserver;
    QString m_display;
    QString m_error;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};
