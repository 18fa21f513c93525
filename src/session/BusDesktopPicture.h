#pragma once

#include "session/PortalWallpaper.h"
#include "session/SessionServices.h"

#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QSet>
#include <memory>
#include <vector>

namespace vellumora {

class WallpaperStore;

// The desktop picture, set where the running desktop keeps it; the portal in a sandbox, or where
// no store of the running desktop is known. A way that does not answer is told of once, and the
// next is tried.
class BusDesktopPicture : public DesktopPicture {
    Q_OBJECT
public:
    struct Limits {
        // With nobody at the screen, a request ends within this, whatever answers.
        int nobodyMs = 30000;
        PortalWallpaper::Patience portal;
    };

    explicit BusDesktopPicture(QDBusConnection bus, QObject* parent = nullptr);
    BusDesktopPicture(QDBusConnection bus, Limits limits, QObject* parent = nullptr);
    ~BusDesktopPicture() override;

    Way way() override;
    DesktopPictureState current() override;
    void set(const Pictures& pictures, Done done) override;
    void restore(const DesktopPictureState& state, Done done) override;

private:
    // The ways to try, in order.
    std::vector<WallpaperStore*> ways() const;
    void trySet(const Pictures& pictures, std::vector<WallpaperStore*> left, QDeadlineTimer deadline,
        QString note, Done done);
    void restoreEach(
        std::vector<std::pair<WallpaperStore*, DesktopPictureState>> left, QStringList errors, Done done);

    Limits m_limits;
    std::vector<std::unique_ptr<WallpaperStore>> m_stores;
    // Ways that did not answer in this run: skipped while nobody waits, told of only once.
    QSet<Way> m_silent;
};

} // namespace vellumora
