#pragma once

#include "session/SessionServices.h"

#include <QDBusConnection>
#include <optional>

namespace vellumora {

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

} // namespace vellumora
