#include "shell/WebLinks.h"

#include "BuildConfig.h"
#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vellumora::WebLinks {

namespace {

QUrl page(const Platform& platform, const char* configured, const QString& section)
{
    const QString address = QString::fromUtf8(configured);
    return address.isEmpty() ? guideSection(platform.applicationFolder(), section) : QUrl(address);
}

// Opens the page, or tells the user it could not be opened and where to find it.
void open(Platform& platform, const QUrl& address)
{
    if (platform.openUrl(address)) {
        return;
    }
    // The user can still reach the page by hand; a guide is named by its file.
    const QString text = address.isLocalFile()
        ? QCoreApplication::translate("vellumora::WebLinks",
            "The user guide could not be opened: no program to show it was found.\nYou can open it "
            "in a web browser by hand:\n%1")
              .arg(QDir::toNativeSeparators(address.toLocalFile()))
        : QCoreApplication::translate("vellumora::WebLinks",
            "The page could not be opened: no web browser was found.\nYou can open it by hand:\n%1")
              .arg(address.toString());
    platform.message(text, MessageIcon::Information);
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
    open(platform, homePage(platform));
}

void openOnlineHelp(Platform& platform)
{
    open(platform, onlineHelpPage(platform));
}

void openUpdatePage(Platform& platform)
{
    open(platform, updatePage(platform));
}

} // namespace vellumora::WebLinks
