#pragma once

#include <optional>

namespace vellumora {

// How the program begins: with its window; with the show (--show), the window coming only when
// the show is refused or ends; with no window at all, only reminding (--background); or only
// putting a new picture on the desktop and ending (--desktop).
enum class StartMode { Window, Show, Background, Desktop };

} // namespace vellumora

namespace vellumora::CommandLine {

struct Request {
    // The program ends here with this status.
    std::optional<int> exitStatus;
    StartMode mode = StartMode::Window;
};

// Answers --help and --version on standard output, and refuses to start without a display, all
// before any window system is touched.
Request read(int argc, char* argv[]);

} // namespace vellumora::CommandLine
