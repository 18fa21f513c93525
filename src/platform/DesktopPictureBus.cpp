#include "platform/DesktopPictureBus.h"

#include "platform/GnomeSettings.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusUnixFileDescriptor>
#include <QDBusVariant>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <optional>

namespace vellumora {

namespace {

const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kWallpaperInterface = QStringLiteral("org.freedesktop.portal.Wallpaper");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString kPlasmaService = QStringLiteral("org.kde.plasmashell");
const QString kPlasmaPath = QStringLiteral("/PlasmaShell");
const QString kPlasmaInterface = QStringLiteral("org.kde.PlasmaShell");
const QString kXfconfService = QStringLiteral("org.xfce.Xfconf");
const QString kXfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString kXfconfInterface = QStringLiteral("org.xfce.Xfconf");
const QString kXfceChannel = QStringLiteral("xfce4-desktop");
// Also the answer for a channel with no backdrop yet.
const QString kXfconfNotFound = QStringLiteral("org.xfce.Xfconf.Error.PropertyNotFound");
const QString kGsettingsPrefix = QStringLiteral("gsettings:");
const QString kXfconfPrefix = QStringLiteral("xfconf:");
const QString kPlasmaPrefix = QStringLiteral("plasma:");
// A portal started on demand answers within this; one that does not is taken as absent.
constexpr int kProbeTimeoutMs = 2000;
constexpr int kCallTimeoutMs = 5000;
// The portal may first ask the user, who may take a while to decide.
constexpr int kPortalAnswerMs = 120000;
constexpr int kXfceZoomed = 5;

QDBusMessage call(
    const QString& service, const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(service, path, interface, method);
}

QString joined(const QStringList& errors)
{
    return errors.join(QLatin1Char(' '));
}

// Where GNOME's settings and those of its kin keep the picture.
struct Background {
    QString schema;
    QString pictureKey;
    bool plainPath = false; // a path instead of a file URL
    bool gnome = false; // GNOME's own, which has a lock screen picture beside it
};

std::optional<Background> background()
{
    const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    const auto names = [&](std::initializer_list<const char*> wanted) {
        for (const char* name : wanted) {
            if (desktops.contains(QLatin1String(name), Qt::CaseInsensitive)) {
                return true;
            }
        }
        return false;
    };
    // Their own services keep their pictures; GNOME's keys there change nothing one sees.
    if (names({ "KDE", "XFCE" })) {
        return std::nullopt;
    }
    const QString cinnamon = QStringLiteral("org.cinnamon.desktop.background");
    if (names({ "X-Cinnamon", "Cinnamon" }) && gsettings::hasSchema(cinnamon)) {
        return Background { cinnamon, QStringLiteral("picture-uri") };
    }
    const QString mate = QStringLiteral("org.mate.background");
    if (names({ "MATE" }) && gsettings::hasSchema(mate)) {
        return Background { mate, QStringLiteral("picture-filename"), true };
    }
    const QString gnome = QStringLiteral("org.gnome.desktop.background");
    if (gsettings::hasSchema(gnome)) {
        return Background { gnome, QStringLiteral("picture-uri"), false, true };
    }
    return std::nullopt;
}

const QString kScreensaver = QStringLiteral("org.gnome.desktop.screensaver");

// Every key the picture is set through, as (schema, key).
QList<std::pair<QString, QString>> backgroundKeys(const Background& found)
{
    QList<std::pair<QString, QString>> keys { { found.schema, found.pictureKey } };
    if (gsettings::hasKey(found.schema, QStringLiteral("picture-uri-dark"))) {
        keys.append({ found.schema, QStringLiteral("picture-uri-dark") });
    }
    keys.append({ found.schema, QStringLiteral("picture-options") });
    if (found.gnome && gsettings::hasKey(kScreensaver, QStringLiteral("picture-uri"))) {
        keys.append({ kScreensaver, QStringLiteral("picture-uri") });
    }
    return keys;
}

// Xfconf's values keep their D-Bus type in front ("i:5"), so that giving them back writes the
// type Xfce reads.
const QList<std::pair<QChar, QMetaType::Type>> kXfconfTypes { { u's', QMetaType::QString },
    { u'i', QMetaType::Int }, { u'u', QMetaType::UInt }, { u'b', QMetaType::Bool },
    { u'x', QMetaType::LongLong }, { u't', QMetaType::ULongLong }, { u'd', QMetaType::Double } };

QString typedText(const QVariant& value)
{
    for (const auto& [letter, type] : kXfconfTypes) {
        if (value.metaType().id() == type) {
            return letter + QLatin1Char(':') + value.toString();
        }
    }
    return {};
}

std::optional<QVariant> fromTypedText(const QString& text)
{
    for (const auto& [letter, type] : kXfconfTypes) {
        if (text.size() >= 2 && text[0] == letter && text[1] == QLatin1Char(':')) {
            QVariant value(text.mid(2));
            if (value.convert(QMetaType(type))) {
                return value;
            }
        }
    }
    return std::nullopt;
}

const QRegularExpression kXfceImage(
    QStringLiteral("^/backdrop/screen\\d+/monitor(.+)/workspace\\d+/last-image$"));

QString xfceStyleOf(const QString& image)
{
    return image.chopped(int(qstrlen("last-image"))) + QStringLiteral("image-style");
}

// The workspaces' pictures that setting writes: every one there is, else one for each screen.
QStringList xfceImages(const QVariantMap& existing, const QStringList& screens)
{
    QStringList images;
    for (auto it = existing.begin(); it != existing.end(); ++it) {
        if (kXfceImage.match(it.key()).hasMatch()) {
            images.append(it.key());
        }
    }
    for (qsizetype i = 0; images.isEmpty() && i < screens.size(); ++i) {
        // A screen the window system gives no name is known by its number, as Xfce did once.
        const QString name = screens[i].isEmpty() ? QString::number(i) : screens[i];
        images.append(QStringLiteral("/backdrop/screen0/monitor%1/workspace0/last-image").arg(name));
    }
    return images;
}

QString plasmaError(const QDBusMessage& reply)
{
    return QStringLiteral("Plasma's shell did not take the desktop picture: %1").arg(reply.errorMessage());
}

const QString kPlasmaGroup = QStringLiteral("[\"Wallpaper\", \"org.kde.image\", \"General\"]");

QString json(const QJsonDocument& document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

// One question to the portal: its answer comes later as a signal on an object of its own.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    PortalRequest(QDBusConnection bus, const QString& handle, DesktopPicture::Done done, QObject* parent)
        : QObject(parent)
        , m_bus(std::move(bus))
        , m_done(std::move(done))
    {
        follow(handle);
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            finish(QStringLiteral("The desktop did not say within two minutes whether it took the picture."));
        });
        m_timer.start(kPortalAnswerMs);
    }

