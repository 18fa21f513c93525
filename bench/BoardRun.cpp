#include "BoardRun.h"

#include "BenchPlatform.h"
#include "Figures.h"
#include "Measuring.h"
#include "board/BoardOutput.h"
#include "board/BoardView.h"
#include "board/BoardWindow.h"
#include "library/Library.h"
#include "storage/LibraryFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <cstdio>

namespace vellumora::bench {

namespace {

constexpr int kBoardPhotos = 24;
constexpr int kSentences = 12;

// Milliseconds from opening the board's window to every picture drawn from its thumbnail,
// and to every picture drawn sharp.
std::pair<double, double> openWindow(BenchPlatform& platform, Library& library)
{
    QElapsedTimer timer;
    timer.start();
    BoardWindow window(platform, library);
    QSignalSpy thumbnails(&window.view(), &BoardView::thumbnailsShown);
    QSignalSpy sharp(&window.view(), &BoardView::sharpened);
    window.reload();
    window.show();
    waitUntil([&] { return !thumbnails.isEmpty(); });
    settle();
    const double drawn = double(timer.nsecsElapsed()) / 1e6;
    waitUntil([&] { return !sharp.isEmpty(); });
    settle();
    return { drawn, double(timer.nsecsElapsed()) / 1e6 };
}

} // namespace

void measureBoard(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos.mid(0, kBoardPhotos));
    QStringList lines;
    for (int i = 0; i < kSentences; ++i) {
        lines.append(QStringLiteral("\"I keep goal number %1 in view every day\",#TRUE#").arg(i + 1));
    }
    QFile category(folder + QStringLiteral("/system/Goals.txt"));
    QFile index(LibraryFiles(folder).index());
    if (!category.open(QIODevice::WriteOnly) || !index.open(QIODevice::WriteOnly)) {
        std::printf("board: the library cannot be written\n");
        return;
    }
    category.write(lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n");
    index.write("\"Goals\",#TRUE#\r\n");
    category.close();
    index.close();
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    std::unique_ptr<Library> library = Library::open(folder, platform);
    library->load();

    const auto [cold, coldSharp] = openWindow(platform, *library);
    QList<double> warm, sharp;
    for (int i = 0; i < kRepeats; ++i) {
        const auto [drawn, sharpened] = openWindow(platform, *library);
        warm.append(drawn);
        sharp.append(sharpened);
    }
    figures.boardFirstDrawColdMs = cold;
    figures.boardFirstDrawMs = median(warm);
    figures.boardSharpMs = median(sharp);
    report("board window, 24 photos: first drawn, thumbnails made", cold, "ms", "");
    report("board window, 24 photos: first drawn from the thumbnails", figures.boardFirstDrawMs, "ms",
        "under 300 ms");
    report("board window, 24 photos: every picture sharp", figures.boardSharpMs, "ms", "");

    {
        BoardWindow window(platform, *library);
        QSignalSpy thumbnails(&window.view(), &BoardView::thumbnailsShown);
        window.reload();
        window.show();
        waitUntil([&] { return !thumbnails.isEmpty(); });
        settle();
        QList<double> shuffles;
        QRandomGenerator random(3);
        for (int i = 0; i < kRepeats; ++i) {
            const QStringList before = window.view().sheet().content.pictureNames;
            QElapsedTimer timer;
            timer.start();
            window.board().shuffle(random);
            waitUntil([&] { return window.view().sheet().content.pictureNames != before; });
            window.view().repaint();
            shuffles.append(double(timer.nsecsElapsed()) / 1e6);
        }
        figures.boardShuffleMs = median(shuffles);
        report("board window: Shuffle to the new layout drawn", figures.boardShuffleMs, "ms", "under 100 ms");
    }

    Board board(*library);
    board.load();
    const BoardSheet sheet = board.sheet(BoardPage { BoardSize::A3, {}, false }.pixels({}));
    QList<double> pdf, png;
    double peak = 0;
    for (int i = 0; i < kRepeats; ++i) {
        for (const auto& [suffix, times] : { std::pair { "pdf", &pdf }, { "png", &png } }) {
            resetPeakRss();
            QElapsedTimer timer;
            timer.start();
            const Outcome saved
                = BoardOutput::save(sheet, root.filePath(QStringLiteral("board.") + QLatin1String(suffix)));
            times->append(double(timer.nsecsElapsed()) / 1e6);
            peak = std::max(peak, peakRssMegabytes());
            if (!saved) {
                std::printf("board: %s\n", qPrintable(saved.notices().value(0).text));
            }
        }
    }
    figures.boardPdfMs = median(pdf);
    figures.boardPngMs = median(png);
    figures.boardPeakRss = peak;
    report("board, A3 at 300 dpi of 24 photos: made and saved as PDF", figures.boardPdfMs, "ms",
        "under 2000 ms");
    report("board, A3 at 300 dpi of 24 photos: made and saved as PNG", figures.boardPngMs, "ms",
        "under 3000 ms");
    report("memory at the peak of them", figures.boardPeakRss, "MB", "under 400 MB");
}

} // namespace vellumora::bench
