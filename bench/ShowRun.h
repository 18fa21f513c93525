#pragma once

#include "Figures.h"

#include <QStringList>

namespace vellumora {
class MainWindow;
}

namespace vellumora::bench {

// A show at the fastest glide (5 ms a step) and a picture every 5 s: the program's share of one
// core, how its memory moves, the longest the glide's timer came late beyond its interval (which
// takes in the time the system gave to others), and the longest the user-interface thread spent
// on any one event. Loaded, two busy processes share the machine meanwhile. size: the position
// in the show's size list (0 small to 3 full screen).
ShowFigures measureShow(MainWindow& window, double minutes, bool loaded, int size = 0);

// The sizes' names, as --show-sizes takes them.
inline const QStringList kShowSizes { QStringLiteral("small"), QStringLiteral("medium"),
    QStringLiteral("large"), QStringLiteral("full") };

} // namespace vellumora::bench
