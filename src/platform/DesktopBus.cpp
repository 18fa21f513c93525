#include "platform/DesktopBus.h"

#include "BuildConfig.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>

namespace vellumora {

namespace {

const QString kNotificationsService = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kScreenSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kScreenSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
// Long enough for a server started on demand, short enough not to keep a reminder waiting.
constexpr int kCallTimeoutMs = 5000;
// Giving the screen saver back is waited for, so that it leaves before the program ends; a
// service that does not answer holds the window no longer than this.
constexpr int kReleaseTimeoutMs = 1000;

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

QDBusMessage call(
    const QString& service, const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

// Runs `answered` with the reply once it is back, on this thread.
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

} // namespace

} // namespace vellumora

Q_DECLARE_METATYPE(vellumora::IconPixels)

namespace vellumora {

WallClockAlarm::WallClockAlarm(QObject* parent)
    : Alarm(parent)
    , m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &WallClockAlarm::woken);
    }
}

WallClockAlarm::~WallClockAlarm()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void WallClockAlarm::ringAt(const QDateTime& moment)
{
    const qint64 ms = std::max<qint64>(1, moment.toMSecsSinceEpoch());
    itimerspec when {};
    when.it_value.tv_sec = time_t(ms / 1000);
    when.it_value.tv_nsec = long(ms % 1000) * 1000000;
    if (m_fd >= 0) {
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
    }
}

void WallClockAlarm::cancel()
{
    const itimerspec never {};
    if (m_fd >= 0) {
        timerfd_settime(m_fd, 0, &never, nullptr);
    }
}

void WallClockAlarm::woken()
{
    quint64 expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) == sizeof expirations) {
        emit rang();
    } else if (errno == ECANCELED) {
        emit clockChanged();
    }
}

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
    whenAnswered(m_bus,
        call(kNotificationsService, kNotificationsPath, kNotificationsService,
            QStringLiteral("GetCapabilities")),
        this, [this, text, actions, timeoutMs](const QDBusMessage& reply) {
            if (reply.type() != QDBusMessage::ReplyMessage) {
                emit undelivered(text);
                return;
            }
            const QStringList capabilities = reply.arguments().value(0).toStringList();
            whenAnswered(m_bus,
                call(kNotificationsService, kNotificationsPath, kNotificationsService,
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
    QDBusMessage message
        = call(kNotificationsService, kNotificationsPath, kNotificationsService, QStringLiteral("Notify"));
    message << QStringLiteral("Vellumora") << m_shown << QStringLiteral(VELLUMORA_APP_ID)
            << QStringLiteral("Vellumora") << (markup ? text.toHtmlEscaped() : text) << actionList << hints
            << timeoutMs;
    whenAnswered(m_bus, message, this, [this, text](const QDBusMessage& reply) {
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
    whenAnswered(m_bus,
        call(kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("GetActive")), this,
        [answer = std::move(answer)](const QDBusMessage& reply) {
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
    QDBusMessage message
        = call(kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("Inhibit"));
    message << QStringLiteral("Vellumora")
            << QGuiApplication::translate("vellumora::BusScreenSaver", "A full screen show is running");
    m_inhibiting
        = whenAnswered(m_bus, message, this, [this, generation = m_generation](const QDBusMessage& reply) {
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
    QDBusMessage message = call(kPortalService, kPortalPath, QStringLiteral("org.freedesktop.portal.Inhibit"),
        QStringLiteral("Inhibit"));
    // 8: the session going idle.
    message << QString() << 8u
            << QVariantMap { { QStringLiteral("reason"),
                   QGuiApplication::translate(
                       "vellumora::BusScreenSaver", "A full screen show is running") } };
    whenAnswered(m_bus, message, this, [this, generation = m_generation](const QDBusMessage& reply) {
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
        QDBusMessage message
            = call(kScreenSaverService, kScreenSaverPath, kScreenSaverService, QStringLiteral("UnInhibit"));
        message << *cookie;
        m_bus.call(message, QDBus::Block, kReleaseTimeoutMs);
    }
    if (!portalRequest.isEmpty()) {
        m_bus.call(call(kPortalService, portalRequest, QStringLiteral("org.freedesktop.portal.Request"),
                       QStringLiteral("Close")),
            QDBus::Block, kReleaseTimeoutMs);
    }
}

} // namespace vellumora
