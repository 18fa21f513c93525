#pragma once

#include "Figures.h"

namespace vellumora {
class MainWindow;
}

namespace vellumora::bench {

// A show at the fastest glide (5 ms a step) and a picture every 5 s: the program's share of one
// core, how its memory moves, the longest the glide's timer came late beyond its interval (which
// takes in the time the system gave to others), and the longest the user-interface thread spent
// on any one event. Loaded, two busy processes share the machine meanwhile.
ShowFigures measureShow(MainWindow& window, double minutes, bool loaded);

} // namespace vellumora::bench
