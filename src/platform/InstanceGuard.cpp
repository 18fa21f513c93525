#include "platform/InstanceGuard.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

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
constexpr qint64 kLongestRequest = 64;
constexpr unsigned long kRetryMs = 50;

} // namespace

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
    // The running copy opens its channel just after it takes the lock: a copy started at the same
    // moment may find the lock before the channel is there.
    const QDeadlineTimer finding(findMs);
    QLocalSocket socket;
    socket.connectToServer(m_channel);
    while (!socket.waitForConnected(answerMs)) {
        if (finding.hasExpired()) {
            return false;
        }
        QThread::msleep(kRetryMs);
        socket.connectToServer(m_channel);
    }
    const QDeadlineTimer deadline(answerMs);
    socket.write(request + '\n');
    QByteArray answer;
    while (!answer.endsWith('\n') && socket.waitForReadyRead(deadline.remainingTime())) {
        answer += socket.read(kLongestRequest);
    }
    return answer == kAnswer;
}

bool InstanceGuard::listen(std::function<void(const QByteArray&)> handler)
{
    if (!m_held) {
        return false;
    }
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Only a copy that died leaves a channel behind: the lock is ours.
    QLocalServer::removeServer(m_channel);
    if (!m_server->listen(m_channel)) {
        m_server.reset();
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this, handler] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, handler] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > kLongestRequest) {
                        socket->abort();
                    }
                    return;
                }
                const QByteArray request = socket->readLine(kLongestRequest).trimmed();
                // Answered first: the later copy ends at once, whatever the request then opens here,
                // and that may be a modal message, run outside this socket's handler.
                socket->write(kAnswer);
                socket->flush();
                socket->disconnectFromServer();
                QMetaObject::invokeMethod(
                    m_server.get(), [handler, request] { handler(request); }, Qt::QueuedConnection);
            });
        }
    });
    return true;
}

} // namespace vellumora
