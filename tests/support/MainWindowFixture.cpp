#include "support/MainWindowFixture.h"

namespace vellumora {

void MainWindowFixture::reset()
{
    window.reset();
    standIns.clear();
    platform.reset();
    dir = newApplicationFolder();
    platform = std::make_unique<FakePlatform>(dir->path());
}

MainWindow& MainWindowFixture::load()
{
    window.reset();
    window = std::make_unique<MainWindow>(*platform, random);
    if (!window->load()) {
        QTest::qFail("the main window did not load", __FILE__, __LINE__);
    }
    return *window;
}

} // namespace vellumora
