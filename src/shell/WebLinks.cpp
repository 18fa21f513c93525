#include "shell/WebLinks.h"

#include "BuildConfig.h"
#include "platform/Platform.h"

namespace vellumora::WebLinks {

QUrl homePage()
{
    return QUrl(QStringLiteral(VELLUMORA_HOME_URL));
}

QUrl onlineHelpPage()
{
    return QUrl(QStringLiteral(VELLUMORA_HELP_URL));
}

QUrl updatePage()
{
    return QUrl(QStringLiteral(VELLUMORA_UPDATE_URL));
}

void openHomePage(Platform& platform)
{
    platform.openUrl(homePage());
}

void openOnlineHelp(Platform& platform)
{
    platform.openUrl(onlineHelpPage());
}

void openUpdatePage(Platform& platform)
{
    platform.openUrl(updatePage());
}

} // namespace vellumora::WebLinks
