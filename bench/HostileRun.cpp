#include "HostileRun.h"

#include "BenchPlatform.h"
#include "HostileSet.h"
#include "Measuring.h"
#include "affirmations/CategoryStore.h"
#include "images/PictureDecoder.h"
#include "library/Library.h"
#include "shell/MainWindow.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QWindow>
#include <algorithm>
#include <cstdio>

namespace vellumora::bench {

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
    const std::unique_ptr<Library> library = Library::open(folder, platform);
    MainWindow window(platform, *library, random);
    library->load();
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

} // namespace vellumora::bench
