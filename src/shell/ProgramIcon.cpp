#include "shell/ProgramIcon.h"

#include <QDir>

namespace vellumora {

QIcon programIcon()
{
    // Every size built into the resources; QIcon reads each one's size from its file.
    QIcon icon;
    for (const QFileInfo& file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files)) {
        icon.addFile(file.filePath());
    }
    return icon;
}

} // namespace vellumora
