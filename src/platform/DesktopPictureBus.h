#pragma once

#include "platform/DesktopServices.h"

#include <QDBusConnection>

namespace vellumora {

// The desktop picture through the desktop's own services: the desktop portal and Plasma's shell
// and Xfce's settings service on the session bus, GNOME's settings through GIO.
class BusDesktopPicture : public DesktopPicture {
    Q_OBJECT
public:
    explicit BusDesktopPicture(QDBusConnection bus, QObject* parent = nullptr);
    ~BusDesktopPicture() override;

    Way way() override;
    DesktopPictureState current() override;
    void set(const Pictures& pictures, Done done) override;
    void restore(const DesktopPictureState& state, Done done) override;

private:
    QDBusConnection m_bus;
};

} // namespace vellumora
