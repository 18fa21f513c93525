#include "BackgroundRun.h"

#include "Figures.h"
#include "Measuring.h"
#include "ProcessRun.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace vellumora::bench {

namespace {

// Context switches of every thread of the process: each is a wake-up, or a thread put off the
// processor while it ran.
struct Wakeups {
    qint64 total = 0;
    QMap<QString, qint64> byThread;
};

Wakeups wakeups(qint64 pid)
{
    Wakeups result;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks + QLatin1Char('/') + task + QStringLiteral("/status"));
        QFile name(tasks + QLatin1Char('/') + task + QStringLiteral("/comm"));
        if (!status.open(QIODevice::ReadOnly) || !name.open(QIODevice::ReadOnly)) {
            continue;
        }
        qint64 switches = 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:")
                || line.startsWith("nonvoluntary_ctxt_switches:")) {
                switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
            }
        }
        result.total += switches;
        result.byThread[QString::fromUtf8(name.readAll().trimmed()) + QLatin1Char('/') + task] = switches;
    }
    return result;
}

// Sleeps until the wall clock shows this many seconds past a minute.
void waitForSecond(int second)
{
    const QDateTime now = QDateTime::currentDateTime();
    qint64 ms = (second - now.time().second()) * 1000 - now.time().msec();
    if (ms <= 0) {
        ms += 60'000;
    }
    QThread::msleep(ms);
}

} // namespace

void measureBackground(Figures& figures, const QStringList& photos)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::printf("the background: not measured (it needs an X display)\n");
        return;
    }
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    const QString executable = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Vellumora");
    const QString home = root.filePath(QStringLiteral("home"));
    QDir().mkpath(home + QStringLiteral("/.config/Vellumora"));
    QFile settings(home + QStringLiteral("/.config/Vellumora/Vellumora.ini"));
    if (!placeProgram(executable, folder) || !settings.open(QIODevice::WriteOnly)
        || settings.write("[Reminders]\nMode=1\nMinutes=1\nFrom=00:00\nTo=23:59\n") < 0) {
        std::printf("the background: %s cannot be placed; not measured\n", qPrintable(executable));
        return;
    }
    settings.close();

    // A bus of its own, which starts the desktop's notification server when it is first asked.
    QProcess bus;
    bus.start(QStringLiteral("dbus-daemon"),
        { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1") });
    if (!bus.waitForStarted() || !bus.waitForReadyRead(10'000)) {
        std::printf("the background: no session bus could be started; not measured\n");
        return;
    }
    QProcessEnvironment environment = programEnvironment(home);
    environment.insert(
        QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(bus.readLine().trimmed()));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    program.start(QDir(folder).filePath(QStringLiteral("Vellumora")), { QStringLiteral("--background") });
    if (!program.waitForStarted()) {
        std::printf("the background: the program did not start; not measured\n");
        return;
    }
    const qint64 pid = program.processId();
    const double startLoad = loadAverage();
    // One reminder comes at the next minute and is shown; the wake-ups are counted from well
    // after it until just before the next.
    waitForSecond(0);
    waitForSecond(20);
    const Wakeups before = wakeups(pid);
    waitForSecond(57);
    const Wakeups after = wakeups(pid);
    figures.backgroundRss = rssMegabytes(pid);
    figures.backgroundWakeups = double(after.total - before.total);
    const bool running = program.state() == QProcess::Running;
    program.terminate();
    if (!program.waitForFinished(10'000)) {
        program.kill();
        program.waitForFinished();
    }
    bus.terminate();
    bus.waitForFinished();
    if (!running) {
        std::printf("the background: the program ended by itself; not measured\n");
        return;
    }
    std::printf("the background (load average %.2f to %.2f):\n", startLoad, loadAverage());
    report("the background: resident memory", figures.backgroundRss, "MB", "< 35 MB");
    report("the background: wake-ups in the 37 s between two reminders", figures.backgroundWakeups, "", "0");
    for (auto thread = after.byThread.cbegin(); thread != after.byThread.cend(); ++thread) {
        const qint64 woke = thread.value() - before.byThread.value(thread.key());
        if (woke > 0) {
            std::printf("  (%s woke %lld times)\n", qPrintable(thread.key()), woke);
        }
    }
}

} // namespace vellumora::bench
