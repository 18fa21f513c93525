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
    bool portalAnswers();
    bool plasmaAnswers();
    bool xfconfAnswers();

    void setByPortal(const Pictures& pictures, Done done);
    QString setByGnome(const Pictures& pictures);
    QString setByXfce(const Pictures& pictures);
    void setByPlasma(const Pictures& pictures, Done done);

    void readXfce(DesktopPictureState& state);
    void readPlasma(DesktopPictureState& state);
    QString restoreXfce(const DesktopPictureState& values);
    void runPlasmaScript(const QString& script, Done done);

    QDBusConnection m_bus;
    int m_requests = 0;
};

} // namespace vellumora