    // Portals older than the handle token answer on a path of their own choosing.
    void follow(const QString& handle)
    {
        if (!m_done || handle == m_handle) {
            return;
        }
        unfollow();
        m_handle = handle;
        m_bus.connect(kPortalService, m_handle, kRequestInterface, QStringLiteral("Response"), this,
            SLOT(onResponse(uint, QVariantMap)));
    }

    void finish(const QString& error)
    {
        if (!m_done) {
            return;
        }
        unfollow();
        m_timer.stop();
        deleteLater();
        std::exchange(m_done, nullptr)(error);
    }

private slots:
    void onResponse(uint response, const QVariantMap&)
    {
        switch (response) {
        case 0:
            finish({});
            break;
        case 1:
            finish(QStringLiteral("The desktop picture was not changed: the change was cancelled."));
            break;
        default:
            finish(QStringLiteral("The desktop could not set the picture."));
        }
    }

private:
    void unfollow()
    {
        if (!m_handle.isEmpty()) {
            m_bus.disconnect(kPortalService, m_handle, kRequestInterface, QStringLiteral("Response"), this,
                SLOT(onResponse(uint, QVariantMap)));
        }
    }

    QDBusConnection m_bus;
    DesktopPicture::Done m_done;
    QString m_handle;
    QTimer m_timer;
};

} // namespace

BusDesktopPicture::BusDesktopPicture(QDBusConnection bus, QObject* parent)
    : DesktopPicture(parent)
    , m_bus(std::move(bus))
{
}

BusDesktopPicture::~BusDesktopPicture() = default;

