#include "platform/ThreadPriority.h"

#include <QtGlobal>
#include <sys/resource.h>
#include <unistd.h>

namespace vellumora {

void yieldToInterfaceThread()
{
    // Linux schedules threads one by one, so a thread id lowers this thread and no other.
    thread_local const bool lowered = setpriority(PRIO_PROCESS, gettid(), 10) == 0;
    Q_UNUSED(lowered);
}

} // namespace vellumora
