#include "affirmations/AffirmationLibraryPanel.h"

#include "affirmations/AffirmationPanel.h"
#include "affirmations/CategoryPanel.h"
#include "widgets/Twips.h"

namespace vellumora {

AffirmationLibraryPanel::AffirmationLibraryPanel(
    Platform& platform, CategoryIndex& categories, AffirmationList& affirmations, QWidget* parent)
    : QGroupBox(tr("Affirmation Library"), parent)
{
    setObjectName(QStringLiteral("fraAffirmationLibrary"));
    // Made left to right, so Tab goes in reading order.
    placeTwips(new CategoryPanel(platform, categories, this), 240, 360, 3495, 5535);
    placeTwips(new AffirmationPanel(platform, affirmations, this), 3840, 360, 3495, 5535);
}

} // namespace vellumora
