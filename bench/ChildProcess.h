#pragma once

#include <QProcess>
#include <csignal>
#include <sys/prctl.h>

// The kernel ends the child when the benchmark ends, even when it is stopped halfway.
inline void endWithTheBenchmark(QProcess& child)
{
    child.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
}
