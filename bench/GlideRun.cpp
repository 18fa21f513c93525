#include "GlideRun.h"

#include "Measuring.h"
#include "show/ShowArithmetic.h"
#include "show/SlideshowWindow.h"

#include <QElapsedTimer>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <cstdio>

namespace vellumora::bench {

namespace {

// The fastest glide the options offer: a 20-twip step every 5 ms.
constexpr int kStepMs = 5;

const QString kCaption = QStringLiteral("I am calm, I am focused, and I finish what I start.");

// The window as a show at this size has it, shown, with a picture of one colour.
void prepare(SlideshowWindow& window, ShowSize size)
{
    window.setShowGeometry(ShowGeometry::of(size, QGuiApplication::primaryScreen()->size()));
    QImage picture(window.showGeometry().picture.size(), QImage::Format_RGB32);
    picture.fill(QColor(90, 120, 60));
    window.setPicture(picture);
    window.setCaption(kCaption);
    window.show();
    settle();
}

int captionTwips(const SlideshowWindow& window)
{
    return QFontMetrics(window.captionFont()).horizontalAdvance(kCaption) * 15;
}

double glideAt(ShowSize size, double seconds)
{
    SlideshowWindow window;
    prepare(window, size);
    const int turn = window.showGeometry().captionTurnTwips;
    const int labelTwips = captionTwips(window);
    show::Glide glide;
    QElapsedTimer clock;
    clock.start();
    int frames = 0;
    double inMove = 0;
    QTimer frame;
    frame.setTimerType(Qt::PreciseTimer);
    QObject::connect(&frame, &QTimer::timeout, [&] {
        const double steps = clock.nsecsElapsed() / 1e6 / kStepMs;
        const double t0 = mainThreadCpuSeconds();
        window.moveCaption(int(std::lround(glide.at(steps, labelTwips, turn))));
        inMove += mainThreadCpuSeconds() - t0;
        ++frames;
    });
    const double cpuBefore = mainThreadCpuSeconds();
    frame.start(int(std::ceil(1000.0 / 60)));
    runFor(qint64(seconds * 1000));
    frame.stop();
    const double cpuMs = (mainThreadCpuSeconds() - cpuBefore) * 1000;
    const double share = cpuMs / clock.elapsed() * 100;
    const QByteArray name = size == ShowSize::Small ? "small" : "full screen";
    std::printf("glide, %s: %d frames in %.1f s\n", name.constData(), frames, clock.elapsed() / 1000.0);
    report(QByteArray("glide, " + name + ": interface thread per frame").constData(), cpuMs * 1000 / frames,
        "us", "");
    std::printf("  in moveCaption %.1f us\n", inMove * 1e6 / frames);
    report(QByteArray("glide, " + name + ": share of one core").constData(), share, "%", "");
    return share;
}

} // namespace

void saveGlideShots(const QString& folder)
{
    for (const ShowSize size : { ShowSize::Small, ShowSize::FullScreen }) {
        SlideshowWindow window;
        prepare(window, size);
        show::Glide glide;
        // Frame by frame as the fastest glide goes at 60 frames a second, through a turn.
        const double stepsPerFrame = 1000.0 / 60 / kStepMs;
        for (int frame = 0; frame <= 240; ++frame) {
            const double at = glide.at(
                frame * stepsPerFrame, captionTwips(window), window.showGeometry().captionTurnTwips);
            window.moveCaption(int(std::lround(at)));
            settle();
            if (frame % 20 == 0) {
                const QPixmap shot = window.screen()->grabWindow(window.winId());
                shot.save(QStringLiteral("%1/glide-%2-%3.png")
                              .arg(folder,
                                  size == ShowSize::Small ? QStringLiteral("small") : QStringLiteral("full"))
                              .arg(frame, 3, 10, QLatin1Char('0')));
            }
        }
    }
}

double measureGlide(double seconds)
{
    std::printf("load average %.2f\n", loadAverage());
    const double small = glideAt(ShowSize::Small, seconds);
    return std::max(small, glideAt(ShowSize::FullScreen, seconds));
}

} // namespace vellumora::bench
