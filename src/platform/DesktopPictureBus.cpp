#include "platform/DesktopPictureBus.h"

namespace vellumora {

BusDesktopPicture::BusDesktopPicture(QDBusConnection bus, QObject* parent)
    : DesktopPicture(parent)
    , m_bus(std::move(bus))
{
}

BusDesktopPicture::~BusDesktopPicture() = default;

DesktopPicture::Way BusDesktopPicture::way()
{
    return Way::None;
}

DesktopPictureState BusDesktopPicture::current()
{
    return {};
}

void BusDesktopPicture::set(const Pictures&, Done done)
{
    done(QStringLiteral("No desktop answers."));
}

void BusDesktopPicture::restore(const DesktopPictureState&, Done done)
{
    done(QStringLiteral("No desktop answers."));
}

} // namespace vellumora
