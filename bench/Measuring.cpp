#include "Measuring.h"

#include "ChildProcess.h"
#include "affirmations/CategoryStore.h"
#include "images/PictureStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace vellumora::bench {

namespace {

double statusMegabytes(const char* field, qint64 pid = 0)
{
    QFile status(pid ? QStringLiteral("/proc/%1/status").arg(pid) : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return 0;
}

} // namespace

double rssMegabytes(qint64 pid)
{
    return statusMegabytes("VmRSS:", pid);
}

double peakRssMegabytes()
{
    return statusMegabytes("VmHWM:");
}

void resetPeakRss()
{
    malloc_trim(0);
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

// Runs the event loop until the condition holds.
void waitUntil(const std::function<bool()>& done)
{
    QTimer wake;
    wake.start(50);
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

void runFor(qint64 ms)
{
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(ms), Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// The window has handled everything queued for it, paint events included.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

void report(const char* what, double value, const char* unit, const char* goal)
{
    std::printf("%-42s %9.1f %s%s%s\n", what, value, unit, goal[0] ? "   goal " : "", goal);
    std::fflush(stdout);
}

QString prepareApplicationFolder(const QTemporaryDir& root, const QStringList& photos)
{
    const QString folder = root.filePath(QStringLiteral("app"));
    const LibraryFiles files(folder);
    QDir().mkpath(files.categoryFolder());
    QDir().mkpath(files.pictureFolder());
    QStringList names;
    for (const QString& photo : photos) {
        names.append(QFileInfo(photo).fileName());
        const QString target = files.pictureFolder() + QLatin1Char('/') + names.last();
        // A hard link costs no copying; across file systems a copy does the same job.
        if (::link(QFile::encodeName(photo).constData(), QFile::encodeName(target).constData()) != 0) {
            QFile::copy(photo, target);
        }
    }
    PictureStore(folder).writeRecord(names);
    // A ticked category of a few affirmations for the show to glide.
    CategoryStore store(folder);
    store.writeRows(store.categoryPath(QStringLiteral("Goals")),
        { { QStringLiteral("I finish what I start"), true },
            { QStringLiteral("Every day I grow a little"), true },
            { QStringLiteral("I am calm, clear and kind"), true } });
    store.writeRows(store.indexPath(), { { QStringLiteral("Goals"), true } });
    return folder;
}

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
        + usage.ru_stime.tv_usec / 1e6;
}

double mainThreadCpuSeconds()
{
    // The main thread is the one the program runs its event loop on: RUSAGE_THREAD from it.
    rusage usage {};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
        + usage.ru_stime.tv_usec / 1e6;
}

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : 0;
}

BusyProcesses::BusyProcesses()
{
    for (auto& process : m_processes) {
        endWithTheBenchmark(process);
        process.start(QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("while :; do :; done") });
    }
}

BusyProcesses::~BusyProcesses()
{
    for (auto& process : m_processes) {
        process.kill();
        process.waitForFinished(5000);
    }
}

} // namespace vellumora::bench
