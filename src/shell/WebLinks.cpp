#include "shell/WebLinks.h"

#include "BuildConfig.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>

namespace vellumora::WebLinks {

namespace {

QUrl page(const Platform& platform, const char* configured, const QString& section)
{
    const QString address = QString::fromUtf8(configured);
    return address.isEmpty() ? guideSection(platform.applicationFolder(), section) : QUrl(address);
}

} // namespace

QUrl guideSection(const QString& applicationFolder, const QString& section)
{
    const QDir folder(applicationFolder);
    const QString beside = folder.filePath(QStringLiteral("help/user-guide.html"));
    const QString installed = folder.filePath(QStringLiteral("../../share/doc/vellumora/user-guide.html"));
    QUrl url = QUrl::fromLocalFile(QDir::cleanPath(QFileInfo::exists(beside) ? beside : installed));
    url.setFragment(section);
    return url;
}

QUrl homePage(const Platform& platform)
{
    return page(platform, VELLUMORA_HOME_URL, QStringLiteral("welcome"));
}

QUrl onlineHelpPage(const Platform& platform)
{
    return page(platform, VELLUMORA_HELP_URL, QString());
}

QUrl updatePage(const Platform& platform)
{
    return page(platform, VELLUMORA_UPDATE_URL, QStringLiteral("updating"));
}

void openHomePage(Platform& platform)
{
    platform.openUrl(homePage(platform));
}

void openOnlineHelp(Platform& platform)
{
    platform.openUrl(onlineHelpPage(platform));
}

void openUpdatePage(Platform& platform)
{
    platform.openUrl(updatePage(platform));
}

} // namespace vellumora::WebLinks
