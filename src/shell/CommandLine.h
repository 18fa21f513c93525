#pragma once

#include <optional>

namespace vellumora::CommandLine {

// Answers --help and --version on standard output, and refuses to start without a display, all
// before any window system is touched. The exit status when the program must end here; nothing
// when it is to start its windows.
std::optional<int> answerWithoutWindows(int argc, char* argv[]);

} // namespace vellumora::CommandLine
