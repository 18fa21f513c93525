#include "session/PortalWallpaper.h"

#include "session/SessionBus.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>
#include <cmath>

namespace vellumora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kWallpaper = QStringLiteral("org.freedesktop.portal.Wallpaper");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
constexpr int kProbeTimeoutMs = 2000;

// One question to the portal. Its answer comes as a signal on the request's own path; a request
// not answered in time is closed, so that no dialog of it stays on the screen.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    PortalRequest(QDBusConnection bus, const QString& handle, int limitMs, WallpaperStore::Replied replied,
        QObject* parent)
        : QObject(parent)
        , m_bus(std::move(bus))
        , m_replied(std::move(replied))
        , m_limitMs(limitMs)
    {
        follow(handle);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            close();
            finish({ tr("The desktop portal did not answer within %1 seconds.")
                         .arg(std::lround(m_limitMs / 1000.0)),
                true });
        });
        m_timer.start(m_limitMs);
    }
    // A request left when the program ends is closed too.
    ~PortalRequest() override
    {
        if (m_replied) {
            close();
        }
    }

    // Portals older than the handle token answer on a path of their own choosing.
    void follow(const QString& handle)
    {
        if (!m_replied || handle == m_handle) {
            return;
        }
        unfollow();
        m_handle = handle;
        m_bus.connect(kService, m_handle, kRequest, QStringLiteral("Response"), this,
            SLOT(onResponse(uint, QVariantMap)));
    }

    void finish(const WallpaperStore::Reply& reply)
    {
        if (!m_replied) {
            return;
        }
        unfollow();
        m_timer.stop();
        deleteLater();
        std::exchange(m_replied, nullptr)(reply);
    }

private slots:
    void onResponse(uint response, const QVariantMap&)
    {
        switch (response) {
        case 0:
            finish({});
            break;
        case 1:
            finish({ tr("The desktop picture was not changed: the change was cancelled.") });
            break;
        default:
            finish({ tr("The desktop could not set the picture.") });
        }
    }

private:
    void close()
    {
        m_bus.asyncCall(
            bus::methodCall(kService, m_handle, kRequest, QStringLiteral("Close")), bus::kCallTimeoutMs);
    }
    void unfollow()
    {
        m_bus.disconnect(kService, m_handle, kRequest, QStringLiteral("Response"), this,
            SLOT(onResponse(uint, QVariantMap)));
    }

    QDBusConnection m_bus;
    WallpaperStore::Replied m_replied;
    QString m_handle;
    QTimer m_timer;
    int m_limitMs;
};

} // namespace

PortalWallpaper::PortalWallpaper(QDBusConnection bus, Patience patience, QObject* parent)
    : WallpaperStore(parent)
    , m_bus(std::move(bus))
    , m_patience(patience)
{
}

bool PortalWallpaper::sandboxed()
{
    return QFileInfo::exists(QStringLiteral("/.flatpak-info")) || !qEnvironmentVariableIsEmpty("SNAP");
}

bool PortalWallpaper::answers(const QDeadlineTimer& deadline)
{
    QDBusMessage message = bus::methodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    message << kWallpaper << QStringLiteral("version");
    return bus::callWithin(m_bus, message, deadline, kProbeTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

QString PortalWallpaper::notAnsweringToGiveBack() const
{
    return tr("The desktop portal does not answer.");
}

QString PortalWallpaper::prefix() const
{
    return QStringLiteral("portal:");
}

void PortalWallpaper::set(
    const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied)
{
    if (!(m_bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
        replied({ tr("The session bus cannot hand the picture to the desktop portal.") });
        return;
    }
    QFile file(pictures.files[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        replied({ tr("The picture %1 cannot be read: %2").arg(file.fileName(), file.errorString()) });
        return;
    }
    const int limit = bus::timeoutWithin(deadline,
        pictures.waiting == DesktopPicture::Waiting::Person ? m_patience.personMs : m_patience.nobodyMs);
    // The portal answers on a path made of our name and this token; listening there before asking
    // catches an answer however fast it comes.
    const QString token = QStringLiteral("vellumora%1").arg(++m_requests);
    const QString sender = m_bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    auto* request = new PortalRequest(
        m_bus, QStringLiteral("%1/request/%2/%3").arg(kPath, sender, token), limit, std::move(replied), this);
    QDBusMessage message = bus::methodCall(kService, kPath, kWallpaper, QStringLiteral("SetWallpaperFile"));
    message << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(file.handle()))
            << QVariantMap { { QStringLiteral("handle_token"), token },
                   { QStringLiteral("show-preview"), false },
                   { QStringLiteral("set-on"),
                       pictures.lockScreen ? QStringLiteral("both") : QStringLiteral("background") } };
    auto* watcher = new QDBusPendingCallWatcher(
        m_bus.asyncCall(message, bus::timeoutWithin(deadline, bus::kCallTimeoutMs)), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, [request, watcher] {
        const QDBusMessage reply = watcher->reply();
        watcher->deleteLater();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            request->finish({ tr("The desktop portal did not take the picture: %1").arg(reply.errorMessage()),
                bus::isSilence(reply) });
        } else {
            request->follow(reply.arguments().value(0).value<QDBusObjectPath>().path());
        }
    });
}

void PortalWallpaper::restore(const DesktopPictureState&, const QDeadlineTimer&, Replied replied)
{
    replied({});
}

} // namespace vellumora

#include "PortalWallpaper.moc"
