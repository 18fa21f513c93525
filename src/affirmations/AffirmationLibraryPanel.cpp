#include "affirmations/AffirmationLibraryPanel.h"

#include "affirmations/AffirmationPanel.h"
#include "affirmations/CategoryPanel.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>

namespace vellumora {

AffirmationLibraryPanel::AffirmationLibraryPanel(Platform& platform, CategoryIndex& categories,
    AffirmationList& affirmations, Voice& voice, QWidget* parent)
    : QGroupBox(tr("Affirmation Library"), parent)
{
    setObjectName(QStringLiteral("fraAffirmationLibrary"));
    // Made left to right, so Tab goes in reading order.
    QHBoxLayout* frames = rowInTwips(this, 240, 360, 240, 240);
    auto* categoryFrame = new CategoryPanel(platform, categories, this);
    preferTwips(categoryFrame, 3495, 5535);
    frames->addWidget(categoryFrame, 1);
    addGapTwips(frames, 105);
    auto* affirmationFrame = new AffirmationPanel(platform, affirmations, voice, this);
    preferTwips(affirmationFrame, 3495, 5535);
    frames->addWidget(affirmationFrame, 1);
}

} // namespace vellumora
