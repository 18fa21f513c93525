#pragma once

#include "session/WallpaperStore.h"

namespace vellumora {

// GNOME's settings, and those of the desktops built on them (Cinnamon, MATE, Budgie), through
// GIO: dconf in a session, whose service the settings reach.
class GnomeWallpaper : public WallpaperStore {
    Q_OBJECT
public:
    using WallpaperStore::WallpaperStore;

    // Whether the running desktop keeps its picture in these settings.
    static bool keepsThisDesktop();

    DesktopPicture::Way way() const override { return DesktopPicture::Way::Gnome; }
    bool answers(const QDeadlineTimer& deadline) override;
    void read(DesktopPictureState& state, const QDeadlineTimer& deadline) override;
    QString prefix() const override;
    QString notAnsweringToGiveBack() const override;
    void set(
        const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied) override;
    void restore(const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied) override;
};

} // namespace vellumora
