#pragma once

#include "settings/ShowOptions.h"

#include <QPoint>
#include <QSize>
#include <optional>

class QScreen;

namespace vellumora {

// Where the show stands on the desktop's screens: the screen it starts on, the place the user
// put it, and that place as it is kept when the user lets go of the show.
namespace ShowPlacement {

// The screen the user put the show on, when the show goes where they put it and that screen is
// there; else the screen of the main window (`mainScreen`), else the primary one.
const QScreen* startScreen(const ShowOptions& options, const QScreen* mainScreen);

// The top left of a window of this size at the place the user put it, kept wholly on that
// screen, which may have become smaller since. Never put, or put on a screen that is gone: the
// middle of the primary screen.
QPoint keptPlace(const ShowPlace& place, const QSize& windowSize);

// The place of a window whose top left the user let go of here: the screen under it (else
// `fallback`) and the top left on that screen. Nothing when no screen holds it.
std::optional<ShowPlace> placeAt(const QPoint& topLeft, const QScreen* fallback);

} // namespace ShowPlacement

} // namespace vellumora