bool BusDesktopPicture::portalAnswers()
{
    QDBusMessage message = call(kPortalService, kPortalPath,
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    message << kWallpaperInterface << QStringLiteral("version");
    return m_bus.call(message, QDBus::Block, kProbeTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

bool BusDesktopPicture::plasmaAnswers()
{
    return m_bus.interface() && m_bus.interface()->isServiceRegistered(kPlasmaService);
}

bool BusDesktopPicture::xfconfAnswers()
{
    QDBusConnectionInterface* bus = m_bus.interface();
    return bus
        && (bus->isServiceRegistered(kXfconfService)
            || bus->activatableServiceNames().value().contains(kXfconfService));
}

DesktopPicture::Way BusDesktopPicture::way()
{
    if (portalAnswers()) {
        return Way::Portal;
    }
    if (background()) {
        return Way::Gnome;
    }
    if (plasmaAnswers()) {
        return Way::Plasma;
    }
    if (xfconfAnswers()) {
        return Way::Xfce;
    }
    return Way::None;
}

DesktopPictureState BusDesktopPicture::current()
{
    DesktopPictureState state;
    if (const auto found = background()) {
        for (const auto& [schema, key] : backgroundKeys(*found)) {
            state.insert(
                kGsettingsPrefix + schema + QLatin1Char('/') + key, gsettings::userValue(schema, key));
        }
    }
    if (xfconfAnswers()) {
        readXfce(state);
    }
    if (plasmaAnswers()) {
        readPlasma(state);
    }
    return state;
}

void BusDesktopPicture::readXfce(DesktopPictureState& state)
{
    QDBusMessage message
        = call(kXfconfService, kXfconfPath, kXfconfInterface, QStringLiteral("GetAllProperties"));
    message << kXfceChannel << QStringLiteral("/backdrop");
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().value(0));
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString text = typedText(it.value());
        if (!text.isEmpty() && (it.key().endsWith(u"/last-image") || it.key().endsWith(u"/image-style"))) {
            state.insert(kXfconfPrefix + it.key(), text);
        }
    }
    // What setting will create, so that giving back removes it again.
    QStringList screens;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens()) {
            screens.append(screen->name());
        }
    }
    for (const QString& image : xfceImages(properties, screens)) {
        for (const QString& property : { image, xfceStyleOf(image) }) {
            if (!properties.contains(property)) {
                state.insert(kXfconfPrefix + property, QString());
            }
        }
    }
}

void BusDesktopPicture::readPlasma(DesktopPictureState& state)
{
    QDBusMessage message
        = call(kPlasmaService, kPlasmaPath, kPlasmaInterface, QStringLiteral("evaluateScript"));
    message << QStringLiteral("var images = {};\n"
                              "desktops().forEach(function (d) {\n"
                              "    d.currentConfigGroup = %1;\n"
                              "    images[d.screen] = d.readConfig(\"Image\", \"\");\n"
                              "});\n"
                              "print(JSON.stringify(images));\n")
                   .arg(kPlasmaGroup);
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
    const QJsonObject images
        = QJsonDocument::fromJson(reply.arguments().value(0).toString().trimmed().toUtf8()).object();
    for (auto it = images.begin(); it != images.end(); ++it) {
        if (it.key().toInt() >= 0) {
            state.insert(kPlasmaPrefix + it.key(), it.value().toString());
        }
    }
}

void BusDesktopPicture::set(const Pictures& pictures, Done done)
{
    if (pictures.files.isEmpty()) {
        done(QStringLiteral("No picture was given for the desktop."));
        return;
    }
    for (const QString& file : pictures.files) {
        if (!QFileInfo(file).isFile()) {
            done(QStringLiteral("The picture %1 does not exist.").arg(file));
            return;
        }
    }
    switch (way()) {
    case Way::Portal:
        setByPortal(pictures, std::move(done));
        return;
    case Way::Gnome:
        done(setByGnome(pictures));
        return;
    case Way::Plasma:
        setByPlasma(pictures, std::move(done));
        return;
    case Way::Xfce:
        done(setByXfce(pictures));
        return;
    case Way::None:
        break;
    }
    done(QStringLiteral("None of the desktop's services for its picture answers."));
}

