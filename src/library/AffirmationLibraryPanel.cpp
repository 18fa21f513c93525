#include "library/AffirmationLibraryPanel.h"

#include "platform/Platform.h"

namespace vellumora {

AffirmationLibraryPanel::AffirmationLibraryPanel(Platform& platform, QWidget* parent)
    : QGroupBox(tr("Affirmation Library"), parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("fraAffirmationLibrary"));
}

void AffirmationLibraryPanel::LoadCategoryList() { }

} // namespace vellumora
