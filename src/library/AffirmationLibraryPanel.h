#pragma once

#include <QGroupBox>

namespace vellumora {

class Platform;

// The panel "Affirmation Library": categories on the left, their affirmations on the right.
class AffirmationLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AffirmationLibraryPanel(Platform& platform, QWidget* parent = nullptr);

    // Last step of the main window's load: the category list and the first category's affirmations.
    void LoadCategoryList();

private:
    Platform& m_platform;
};

} // namespace vellumora
