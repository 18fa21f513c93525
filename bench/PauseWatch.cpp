#include "PauseWatch.h"

#include "ChildProcess.h"

#include <QCoreApplication>
#include <csignal>
#include <cstdio>
#include <time.h>

namespace {

constexpr qint64 kSleepNs = 5'000'000;
// Lateness below this is ordinary timer slack and not written down.
constexpr qint64 kNotedNs = 2'000'000;

} // namespace

PauseWatch::PauseWatch()
{
    endWithTheBenchmark(m_process);
    m_process.start(QCoreApplication::applicationFilePath(), { QString::fromLatin1(kArgument) });
    m_process.waitForStarted();
}

PauseWatch::~PauseWatch()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QList<PauseWatch::Span> PauseWatch::stop()
{
    m_process.terminate();
    m_process.waitForFinished(5000);
    QList<Span> stretches;
    for (const QByteArray& line : m_process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() == 2) {
            stretches.append({ fields[0].toLongLong(), fields[1].toLongLong() });
        }
    }
    return stretches;
}

qint64 PauseWatch::overlap(Span span, const QList<Span>& stretches)
{
    qint64 total = 0;
    for (const Span& stretch : stretches) {
        total += std::max<qint64>(0, std::min(span.to, stretch.to) - std::max(span.from, stretch.from));
    }
    return total;
}

qint64 PauseWatch::nowNs()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

int PauseWatch::watch()
{
    // Killed at the end; each line is written at once, so none is lost.
    std::signal(SIGTERM, [](int) { std::_Exit(0); });
    const timespec nap { 0, kSleepNs };
    for (;;) {
        const qint64 before = nowNs();
        nanosleep(&nap, nullptr);
        const qint64 after = nowNs();
        if (after - before - kSleepNs > kNotedNs) {
            // Held off from when it should have woken until it did.
            std::printf(
                "%lld %lld\n", static_cast<long long>(before + kSleepNs), static_cast<long long>(after));
            std::fflush(stdout);
        }
    }
}
