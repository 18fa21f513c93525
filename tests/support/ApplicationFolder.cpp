#include "support/ApplicationFolder.h"

#include <QDir>

namespace vellumora {

std::unique_ptr<QTemporaryDir> newApplicationFolder()
{
    auto folder = std::make_unique<QTemporaryDir>();
    QDir root(folder->path());
    if (!root.mkdir(QStringLiteral("system")) || !root.mkdir(QStringLiteral("SystemFolder"))) {
        qFatal("cannot lay out an application folder in %s", qPrintable(folder->path()));
    }
    return folder;
}

} // namespace vellumora
