#pragma once

#include "settings/ShowOptions.h"

#include <QFont>
#include <QRect>

namespace vellumora {

// The slideshow window's layout at each size the user may choose, all drawn from the design of
// the small window: picture, frame, Back, the caption strip and the music strip, in pixels.
struct ShowGeometry {
    // Of a window at this size; Full Screen takes the screen's, and with the music strip shown
    // keeps the picture and its frame above both strips.
    static ShowGeometry of(ShowSize size, const QSize& screen, bool musicShown = false);

    // The font at this size: the small window's scaled as the picture area is.
    QFont scaledFont(const QFont& font) const;

    bool fullScreen = false;
    // Laid out for the music strip shown; a window grows instead, so only Full Screen needs it.
    bool musicShown = false;
    // The picture area's size against the small window's.
    double scale = 1.0;
    QSize window; // without the music strip
    int heightWithMusic = 0; // the music strip uncovered below the caption strip
    QRect picture;
    QRect frame;
    int frameBorder = 100; // the thick shapes' border
    QRect back;
    QRect captionStrip;
    QRect musicStrip;
    QRect musicStatus;
    // The caption turns once it has wholly left a strip this wide.
    int captionTurnTwips = 6495;
    bool operator==(const ShowGeometry&) const = default;
};

} // namespace vellumora
