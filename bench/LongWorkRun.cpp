#include "LongWorkRun.h"

#include "BenchPlatform.h"
#include "Figures.h"
#include "Measuring.h"
#include "library/Backup.h"
#include "platform/LibraryFolder.h"
#include "storage/LibraryFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

namespace vellumora::bench {

namespace {

// The longest time the interface thread's 5 ms timer came late by, from start to the first tick
// after the work: for work done on the interface thread, the work's whole time.
class StallMeter {
public:
    StallMeter()
    {
        m_timer.setInterval(5);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_clock.nsecsElapsed() / 1e6);
            m_clock.restart();
        });
    }
    // Runs the work, and returns its time in ms.
    double measure(const std::function<void()>& work)
    {
        m_longest = 0;
        QElapsedTimer total;
        total.start();
        m_clock.start();
        m_timer.start();
        work();
        const double ms = total.nsecsElapsed() / 1e6;
        // The tick that was held off by work on this thread counts too.
        waitUntil([&] { return m_clock.nsecsElapsed() / 1e6 < ms; });
        m_timer.stop();
        return ms;
    }
    double longestStall() const { return std::max(0.0, m_longest - 5); }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_longest = 0;
};

} // namespace

void measureLongWork(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    const QString archive = root.filePath(QStringLiteral("backup.zip"));
    const QString restored = root.filePath(QStringLiteral("restored"));
    const QString moved = root.filePath(QStringLiteral("moved"));
    const auto emptyLibrary = [&] {
        QDir(restored).removeRecursively();
        QDir().mkpath(LibraryFiles(restored).categoryFolder());
        QDir().mkpath(LibraryFiles(restored).pictureFolder());
    };
    StallMeter meter;
    // A window up, as the program's is, so the progress dialog's first showing costs what it costs
    // there.
    QLabel window(QStringLiteral("Vellumora"));
    window.show();
    settle();
    // The photos read once, so the first way measured is not the only one reading from the disk.
    Backup::write(folder, {}, archive);
    std::printf("long work on %lld pictures of %.1f MB in all (load average %.2f):\n",
        qlonglong(photos.size()), QFileInfo(archive).size() / 1e6, loadAverage());
    // Each way twice, in turns, so neither has the disk's cache to itself; the second of each counts.
    for (const bool threaded : { false, true, false, true }) {
        LongWorkFigures& result = threaded ? figures.longWorkThreaded : figures.longWorkBefore;
        const auto run = [&](const QString& what, const std::function<void(WorkProgress*)>& work) {
            WorkProgress progress;
            if (threaded) {
                platform.runLongWork(
                    what, progress, [&] { work(&progress); }, true);
            } else {
                work(nullptr);
            }
        };
        result.backupMs = meter.measure([&] {
            run(QStringLiteral("backup"),
                [&](WorkProgress* progress) { Backup::write(folder, {}, archive, progress); });
        });
        result.backupStall = meter.longestStall();
        emptyLibrary();
        result.restoreMs = meter.measure([&] {
            RestorePlan plan;
            run(QStringLiteral("plan"),
                [&](WorkProgress* progress) { plan = RestorePlan::make(archive, restored, {}, progress); });
            run(QStringLiteral("restore"),
                [&](WorkProgress* progress) { plan.apply(platform, false, progress).report(platform); });
        });
        result.restoreStall = meter.longestStall();
        result.moveMs = meter.measure([&] {
            QString error;
            run(QStringLiteral("copy"),
                [&](WorkProgress* progress) { LibraryFolder::copyTo(folder, moved, &error, progress); });
            run(QStringLiteral("remove"), [&](WorkProgress*) { LibraryFolder::removeFrom(moved, &error); });
        });
        result.moveStall = meter.longestStall();
        QDir(moved).removeRecursively();
        const char* way = threaded ? "on a thread of its own" : "on the interface thread, as before";
        std::printf("%s:\n", way);
        report("backup", result.backupMs, "ms", "");
        report("  its longest stall", result.backupStall, "ms", threaded ? "< 50" : "");
        report("restore into an empty library", result.restoreMs, "ms", "");
        report("  its longest stall", result.restoreStall, "ms", threaded ? "< 50" : "");
        report("move to another folder", result.moveMs, "ms", "");
        report("  its longest stall", result.moveStall, "ms", threaded ? "< 50" : "");
    }
    std::printf("load average %.2f\n", loadAverage());
}

} // namespace vellumora::bench
