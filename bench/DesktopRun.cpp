#include "DesktopRun.h"

#include "BenchPlatform.h"
#include "Figures.h"
#include "Measuring.h"
#include "desktoppicture/DesktopChanger.h"
#include "library/Library.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>

namespace vellumora::bench {

void measureDesktopPicture(Figures& figures, const QString& photo)
{
    QTemporaryDir root;
    // GIO reads these when it is first used, which is here.
    qputenv("GSETTINGS_BACKEND", "keyfile");
    qputenv("XDG_CONFIG_HOME", root.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_CURRENT_DESKTOP", "GNOME");
    const QString folder = prepareApplicationFolder(root, { photo });
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    platform.userLibrary = root.filePath(QStringLiteral("data"));
    std::unique_ptr<Library> library = Library::open(folder, platform);
    library->load();
    QRandomGenerator random(1);
    DesktopChanger changer(platform, *library, random);
    changer.setScreens([] {
        return QList<DesktopScreen> { { QStringLiteral("HDMI-1"), QSize(3840, 2160) } };
    });
    QList<double> times;
    double peak = 0;
    for (int i = 0; i < kRepeats; ++i) {
        resetPeakRss();
        QElapsedTimer timer;
        timer.start();
        bool done = false;
        DesktopChanger::Result result = DesktopChanger::Result::Refused;
        changer.putOn(DesktopPicture::Waiting::Nobody, [&](DesktopChanger::Result r, const Outcome& outcome) {
            result = r;
            done = true;
            for (const Outcome::Notice& notice : outcome.notices()) {
                std::printf("desktop picture: %s\n", qPrintable(notice.text));
            }
        });
        waitUntil([&] { return done; });
        times.append(double(timer.nsecsElapsed()) / 1e6);
        peak = std::max(peak, peakRssMegabytes());
        if (result == DesktopChanger::Result::Refused) {
            break;
        }
    }
    figures.desktopPictureMs = median(times);
    figures.desktopPicturePeakRss = peak;
    report("desktop picture, 3840 x 2160 from 4000 x 3000, made and set", figures.desktopPictureMs, "ms",
        "under 300 ms");
    report("memory at the peak of it", figures.desktopPicturePeakRss, "MB", "");
}

} // namespace vellumora::bench
