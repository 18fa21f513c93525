#pragma once

#include <QDBusConnection>
#include <QDBusPendingCall>
#include <QObject>
#include <functional>
#include <optional>

namespace vellumora {

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
