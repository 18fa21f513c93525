#pragma once

#include "session/WallpaperStore.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace vellumora {

// Xfce's settings service over the session bus: a picture and its style for each workspace of
// each monitor.
class XfceWallpaper : public WallpaperStore {
    Q_OBJECT
public:
    explicit XfceWallpaper(QDBusConnection bus, QObject* parent = nullptr);

    static bool keepsThisDesktop();

    DesktopPicture::Way way() const override { return DesktopPicture::Way::Xfce; }
    bool answers(const QDeadlineTimer& deadline) override;
    void read(DesktopPictureState& state, const QDeadlineTimer& deadline) override;
    QString prefix() const override;
    QString notAnsweringToGiveBack() const override;
    void set(
        const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied) override;
    void restore(const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied) override;

private:
    // Every property below /backdrop, or the reply's error.
    QDBusMessage backdrop(const QDeadlineTimer& deadline, bool* silent = nullptr);
    // Writes each value, typed as Xfce reads it ("i:5"); an empty one removes the property.
    Reply write(const DesktopPictureState& values, const QDeadlineTimer& deadline);

    QDBusConnection m_bus;
};

} // namespace vellumora
