#include "session/GnomeWallpaper.h"

#include "session/GnomeSettings.h"

#include <QFileInfo>
#include <QUrl>
#include <optional>

namespace vellumora {

namespace {

const QString kScreensaver = QStringLiteral("org.gnome.desktop.screensaver");
const QString kOptionsKey = QStringLiteral("picture-options");

// Where the running desktop keeps its picture in these settings.
struct Background {
    QString schema;
    QString pictureKey;
    bool plainPath = false; // a path instead of a file URL
    bool gnome = false; // GNOME's own, which has a lock screen picture beside it
};

std::optional<Background> background()
{
    const QString cinnamon = QStringLiteral("org.cinnamon.desktop.background");
    if (runningDesktopIs({ "X-Cinnamon", "Cinnamon" })) {
        return gsettings::hasSchema(cinnamon)
            ? std::optional(Background { cinnamon, QStringLiteral("picture-uri") })
            : std::nullopt;
    }
    const QString mate = QStringLiteral("org.mate.background");
    if (runningDesktopIs({ "MATE" })) {
        return gsettings::hasSchema(mate)
            ? std::optional(Background { mate, QStringLiteral("picture-filename"), true })
            : std::nullopt;
    }
    const QString gnome = QStringLiteral("org.gnome.desktop.background");
    if (runningDesktopIs({ "GNOME", "Unity", "Budgie", "Pantheon" }) && gsettings::hasSchema(gnome)) {
        return Background { gnome, QStringLiteral("picture-uri"), false, true };
    }
    return std::nullopt;
}

// Every key the picture is set through, as (schema, key).
QList<std::pair<QString, QString>> backgroundKeys(const Background& found)
{
    QList<std::pair<QString, QString>> keys { { found.schema, found.pictureKey } };
    if (gsettings::hasKey(found.schema, QStringLiteral("picture-uri-dark"))) {
        keys.append({ found.schema, QStringLiteral("picture-uri-dark") });
    }
    keys.append({ found.schema, kOptionsKey });
    if (found.gnome && gsettings::hasKey(kScreensaver, QStringLiteral("picture-uri"))) {
        keys.append({ kScreensaver, QStringLiteral("picture-uri") });
    }
    return keys;
}

} // namespace

bool GnomeWallpaper::keepsThisDesktop()
{
    return runningDesktopIs({ "GNOME", "Unity", "Budgie", "Pantheon", "X-Cinnamon", "Cinnamon", "MATE" });
}

bool GnomeWallpaper::answers(const QDeadlineTimer&)
{
    return background() && gsettings::reachesStore();
}

QString GnomeWallpaper::notAnsweringToGiveBack() const
{
    return tr("GNOME's settings cannot be reached, so the desktop picture could not be given back.");
}

QString GnomeWallpaper::prefix() const
{
    return QStringLiteral("gsettings:");
}

void GnomeWallpaper::read(DesktopPictureState& state, const QDeadlineTimer&)
{
    if (const auto found = background()) {
        for (const auto& [schema, key] : backgroundKeys(*found)) {
            state.insert(prefix() + schema + QLatin1Char('/') + key, gsettings::userValue(schema, key));
        }
    }
}

void GnomeWallpaper::set(const DesktopPicture::Pictures& pictures, const QDeadlineTimer&, Replied replied)
{
    const auto found = background();
    if (!found || !gsettings::reachesStore()) {
        replied({ tr("GNOME's settings for the desktop picture cannot be reached."), true });
        return;
    }
    const QString path = QFileInfo(pictures.files[0]).absoluteFilePath();
    const QString value = found->plainPath ? path : QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    QStringList errors;
    QList<std::pair<QString, QString>> written;
    for (const auto& [schema, key] : backgroundKeys(*found)) {
        if (schema == kScreensaver && !pictures.lockScreen) {
            continue;
        }
        const bool options = key == kOptionsKey;
        const QString error = gsettings::writeString(schema, key, options ? QStringLiteral("zoom") : value);
        if (!error.isEmpty()) {
            errors.append(error);
        } else if (!options) {
            written.append({ schema, key });
        }
    }
    // Read back once the store has them: a setting the store did not take is back as it was.
    gsettings::sync();
    for (const auto& [schema, key] : written) {
        if (const QString held = gsettings::stringValue(schema, key); held != value) {
            errors.append(tr("GNOME's setting %1 in %2 still holds %3.").arg(key, schema, held));
        }
    }
    replied({ errors.join(QLatin1Char(' ')) });
}

void GnomeWallpaper::restore(const DesktopPictureState& values, const QDeadlineTimer&, Replied replied)
{
    QStringList errors;
    for (auto it = values.begin(); it != values.end(); ++it) {
        const qsizetype slash = it.key().lastIndexOf(QLatin1Char('/'));
        const QString error
            = gsettings::writeValue(it.key().left(slash), it.key().mid(slash + 1), it.value());
        if (!error.isEmpty()) {
            errors.append(error);
        }
    }
    gsettings::sync();
    replied({ errors.join(QLatin1Char(' ')) });
}

} // namespace vellumora
