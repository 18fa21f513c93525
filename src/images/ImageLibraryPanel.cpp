#include "images/ImageLibraryPanel.h"

#include "platform/Platform.h"

namespace vellumora {

ImageLibraryPanel::ImageLibraryPanel(Platform& platform, QWidget* parent)
    : QGroupBox(tr("Image Library"), parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("fraImageLibrary"));
}

void ImageLibraryPanel::resetScrollBar() { }

void ImageLibraryPanel::LoadImageLibrary() { }

void ImageLibraryPanel::scrollToTop() { }

} // namespace vellumora
