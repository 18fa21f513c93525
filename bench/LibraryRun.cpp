#include "LibraryRun.h"

#include "BenchPlatform.h"
#include "Floor.h"
#include "Measuring.h"
#include "ShowRun.h"
#include "images/PictureLibrary.h"
#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "library/Library.h"
#include "shell/MainWindow.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace vellumora::bench {

namespace {

// A main window loaded on the platform's library, timed from its making until every thumbnail
// is drawn.
class LibraryRun {
public:
    LibraryRun(BenchPlatform& platform, QRandomGenerator& random)
    {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer clock;
        clock.start();
        m_library = Library::open(platform.libraryFolder(), platform);
        m_window = std::make_unique<MainWindow>(platform, *m_library, random);
        m_strip = m_window->findChild<ThumbnailStrip*>();
        QObject::connect(m_strip, &ThumbnailStrip::thumbnailReady, [this](int i) {
            m_ready.insert(i);
            if (m_firstFour < 0 && std::all_of(m_wanted.cbegin(), m_wanted.cend(), [this](int k) {
                    return m_ready.contains(k);
                })) {
                m_firstFour = 0;
            }
        });
        m_library->load();
        const int count = m_library->pictures().count();
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
        thumbnailsRss = rssMegabytes();
        cpuMs = (cpuSeconds() - cpuBefore) * 1000;
    }

    MainWindow& window() { return *m_window; }
    ThumbnailStrip& strip() { return *m_strip; }
    bool ready(int i) const { return m_ready.contains(i); }

    double windowShown = 0, firstThumbnails = 0, allThumbnails = 0, shownRss = 0, thumbnailsRss = 0;
    double cpuMs = 0;

private:
    std::unique_ptr<Library> m_library;
    std::unique_ptr<MainWindow> m_window;
    ThumbnailStrip* m_strip = nullptr;
    QSet<int> m_ready;
    QList<int> m_wanted;
    int m_firstFour = -1;
};

} // namespace

Figures measureLibrary(const LibraryPlan& plan)
{
    const int pictures = plan.pictures;
    const QStringList& photos = plan.photos;
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
    figures.thumbnailsRss = cold->thumbnailsRss;
    report("RSS: main window shown", figures.shownRss, "MB", "");
    report("RSS: all thumbnails made", figures.thumbnailsRss, "MB", "");
    if (!plan.previewPhotos.isEmpty()) {
        // The same photos as a camera writes them, in a library and a cache of their own.
        QTemporaryDir previewRoot;
        const QStringList previewPhotos = plan.previewPhotos.mid(0, pictures);
        BenchPlatform previewPlatform(prepareApplicationFolder(previewRoot, previewPhotos),
            previewRoot.filePath(QStringLiteral("thumbnails")));
        figures.floorPreviews = decodeAtAnEighthOnEveryCore(previewPhotos);
        report("floor, photos with previews", figures.floorPreviews, "ms", "");
        figures.allColdPreviews = LibraryRun(previewPlatform, random).allThumbnails;
        report("all thumbnails, cold cache, photos with previews", figures.allColdPreviews, "ms",
            "< 0.25 x floor");
        std::printf("  (%.3f x floor)\n", figures.allColdPreviews / figures.floorPreviews);
    }

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
    // The copies at the show's size are made while the library is idle, once for each size the
    // user chooses: a library at rest has them, and they would otherwise take the CPU from the
    // runs below. The first size's are begun behind the thumbnails.
    int copiesWanted = 0;
    const auto waitForCopies = [&](int size) {
        warm.window().findChild<QComboBox*>(QStringLiteral("cboShowSize"))->setCurrentIndex(size);
        copiesWanted += pictures;
        const auto copies = [&] {
            return int(
                QDir(platform.shownPictureFolder(), QStringLiteral("*.jpg *.png"), QDir::NoSort, QDir::Files)
                    .count());
        };
        QElapsedTimer clock;
        clock.start();
        waitUntil([&] { return copies() >= copiesWanted || clock.elapsed() > 300'000; });
        std::printf("the show's copies of %d pictures at the size %s made in the background in %.1f s\n",
            copies() - (copiesWanted - pictures), qPrintable(kShowSizes.at(size)), clock.elapsed() / 1000.0);
    };
    waitForCopies(plan.showSizes.constFirst());
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
    if (plan.showMinutes > 0) {
        const int size = plan.showSizes.constFirst();
        std::printf("running a show for %.1f minutes\n", plan.showMinutes);
        std::fflush(stdout);
        figures.show = measureShow(warm.window(), plan.showMinutes, false, size);
        QList<double> stalls;
        for (int run = 1; run <= plan.loadedRuns; ++run) {
            std::printf("running the show beside two busy processes (%d of %d)\n", run, plan.loadedRuns);
            std::fflush(stdout);
            const ShowFigures loaded = measureShow(warm.window(), plan.loadedMinutes, true, size);
            stalls.append(loaded.ownMaxStall);
            if (run == 1 || loaded.ownMaxStall > figures.showLoaded.ownMaxStall) {
                figures.showLoaded = loaded;
            }
        }
        if (!stalls.isEmpty()) {
            figures.showLoaded.worstOwnMaxStall = *std::max_element(stalls.begin(), stalls.end());
            figures.showLoaded.medianOwnMaxStall = median(stalls);
            std::printf("loaded runs: longest stall of each, machine pauses set aside:");
            for (const double stall : stalls) {
                std::printf(" %.1f", stall);
            }
            std::printf(" ms\n");
            report("show, loaded: longest stall, worst of the runs", figures.showLoaded.worstOwnMaxStall,
                "ms", "< 16 ms");
            report("show, loaded: longest stall, median of the runs", figures.showLoaded.medianOwnMaxStall,
                "ms", "");
        }
        for (int other : plan.showSizes.mid(1)) {
            std::printf("running the show at the size %s\n", qPrintable(kShowSizes.at(other)));
            std::fflush(stdout);
            waitForCopies(other);
            measureShow(warm.window(), plan.showMinutes, false, other);
        }
    }
    return figures;
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

} // namespace vellumora::bench
