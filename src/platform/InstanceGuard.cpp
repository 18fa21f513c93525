#include "platform/InstanceGuard.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QObject>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QThread>
#include <cerrno>
#include <climits>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

// The channel is a plain local socket rather than Qt Network's: that library, with the Kerberos
// and proxy libraries it brings, would be loaded into every start for one line a day.

namespace vellumora {

namespace {

// The lock's and the channel's path without extension, one per user (the folder) and executable.
QString instanceName(const QString& lockFolder, const QString& executablePath)
{
    // Copies of the program in different folders are different executables and may run side by side.
    const QFileInfo exe(executablePath);
    const QString canonical
        = exe.canonicalFilePath().isEmpty() ? exe.absoluteFilePath() : exe.canonicalFilePath();
    const QByteArray hash
        = QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir(lockFolder).filePath(exe.completeBaseName() + QLatin1Char('-') + QString::fromLatin1(hash));
}

const QByteArray kAnswer = QByteArrayLiteral("ok\n");
// A request is one short line; anything longer is not from a copy of this program.
constexpr qsizetype kLongestRequest = 64;
constexpr unsigned long kRetryMs = 50;

// A socket's address, or false where the path is too long for one.
bool address(const QString& path, sockaddr_un* where)
{
    const QByteArray name = QFile::encodeName(path);
    *where = {};
    where->sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof(where->sun_path))) {
        return false;
    }
    std::memcpy(where->sun_path, name.constData(), size_t(name.size()));
    return true;
}

// Waits for the socket to be ready for events; false when the time ran out or it failed.
bool await(int fd, short events, const QDeadlineTimer& deadline)
{
    pollfd watched { fd, events, 0 };
    for (;;) {
        const int ready = ::poll(&watched, 1, int(std::min<qint64>(deadline.remainingTime(), INT_MAX)));
        if (ready >= 0 || errno != EINTR) {
            return ready > 0;
        }
    }
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1)
        : m_fd(fd)
    {
    }
    ~Descriptor() { reset(); }
    Q_DISABLE_COPY_MOVE(Descriptor)
    int get() const { return m_fd; }
    int release() { return std::exchange(m_fd, -1); }
    void reset(int fd = -1)
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
        m_fd = fd;
    }

private:
    int m_fd;
};

} // namespace

// Accepts later copies' connections and reads each one's line as it comes, on the event loop.
class ChannelServer : public QObject {
public:
    ChannelServer(int fd, std::function<void(const QByteArray&)> handler)
        : m_listening(fd)
        , m_handler(std::move(handler))
        , m_incoming(fd, QSocketNotifier::Read)
    {
        connect(&m_incoming, &QSocketNotifier::activated, this, &ChannelServer::accept);
    }

private:
    struct Caller {
        Descriptor fd;
        QByteArray line;
        std::unique_ptr<QSocketNotifier> readable;
    };

    void accept()
    {
        for (;;) {
            const int fd = ::accept4(m_listening.get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                return;
            }
            auto caller = std::make_shared<Caller>();
            caller->fd.reset(fd);
            caller->readable = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            connect(caller->readable.get(), &QSocketNotifier::activated, this,
                [this, weak = std::weak_ptr<Caller>(caller)] { read(weak.lock()); });
            m_callers.push_back(std::move(caller));
        }
    }