void BusDesktopPicture::setByPortal(const Pictures& pictures, Done done)
{
    if (!(m_bus.connectionCapabilities() & QDBusConnection::UnixFileDescriptorPassing)) {
        done(QStringLiteral("The session bus cannot hand the picture to the desktop portal."));
        return;
    }
    QFile file(pictures.files[0]);
    if (!file.open(QIODevice::ReadOnly)) {
        done(QStringLiteral("The picture %1 cannot be read: %2").arg(file.fileName(), file.errorString()));
        return;
    }
    // The portal answers on a path made of our name and this token; listening there before asking
    // catches an answer however fast it comes.
    const QString token = QStringLiteral("vellumora%1").arg(++m_requests);
    const QString sender = m_bus.baseService().mid(1).replace(QLatin1Char('.'), QLatin1Char('_'));
    auto* request = new PortalRequest(
        m_bus, QStringLiteral("%1/request/%2/%3").arg(kPortalPath, sender, token), std::move(done), this);
    QDBusMessage message
        = call(kPortalService, kPortalPath, kWallpaperInterface, QStringLiteral("SetWallpaperFile"));
    message << QString() << QVariant::fromValue(QDBusUnixFileDescriptor(file.handle()))
            << QVariantMap { { QStringLiteral("handle_token"), token },
                   { QStringLiteral("show-preview"), false },
                   { QStringLiteral("set-on"),
                       pictures.lockScreen ? QStringLiteral("both") : QStringLiteral("background") } };
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, kCallTimeoutMs), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, [request, watcher] {
        const QDBusMessage reply = watcher->reply();
        watcher->deleteLater();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            request->finish(
                QStringLiteral("The desktop portal did not take the picture: %1").arg(reply.errorMessage()));
        } else {
            request->follow(reply.arguments().value(0).value<QDBusObjectPath>().path());
        }
    });
}

QString BusDesktopPicture::setByGnome(const Pictures& pictures)
{
    const auto found = background();
    if (!found) {
        return QStringLiteral("GNOME's settings for the desktop picture are not installed.");
    }
    const QString path = QFileInfo(pictures.files[0]).absoluteFilePath();
    const QString uri = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    QStringList errors;
    for (const auto& [schema, key] : backgroundKeys(*found)) {
        QString error;
        if (key == QLatin1String("picture-options")) {
            error = gsettings::writeString(schema, key, QStringLiteral("zoom"));
        } else if (schema != kScreensaver || pictures.lockScreen) {
            error = gsettings::writeString(schema, key, found->plainPath ? path : uri);
        }
        if (!error.isEmpty()) {
            errors.append(error);
        }
    }
    gsettings::sync();
    return joined(errors);
}

QString BusDesktopPicture::setByXfce(const Pictures& pictures)
{
    QDBusMessage message
        = call(kXfconfService, kXfconfPath, kXfconfInterface, QStringLiteral("GetAllProperties"));
    message << kXfceChannel << QStringLiteral("/backdrop");
    const QDBusMessage reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kXfconfNotFound) {
        return QStringLiteral("Xfce's settings service did not answer: %1").arg(reply.errorMessage());
    }
    const QStringList images
        = xfceImages(qdbus_cast<QVariantMap>(reply.arguments().value(0)), pictures.screens);
    if (images.isEmpty()) {
        return QStringLiteral("Xfce names no screen to put the picture on.");
    }
    DesktopPictureState values;
    for (const QString& image : images) {
        const QString name = kXfceImage.match(image).captured(1);
        bool numbered = false;
        const int number = name.toInt(&numbered);
        const int screen = numbered && pictures.screens.value(number, QStringLiteral("named")).isEmpty()
            ? number
            : int(pictures.screens.indexOf(name));
        const QString file = pictures.files.value(screen, pictures.files[0]);
        values.insert(image, QStringLiteral("s:") + QFileInfo(file).absoluteFilePath());
        values.insert(xfceStyleOf(image), QStringLiteral("i:%1").arg(kXfceZoomed));
    }
    return restoreXfce(values);
}

void BusDesktopPicture::setByPlasma(const Pictures& pictures, Done done)
{
    QJsonArray files;
    for (const QString& file : pictures.files) {
        files.append(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded));
    }
    runPlasmaScript(QStringLiteral("var files = %1;\n"
                                   "desktops().forEach(function (d) {\n"
                                   "    d.wallpaperPlugin = \"org.kde.image\";\n"
                                   "    d.currentConfigGroup = %2;\n"
                                   "    d.writeConfig(\"Image\", files[d.screen >= 0 && d.screen < "
                                   "files.length ? d.screen : 0]);\n"
                                   "});\n")
                        .arg(json(QJsonDocument(files)), kPlasmaGroup),
        std::move(done));
}

