#pragma once

#include <QString>
#include <optional>

namespace vellumora {

// How the program begins: with its window; with the show (--show), the window coming only when
// the show is refused or ends; with no window at all, only reminding (--background); or only
// putting a new picture on the desktop and ending (--desktop); or only writing the board to a
// file and ending (--board).
enum class StartMode { Window, Show, Background, Desktop, Board };

} // namespace vellumora

namespace vellumora::CommandLine {

struct Request {
    // The program ends here with this status.
    std::optional<int> exitStatus;
    StartMode mode = StartMode::Window;
    // For StartMode::Board: where, and at which size ("A4", "phone", "1080x2400", ...; empty for
    // the size the board was last made at).
    QString boardFile {};
    QString boardSize {};
};

// Answers --help and --version on standard output, and refuses to start without a display, all
// before any window system is touched.
Request read(int argc, char* argv[]);

} // namespace vellumora::CommandLine
