#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace vellumora::e2e {

constexpr int kTimeoutMs = 15000;
// A reminder comes at the next minute's turn, and reaches the screen a moment after.
constexpr int kReminderTimeoutMs = 75000;
const QString kMainTitle = QStringLiteral("Vellumora v1.0");
// The show's window has the message boxes' title, and this width.
const QString kMessageTitle = QStringLiteral("Vellumora");
constexpr int kShowWidth = 433;
// What the library of placeLibrary() reminds of.
const QStringList kTicked { QStringLiteral("Calm and steady"), QStringLiteral("Kind words today") };

// Runs a command to its end: its exit code, or -1 when it could not run. What it printed goes
// to output when that is asked for, and to the test's log when it failed. The test's own
// services on the bus keep answering meanwhile: the command may call the program, and the
// program the test.
int run(const QString& program, const QStringList& args, QByteArray* output = nullptr,
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment());

// What xdotool printed to its output, line by line.
QStringList xdotool(const QStringList& args);
// Visible windows whose whole title is this one; of this width, when one is given, or of any
// other, when it is negative.
QStringList windows(const QString& title, int width = 0);
// The first of them, once there is one; empty on time-out.
QString waitForWindow(const QString& title, int width = 0, int timeoutMs = kTimeoutMs);
// The window's place on the screen.
QPoint windowPosition(const QString& window);
// Gives the window the focus, then the keys one by one.
bool sendKeys(const QString& window, const QStringList& keys);

// The machine's environment, with the language of this locale alone, no Wayland, no session
// and none of the user's own folders; and without a display, when asked.
QProcessEnvironment inLocale(const QString& locale, bool display = true);

// The built program copied into an application folder of its own beside a home folder, and the
// copies of it started there, which end with this.
class ProgramCopy {
public:
    ProgramCopy();
    bool isValid() const { return m_valid; }

    QString path(const QString& relative) const { return m_root.filePath(relative); }
    QString app(const QString& relative) const { return path("app/" + relative); }
    // The one every copy starts in; the machine's, until one is given.
    QProcessEnvironment environment() const { return m_environment; }
    void setEnvironment(const QProcessEnvironment& environment) { m_environment = environment; }

    // One picture, enough for a show.
    bool placePicture() const;
    // A category of affirmations, two of them ticked, and a picture.
    bool placeLibrary() const;
    // The user's settings, as the program finds them at its start in its environment.
    bool writeSettings(const QByteArray& ini) const;

    QProcess* start(const QStringList& args = {}, const QString& executable = {},
        const QProcessEnvironment& environment = {});
    // Whether a copy ends by itself, normally and with code 0, leaving no message on the screen.
    bool endsAlone(QProcess* program) const;

private:
    QTemporaryDir m_root;
    QProcessEnvironment m_environment;
    std::vector<std::unique_ptr<QProcess>> m_programs;
    bool m_valid = false;
};

} // namespace vellumora::e2e
