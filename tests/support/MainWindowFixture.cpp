#include "support/MainWindowFixture.h"

#include "support/ApplicationFolder.h"

namespace vellumora {

void MainWindowFixture::reset()
{
    window.reset();
    platform.reset();
    dir = newApplicationFolder();
    platform = std::make_unique<FakePlatform>(dir->path());
}

frmMain& MainWindowFixture::load()
{
    window.reset();
    window = std::make_unique<frmMain>(*platform, random);
    if (!window->Form_Load()) {
        QTest::qFail("the main window did not load", __FILE__, __LINE__);
    }
    return *window;
}

} // namespace vellumora
