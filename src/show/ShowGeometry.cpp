#include "show/ShowGeometry.h"

#include "widgets/Twips.h"

#include <cmath>

namespace vellumora {

namespace {

// The design, in twips, of the small window.
constexpr int kWidth = 6495;
constexpr int kHeight = 5655;
constexpr int kHeightWithMusic = 6150;
constexpr int kPictureHeight = 5055;
constexpr int kStripHeight = 615;
constexpr QRect kFrame(-1440, -1440, 9375, 8055);
constexpr QRect kBack(5760, 0, 735, 255);
constexpr QRect kCaptionStrip(0, 5040, kWidth, kStripHeight);
constexpr QRect kMusicStrip(-120, 5640, 6855, kStripHeight);
constexpr QRect kMusicStatus(165, 0, 6405, 435);

int pixels(double twips)
{
    return twipsToPixels(int(std::lround(twips)));
}

QRect scaled(const QRect& twips, double scale)
{
    return QRect(pixels(twips.x() * scale), pixels(twips.y() * scale), pixels(twips.width() * scale),
        pixels(twips.height() * scale));
}

} // namespace

ShowGeometry ShowGeometry::of(ShowSize size, const QSize& screen)
{
    ShowGeometry g;
    if (size != ShowSize::FullScreen) {
        const double scale = size == ShowSize::Small ? 1.0 : size == ShowSize::Medium ? 1.5 : 2.0;
        g.window = QSize(pixels(kWidth * scale), pixels(kHeight * scale));
        g.heightWithMusic = pixels(kHeightWithMusic * scale);
        g.picture = scaled(QRect(0, 0, kWidth, kPictureHeight), scale);
        g.frame = scaled(kFrame, scale);
        g.frameBorder = int(std::lround(100 * scale));
        g.back = scaled(kBack, scale);
        g.captionStrip = scaled(kCaptionStrip, scale);
        g.musicStrip = scaled(kMusicStrip, scale);
        g.musicStatus = scaled(kMusicStatus, scale);
        g.captionTurnTwips = int(std::lround(kWidth * scale));
        return g;
    }
    // The picture is the screen; the strips, at the large size's height, lie over its bottom,
    // the caption lowest; Back stays in the top right corner.
    constexpr double strips = 2.0;
    g.fullScreen = true;
    g.window = screen;
    g.heightWithMusic = screen.height();
    g.picture = QRect(QPoint(), screen);
    const double picture = double(screen.height()) / twipsToPixels(kPictureHeight);
    const int margin = int(std::lround(twipsToPixels(-kFrame.x()) * picture));
    g.frame = g.picture.adjusted(-margin, -margin, margin, margin);
    g.frameBorder = int(std::lround(100 * picture));
    const int stripHeight = pixels(kStripHeight * strips);
    g.captionStrip = QRect(0, screen.height() - stripHeight, screen.width(), stripHeight);
    g.musicStrip = g.captionStrip.translated(0, -stripHeight);
    g.musicStatus = QRect(pixels(kMusicStatus.x() * strips), 0,
        screen.width() - pixels(kMusicStatus.x() * strips), pixels(kMusicStatus.height() * strips));
    const QSize back(pixels(kBack.width() * 1.5), pixels(kBack.height() * 1.5));
    g.back = QRect(QPoint(screen.width() - back.width(), 0), back);
    g.captionTurnTwips = screen.width() * kTwipsPerPixel;
    return g;
}

} // namespace vellumora
