#include "settings/MusicFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>

namespace vellumora::MusicFile {

bool mayBeMusic(const QString& path)
{
    const QMimeType kind = QMimeDatabase().mimeTypeForFile(path);
    if (kind.isDefault()) {
        return true;
    }
    // Ogg and ASF containers are named as applications, though they hold Vorbis and WMA sound.
    QStringList names = kind.allAncestors();
    names.prepend(kind.name());
    return std::any_of(names.cbegin(), names.cend(), [](const QString& name) {
        return name.startsWith(QLatin1String("audio/")) || name.startsWith(QLatin1String("video/"))
            || name == QLatin1String("application/ogg") || name == QLatin1String("application/vnd.ms-asf");
    });
}

QStringList tracks(const QString& path)
{
    const QFileInfo music(path);
    if (music.isFile()) {
        return { path };
    }
    if (!music.isDir()) {
        return {};
    }
    QStringList found;
    const QDir folder(path);
    const QStringList kinds { QStringLiteral("*.mp3"), QStringLiteral("*.wav"), QStringLiteral("*.ogg"),
        QStringLiteral("*.flac"), QStringLiteral("*.wma") };
    for (const QString& name : folder.entryList(
             kinds, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase | QDir::LocaleAware)) {
        found.append(folder.filePath(name));
    }
    return found;
}

} // namespace vellumora::MusicFile
