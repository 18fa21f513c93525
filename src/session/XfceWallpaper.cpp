#include "session/XfceWallpaper.h"

#include "session/SessionBus.h"

#include <QDBusArgument>
#include <QDBusVariant>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <optional>

namespace vellumora {

namespace {

const QString kService = QStringLiteral("org.xfce.Xfconf");
const QString kPath = QStringLiteral("/org/xfce/Xfconf");
const QString kChannel = QStringLiteral("xfce4-desktop");
// Also the answer for a channel with no backdrop yet.
const QString kNotFound = QStringLiteral("org.xfce.Xfconf.Error.PropertyNotFound");
constexpr int kZoomed = 5;

QDBusMessage call(const QString& method)
{
    return bus::methodCall(kService, kPath, kService, method);
}

// Xfconf's values keep their D-Bus type in front ("i:5"), so that giving them back writes the
// type Xfce reads.
const QList<std::pair<QChar, QMetaType::Type>> kTypes { { u's', QMetaType::QString },
    { u'i', QMetaType::Int }, { u'u', QMetaType::UInt }, { u'b', QMetaType::Bool },
    { u'x', QMetaType::LongLong }, { u't', QMetaType::ULongLong }, { u'd', QMetaType::Double } };

QString typedText(const QVariant& value)
{
    for (const auto& [letter, type] : kTypes) {
        if (value.metaType().id() == type) {
            return letter + QLatin1Char(':') + value.toString();
        }
    }
    return {};
}

std::optional<QVariant> fromTypedText(const QString& text)
{
    for (const auto& [letter, type] : kTypes) {
        if (text.size() >= 2 && text[0] == letter && text[1] == QLatin1Char(':')) {
            QVariant value(text.mid(2));
            if (value.convert(QMetaType(type))) {
                return value;
            }
        }
    }
    return std::nullopt;
}

const QRegularExpression kImage(
    QStringLiteral("^/backdrop/screen\\d+/monitor(.+)/workspace\\d+/last-image$"));

QString styleOf(const QString& image)
{
    return image.chopped(int(qstrlen("last-image"))) + QStringLiteral("image-style");
}

// The workspaces' pictures that setting writes: every one there is, else one for each screen.
QStringList images(const QVariantMap& existing, const QStringList& screens)
{
    QStringList found;
    for (auto it = existing.begin(); it != existing.end(); ++it) {
        if (kImage.match(it.key()).hasMatch()) {
            found.append(it.key());
        }
    }
    for (qsizetype i = 0; found.isEmpty() && i < screens.size(); ++i) {
        // A screen the window system gives no name is known by its number, as Xfce did once.
        const QString name = screens[i].isEmpty() ? QString::number(i) : screens[i];
        found.append(QStringLiteral("/backdrop/screen0/monitor%1/workspace0/last-image").arg(name));
    }
    return found;
}

} // namespace

XfceWallpaper::XfceWallpaper(QDBusConnection bus, QObject* parent)
    : WallpaperStore(parent)
    , m_bus(std::move(bus))
{
}

bool XfceWallpaper::keepsThisDesktop()
{
    return runningDesktopIs({ "XFCE" });
}

bool XfceWallpaper::answers(const QDeadlineTimer& deadline)
{
    return bus::hasOwner(m_bus, kService, deadline) || bus::isActivatable(m_bus, kService, deadline);
}

QString XfceWallpaper::notAnsweringToGiveBack() const
{
    return tr("Xfce's settings service does not answer, so its desktop picture could not be given back.");
}

QString XfceWallpaper::prefix() const
{
    return QStringLiteral("xfconf:");
}

QDBusMessage XfceWallpaper::backdrop(const QDeadlineTimer& deadline, bool* silent)
{
    QDBusMessage message = call(QStringLiteral("GetAllProperties"));
    message << kChannel << QStringLiteral("/backdrop");
    return bus::callWithin(m_bus, message, deadline, bus::kCallTimeoutMs, silent);
}

void XfceWallpaper::read(DesktopPictureState& state, const QDeadlineTimer& deadline)
{
    const QVariantMap properties = qdbus_cast<QVariantMap>(backdrop(deadline).arguments().value(0));
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString text = typedText(it.value());
        if (!text.isEmpty() && (it.key().endsWith(u"/last-image") || it.key().endsWith(u"/image-style"))) {
            state.insert(prefix() + it.key(), text);
        }
    }
    // What setting will create, so that giving back removes it again.
    QStringList screens;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        for (const QScreen* screen : QGuiApplication::screens()) {
            screens.append(screen->name());
        }
    }
    for (const QString& image : images(properties, screens)) {
        for (const QString& property : { image, styleOf(image) }) {
            if (!properties.contains(property)) {
                state.insert(prefix() + property, QString());
            }
        }
    }
}

