#pragma once

namespace vellumora {

// Lowers the calling thread's scheduling priority a little, once per thread, so that work it
// does on a busy machine waits behind the user-interface thread. Does nothing where the system
// will not allow it.
void yieldToInterfaceThread();

} // namespace vellumora
