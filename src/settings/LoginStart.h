#pragma once

#include <QString>

namespace vellumora {

// The desktop's autostart entry that starts the show, or only the reminders, at login: a file
// named after the application id in the autostart folder. Only that file is ever written or
// removed.
class LoginStart {
public:
    enum class Kind { Show, Reminders };

    // executable: the absolute path of the program the entry starts.
    LoginStart(QString autostartFolder, QString executable);

    QString entryPath() const;
    bool isOn() const;
    // What the entry starts; the show unless its program is started with --background.
    Kind kind() const;
    // Both return the reason when the entry could not be written or removed; an empty string when
    // it is as asked.
    QString switchOn(Kind kind = Kind::Show) const;
    QString switchOff() const;

    // The entry's text: its Exec line starts the program with --show, or --background, and its
    // TryExec names the same program, so the entry does nothing once the program is gone.
    static QByteArray entry(const QString& executable, Kind kind = Kind::Show);
    // The command the entry starts for this executable: the installed link on the PATH
    // (prefix/bin/vellumora) when the executable is prefix/lib/vellumora/Vellumora and the link
    // leads to it, so the entry outlives an upgrade; else the executable itself.
    static QString publicCommand(const QString& executable);

private:
    QString m_folder;
    QString m_executable;
};

} // namespace vellumora
