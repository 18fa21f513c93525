#pragma once

#include "library/CategoryStore.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace vellumora {

class AffirmationList;
class Platform;
class TickList;

// The frame "Affirmations Category" (Frame4): the categories with their ticks, in the order of
// the category index, the name field and the buttons "&Create" and "&Delete". While the list
// has rows one of them is selected, and its affirmations are shown in the affirmation list.
class CategoryList : public QGroupBox {
    Q_OBJECT
public:
    CategoryList(
        Platform& platform, CategoryStore& store, AffirmationList& affirmations, QWidget* parent = nullptr);

    void LoadCategoryList();
    void cmdCreateFile_Click();
    void cmdDelete_Click();
    void lvFile_Click();
    void lvFile_ItemCheck(QTreeWidgetItem* changed);
    // False when the typed character is refused (the user has been told).
    bool txtAddFile_KeyPress(QChar typed);

    // The categories as listed, names and ticks, for the show.
    QList<Row> categories() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectSignals();
    void lvFile_SelectionChanged();
    QList<Row> readIndex(bool* readable);
    void selectRow(int row);
    QString selectedName() const;
    bool writeIndex(const QList<Row>& rows);

    Platform& m_platform;
    CategoryStore& m_store;
    AffirmationList& m_affirmations;
    // An index that exists but cannot be read must not be overwritten from an empty list.
    bool m_indexReadable = true;

    QLineEdit* txtAddFile = nullptr;
    QPushButton* cmdCreateFile = nullptr;
    QPushButton* cmdDelete = nullptr;
    TickList* lvFile = nullptr;
};

} // namespace vellumora
