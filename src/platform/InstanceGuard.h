#pragma once

#include <QLockFile>
#include <QString>

namespace vellumora {

// Holds a per-user lock for one executable while the program runs. A lock left behind by a copy
// that crashed is recognised by its dead owner and taken over.
class InstanceGuard {
public:
    // lockFolder: where the lock lives (the user's runtime folder); executablePath names the executable.
    InstanceGuard(const QString& lockFolder, const QString& executablePath);

    // Takes the lock unless a live copy holds it. True only when another copy runs: a lock that
    // cannot be made at all (read-only folder) does not keep the program from starting.
    bool otherCopyRunning();

private:
    QLockFile m_lock;
    bool m_held = false;
};

} // namespace vellumora
