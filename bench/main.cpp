// Measures the image library's load path on a library of photo-sized JPEGs: how soon the main
// window answers, how soon the first thumbnails show, how long all of them take with a cold and
// a warm thumbnail cache (cold also beside two busy processes, and against the least libjpeg
// itself needs for them), memory, adding and deleting a picture, and one picture decoded for
// the show, and a running show at its fastest. The real program is also started on such a
// library and watched from outside. Then memory with a library ten times as large. For
// comparison it also decodes a few photos the naive way, whole and kept.

#include "BenchPlatform.h"
#include "ChildProcess.h"
#include "Floor.h"
#include "HostileSet.h"
#include "PauseWatch.h"
#include "PhotoSet.h"
#include "ProcessRun.h"
#include "images/ImageLibraryPanel.h"
#include "images/PictureDecoder.h"
#include "images/PictureLibrary.h"
#include "images/PictureLoader.h"
#include "images/PictureStore.h"
#include "images/ThumbnailStrip.h"
#include "affirmations/CategoryStore.h"
#include "platform/QtPlatform.h"
#include "shell/MainWindow.h"
#include "show/ShowLauncher.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <malloc.h>
#include <memory>
#include <optional>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

using namespace vellumora;
using namespace vellumora::bench;

namespace {

constexpr int kRepeats = 5;
constexpr int kNaivePictures = 40;

double statusMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
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

double rssMegabytes()
{
    return statusMegabytes("VmRSS:");
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
    QDir().mkpath(folder + QStringLiteral("/system"));
    QDir().mkpath(folder + QStringLiteral("/SystemFolder"));
    QStringList names;
    for (const QString& photo : photos) {
        names.append(QFileInfo(photo).fileName());
        const QString target = folder + QStringLiteral("/SystemFolder/") + names.last();
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

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : 0;
}

// Two processes that keep two cores busy while they live: a load average of 2.
class BusyProcesses {
public:
    BusyProcesses()
    {
        for (auto& process : m_processes) {
            endWithTheBenchmark(process);
            process.start(
                QStringLiteral("sh"), { QStringLiteral("-c"), QStringLiteral("while :; do :; done") });
        }
    }
    ~BusyProcesses()
    {
        for (auto& process : m_processes) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

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

struct ShowFigures {
    double cpu = 0, rssGrowth = 0, maxStall = 0, ownMaxStall = 0, machinePause = 0, longestEvent = 0;
    double loadAverage = 0;
};

struct Figures {
    int pictures = 0;
    double loadAverage = 0;
    double windowShown = 0, firstThumbnails = 0, allCold = 0, allWarm = 0, steadyRss = 0, peakRss = 0;
    double shownRss = 0, coldCpuMs = 0, floor = 0, allColdLoaded = 0, loadAverageColdLoaded = 0;
    double add = 0, remove = 0, showDecode = 0, naiveMs = 0, naiveMb = 0, naiveCpuRatio = 0;
    double processWindowShown = 0, processCold = 0, processWarm = 0;
    double largeRss = 0, largeScroll = 0;
    ShowFigures show, showLoaded;
    double hugeLoad = 0, hugePanel = 0;
    double hostilePeak = 0, ordinaryPeak = 0;
    int hostileFaults = 0;
};

class LibraryRun {
public:
    LibraryRun(BenchPlatform& platform, QRandomGenerator& random)
    {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        m_window = std::make_unique<MainWindow>(platform, random);
        m_strip = m_window->findChild<ThumbnailStrip*>();
        QObject::connect(m_strip, &ThumbnailStrip::thumbnailReady, [this](int i) {
            m_ready.insert(i);
            if (m_firstFour < 0 && std::all_of(m_wanted.cbegin(), m_wanted.cend(), [this](int k) {
                    return m_ready.contains(k);
                })) {
                m_firstFour = 0;
            }
        });
        m_window->load();
        const int count = m_window->findChild<PictureLibrary*>()->count();
        for (int i = 1; i <= std::min(4, count); ++i) {
            m_wanted.append(i);
        }
        m_window->show();
        waitUntil([this] { return m_window->windowHandle() && m_window->windowHandle()->isExposed(); });
        bool answered = false;
        QTimer::singleShot(0, [&answered] { answered = true; });
        waitUntil([&answered] { return answered; });
        windowShown = clock.elapsed();
        shownRss = rssMegabytes();

        waitUntil([this] { return m_firstFour == 0 || m_wanted.isEmpty(); });
        settle();
        firstThumbnails = clock.elapsed();
        waitUntil([this] { return m_strip->waitingCount() == 0; });
        settle();
        allThumbnails = clock.elapsed();
        cpuMs = (cpuSeconds() - cpuBefore) * 1000;
    }

    MainWindow& window() { return *m_window; }
    ThumbnailStrip& strip() { return *m_strip; }
    bool ready(int i) const { return m_ready.contains(i); }

    double windowShown = 0, firstThumbnails = 0, allThumbnails = 0, shownRss = 0, cpuMs = 0;

private:
    std::unique_ptr<MainWindow> m_window;
    ThumbnailStrip* m_strip = nullptr;
    QSet<int> m_ready;
    QList<int> m_wanted;
    int m_firstFour = -1;
};

// A show at the fastest glide (5 ms a step) and a picture every 5 s: the program's share of one
// core, how its memory moves, the longest the glide's timer came late beyond its interval (which
// takes in the time the system gave to others), and the longest the user-interface thread spent
// on any one event. Loaded, two busy processes share the machine meanwhile.
ShowFigures measureShow(MainWindow& window, double minutes, bool loaded)
{
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
    // Stalls are timed on the glide's own timer: a timer of the benchmark's own would double
    // the wakeups and count them as the show's CPU.
    auto* glideTimer = window.findChild<QTimer*>(QStringLiteral("TimeDisplay"));
    const QMetaObject::Connection probe = QObject::connect(glideTimer, &QTimer::timeout, [&] {
        const qint64 now = PauseWatch::nowNs();
        const qint64 due = last + glideTimer->interval() * qint64(1'000'000);
        if (now - due > 1'000'000) {
            late.append({ due, now });
        }
        last = now;
    });
    auto* app = static_cast<TimingApplication*>(QCoreApplication::instance());
    app->longestEventMs = 0;
    app->timing = true;
    // The first pictures decoded and the caches warm before memory is taken as the baseline.
    waitUntil([&clock] { return clock.elapsed() >= 10'000; });
    const double rssBefore = rssMegabytes();
    const double cpuBefore = cpuSeconds();
    const qint64 wallBefore = clock.elapsed();
    const qint64 end = wallBefore + qint64(minutes * 60'000);
    waitUntil([&clock, end] { return clock.elapsed() >= end; });
    figures.cpu = (cpuSeconds() - cpuBefore) / ((clock.elapsed() - wallBefore) / 1000.0) * 100;
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
    const char* prefix = loaded ? "show, loaded:" : "show:";
    std::printf("%s load average %.2f at the end\n", prefix, figures.loadAverage);
    report(QStringLiteral("%1 CPU, share of one core").arg(prefix).toUtf8().constData(), figures.cpu, "%",
        loaded ? "" : "< 3 %");
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

Figures measure(int pictures, const QStringList& photos, double showMinutes)
{
    Figures figures;
    figures.pictures = pictures;
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos.mid(0, pictures));
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    QRandomGenerator random(1);
    figures.floor = decodeAtAnEighthOnEveryCore(photos.mid(0, pictures));
    report("floor: libjpeg at 1/8 on every core", figures.floor, "ms", "");
    resetPeakRss();

    auto cold = std::make_unique<LibraryRun>(platform, random);
    figures.windowShown = cold->windowShown;
    figures.shownRss = cold->shownRss;
    report("main window shown and responsive", figures.windowShown, "ms", "< 500 ms");
    figures.firstThumbnails = cold->firstThumbnails;
    report("first four thumbnails on screen", figures.firstThumbnails, "ms", "< 250 ms");
    figures.allCold = cold->allThumbnails;
    report("all thumbnails, cold cache", figures.allCold, "ms", "< 1.15 x floor");
    std::printf("  (%.2f x floor; %.1f ms of CPU per picture)\n", figures.allCold / figures.floor,
        cold->cpuMs / pictures);
    figures.coldCpuMs = cold->cpuMs;

    QElapsedTimer pause;
    pause.start();
    waitUntil([&pause] { return pause.elapsed() >= 1000; });
    figures.steadyRss = rssMegabytes();
    report("steady RSS, thumbnails near the view kept", figures.steadyRss, "MB", "< 90 MB");

    MainWindow& window = cold->window();
    auto* add = window.findChild<QPushButton*>(QStringLiteral("cmdAddPicture"));
    auto* remove = window.findChild<QPushButton*>(QStringLiteral("cmdDeletePicture"));
    auto* list = window.findChild<QTreeView*>(QStringLiteral("lvwDisplay"));
    QList<double> adds;
    for (int k = 0; k < kRepeats; ++k) {
        platform.chosenFiles << photos.at(pictures + k);
        QElapsedTimer clock;
        clock.start();
        add->click();
        const int added = list->model()->rowCount();
        waitUntil([&] { return cold->ready(added) && cold->strip().waitingCount() == 0; });
        settle();
        adds.append(clock.nsecsElapsed() / 1e6);
    }
    figures.add = median(adds);
    report("add one picture, thumbnail on screen", figures.add, "ms", "< 100 ms");

    QList<double> deletes;
    for (int k = 0; k < kRepeats; ++k) {
        list->setCurrentIndex(list->model()->index(list->model()->rowCount() - 1, 0));
        QElapsedTimer clock;
        clock.start();
        remove->click();
        settle();
        deletes.append(clock.nsecsElapsed() / 1e6);
    }
    figures.remove = median(deletes);
    report("delete one picture", figures.remove, "ms", "< 16 ms");

    PictureLoader& loader = *window.findChild<PictureLoader*>();
    QList<double> decodes;
    for (int k = 0; k < kRepeats; ++k) {
        const quint64 ticket = 1'000'000 + k;
        bool done = false;
        const auto connection = QObject::connect(&loader, &PictureLoader::pictureLoaded,
            [&done, ticket](quint64 answered, const QImage&) { done = done || answered == ticket; });
        QElapsedTimer clock;
        clock.start();
        loader.loadPicture(ticket, photos.at(k * 7 % pictures), QSize(433, 337));
        waitUntil([&done] { return done; });
        decodes.append(clock.nsecsElapsed() / 1e6);
        QObject::disconnect(connection);
    }
    figures.showDecode = median(decodes);
    report("one picture decoded at 433 x 337", figures.showDecode, "ms", "< 100 ms");
    cold.reset();

    LibraryRun warm(platform, random);
    figures.allWarm = warm.allThumbnails;
    report("all thumbnails, warm cache", figures.allWarm, "ms", "< 1000 ms");
    figures.peakRss = peakRssMegabytes();
    report("peak RSS", figures.peakRss, "MB", "< 250 MB");
    {
        // Cold again, in a cache of its own, while two busy processes share the machine.
        BenchPlatform busyPlatform(folder, root.filePath(QStringLiteral("thumbnails-loaded")));
        BusyProcesses busy;
        const LibraryRun loaded(busyPlatform, random);
        figures.allColdLoaded = loaded.allThumbnails;
        figures.loadAverageColdLoaded = loadAverage();
    }
    std::printf("beside two busy processes: load average %.2f at the end\n", figures.loadAverageColdLoaded);
    report("all thumbnails, cold cache, loaded", figures.allColdLoaded, "ms", "< 1.3 x quiet");
    std::printf("  (%.2f x quiet)\n", figures.allColdLoaded / figures.allCold);
    if (showMinutes > 0) {
        std::printf("running a show for %.1f minutes\n", showMinutes);
        std::fflush(stdout);
        figures.show = measureShow(warm.window(), showMinutes, false);
        std::printf("running the show again beside two busy processes\n");
        std::fflush(stdout);
        figures.showLoaded = measureShow(warm.window(), showMinutes, true);
    }
    return figures;
}

void measureNaive(Figures& figures, const QStringList& photos, int largePictures)
{
    // Every picture decoded whole and kept, as a strip of full-size pictures would.
    QList<QImage> kept;
    const double before = rssMegabytes();
    const double cpuBefore = cpuSeconds();
    for (int i = 0; i < kNaivePictures && i < photos.size(); ++i) {
        kept.append(QImage(photos.at(i)));
    }
    const int n = int(kept.size());
    // On one thread, so its CPU time is its wall time too.
    figures.naiveMs = (cpuSeconds() - cpuBefore) * 1000 / n;
    figures.naiveMb = (rssMegabytes() - before) / n;
    report("naive full decode, CPU per picture", figures.naiveMs, "ms", "");
    report("naive full decode, memory per picture", figures.naiveMb, "MB", "");
    // CPU against CPU: ours ran on every core, with the window and its cache around it.
    const double oursMs = figures.coldCpuMs / figures.pictures;
    figures.naiveCpuRatio = figures.naiveMs / oursMs;
    // What one more picture adds to the window's memory: between the two libraries where both
    // were measured, else what the thumbnails added, spread over the pictures.
    const double oursMb = std::max(0.001,
        largePictures > figures.pictures
            ? (figures.largeRss - figures.steadyRss) / (largePictures - figures.pictures)
            : (figures.steadyRss - figures.shownRss) / figures.pictures);
    std::printf(
        "ours per picture: %.1f ms of CPU cold, %.1f KB; naive takes %.1fx the CPU and %.0fx the memory\n",
        oursMs, oursMb * 1024, figures.naiveCpuRatio, figures.naiveMb / oursMb);
}

// The real program, started from its exec on a library of the same photos: once with an empty
// thumbnail cache, then again with the cache it made.
void measureProcess(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    const QString executable = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Vellumora");
    if (!placeProgram(executable, folder)) {
        std::printf("the program: %s cannot be placed; not measured\n", qPrintable(executable));
        return;
    }
    const QString home = root.filePath(QStringLiteral("home"));
    const ProcessFigures cold = runProgram(folder, home);
    const ProcessFigures warm = runProgram(folder, home);
    if (!cold.measured || !warm.measured) {
        std::printf("the program: not measured (it needs an X display)\n");
        return;
    }
    figures.processWindowShown = cold.windowShownMs;
    figures.processCold = cold.settledMs;
    figures.processWarm = warm.settledMs;
    report("the program: window mapped, from exec", figures.processWindowShown, "ms", "< 500 ms");
    report("the program: all thumbnails, cold cache", figures.processCold, "ms", "");
    report("the program: all thumbnails, warm cache", figures.processWarm, "ms", "< 1000 ms");
    std::printf("  (window mapped %.0f ms from exec with the warm cache)\n", warm.windowShownMs);
}

// Memory with a large library once its thumbnails are made, and how soon the boxes scrolled to
// are drawn again from the cache.
void measureLargeLibrary(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    QRandomGenerator random(1);
    std::printf("a library of %lld photos\n", qlonglong(photos.size()));
    std::fflush(stdout);
    LibraryRun run(platform, random);
    report("  all thumbnails, cold cache", run.allThumbnails, "ms", "");
    QElapsedTimer pause;
    pause.start();
    waitUntil([&pause] { return pause.elapsed() >= 1000; });
    figures.largeRss = rssMegabytes();
    report("  steady RSS", figures.largeRss, "MB", "< 100 MB");

    auto* scrollBar = run.window().findChild<QScrollBar*>(QStringLiteral("ScrollBar1"));
    const int boxesInView = run.strip().parentWidget()->height() / ThumbnailStrip::kPitch + 1;
    if (photos.size() <= boxesInView + 2 * ThumbnailStrip::kKeptMargin) {
        std::printf("  too few pictures to scroll beyond the boxes kept\n");
        return;
    }
    QRandomGenerator places(7);
    QList<double> times;
    for (int k = 0; k < kRepeats; ++k) {
        // Far from the boxes kept, so every one in view comes from the cache.
        const int first = int(places.bounded(photos.size() - boxesInView)) + 1;
        QSet<int> wanted;
        for (int i = first; i < first + boxesInView; ++i) {
            if (run.strip().thumbnail(i).isNull()) {
                wanted.insert(i);
            }
        }
        const auto connection = QObject::connect(
            &run.strip(), &ThumbnailStrip::thumbnailReady, [&wanted](int i) { wanted.remove(i); });
        QElapsedTimer clock;
        clock.start();
        scrollBar->setValue((first - 1) * ThumbnailStrip::kPitch);
        waitUntil([&wanted] { return wanted.isEmpty(); });
        settle();
        times.append(clock.nsecsElapsed() / 1e6);
        QObject::disconnect(connection);
    }
    figures.largeScroll = *std::max_element(times.cbegin(), times.cend());
    report("  scrolled far: boxes in view drawn, slowest", figures.largeScroll, "ms", "< 100 ms");
}

// Each hostile picture and each of the largest ordinary photos decoded as the strip and the show
// would: the peak memory of the process while it is, and whether it gave a picture.
void measureHostilePictures(Figures& figures, const QString& folder)
{
    const QList<HostilePicture> pictures = HostileSet(folder).ensure();
    for (const HostilePicture& picture : pictures) {
        resetPeakRss();
        const double before = rssMegabytes();
        QElapsedTimer clock;
        clock.start();
        const QImage thumbnail
            = PictureDecoder::decode(picture.path, QSize(128, 128), PictureDecoder::Fit::Within);
        const QImage shown
            = PictureDecoder::decode(picture.path, QSize(433, 337), PictureDecoder::Fit::Stretch);
        const double peak = peakRssMegabytes();
        const bool decoded = !thumbnail.isNull() && !shown.isNull();
        std::printf("%-42s %9.1f MB peak (%.1f MB before), %s in %lld ms%s\n", qPrintable(picture.name), peak,
            before, decoded ? "decoded" : "refused", qlonglong(clock.elapsed()),
            picture.hostile == decoded ? "   FAULT" : "");
        double& worst = picture.hostile ? figures.hostilePeak : figures.ordinaryPeak;
        worst = std::max(worst, peak);
        figures.hostileFaults += picture.hostile == decoded ? 1 : 0;
    }
    report("hostile pictures: peak RSS", figures.hostilePeak, "MB", "< 300 MB");
    report("largest ordinary photos: peak RSS", figures.ordinaryPeak, "MB", "");
}

// A library whose one category holds a single-line affirmation of 1 MB among short ones: how
// long the main window takes to load it, and to bring the affirmation panel to the front.
void measureHugeAffirmation(Figures& figures)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, {});
    CategoryStore store(folder);
    QString huge;
    while (huge.size() < (1 << 20)) {
        huge += QStringLiteral("I keep going, one small step after another, ");
    }
    huge.truncate(1 << 20);
    store.writeRows(store.categoryPath(QStringLiteral("Goals")),
        { { huge, true }, { QStringLiteral("I am calm"), true }, { QStringLiteral("I rest well"), false } });
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    QRandomGenerator random(1);
    QElapsedTimer clock;
    clock.start();
    MainWindow window(platform, random);
    window.load();
    window.show();
    waitUntil([&window] { return window.windowHandle() && window.windowHandle()->isExposed(); });
    settle();
    figures.hugeLoad = clock.nsecsElapsed() / 1e6;
    report("1 MB affirmation: window loaded and shown", figures.hugeLoad, "ms", "");

    auto* images = window.findChild<QPushButton*>(QStringLiteral("cmdImageLibrary"));
    auto* affirmations = window.findChild<QPushButton*>(QStringLiteral("cmdAffirmationLibrary"));
    QList<double> times;
    for (int k = 0; k < kRepeats; ++k) {
        images->click();
        settle();
        clock.restart();
        affirmations->click();
        window.repaint();
        settle();
        times.append(clock.nsecsElapsed() / 1e6);
    }
    figures.hugePanel = *std::max_element(times.cbegin(), times.cend());
    report("1 MB affirmation: panel shown, slowest of 5", figures.hugePanel, "ms", "< 100 ms");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], PauseWatch::kArgument) == 0) {
        return PauseWatch::watch();
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The program's own process settings, so the show is measured as it runs.
    QtPlatform::prepareProcess();
    TimingApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Vellumora speed and memory benchmark"));
    parser.addHelpOption();
    const QCommandLineOption picturesOption(QStringLiteral("pictures"),
        QStringLiteral("Pictures in the library (default 1000)."), QStringLiteral("N"),
        QStringLiteral("1000"));
    const QCommandLineOption photosOption(QStringLiteral("photos"),
        QStringLiteral(
            "Folder keeping the generated photos between runs (default: photos beside this program)."),
        QStringLiteral("folder"), QCoreApplication::applicationDirPath() + QStringLiteral("/photos"));
    parser.addOption(picturesOption);
    parser.addOption(photosOption);
    const QCommandLineOption showOption(QStringLiteral("show-minutes"),
        QStringLiteral("Length of the measured show in minutes (default 10; 0 leaves it out)."),
        QStringLiteral("M"), QStringLiteral("10"));
    parser.addOption(showOption);
    const QCommandLineOption largeOption(QStringLiteral("large-pictures"),
        QStringLiteral("Pictures in the large library measured for memory (default 10000; 0 leaves it out)."),
        QStringLiteral("N"), QStringLiteral("10000"));
    parser.addOption(largeOption);
    parser.process(app);
    bool ok = false;
    const int pictures = parser.value(picturesOption).toInt(&ok);
    if (!ok || pictures < 1) {
        std::fprintf(stderr, "--pictures wants a whole number above 0\n");
        return 2;
    }

    const double showMinutes = parser.value(showOption).toDouble(&ok);
    if (!ok || showMinutes < 0) {
        std::fprintf(stderr, "--show-minutes wants a number of minutes, 0 or more\n");
        return 2;
    }
    const int largePictures = parser.value(largeOption).toInt(&ok);
    if (!ok || largePictures < 0) {
        std::fprintf(stderr, "--large-pictures wants a whole number, 0 or more\n");
        return 2;
    }

    const QStringList photos = PhotoSet(parser.value(photosOption))
                                   .ensure(std::max({ pictures + kRepeats, kNaivePictures, largePictures }));
    const double startLoad = loadAverage();
    std::printf("library of %d photos, %d decoding threads, load average %.2f\n", pictures,
        QThread::idealThreadCount(), startLoad);
    Figures figures = measure(pictures, photos, showMinutes);
    figures.loadAverage = startLoad;
    measureProcess(figures, photos.mid(0, pictures));
    if (largePictures > 0) {
        measureLargeLibrary(figures, photos.mid(0, largePictures));
    }
    measureNaive(figures, photos, largePictures);
    measureHugeAffirmation(figures);
    measureHostilePictures(figures, QCoreApplication::applicationDirPath() + QStringLiteral("/hostile"));

    const QJsonObject json { { "pictures", figures.pictures }, { "window_shown_ms", figures.windowShown },
        { "first_thumbnails_ms", figures.firstThumbnails }, { "all_thumbnails_cold_ms", figures.allCold },
        { "all_thumbnails_warm_ms", figures.allWarm }, { "steady_rss_mb", figures.steadyRss },
        { "peak_rss_mb", figures.peakRss }, { "add_ms", figures.add }, { "delete_ms", figures.remove },
        { "show_decode_ms", figures.showDecode }, { "naive_ms_per_picture", figures.naiveMs },
        { "naive_mb_per_picture", figures.naiveMb }, { "show_cpu_percent", figures.show.cpu },
        { "show_rss_growth_mb", figures.show.rssGrowth }, { "show_max_stall_ms", figures.show.maxStall },
        { "show_longest_event_ms", figures.show.longestEvent },
        { "show_cpu_percent_loaded", figures.showLoaded.cpu },
        { "show_max_stall_ms_loaded", figures.showLoaded.maxStall },
        { "show_own_max_stall_ms", figures.show.ownMaxStall },
        { "show_own_max_stall_ms_loaded", figures.showLoaded.ownMaxStall },
        { "show_machine_max_pause_ms", figures.show.machinePause },
        { "show_machine_max_pause_ms_loaded", figures.showLoaded.machinePause },
        { "huge_affirmation_load_ms", figures.hugeLoad }, { "huge_affirmation_panel_ms", figures.hugePanel },
        { "load_average", figures.loadAverage }, { "floor_ms", figures.floor },
        { "cold_vs_floor_ratio", figures.allCold / figures.floor },
        { "all_thumbnails_cold_loaded_ms", figures.allColdLoaded },
        { "cold_loaded_vs_quiet_ratio", figures.allColdLoaded / figures.allCold },
        { "naive_cpu_ratio", figures.naiveCpuRatio },
        { "process_window_shown_ms", figures.processWindowShown }, { "process_cold_ms", figures.processCold },
        { "process_warm_ms", figures.processWarm },
        { "rss_at_10000_mb", largePictures == 10'000 ? QJsonValue(figures.largeRss) : QJsonValue() },
        { "large_library_pictures", largePictures }, { "large_library_rss_mb", figures.largeRss },
        { "large_library_scroll_ms", figures.largeScroll } };
    std::printf("%s\n", QJsonDocument(json).toJson(QJsonDocument::Compact).constData());
    return 0;
}
