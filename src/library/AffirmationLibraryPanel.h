#pragma once

#include "library/CategoryStore.h"

#include <QGroupBox>

namespace vellumora {

class AffirmationList;
class CategoryList;
class Platform;

// The panel "Affirmation Library": categories on the left, their affirmations on the right.
class AffirmationLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AffirmationLibraryPanel(Platform& platform, QWidget* parent = nullptr);

    // Last step of the main window's load: the category list and the first category's affirmations.
    void LoadCategoryList();

    // For the show: the categories in list order with their ticks, and the files behind them.
    QList<Row> categories() const;
    const CategoryStore& store() const { return m_store; }

private:
    CategoryStore m_store;
    AffirmationList* Frame5 = nullptr;
    CategoryList* Frame4 = nullptr;
};

} // namespace vellumora
