#pragma once

#include "session/WallpaperStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonObject>

namespace vellumora {

// Plasma's shell, through the scripts it runs over the session bus: each screen's desktop keeps
// its wallpaper plugin and, for the picture plugin, its image.
class PlasmaWallpaper : public WallpaperStore {
    Q_OBJECT
public:
    explicit PlasmaWallpaper(QDBusConnection bus, QObject* parent = nullptr);

    static bool keepsThisDesktop();

    DesktopPicture::Way way() const override { return DesktopPicture::Way::Plasma; }
    bool answers(const QDeadlineTimer& deadline) override;
    void read(DesktopPictureState& state, const QDeadlineTimer& deadline) override;
    QString prefix() const override;
    QString notAnsweringToGiveBack() const override;
    void set(
        const DesktopPicture::Pictures& pictures, const QDeadlineTimer& deadline, Replied replied) override;
    void restore(const DesktopPictureState& values, const QDeadlineTimer& deadline, Replied replied) override;

private:
    // Runs the script; the answer is what it printed, or the reply's error.
    void run(const QString& text, const QDeadlineTimer& deadline,
        std::function<void(const QString& printed, const Reply& failed)> answered);
    // Each screen's desktop as its number: {"plugin": ..., "image": ...}.
    void readDesktops(
        const QDeadlineTimer& deadline, std::function<void(const QJsonObject&, const Reply&)> read);

    QDBusConnection m_bus;
};

} // namespace vellumora
