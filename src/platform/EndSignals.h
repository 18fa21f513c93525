#pragma once

#include <functional>

namespace vellumora {

// The session ending (SIGTERM, SIGHUP) or Ctrl+C in a terminal (SIGINT) runs `end` on the event
// loop, so the program ends in its one orderly way instead of being cut off.
void endOnSignals(std::function<void()> end);

} // namespace vellumora
