#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDeadlineTimer>
#include <functional>

// Calls on the session bus, shared by the desktop session's services.
namespace vellumora::bus {

// Long enough for a server started on demand, short enough not to keep a reminder waiting.
constexpr int kCallTimeoutMs = 5000;

// A call's time limit: its own, or less when the request's deadline comes sooner.
int timeoutWithin(const QDeadlineTimer& deadline, int ownMs);

QDBusMessage methodCall(
    const QString& service, const QString& path, const QString& interface, const QString& method);

// Whether an error reply means that nobody answered, rather than that the answer was no.
bool isSilence(const QDBusMessage& reply);

// Waits for the answer, no longer than the limit; a call that timed out says so.
QDBusMessage callWithin(QDBusConnection& connection, const QDBusMessage& message,
    const QDeadlineTimer& deadline, int ownMs, bool* silent = nullptr);

// Whether a program on the bus owns the name now, or the bus would start one for it.
bool hasOwner(QDBusConnection& connection, const QString& name, const QDeadlineTimer& deadline);
bool isActivatable(QDBusConnection& connection, const QString& name, const QDeadlineTimer& deadline);

// Runs `answered` with the reply once it is back, on this thread.
QDBusPendingCall whenAnswered(QDBusConnection bus, const QDBusMessage& message, QObject* context,
    std::function<void(const QDBusMessage&)> answered);

} // namespace vellumora::bus
