#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;

namespace vellumora {

class CategoryIndex;
class Platform;
class TickList;

// The frame "Affirmations Category": the category index with its ticks, the name field and
// the buttons "&Create" and "&Delete".
class CategoryPanel : public QGroupBox {
    Q_OBJECT
public:
    CategoryPanel(Platform& platform, CategoryIndex& categories, QWidget* parent = nullptr);

    TickList* list() const { return m_categoryList; }

private:
    void buildControls();
    void connectSignals();
    void createCategory();
    void deleteCategory();
    void selectionMoved(int row, bool duringClick);

    Platform& m_platform;
    CategoryIndex& m_categories;

    QLineEdit* m_nameField = nullptr;
    QPushButton* m_createButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    TickList* m_categoryList = nullptr;
};

} // namespace vellumora
