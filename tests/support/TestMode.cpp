#include <QCoreApplication>
#include <QStandardPaths>

namespace {

// Every test keeps away from the user's own settings, caches and folders.
void enterTestMode()
{
    QStandardPaths::setTestModeEnabled(true);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(enterTestMode)
