#include "BackupRun.h"

#include "BenchPlatform.h"
#include "Figures.h"
#include "Measuring.h"
#include "library/Backup.h"
#include "storage/LibraryFiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

namespace vellumora::bench {

void measureBackup(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    platform.setSetting(QStringLiteral("settings"), QStringLiteral("DispOrder"), QStringLiteral("1"));
    const QString archive = root.filePath(QStringLiteral("backup.zip"));
    QElapsedTimer clock;
    clock.start();
    if (!Backup::write(folder, platform, archive).report(platform)) {
        return;
    }
    figures.backupMs = clock.nsecsElapsed() / 1e6;
    figures.backupMb = QFileInfo(archive).size() / 1048576.0;

    const LibraryFiles empty(root.filePath(QStringLiteral("empty")));
    QDir().mkpath(empty.categoryFolder());
    QDir().mkpath(empty.pictureFolder());
    clock.restart();
    const RestorePlan plan = RestorePlan::make(archive, empty.folder());
    if (!plan.apply(platform, true).report(platform)) {
        return;
    }
    figures.restoreMs = clock.nsecsElapsed() / 1e6;
    // The record and every picture, or the figure means nothing.
    const qsizetype restored = QDir(empty.pictureFolder()).entryList(QDir::Files).size();
    if (restored != photos.size() + 1) {
        std::printf(
            "restore: %lld files of %lld came back\n", qlonglong(restored), qlonglong(photos.size() + 1));
    }
    std::printf("backup of %lld pictures:\n", qlonglong(photos.size()));
    report("backup written", figures.backupMs, "ms", "");
    report("backup size", figures.backupMb, "MB", "");
    report("restored into an empty library", figures.restoreMs, "ms", "");
}

} // namespace vellumora::bench
