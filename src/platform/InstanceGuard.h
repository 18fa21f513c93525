#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

namespace vellumora {

class ChannelServer;

// Holds a per-user lock for one executable while the program runs, and listens beside it for
// later copies of the same executable. A lock left behind by a copy that crashed is recognised by
// its dead owner and taken over. The channel is a local stream socket only its user may open,
// spoken to one line at a time.
class InstanceGuard {
public:
    // lockFolder: where the lock and the channel live (the user's runtime folder);
    // executablePath names the executable.
    InstanceGuard(const QString& lockFolder, const QString& executablePath);
    ~InstanceGuard();

    // Takes the lock unless a live copy holds it. True only when another copy runs: a lock that
    // cannot be made at all (read-only folder) does not keep the program from starting.
    bool otherCopyRunning();

    // Hands the running copy a request; true when it answered within answerMs of being reached.
    // A channel not yet open is tried again until findMs have passed.
    bool ask(const QByteArray& request, int findMs, int answerMs) const;
    // While the lock is held: every request of a later copy is answered and handed on. False
    // when the channel could not be opened; the program runs on without it.
    bool listen(std::function<void(const QByteArray&)> handler);

private:
    QString m_channel;
    QLockFile m_lock;
    bool m_held = false;
    std::unique_ptr<ChannelServer> m_server;
};

} // namespace vellumora
