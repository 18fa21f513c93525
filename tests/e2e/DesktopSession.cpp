#include "e2e/DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

namespace {

const QString kExecutable = QStringLiteral("Vellumora");

} // namespace

DesktopSession::DesktopSession() = default;

DesktopSession::~DesktopSession()
{
    stopPrograms();
    if (m_xserver.state() != QProcess::NotRunning) {
        m_xserver.terminate();
        if (!m_xserver.waitForFinished(5000)) {
            m_xserver.kill();
            m_xserver.waitForFinished(5000);
        }
    }
}

bool DesktopSession::startDisplay()
{
    // The server picks a free display itself and writes its number to standard output. Without
    // -noreset it would refuse connections for a moment each time its last client goes away.
    m_xserver.start(QStringLiteral("Xvfb"),
        { QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
            QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
            QStringLiteral("-noreset") });
    if (!m_xserver.waitForStarted(10000)) {
        m_error = QStringLiteral("Xvfb could not be started (is the package xvfb installed?)");
        return false;
    }
    QByteArray number;
    const bool ready = QTest::qWaitFor(
        [&] {
            number += m_xserver.readAllStandardOutput();
            return number.contains('\n') || m_xserver.state() == QProcess::NotRunning;
        },
        15000);
    if (!ready || !number.contains('\n')) {
        m_error = QStringLiteral("Xvfb gave no display: ")
            + QString::fromLocal8Bit(m_xserver.readAllStandardError());
        return false;
    }
    m_display = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    return true;
}

bool DesktopSession::prepareFolders()
{
    stopPrograms();
    m_root = std::make_unique<QTemporaryDir>();
    QDir root(m_root->path());
    const bool made = root.mkpath(QStringLiteral("app/system"))
        && root.mkpath(QStringLiteral("app/SystemFolder")) && root.mkpath(QStringLiteral("home"))
        && root.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(
        root.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString built = QStringLiteral(VELLUMORA_APP_DIR "/") + kExecutable;
    if (!made || !QFile::copy(built, root.filePath(QStringLiteral("app/")) + kExecutable)) {
        m_error = QStringLiteral("cannot copy ") + built;
        return false;
    }
    return true;
}

QString DesktopSession::appFolder() const
{
    return m_root->filePath(QStringLiteral("app"));
}

QString DesktopSession::homeFolder() const
{
    return m_root->filePath(QStringLiteral("home"));
}

QString DesktopSession::settingsFile() const
{
    return homeFolder() + QStringLiteral("/.config/") + kExecutable + QLatin1Char('/') + kExecutable
        + QStringLiteral(".ini");
}

QProcess* DesktopSession::startProgram()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
             "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "SESSION_MANAGER" }) {
        env.remove(QLatin1String(name));
    }
    env.insert(QStringLiteral("HOME"), homeFolder());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_root->filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    auto& process = m_programs.emplace_back(std::make_unique<QProcess>());
    process->setProcessEnvironment(env);
    process->setWorkingDirectory(homeFolder());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(appFolder() + QLatin1Char('/') + kExecutable, {});
    process->waitForStarted(10000);
    return process.get();
}

void DesktopSession::stopPrograms()
{
    for (auto& process : m_programs) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    m_programs.clear();
}

QString DesktopSession::xdotool(const QStringList& args, bool* ok) const
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("xdotool"), args);
    const bool finished = process.waitForFinished(10000);
    if (ok) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

QStringList DesktopSession::windows(const QString& title) const
{
    const QString pattern = QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
    return xdotool(
        { QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern })
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString DesktopSession::waitForWindow(const QString& title, int timeoutMs) const
{
    QStringList found;
    const bool one = QTest::qWaitFor(
        [&] {
            found = windows(title);
            return found.size() == 1;
        },
        timeoutMs);
    return one ? found.first() : QString();
}

bool DesktopSession::sendKeys(const QString& id, const QStringList& keys) const
{
    // There is no window manager: the focus is given by hand.
    bool ok = false;
    xdotool({ QStringLiteral("windowfocus"), QStringLiteral("--sync"), id }, &ok);
    for (const QString& key : keys) {
        bool sent = false;
        xdotool({ QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("100"), key }, &sent);
        ok = ok && sent;
    }
    return ok;
}
