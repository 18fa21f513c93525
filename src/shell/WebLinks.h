#pragma once

#include <QUrl>

namespace vellumora {

class Platform;

// The program's three pages, opened in the default browser without waiting for the outcome. A
// page whose address the build leaves empty is a section of the user guide installed with the
// program. When nothing can open a page, the user is told where it is.
namespace WebLinks {

QUrl homePage(const Platform& platform);
QUrl onlineHelpPage(const Platform& platform);
QUrl updatePage(const Platform& platform);

// The user guide's section: beside the program in "help" (a build, or an unpacked archive), or
// in share/doc/vellumora of the prefix it is installed in.
QUrl guideSection(const QString& applicationFolder, const QString& section);

void openHomePage(Platform& platform);
void openOnlineHelp(Platform& platform);
void openUpdatePage(Platform& platform);

} // namespace WebLinks

} // namespace vellumora
