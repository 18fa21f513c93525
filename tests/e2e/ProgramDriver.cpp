#include "ProgramDriver.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

namespace vellumora::e2e {

int run(const QString& program, const QStringList& args, QByteArray* output, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    const bool ran = QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 120000)
        && process.error() == QProcess::UnknownError && process.exitStatus() == QProcess::NormalExit;
    const QByteArray printed = process.readAllStandardOutput() + process.readAllStandardError();
    if (output) {
        *output = printed;
    } else if (!ran || process.exitCode() != 0) {
        qWarning().noquote() << program << args.join(' ') << "failed:\n" << printed;
    }
    return ran ? process.exitCode() : -1;
}

// A window that goes away while xdotool looks is reported on the error stream, which must not
// read as a window.
QStringList xdotool(const QStringList& args)
{
    QProcess process;
    process.start("xdotool", args);
    process.waitForFinished(kTimeoutMs);
    return QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QStringList windows(const QString& title, int width)
{
    QStringList found
        = xdotool({ "search", "--onlyvisible", "--name", '^' + QRegularExpression::escape(title) + '$' });
    const QString size = QString("Geometry: %1x").arg(qAbs(width));
    found.removeIf([&](const QString& window) {
        return width != 0 && xdotool({ "getwindowgeometry", window }).filter(size).isEmpty() == (width > 0);
    });
    return found;
}

QString waitForWindow(const QString& title, int width, int timeoutMs)
{
    QStringList found;
    return QTest::qWaitFor([&] { return !(found = windows(title, width)).isEmpty(); }, timeoutMs)
        ? found.first()
        : QString();
}

QPoint windowPosition(const QString& window)
{
    static const QRegularExpression position(QStringLiteral("Position: (-?\\d+),(-?\\d+)"));
    const QRegularExpressionMatch found = position.match(xdotool({ "getwindowgeometry", window }).join('\n'));
    return found.hasMatch() ? QPoint(found.captured(1).toInt(), found.captured(2).toInt()) : QPoint(-1, -1);
}

bool sendKeys(const QString& window, const QStringList& keys)
{
    // xdotool takes an empty window for the root and reports success; and a desktop may keep the
    // focus from a window that has just opened for a moment, so it is asked until the window has it.
    const auto focused = [&window] {
        // Asked as a pager would first: a desktop that prevents focus stealing honours that.
        run("xdotool", { "windowactivate", window });
        run("xdotool", { "windowfocus", window });
        return xdotool({ "getwindowfocus" }).value(0) == window;
    };
    bool ok = !window.isEmpty() && QTest::qWaitFor(focused, kTimeoutMs);
    for (const QString& key : keys) {
        ok = run("xdotool", { "key", "--delay", "100", key }) == 0 && ok;
    }
    return ok;
}

QProcessEnvironment inLocale(const QString& locale, bool display)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
             "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "SESSION_MANAGER",
             display ? "" : "DISPLAY" }) {
        env.remove(name);
    }
    env.insert("LANG", locale);
    return env;
}

ProgramCopy::ProgramCopy()
    : m_environment(QProcessEnvironment::systemEnvironment())
{
    QDir root(m_root.path());
    m_valid = root.mkpath("app/system") && root.mkpath("app/SystemFolder") && root.mkpath("app/modules")
        && root.mkpath("home")
        && root.mkdir("home/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
        && QFile::copy(VELLUMORA_APP_DIR "/Vellumora", app("Vellumora"))
        && QFile::copy(VELLUMORA_APP_DIR "/modules/vellumora-media.so", app("modules/vellumora-media.so"));
}

bool ProgramCopy::placePicture() const
{
    return QFile::copy(
               VELLUMORA_BUILD_DIR "/starter/en/SystemFolder/Sunrise.jpg", app("SystemFolder/Sun.jpg"))
        && writeBytes(NativePath(app("SystemFolder/record.txt")), recordOf({ "Sun.jpg" }));
}

bool ProgramCopy::placeLibrary() const
{
    return writeBytes(NativePath(app("item.txt")), crlfLines({ "\"Joy\",#TRUE#" }))
        && writeBytes(NativePath(app("system/Joy.txt")),
            crlfLines({ "\"" + kTicked[0] + "\",#TRUE#", "\"Not this one\",#FALSE#",
                "\"" + kTicked[1] + "\",#TRUE#" }))
        && placePicture();
}

bool ProgramCopy::writeSettings(const QByteArray& ini) const
{
    const QString config = m_environment.value("XDG_CONFIG_HOME", m_environment.value("HOME") + "/.config");
    return QDir().mkpath(config + "/Vellumora")
        && writeBytes(NativePath(config + "/Vellumora/Vellumora.ini"), ini);
}

QProcess* ProgramCopy::start(
    const QStringList& args, const QString& executable, const QProcessEnvironment& environment)
{
    auto& program = m_programs.emplace_back(std::make_unique<QProcess>());
    program->setProcessEnvironment(environment.isEmpty() ? m_environment : environment);
    program->setWorkingDirectory(path("home"));
    program->setProcessChannelMode(QProcess::ForwardedChannels);
    program->start(executable.isEmpty() ? app("Vellumora") : executable, args);
    program->waitForStarted(10000);
    return program.get();
}

bool ProgramCopy::endsAlone(QProcess* program) const
{
    // A time-out, a crash or a failed start each leave their error.
    program->waitForFinished(kTimeoutMs);
    return program->error() == QProcess::UnknownError && program->exitStatus() == QProcess::NormalExit
        && program->exitCode() == 0 && windows(kMessageTitle, -kShowWidth).isEmpty();
}

} // namespace vellumora::e2e
