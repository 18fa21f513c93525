#pragma once

#include <optional>

namespace vellumora::CommandLine {

struct Request {
    // The program ends here with this status.
    std::optional<int> exitStatus;
    // --show: the show starts at once, without the main window.
    bool showAtOnce = false;
};

// Answers --help and --version on standard output, and refuses to start without a display, all
// before any window system is touched.
Request read(int argc, char* argv[]);

} // namespace vellumora::CommandLine