    void read(const std::shared_ptr<Caller>& caller)
    {
        if (!caller) {
            return;
        }
        char bytes[kLongestRequest + 1];
        const ssize_t got = ::recv(caller->fd.get(), bytes, sizeof bytes, 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        caller->line.append(bytes, got > 0 ? got : 0);
        const qsizetype end = caller->line.indexOf('\n');
        if (end >= 0 && end <= kLongestRequest) {
            const QByteArray request = caller->line.left(end).trimmed();
            // Answered first: the later copy ends at once, whatever the request then opens here,
            // and that may be a modal message, run outside this socket's handler.
            ::send(caller->fd.get(), kAnswer.constData(), size_t(kAnswer.size()), MSG_NOSIGNAL);
            QMetaObject::invokeMethod(
                this, [handler = m_handler, request] { handler(request); }, Qt::QueuedConnection);
        } else if (got > 0 && caller->line.size() <= kLongestRequest) {
            return;
        }
        // Answered, ended by the caller, or not from a copy of this program. The notifier is in
        // its own signal here: it goes later, the connection now.
        caller->readable->setEnabled(false);
        caller->readable.release()->deleteLater();
        std::erase(m_callers, caller);
    }

    Descriptor m_listening;
    std::function<void(const QByteArray&)> m_handler;
    QSocketNotifier m_incoming;
    std::vector<std::shared_ptr<Caller>> m_callers;
};

InstanceGuard::InstanceGuard(const QString& lockFolder, const QString& executablePath)
    : m_channel(instanceName(lockFolder, executablePath) + QStringLiteral(".socket"))
    , m_lock(instanceName(lockFolder, executablePath) + QStringLiteral(".lock"))
{
    // A running copy keeps its lock however long it runs; only a dead owner makes a lock stale.
    m_lock.setStaleLockTime(0);
}

InstanceGuard::~InstanceGuard() = default;

bool InstanceGuard::otherCopyRunning()
{
    if (m_held) {
        return false;
    }
    QDir().mkpath(QFileInfo(m_lock.fileName()).absolutePath());
    m_held = m_lock.tryLock(0);
    return !m_held && m_lock.error() == QLockFile::LockFailedError;
}

bool InstanceGuard::ask(const QByteArray& request, int findMs, int answerMs) const
{
    sockaddr_un channel;
    if (!address(m_channel, &channel)) {
        return false;
    }
    // The running copy opens its channel just after it takes the lock: a copy started at the same
    // moment may find the lock before the channel is there.
    const QDeadlineTimer finding(findMs);
    Descriptor socket;
    for (;;) {
        socket.reset(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
        if (socket.get() < 0) {
            return false;
        }
        const int connected
            = ::connect(socket.get(), reinterpret_cast<const sockaddr*>(&channel), sizeof channel);
        // A full queue of waiting callers answers EAGAIN, as a copy too busy to answer yet.
        if (connected == 0
            || (errno == EINPROGRESS && await(socket.get(), POLLOUT, QDeadlineTimer(answerMs)))) {
            break;
        }
        if (finding.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryMs);
    }
    const QDeadlineTimer deadline(answerMs);
    const QByteArray line = request + '\n';
    if (::send(socket.get(), line.constData(), size_t(line.size()), MSG_NOSIGNAL) != line.size()) {
        return false;
    }
    QByteArray answer;
    char bytes[kLongestRequest];
    while (
        !answer.endsWith('\n') && answer.size() < kLongestRequest && await(socket.get(), POLLIN, deadline)) {
        const ssize_t got = ::recv(socket.get(), bytes, sizeof bytes, 0);
        if (got <= 0 && !(got < 0 && (errno == EAGAIN || errno == EINTR))) {
            break;
        }
        answer.append(bytes, std::max<ssize_t>(got, 0));
    }
    return answer == kAnswer;
}

bool InstanceGuard::listen(std::function<void(const QByteArray&)> handler)
{
    sockaddr_un channel;
    if (!m_held || !address(m_channel, &channel)) {
        return false;
    }
    // Made in a folder of the user's own and given the user's mode there, then moved into place:
    // no one else can reach it in between, whatever the umask.
    const QFileInfo place(m_channel);
    QTemporaryDir folder(place.absolutePath() + QStringLiteral("/.channel-"));
    sockaddr_un made;
    if (!folder.isValid() || !address(folder.filePath(QStringLiteral("s")), &made)) {
        return false;
    }
    Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (socket.get() < 0 || ::bind(socket.get(), reinterpret_cast<const sockaddr*>(&made), sizeof made) != 0
        || ::chmod(made.sun_path, S_IRWXU) != 0
        || ::listen(socket.get(), SOMAXCONN) != 0
        // Only a copy that died leaves a channel behind: the lock is ours, and rename() replaces it.
        || ::rename(made.sun_path, channel.sun_path) != 0) {
        return false;
    }
    m_server = std::make_unique<ChannelServer>(socket.release(), std::move(handler));
    return true;
}

} // namespace vellumora
