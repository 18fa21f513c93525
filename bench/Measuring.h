#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QList>
#include <QProcess>
#include <QStringList>
#include <functional>

class QTemporaryDir;

namespace vellumora::bench {

// The tools every measurement shares: memory and CPU of this process, the event loop run until
// something is done, the figures printed, and a prepared application folder.

// Each timed step is taken this many times; the median (or the slowest) is reported.
constexpr int kRepeats = 5;

double rssMegabytes(qint64 pid = 0); // of this process, or of another one
double peakRssMegabytes();
// Returns memory the allocator holds to the system and restarts the peak from here.
void resetPeakRss();
double cpuSeconds();
// The CPU time of the calling thread alone.
double mainThreadCpuSeconds();
double loadAverage();

// Runs the event loop until the condition holds.
void waitUntil(const std::function<bool()>& done);
// Runs the event loop for the time given with no timer of its own but the one that ends it, so
// what is measured meanwhile wakes only for the program's own reasons.
void runFor(qint64 ms);
// The window has handled everything queued for it, paint events included.
void settle();
double median(QList<double> values);
void report(const char* what, double value, const char* unit, const char* goal);

// An application folder in `root` whose picture library holds the photos (linked, not copied,
// where the file system allows), with one ticked category of a few affirmations.
QString prepareApplicationFolder(const QTemporaryDir& root, const QStringList& photos);

// Two processes that keep two cores busy while they live: a load average of 2.
class BusyProcesses {
public:
    BusyProcesses();
    ~BusyProcesses();
    BusyProcesses(const BusyProcesses&) = delete;
    BusyProcesses& operator=(const BusyProcesses&) = delete;

private:
    QProcess m_processes[2];
};

// Times every event the user-interface thread handles while `timing` is on.
class TimingApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!timing) {
            return QApplication::notify(receiver, event);
        }
        QElapsedTimer clock;
        clock.start();
        const bool handled = QApplication::notify(receiver, event);
        longestEventMs = std::max(longestEventMs, clock.nsecsElapsed() / 1e6);
        return handled;
    }

    bool timing = false;
    double longestEventMs = 0;
};

} // namespace vellumora::bench
