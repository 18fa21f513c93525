#include "shell/ProgramIcon.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

namespace vellumora {

QIcon programIcon()
{
    // Every size built into the resources. They are read as the PNGs they are: left to guess,
    // the reader loads every image plugin and its libraries (more than a megabyte) to ask each
    // one first, at every start, in the background too.
    QIcon icon;
    for (const QFileInfo& file :
        QDir(QStringLiteral(":/icons")).entryInfoList({ QStringLiteral("*.png") }, QDir::Files)) {
        QImageReader reader(file.filePath(), "png");
        reader.setAutoDetectImageFormat(false);
        const QImage image = reader.read();
        if (!image.isNull()) {
            icon.addPixmap(QPixmap::fromImage(image));
        }
    }
    return icon;
}

} // namespace vellumora
