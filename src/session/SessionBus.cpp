#include "session/SessionBus.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <algorithm>

namespace vellumora::bus {

namespace {

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");

} // namespace

bool isSilence(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ErrorMessage) {
        return false;
    }
    switch (QDBusError(reply).type()) {
    case QDBusError::NoReply:
    case QDBusError::Timeout:
    case QDBusError::TimedOut:
    case QDBusError::ServiceUnknown:
    case QDBusError::Disconnected:
    case QDBusError::NoServer:
        return true;
    default:
        return reply.errorName() == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
    }
}

int timeoutWithin(const QDeadlineTimer& deadline, int ownMs)
{
    if (deadline.isForever()) {
        return ownMs;
    }
    return int(std::clamp<qint64>(deadline.remainingTime(), 0, ownMs));
}

QDBusMessage methodCall(
    const QString& service, const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

QDBusMessage callWithin(QDBusConnection& connection, const QDBusMessage& message,
    const QDeadlineTimer& deadline, int ownMs, bool* silent)
{
    const int timeout = timeoutWithin(deadline, ownMs);
    const QDBusMessage reply = timeout > 0
        ? connection.call(message, QDBus::Block, timeout)
        : message.createErrorReply(QDBusError::Timeout, QStringLiteral("No time was left to ask."));
    if (silent) {
        *silent = isSilence(reply);
    }
    return reply;
}

bool hasOwner(QDBusConnection& connection, const QString& name, const QDeadlineTimer& deadline)
{
    QDBusMessage message = methodCall(kBusService, kBusPath, kBusService, QStringLiteral("NameHasOwner"));
    message << name;
    return callWithin(connection, message, deadline, 2000).arguments().value(0).toBool();
}

bool isActivatable(QDBusConnection& connection, const QString& name, const QDeadlineTimer& deadline)
{
    const QDBusMessage reply = callWithin(connection,
        methodCall(kBusService, kBusPath, kBusService, QStringLiteral("ListActivatableNames")), deadline,
        2000);
    return reply.arguments().value(0).toStringList().contains(name);
}

QDBusPendingCall whenAnswered(QDBusConnection bus, const QDBusMessage& message, QObject* context,
    std::function<void(const QDBusMessage&)> answered)
{
    const QDBusPendingCall pending = bus.asyncCall(message, kCallTimeoutMs);
    auto* watcher = new QDBusPendingCallWatcher(pending, context);
    QObject::connect(
        watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered = std::move(answered)] {
            answered(watcher->reply());
            watcher->deleteLater();
        });
    return pending;
}

} // namespace vellumora::bus
