#pragma once

#include <QGroupBox>

namespace vellumora {

class Voice;

class AffirmationList;
class CategoryIndex;
class Platform;

// The panel "Affirmation Library": categories on the left, their affirmations on the right.
class AffirmationLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    AffirmationLibraryPanel(Platform& platform, CategoryIndex& categories, AffirmationList& affirmations,
        Voice& voice, QWidget* parent = nullptr);
};

} // namespace vellumora
