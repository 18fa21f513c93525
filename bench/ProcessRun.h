#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace vellumora::bench {

// The real program started on a prepared application folder and watched from outside, as a
// user sees it: from its exec until the X server maps its main window, and until its work is
// done (its CPU time has stopped growing for a second), and its memory then.
struct ProcessFigures {
    bool measured = false;
    double windowShownMs = 0;
    double settledMs = 0;
    // Resident once its CPU time has settled: the window shown and every thumbnail made.
    double settledRss = 0;
};

// The machine's environment with the program's home, and so its settings and caches, in `home`,
// which gets a runtime folder of its own.
QProcessEnvironment programEnvironment(const QString& home);
// Copies the program into the folder, beside its system folders, so that it runs on them.
bool placeProgram(const QString& executable, const QString& folder);
// Runs the program placed in the folder with its home, and so its thumbnail cache, in `home`,
// then ends it. Not measured without an X display.
ProcessFigures runProgram(const QString& folder, const QString& home);

struct Figures;
// The real program, started from its exec on a library of the photos: once with an empty
// thumbnail cache, then again with the cache it made.
void measureProcess(Figures& figures, const QStringList& photos);

} // namespace vellumora::bench