void BusDesktopPicture::runPlasmaScript(const QString& script, Done done)
{
    QDBusMessage message
        = call(kPlasmaService, kPlasmaPath, kPlasmaInterface, QStringLiteral("evaluateScript"));
    message << script;
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        const QDBusMessage reply = watcher->reply();
        watcher->deleteLater();
        done(reply.type() == QDBusMessage::ErrorMessage ? plasmaError(reply) : QString());
    });
}

QString BusDesktopPicture::restoreXfce(const DesktopPictureState& values)
{
    QStringList errors;
    for (auto it = values.begin(); it != values.end(); ++it) {
        QDBusMessage message;
        if (it.value().isEmpty()) {
            message = call(kXfconfService, kXfconfPath, kXfconfInterface, QStringLiteral("ResetProperty"));
            message << kXfceChannel << it.key() << false;
        } else if (const auto value = fromTypedText(it.value())) {
            message = call(kXfconfService, kXfconfPath, kXfconfInterface, QStringLiteral("SetProperty"));
            message << kXfceChannel << it.key() << QVariant::fromValue(QDBusVariant(*value));
        } else {
            errors.append(
                QStringLiteral("%1 is not a value for Xfce's setting %2.").arg(it.value(), it.key()));
            continue;
        }
        const QDBusMessage reply = m_bus.call(message, QDBus::Block, kCallTimeoutMs);
        // Removing what is not there leaves it as wanted.
        if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kXfconfNotFound) {
            errors.append(QStringLiteral("Xfce's settings service did not take %1: %2")
                              .arg(it.key(), reply.errorMessage()));
        }
    }
    return joined(errors);
}

void BusDesktopPicture::restore(const DesktopPictureState& state, Done done)
{
    QStringList errors;
    DesktopPictureState xfce;
    QJsonObject plasma;
    bool gnome = false;
    for (auto it = state.begin(); it != state.end(); ++it) {
        const QString& key = it.key();
        if (key.startsWith(kGsettingsPrefix)) {
            const QString where = key.mid(kGsettingsPrefix.size());
            const qsizetype slash = where.lastIndexOf(QLatin1Char('/'));
            const QString error = gsettings::writeValue(where.left(slash), where.mid(slash + 1), it.value());
            if (!error.isEmpty()) {
                errors.append(error);
            }
            gnome = true;
        } else if (key.startsWith(kXfconfPrefix)) {
            xfce.insert(key.mid(kXfconfPrefix.size()), it.value());
        } else if (key.startsWith(kPlasmaPrefix)) {
            plasma.insert(key.mid(kPlasmaPrefix.size()), it.value());
        } else {
            errors.append(QStringLiteral("The desktop keeps no picture setting %1.").arg(key));
        }
    }
    if (gnome) {
        gsettings::sync();
    }
    if (!xfce.isEmpty()) {
        if (xfconfAnswers()) {
            const QString error = restoreXfce(xfce);
            if (!error.isEmpty()) {
                errors.append(error);
            }
        } else {
            errors.append(QStringLiteral("Xfce's settings service does not answer, so its desktop picture "
                                         "could not be given back."));
        }
    }
    if (plasma.isEmpty()) {
        done(joined(errors));
        return;
    }
    if (!plasmaAnswers()) {
        errors.append(QStringLiteral(
            "Plasma's shell does not answer, so its desktop picture could not be given back."));
        done(joined(errors));
        return;
    }
    runPlasmaScript(QStringLiteral("var images = %1;\n"
                                   "desktops().forEach(function (d) {\n"
                                   "    if (String(d.screen) in images) {\n"
                                   "        d.currentConfigGroup = %2;\n"
                                   "        d.writeConfig(\"Image\", images[d.screen]);\n"
                                   "    }\n"
                                   "});\n")
                        .arg(json(QJsonDocument(plasma)), kPlasmaGroup),
        [errors, done = std::move(done)](const QString& error) mutable {
            if (!error.isEmpty()) {
                errors.append(error);
            }
            done(joined(errors));
        });
}

} // namespace vellumora

#include "DesktopPictureBus.moc"
