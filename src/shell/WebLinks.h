#pragma once

#include <QUrl>

namespace vellumora {

class Platform;

// The program's three web pages, opened in the default browser without waiting for the outcome.
namespace WebLinks {

QUrl homePage();
QUrl onlineHelpPage();
QUrl updatePage();

void openHomePage(Platform& platform);
void openOnlineHelp(Platform& platform);
void openUpdatePage(Platform& platform);

} // namespace WebLinks

} // namespace vellumora
