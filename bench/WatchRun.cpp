#include "WatchRun.h"

#include "BenchPlatform.h"
#include "Measuring.h"
#include "library/Library.h"
#include "shell/MainWindow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <cstdio>
#include <memory>

namespace vellumora::bench {

void measureOutsideChanges(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const int listed = 100;
    const QString folder = prepareApplicationFolder(root, photos.mid(0, listed));
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    QRandomGenerator random(1);
    const std::unique_ptr<Library> library = Library::open(folder, platform);
    MainWindow window(platform, *library, random);
    library->load();
    library->watch();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::printf("outside changes: the window did not show\n");
        return;
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdAffirmationLibrary"))->click();
    settle();
    auto* affirmations = window.findChild<QTreeView*>(QStringLiteral("lvFileContent"));
    auto* pictures = window.findChild<QTreeView*>(QStringLiteral("lvwDisplay"));
    const QString category = folder + QStringLiteral("/system/Goals.txt");
    QList<double> categoryMs;
    QList<double> pictureMs;
    for (int k = 0; k < kRepeats; ++k) {
        QByteArray rows;
        for (int row = 0; row <= k + 3; ++row) {
            rows += "\"Affirmation " + QByteArray::number(row) + "\",#TRUE#\r\n";
        }
        QFile saved(category + QStringLiteral(".new"));
        saved.open(QIODevice::WriteOnly);
        saved.write(rows);
        saved.close();
        QElapsedTimer clock;
        clock.start();
        // As an editor saves: the new file takes the old one's name in one step.
        std::rename(QFile::encodeName(category + QStringLiteral(".new")).constData(),
            QFile::encodeName(category).constData());
        waitUntil([&] { return affirmations->model()->rowCount() == k + 4; });
        settle();
        categoryMs.append(clock.nsecsElapsed() / 1e6);

        clock.start();
        QFile::copy(photos.at(listed + k), folder + QStringLiteral("/SystemFolder/outside-%1.jpg").arg(k));
        waitUntil([&] { return pictures->model()->rowCount() == listed + k + 1; });
        settle();
        pictureMs.append(clock.nsecsElapsed() / 1e6);
    }
    figures.outsideCategoryMs = median(categoryMs);
    figures.outsidePictureMs = median(pictureMs);
    report("category file saved by an editor, shown", figures.outsideCategoryMs, "ms", "< 500 ms");
    report("photo copied into the store, listed", figures.outsidePictureMs, "ms", "< 500 ms");
}

} // namespace vellumora::bench
