#include "settings/MusicFile.h"

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

} // namespace vellumora::MusicFile
