#pragma once

#include "library/CategoryStore.h"

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace vellumora {

class Platform;
class TickList;

// The frame "Affirmations" (Frame5): the selected category's affirmations with their ticks,
// one text field and the buttons "&Add"/"&Update", "&Edit" and "&Delete". Every change is
// written to the category's file at once; a change that cannot be written is undone.
class AffirmationList : public QGroupBox {
    Q_OBJECT
public:
    AffirmationList(Platform& platform, const CategoryStore& store, QWidget* parent = nullptr);

    // The category list selected this category: its affirmations are read and the first
    // treated as clicked.
    void showCategory(const QString& name);
    // No category is selected any more.
    void clearCategory();

    void cmdAddContent_Click();
    void cmdEditContent_Click();
    void cmdDeleteContent_Click();
    void lvFileContent_ItemClick();
    void lvFileContent_ItemCheck(QTreeWidgetItem* item);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectSignals();
    void txtAddFileContent_TextEdited(const QString& text);
    // Puts a text into the text field, or says why it does not fit there.
    void setFieldText(const QString& text);
    QList<Row> rows() const;
    // False, with the user told, when there is no category to write to.
    bool categoryWritable();
    bool save();

    Platform& m_platform;
    const CategoryStore& m_store;
    QString m_category;
    // The category file's encoding, kept when it is rewritten.
    TextEncoding m_encoding = TextEncoding::Utf8;
    // A category whose file could not be read must not be overwritten from an empty list.
    bool m_readable = false;

    QLineEdit* txtAddFileContent = nullptr;
    QPushButton* cmdAddContent = nullptr;
    QPushButton* cmdEditContent = nullptr;
    QPushButton* cmdDeleteContent = nullptr;
    TickList* lvFileContent = nullptr;
};

} // namespace vellumora
