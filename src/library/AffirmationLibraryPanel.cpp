#include "library/AffirmationLibraryPanel.h"

#include "library/AffirmationList.h"
#include "library/CategoryList.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

namespace vellumora {

AffirmationLibraryPanel::AffirmationLibraryPanel(Platform& platform, QWidget* parent)
    : QGroupBox(tr("Affirmation Library"), parent)
    , m_store(platform.applicationFolder())
{
    setObjectName(QStringLiteral("fraAffirmationLibrary"));
    Frame5 = new AffirmationList(platform, m_store, this);
    placeTwips(Frame5, 3840, 360, 3495, 5535);
    Frame4 = new CategoryList(platform, m_store, *Frame5, this);
    placeTwips(Frame4, 240, 360, 3495, 5535);
}

void AffirmationLibraryPanel::LoadCategoryList()
{
    Frame4->LoadCategoryList();
}

QList<Row> AffirmationLibraryPanel::categories() const
{
    return Frame4->categories();
}

} // namespace vellumora
