#pragma once

#include "platform/DesktopServices.h"

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QSocketNotifier>
#include <functional>
#include <optional>

namespace vellumora {

// An alarm on the wall clock (a timer file of the kernel's real-time clock): it counts the time
// the computer slept, and it is told when the clock is set.
class WallClockAlarm : public Alarm {
    Q_OBJECT
public:
    explicit WallClockAlarm(QObject* parent = nullptr);
    ~WallClockAlarm() override;

    void ringAt(const QDateTime& moment) override;
    void cancel() override;

private:
    void woken();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

// The desktop's notification server on the session bus.
class BusNotifications : public Notifications {
    Q_OBJECT
public:
    explicit BusNotifications(QDBusConnection bus, QObject* parent = nullptr);

    void show(const QString& text, const QList<NotificationAction>& actions, int timeoutMs) override;

private slots:
    void onActionInvoked(uint id, const QString& key);
    void onClosed(uint id, uint reason);

private:
    void notify(const QString& text, const QList<NotificationAction>& actions, int timeoutMs);

    QDBusConnection m_bus;
    // What the server can do, once asked.
    std::optional<QStringList> m_capabilities;
    // A server that lists the notification's own click among its buttons: dunst does.
    bool m_listsClick = false;
    uint m_shown = 0;
    // One answer per notification: GNOME sends a replaced notification's action once for each
    // time it was shown.
    bool m_answered = false;
};

// The session's screen saver: whether it has locked the screen, and keeping it away during a
// full screen show through the screen saver service, else the desktop portal.
class BusScreenSaver : public QObject {
    Q_OBJECT
public:
    explicit BusScreenSaver(QDBusConnection bus, QObject* parent = nullptr);
    ~BusScreenSaver() override;

    void askLocked(std::function<void(bool locked)> answer);
    void keepAwake(bool on);

private:
    void inhibitThroughPortal();
    void release();
    // What the screen saver granted goes back: a cookie of its service, a request of the portal.
    void giveBack(std::optional<uint> cookie, const QString& portalRequest);

    QDBusConnection m_bus;
    bool m_wanted = false;
    // What holds the screen saver off: a cookie of the screen saver service, or a portal request.
    std::optional<uint> m_cookie;
    QString m_portalRequest;
    // An answer to an earlier request may arrive after the show has ended.
    quint64 m_generation = 0;
    // The screen saver's answer to the last Inhibit until it is handled, and that request's
    // generation.
    std::optional<QDBusPendingCall> m_inhibiting;
    quint64 m_inhibitingGeneration = 0;
};

} // namespace vellumora
