#include "session/BusNotifications.h"

#include "BuildConfig.h"
#include "session/SessionBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace vellumora {

namespace {

const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");

// The "image-data" hint: the icon's pixels, so no icon theme is needed.
struct IconPixels {
    QImage image;
};

QDBusArgument& operator<<(QDBusArgument& argument, const IconPixels& icon)
{
    const QImage image = icon.image.convertToFormat(QImage::Format_RGBA8888);
    argument.beginStructure();
    argument << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
             << QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, IconPixels&)
{
    return argument;
}

} // namespace

} // namespace vellumora

Q_DECLARE_METATYPE(vellumora::IconPixels)

namespace vellumora {

BusNotifications::BusNotifications(QDBusConnection bus, QObject* parent)
    : Notifications(parent)
    , m_bus(std::move(bus))
{
    qDBusRegisterMetaType<IconPixels>();
    const QString interface = kNotificationsService;
    // From the server alone: any program on the bus could send these.
    m_bus.connect(kNotificationsService, kNotificationsPath, interface, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(uint, QString)));
    m_bus.connect(kNotificationsService, kNotificationsPath, interface, QStringLiteral("NotificationClosed"),
        this, SLOT(onClosed(uint, uint)));
}

void BusNotifications::show(const QString& text, const QList<NotificationAction>& actions, int timeoutMs)
{
    if (m_capabilities) {
        notify(text, actions, timeoutMs);
        return;
    }
    // Asked once: the answer decides whether the text is marked up and the actions are sent.
    bus::whenAnswered(m_bus,
        bus::methodCall(kNotificationsService, kNotificationsPath, kNotificationsService,
            QStringLiteral("GetCapabilities")),
        this, [this, text, actions, timeoutMs](const QDBusMessage& reply) {
            if (reply.type() != QDBusMessage::ReplyMessage) {
                emit undelivered(text);
                return;
            }
            const QStringList capabilities = reply.arguments().value(0).toStringList();
            bus::whenAnswered(m_bus,
                bus::methodCall(kNotificationsService, kNotificationsPath, kNotificationsService,
                    QStringLiteral("GetServerInformation")),
                this, [this, capabilities, text, actions, timeoutMs](const QDBusMessage& information) {
                    m_listsClick = information.arguments().value(0).toString() == QLatin1String("dunst");
                    m_capabilities = capabilities;
                    notify(text, actions, timeoutMs);
                });
        });
}

void BusNotifications::notify(const QString& text, const QList<NotificationAction>& actions, int timeoutMs)
{
    const bool markup = m_capabilities->contains(QStringLiteral("body-markup"));
    QStringList actionList;
    if (m_capabilities->contains(QStringLiteral("actions"))) {
        const auto click = std::find_if(actions.cbegin(), actions.cend(),
            [](const NotificationAction& action) { return action.key == QLatin1String("default"); });
        for (const NotificationAction& action : actions) {
            // Where the click is listed, its button would be listed twice.
            if (!m_listsClick || click == actions.cend() || &action == &*click
                || action.label != click->label) {
                actionList << action.key << action.label;
            }
        }
    }
    QVariantMap hints;
    hints.insert(QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName());
    // The pixels themselves, so the icon shows where it is not installed in the icon theme too.
    const QImage icon = QGuiApplication::windowIcon().pixmap(48).toImage();
    if (!icon.isNull()) {
        hints.insert(QStringLiteral("image-data"), QVariant::fromValue(IconPixels { icon }));
    }
    QDBusMessage message = bus::methodCall(
        kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("Notify"));
    message << QStringLiteral("Vellumora") << m_shown << QStringLiteral(VELLUMORA_APP_ID)
            << QStringLiteral("Vellumora") << (markup ? text.toHtmlEscaped() : text) << actionList << hints
            << timeoutMs;
    bus::whenAnswered(m_bus, message, this, [this, text](const QDBusMessage& reply) {
        if (reply.type() != QDBusMessage::ReplyMessage) {
            m_capabilities.reset();
            emit undelivered(text);
            return;
        }
        m_shown = reply.arguments().value(0).toUInt();
        m_answered = false;
    });
}

void BusNotifications::onActionInvoked(uint id, const QString& key)
{
    if (id != 0 && id == m_shown && !std::exchange(m_answered, true)) {
        emit actionInvoked(key);
    }
}

void BusNotifications::onClosed(uint id, uint)
{
    if (id == m_shown) {
        m_shown = 0;
    }
}

} // namespace vellumora
