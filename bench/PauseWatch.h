#pragma once

#include <QList>
#include <QProcess>

// A separate process that sleeps 5 ms at a time and notes each wake-up that came late. A
// stretch in which it was held off too is a pause of the machine, not of the program: on a
// virtual machine the host can stop every process at once.
class PauseWatch {
public:
    // A stretch of CLOCK_MONOTONIC time, in nanoseconds.
    struct Span {
        qint64 from = 0, to = 0;
    };

    PauseWatch();
    ~PauseWatch();

    // Ends the watch and gives the stretches in which the watcher was held off.
    QList<Span> stop();
    // How much of the span lies within the stretches.
    static qint64 overlap(Span span, const QList<Span>& stretches);

    static qint64 nowNs();
    // The watcher's loop, run by the benchmark started with kArgument.
    static int watch();
    static inline const char* kArgument = "--watch-pauses";

private:
    QProcess m_process;
};
