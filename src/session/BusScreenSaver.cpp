#include "session/BusScreenSaver.h"

#include "session/SessionBus.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>

namespace vellumora {

namespace {

const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// Giving the screen saver back is waited for, so that it leaves before the program ends; a
// service that does not answer holds the window no longer than this.
constexpr int kReleaseTimeoutMs = 1000;

} // namespace

BusScreenSaver::BusScreenSaver(QDBusConnection bus, QObject* parent)
    : QObject(parent)
    , m_bus(std::move(bus))
{
}

BusScreenSaver::~BusScreenSaver()
{
    keepAwake(false);
    // An Inhibit not yet answered, or answered but not yet handled, is waited for: its handler
    // goes with this object at the program's end, and what it grants would never go back.
    if (m_inhibiting) {
        m_inhibiting->waitForFinished();
        const QDBusMessage reply = m_inhibiting->reply();
        if (reply.type() == QDBusMessage::ReplyMessage) {
            giveBack(reply.arguments().value(0).toUInt(), {});
        }
    }
}

void BusScreenSaver::askLocked(std::function<void(bool locked)> answer)
{
    bus::whenAnswered(m_bus,
        bus::methodCall(
            kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("GetActive")),
        this, [answer = std::move(answer)](const QDBusMessage& reply) {
            answer(reply.type() == QDBusMessage::ReplyMessage && reply.arguments().value(0).toBool());
        });
}

void BusScreenSaver::keepAwake(bool on)
{
    if (on == m_wanted) {
        return;
    }
    m_wanted = on;
    ++m_generation;
    if (!on) {
        release();
        return;
    }
    QDBusMessage message = bus::methodCall(
        kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("Inhibit"));
    message << QStringLiteral("Vellumora")
            << QGuiApplication::translate("vellumora::BusScreenSaver", "A full screen show is running");
    m_inhibiting = bus::whenAnswered(
        m_bus, message, this, [this, generation = m_generation](const QDBusMessage& reply) {
            if (generation == m_inhibitingGeneration) {
                m_inhibiting.reset();
            }
            if (generation != m_generation) {
                // The show ended meanwhile: what was granted goes back at once.
                if (reply.type() == QDBusMessage::ReplyMessage) {
                    giveBack(reply.arguments().value(0).toUInt(), {});
                }
                return;
            }
            if (reply.type() == QDBusMessage::ReplyMessage) {
                m_cookie = reply.arguments().value(0).toUInt();
            } else {
                inhibitThroughPortal();
            }
        });
    m_inhibitingGeneration = m_generation;
}

void BusScreenSaver::inhibitThroughPortal()
{
    QDBusMessage message = bus::methodCall(kPortalService, kPortalPath,
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    // 8: the session going idle.
    message << QString() << 8u
            << QVariantMap { { QStringLiteral("reason"),
                   QGuiApplication::translate(
                       "vellumora::BusScreenSaver", "A full screen show is running") } };
    bus::whenAnswered(m_bus, message, this, [this, generation = m_generation](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            return;
        }
        const QString request = reply.arguments().value(0).value<QDBusObjectPath>().path();
        if (generation != m_generation) {
            giveBack(std::nullopt, request);
            return;
        }
        m_portalRequest = request;
    });
}

void BusScreenSaver::release()
{
    giveBack(std::exchange(m_cookie, std::nullopt), std::exchange(m_portalRequest, {}));
}

void BusScreenSaver::giveBack(std::optional<uint> cookie, const QString& portalRequest)
{
    // Waited for: at the program's end the message must leave before the connection goes.
    if (cookie) {
        QDBusMessage message = bus::methodCall(
            kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("UnInhibit"));
        message << *cookie;
        m_bus.call(message, QDBus::Block, kReleaseTimeoutMs);
    }
    if (!portalRequest.isEmpty()) {
        m_bus.call(bus::methodCall(kPortalService, portalRequest,
                       QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")),
            QDBus::Block, kReleaseTimeoutMs);
    }
}

} // namespace vellumora
