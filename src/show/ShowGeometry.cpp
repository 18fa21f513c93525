#include "show/ShowGeometry.h"

#include "widgets/Twips.h"

#include <algorithm>
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

ShowGeometry ShowGeometry::of(ShowSize size, const QSize& screen, bool musicShown)
{
    ShowGeometry g;
    if (size != ShowSize::FullScreen) {
        double scale = size == ShowSize::Small ? 1.0 : size == ShowSize::Medium ? 1.5 : 2.0;
        // A size larger than the screen is the largest that fits, with the music strip below.
        if (!screen.isEmpty()) {
            scale = std::min({ scale, double(screen.width()) / twipsToPixels(kWidth),
                double(screen.height()) / twipsToPixels(kHeightWithMusic) });
        }
        g.scale = scale;
        g.window = QSize(pixels(kWidth * scale), pixels(kHeight * scale));
        g.heightWithMusic = pixels(kHeightWithMusic * scale);
        g.picture = scaled(QRect(0, 0, kWidth, kPictureHeight), scale);
        g.frame = scaled(kFrame, scale);
        // Rounded apart at a scale of the screen's, the frame would stand a pixel off the middle.
        g.frame.moveCenter(QPoint(g.picture.center().x(), g.frame.center().y()));
        g.frameBorder = int(std::lround(100 * scale));
        g.back = scaled(kBack, scale);
        g.captionStrip = scaled(kCaptionStrip, scale);
        g.musicStrip = scaled(kMusicStrip, scale);
        g.musicStatus = scaled(kMusicStatus, scale);
        g.captionTurnTwips = int(std::lround(kWidth * scale));
        return g;
    }
    // The small window scaled until it meets the screen's height (or, upright, its width), then
    // stretched across: the strips along the bottom, the caption lowest, the picture above them
    // with the whole frame shape on it, so no strip hides the shape's bottom. The scale does
    // not change with the music, so neither does the caption's font.
    const double scale = std::min(
        double(screen.height()) / twipsToPixels(kHeight), double(screen.width()) / twipsToPixels(kWidth));
    g.fullScreen = true;
    g.musicShown = musicShown;
    g.scale = scale;
    g.window = screen;
    g.heightWithMusic = screen.height();
    const int stripHeight = pixels(kStripHeight * scale);
    g.captionStrip = QRect(0, screen.height() - stripHeight, screen.width(), stripHeight);
    g.musicStrip = g.captionStrip.translated(0, -stripHeight);
    g.musicStatus = QRect(pixels(kMusicStatus.x() * scale), 0,
        screen.width() - pixels(kMusicStatus.x() * scale), pixels(kMusicStatus.height() * scale));
    g.picture = QRect(0, 0, screen.width(), (musicShown ? g.musicStrip : g.captionStrip).top());
    // The border's inner outline lies as close around the picture as in the small window,
    // the same on all four sides.
    const int margin = pixels(-kFrame.x() * scale);
    g.frame = g.picture.adjusted(-margin, -margin, margin, margin);
    g.frameBorder = int(std::lround(100 * scale));
    const QSize back(pixels(kBack.width() * 1.5), pixels(kBack.height() * 1.5));
    g.back = QRect(QPoint(screen.width() - back.width(), 0), back);
    g.captionTurnTwips = screen.width() * kTwipsPerPixel;
    return g;
}

QFont ShowGeometry::scaledFont(const QFont& font) const
{
    QFont result = font;
    // A screen that tells no size leaves the font as it is.
    if (scale <= 0) {
        return result;
    }
    if (font.pointSizeF() > 0) {
        result.setPointSizeF(font.pointSizeF() * scale);
    } else if (font.pixelSize() > 0) {
        result.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    }
    return result;
}

} // namespace vellumora
