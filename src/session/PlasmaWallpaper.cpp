#include "session/PlasmaWallpaper.h"

#include "session/SessionBus.h"

#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace vellumora {

namespace {

const QString kService = QStringLiteral("org.kde.plasmashell");
const QString kImagePlugin = QStringLiteral("org.kde.image");
// A desktop's plugin is kept beside its image: "plasma:0" and "plasma:0:plugin".
const QString kPluginSuffix = QStringLiteral(":plugin");

// The picture plugin's settings, where each script reads and writes the image.
const QString kImageGroup = QStringLiteral("[\"Wallpaper\", \"org.kde.image\", \"General\"]");

QString json(const QJsonDocument& document)
{
    return QString::fromUtf8(document.toJson(QJsonDocument::Compact));
}

QDBusMessage script(const QString& text)
{
    QDBusMessage message = bus::methodCall(kService, QStringLiteral("/PlasmaShell"),
        QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("evaluateScript"));
    message << text;
    return message;
}

// Prints each screen's desktop by its number: {"0": {"plugin": ..., "image": ...}}.
const QString kReadScript = QStringLiteral("var desktopsByScreen = {};\n"
                                           "desktops().forEach(function (d) {\n"
                                           "    d.currentConfigGroup = %1;\n"
                                           "    desktopsByScreen[d.screen] = { plugin: d.wallpaperPlugin, "
                                           "image: d.readConfig(\"Image\", \"\") };\n"
                                           "});\n"
                                           "print(JSON.stringify(desktopsByScreen));\n")
                                .arg(kImageGroup);

QJsonObject desktopsPrinted(const QString& printed)
{
    QJsonObject desktops = QJsonDocument::fromJson(printed.trimmed().toUtf8()).object();
    // Desktops of no screen (-1) wait for screens that come later; nobody sees them.
    desktops.remove(QStringLiteral("-1"));
    return desktops;
}

} // namespace

PlasmaWallpaper::PlasmaWallpaper(QDBusConnection bus, QObject* parent)
    : WallpaperStore(parent)
    , m_bus(std::move(bus))
{
}

bool PlasmaWallpaper::keepsThisDesktop()
{
    return runningDesktopIs({ "KDE" });
}

bool PlasmaWallpaper::answers(const QDeadlineTimer& deadline)
{
    return bus::hasOwner(m_bus, kService, deadline);
}

QString PlasmaWallpaper::notAnsweringToGiveBack() const
{
    return tr("Plasma's shell does not answer, so its desktop picture could not be given back.");
}

QString PlasmaWallpaper::prefix() const
{
    return QStringLiteral("plasma:");
}

void PlasmaWallpaper::run(const QString& text, const QDeadlineTimer& deadline,
    std::function<void(const QString&, const Reply&)> answered)
{
    const int timeout = bus::timeoutWithin(deadline, bus::kCallTimeoutMs);
    if (timeout <= 0) {
        answered({}, { tr("No time was left to ask Plasma's shell."), true });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(script(text), timeout), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, answered = std::move(answered)] {
        const QDBusMessage reply = watcher->reply();
        watcher->deleteLater();
        if (reply.type() == QDBusMessage::ErrorMessage) {
            answered({},
                { tr("Plasma's shell did not answer as it should: %1").arg(reply.errorMessage()),
                    bus::isSilence(reply) });
            return;
        }
        answered(reply.arguments().value(0).toString(), {});
    });
}

void PlasmaWallpaper::readDesktops(
    const QDeadlineTimer& deadline, std::function<void(const QJsonObject&, const Reply&)> read)
{
    run(kReadScript, deadline, [read = std::move(read)](const QString& printed, const Reply& failed) {
        read(desktopsPrinted(printed), failed);
    });
}

void PlasmaWallpaper::read(DesktopPictureState& state, const QDeadlineTimer& deadline)
{
    // Asked before anything is changed, so the answer is waited for here.
    const QDBusMessage reply = bus::callWithin(m_bus, script(kReadScript), deadline, bus::kCallTimeoutMs);
    const QJsonObject desktops = desktopsPrinted(reply.arguments().value(0).toString());
    for (auto it = desktops.begin(); it != desktops.end(); ++it) {
        const QJsonObject desktop = it.value().toObject();
        state.insert(prefix() + it.key(), desktop.value(QLatin1String("image")).toString());
        state.insert(prefix() + it.key() + kPluginSuffix, desktop.value(QLatin1String("plugin")).toString());
    }
}

void PlasmaWallpaper::set(
    const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied)
{
    QJsonArray urls;
    for (const QString& file : pictures.files) {
        urls.append(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()).toString(QUrl::FullyEncoded));
    }
    const QString setScript = QStringLiteral("var files = %1;\n"
                                             "desktops().forEach(function (d) {\n"
                                             "    d.wallpaperPlugin = \"org.kde.image\";\n"
                                             "    d.currentConfigGroup = %2;\n"
                                             "    d.writeConfig(\"Image\", files[d.screen >= 0 && d.screen < "
                                             "files.length ? d.screen : 0]);\n"
                                             "});\n")
                                  .arg(json(QJsonDocument(urls)), kImageGroup);
    run(setScript, deadline, [this, urls, deadline, replied](const QString&, const Reply& failed) {
        if (!failed.error.isEmpty()) {
            replied(failed);
            return;
        }
        readDesktops(deadline, [urls, replied](const QJsonObject& desktops, const Reply& failed) {
            if (!failed.error.isEmpty()) {
                replied(failed);
                return;
            }
            for (auto it = desktops.begin(); it != desktops.end(); ++it) {
                const int screen = it.key().toInt();
                const QString wanted = urls.at(screen < urls.size() ? screen : 0).toString();
                const QJsonObject desktop = it.value().toObject();
                if (desktop.value(QLatin1String("plugin")).toString() != kImagePlugin
                    || desktop.value(QLatin1String("image")).toString() != wanted) {
                    replied({ tr("Plasma's shell did not keep the new desktop picture: screen %1 still "
                                 "shows %2.")
                                  .arg(screen + 1)
                                  .arg(desktop.value(QLatin1String("image")).toString()) });
                    return;
                }
            }
            replied(desktops.isEmpty() ? Reply { tr("Plasma's shell has no desktop to put the picture on.") }
                                       : Reply {});
        });
    });
}

void PlasmaWallpaper::restore(
    const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied)
{
    QJsonObject desktops;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const bool plugin = it.key().endsWith(kPluginSuffix);
        const QString screen = plugin ? it.key().chopped(kPluginSuffix.size()) : it.key();
        QJsonObject desktop = desktops.value(screen).toObject();
        desktop.insert(plugin ? QStringLiteral("plugin") : QStringLiteral("image"), it.value());
        desktops.insert(screen, desktop);
    }
    // A plugin given back is set only when one was kept: what was kept before plugins were, or
    // by another version, leaves it as it is.
    run(QStringLiteral("var kept = %1;\n"
                       "desktops().forEach(function (d) {\n"
                       "    var desktop = kept[String(d.screen)];\n"
                       "    if (desktop === undefined) return;\n"
                       "    if (desktop.plugin) d.wallpaperPlugin = desktop.plugin;\n"
                       "    if (desktop.image !== undefined) {\n"
                       "        d.currentConfigGroup = %2;\n"
                       "        d.writeConfig(\"Image\", desktop.image);\n"
                       "    }\n"
                       "});\n")
            .arg(json(QJsonDocument(desktops)), kImageGroup),
        deadline, [replied](const QString&, const Reply& failed) { replied(failed); });
}

} // namespace vellumora