void XfceWallpaper::set(
    const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied)
{
    bool silent = false;
    const QDBusMessage reply = backdrop(deadline, &silent);
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kNotFound) {
        replied({ tr("Xfce's settings service did not answer: %1").arg(reply.errorMessage()), silent });
        return;
    }
    const QStringList found = images(qdbus_cast<QVariantMap>(reply.arguments().value(0)), pictures.screens);
    if (found.isEmpty()) {
        replied({ tr("Xfce names no screen to put the picture on.") });
        return;
    }
    DesktopPictureState values;
    for (const QString& image : found) {
        const QString name = kImage.match(image).captured(1);
        bool numbered = false;
        const int number = name.toInt(&numbered);
        const int screen = numbered && pictures.screens.value(number, QStringLiteral("named")).isEmpty()
            ? number
            : int(pictures.screens.indexOf(name));
        const QString file = pictures.files.value(screen, pictures.files[0]);
        values.insert(image, QStringLiteral("s:") + QFileInfo(file).absoluteFilePath());
        values.insert(styleOf(image), QStringLiteral("i:%1").arg(kZoomed));
    }
    if (const Reply written = write(values, deadline); !written.error.isEmpty()) {
        replied(written);
        return;
    }
    // Read back: what the service holds now is what the desktop shows.
    const QVariantMap held = qdbus_cast<QVariantMap>(backdrop(deadline).arguments().value(0));
    for (auto it = values.begin(); it != values.end(); ++it) {
        if (typedText(held.value(it.key())) != it.value()) {
            replied({ tr("Xfce's settings service did not keep %1.").arg(it.key()) });
            return;
        }
    }
    replied({});
}

WallpaperStore::Reply XfceWallpaper::write(const DesktopPictureState& values, const QDeadlineTimer& deadline)
{
    QStringList errors;
    bool silent = false;
    for (auto it = values.begin(); it != values.end(); ++it) {
        QDBusMessage message;
        if (it.value().isEmpty()) {
            message = call(QStringLiteral("ResetProperty"));
            message << kChannel << it.key() << false;
        } else if (const auto value = fromTypedText(it.value())) {
            message = call(QStringLiteral("SetProperty"));
            message << kChannel << it.key() << QVariant::fromValue(QDBusVariant(*value));
        } else {
            errors.append(tr("%1 is not a value for Xfce's setting %2.").arg(it.value(), it.key()));
            continue;
        }
        const QDBusMessage reply = bus::callWithin(m_bus, message, deadline, bus::kCallTimeoutMs, &silent);
        // Removing what is not there leaves it as wanted.
        if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName() != kNotFound) {
            errors.append(
                tr("Xfce's settings service did not take %1: %2").arg(it.key(), reply.errorMessage()));
        }
        if (silent) {
            break;
        }
    }
    return { errors.join(QLatin1Char(' ')), silent };
}

void XfceWallpaper::restore(
    const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied)
{
    replied(write(values, deadline));
}

} // namespace vellumora
