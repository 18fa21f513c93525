#include "platform/MediaModule.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>

namespace {

// Every test keeps away from the user's own settings, caches and folders, and writes its numbers
// the same way whatever the machine's locale.
void enterTestMode()
{
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
    // The program's sound and speech come from the module the build placed in its folder.
    vellumora::media::openModuleFrom(QStringLiteral(VELLUMORA_APP_DIR));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(enterTestMode)
