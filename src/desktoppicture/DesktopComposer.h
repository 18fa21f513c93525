#pragma once

#include "platform/FontChoice.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

namespace vellumora::DesktopComposer {

// The affirmation's size is about this part of the screen's shorter side, and it takes at most
// so many lines.
constexpr int kHeightPerTextLine = 20;
constexpr int kMaxLines = 3;

// Where the text and its band go on a screen of this height.
struct Layout {
    QImage picture;
    QRect band;
    QStringList lines;
};

// The desktop picture of one screen: the photo, already covering the screen at its size, with the
// affirmation in the user's font and colour (at the size for the screen), wrapped to three lines,
// made smaller or else cut where it takes more, on a translucent band across the lower third. The band is
// dark under light text and light under dark text.
Layout compose(QImage photo, const QString& affirmation, const FontChoice& font);

} // namespace vellumora::DesktopComposer
