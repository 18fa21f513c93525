#include "ShowRun.h"

#include "Measuring.h"
#include "PauseWatch.h"
#include "images/PictureLoader.h"
#include "shell/MainWindow.h"
#include "show/ShowLauncher.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <optional>

namespace vellumora::bench {

ShowFigures measureShow(MainWindow& window, double minutes, bool loaded, int size)
{
    window.findChild<QComboBox*>(QStringLiteral("cboShowSize"))->setCurrentIndex(size);
    window.findChild<QComboBox*>(QStringLiteral("cboDispDuration"))->setCurrentText(QStringLiteral("5"));
    window.findChild<QComboBox*>(QStringLiteral("cboAffirmationDisplayDuration"))
        ->setCurrentText(QStringLiteral("5"));
    std::optional<BusyProcesses> busy;
    if (loaded) {
        busy.emplace();
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdDisplayAffirmations"))->click();

    ShowFigures figures;
    QElapsedTimer clock;
    clock.start();
    PauseWatch machine;
    // The stretches by which the glide's timer came late.
    QList<PauseWatch::Span> late;
    qint64 last = PauseWatch::nowNs();
    qint64 frames = 0;
    // Stalls are timed on the glide's own timer, and the benchmark waits with none of its own: a
    // timer of its own would add wakeups and count them as the show's CPU.
    auto* glideTimer = window.findChild<QTimer*>(QStringLiteral("TimeDisplay"));
    const QMetaObject::Connection probe = QObject::connect(glideTimer, &QTimer::timeout, [&] {
        const qint64 now = PauseWatch::nowNs();
        const qint64 due = last + glideTimer->interval() * qint64(1'000'000);
        if (now - due > 1'000'000) {
            late.append({ due, now });
        }
        last = now;
        ++frames;
    });
    auto* app = static_cast<TimingApplication*>(QCoreApplication::instance());
    app->longestEventMs = 0;
    app->timing = true;
    // The first pictures decoded and the caches warm before memory is taken as the baseline.
    runFor(10'000 - clock.elapsed());
    const double rssBefore = rssMegabytes();
    const double cpuBefore = cpuSeconds();
    const double interfaceBefore = mainThreadCpuSeconds();
    const qint64 wallBefore = clock.elapsed();
    const qint64 framesBefore = frames;
    auto* loader = window.findChild<PictureLoader*>(QString(), Qt::FindDirectChildrenOnly);
    const ShownPictureCache::Stats cacheBefore = loader->shownCacheStats();
    const qint64 end = wallBefore + qint64(minutes * 60'000);
    runFor(end - clock.elapsed());
    const double wallSeconds = (clock.elapsed() - wallBefore) / 1000.0;
    figures.cpu = (cpuSeconds() - cpuBefore) / wallSeconds * 100;
    const double interfaceSeconds = mainThreadCpuSeconds() - interfaceBefore;
    figures.interfaceCpu = interfaceSeconds / wallSeconds * 100;
    const ShownPictureCache::Stats cacheAfter = loader->shownCacheStats();
    const quint64 hits = cacheAfter.hits - cacheBefore.hits;
    const quint64 asked = hits + cacheAfter.misses - cacheBefore.misses;
    figures.cacheHitRate = asked == 0 ? 0 : 100.0 * hits / asked;
    figures.frameUs = interfaceSeconds * 1e6 / std::max<qint64>(1, frames - framesBefore);
    figures.rssGrowth = rssMegabytes() - rssBefore;
    figures.loadAverage = loadAverage();
    QObject::disconnect(probe);
    app->timing = false;
    figures.longestEvent = app->longestEventMs;
    window.findChild<ShowLauncher*>()->back();
    busy.reset();
    const QList<PauseWatch::Span> paused = machine.stop();
    for (const PauseWatch::Span& pause : paused) {
        figures.machinePause = std::max(figures.machinePause, (pause.to - pause.from) / 1e6);
    }
    int stallsOver16 = 0, ownOver16 = 0;
    for (const PauseWatch::Span& stall : late) {
        const double ms = (stall.to - stall.from) / 1e6;
        const double own = ms - PauseWatch::overlap(stall, paused) / 1e6;
        figures.maxStall = std::max(figures.maxStall, ms);
        figures.ownMaxStall = std::max(figures.ownMaxStall, own);
        stallsOver16 += ms > 16 ? 1 : 0;
        ownOver16 += own > 16 ? 1 : 0;
    }
    const QString named = size == 0 ? QString() : QStringLiteral(" ") + kShowSizes.at(size);
    const QByteArray prefixBytes
        = (QStringLiteral("show") + named + (loaded ? QStringLiteral(", loaded:") : QStringLiteral(":")))
              .toUtf8();
    const char* prefix = prefixBytes.constData();
    std::printf("%s load average %.2f at the end\n", prefix, figures.loadAverage);
    report(QStringLiteral("%1 CPU, share of one core").arg(prefix).toUtf8().constData(), figures.cpu, "%",
        // The small show is the one designed; a larger one redraws more of the screen.
        loaded          ? ""
            : size == 0 ? "< 1 %"
                        : "< 1.5 %");
    report(QStringLiteral("%1 of which the interface thread (the glide)").arg(prefix).toUtf8().constData(),
        figures.interfaceCpu, "%", "");
    report(QStringLiteral("%1 of which the other threads (decoding)").arg(prefix).toUtf8().constData(),
        figures.cpu - figures.interfaceCpu, "%", "");
    report(QStringLiteral("%1 the glide, interface thread per frame").arg(prefix).toUtf8().constData(),
        figures.frameUs, "us", "");
    report(
        QStringLiteral("%1 pictures read from their copies at shown size").arg(prefix).toUtf8().constData(),
        figures.cacheHitRate, "%", "");
    report(
        QStringLiteral("%1 RSS growth").arg(prefix).toUtf8().constData(), figures.rssGrowth, "MB", "< 5 MB");
    report(QStringLiteral("%1 longest stall of the glide").arg(prefix).toUtf8().constData(), figures.maxStall,
        "ms", "");
    std::printf("  (%d over 16 ms; a separate process was held off for up to %.1f ms)\n", stallsOver16,
        figures.machinePause);
    report(QStringLiteral("%1 the same, machine pauses set aside").arg(prefix).toUtf8().constData(),
        figures.ownMaxStall, "ms", "< 16 ms");
    std::printf("  (%d over 16 ms)\n", ownOver16);
    report(QStringLiteral("%1 longest single event handled").arg(prefix).toUtf8().constData(),
        figures.longestEvent, "ms", "");
    return figures;
}

} // namespace vellumora::bench
