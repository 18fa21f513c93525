#pragma once

#include "session/WallpaperStore.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace vellumora {

// The desktop portal: it asks the desktop to take a picture, and the desktop may ask the user
// first. Its answer comes later, as a signal on an object of the request's own.
class PortalWallpaper : public WallpaperStore {
    Q_OBJECT
public:
    // How long an answer is waited for: a person at the screen may take a while to decide;
    // with nobody there, a desktop that asks would never answer.
    struct Patience {
        int personMs = 120000;
        int nobodyMs = 10000;
    };

    PortalWallpaper(QDBusConnection bus, Patience patience, QObject* parent = nullptr);

    // Whether the program runs in a sandbox, where the portal is its way to the desktop.
    static bool sandboxed();

    DesktopPicture::Way way() const override { return DesktopPicture::Way::Portal; }
    bool answers(const QDeadlineTimer& deadline) override;
    // The portal tells nothing of what the desktop holds, and gives nothing back.
    void read(DesktopPictureState&, const QDeadlineTimer&) override { }
    QString prefix() const override;
    QString notAnsweringToGiveBack() const override;
    void set(
        const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied) override;
    void restore(const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied) override;

private:
    QDBusConnection m_bus;
    Patience m_patience;
    int m_requests = 0;
};

} // namespace vellumora
