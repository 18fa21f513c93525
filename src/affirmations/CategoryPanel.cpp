#include "affirmations/CategoryPanel.h"

#include "affirmations/CategoryIndex.h"
#include "affirmations/LibraryLook.h"
#include "widgets/TickList.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace vellumora {

CategoryPanel::CategoryPanel(Platform& platform, CategoryIndex& categories, QWidget* parent)
    : QGroupBox(tr("Affirmations Category"), parent)
    , m_platform(platform)
    , m_categories(categories)
{
    setObjectName(QStringLiteral("Frame4"));
    styleLibraryFrame(this);
    buildControls();
    connectSignals();
}

void CategoryPanel::buildControls()
{
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("txtAddFile"));
    styleLibraryEntry(m_nameField);
    m_nameField->setAccessibleName(tr("New category name"));
    // Letters of any alphabet, their accents and spaces, typed or pasted; a mark may stand
    // anywhere while typing, the whole name is checked when it is created.
    m_nameField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[\\p{L}\\p{M} ]*")), m_nameField));
    m_createButton = libraryButton(tr("&Create"), "cmdCreateFile", this, 1455);
    m_deleteButton = libraryButton(tr("&Delete"), "cmdDelete", this, 1455);
    keepMnemonicInFrame(m_deleteButton, this);
    m_categoryList = new TickList("lvFile", m_categories, this);
    m_categoryList->setAccessibleName(tr("Categories"));
    m_categoryList->setPlaceholderText(
        tr("No categories yet: type a name in the field above and click Create."));
    layOutLibraryFrame(this, m_nameField, { m_createButton, m_deleteButton }, m_categoryList);
}

void CategoryPanel::connectSignals()
{
    connect(m_createButton, &QPushButton::clicked, this, &CategoryPanel::createCategory);
    connect(m_nameField, &QLineEdit::returnPressed, m_createButton, &QPushButton::animateClick);
    connect(m_deleteButton, &QPushButton::clicked, this, &CategoryPanel::deleteCategory);
    connect(&m_categories, &CategoryIndex::tickRefused, this,
        [this](const Outcome& why) { why.report(m_platform); });
    connect(m_categoryList, &TickList::selectionMoved, this, &CategoryPanel::selectionMoved);
    // Any click in the list, on a row, a tick box or below the rows, shows the chosen category.
    connect(m_categoryList, &TickList::clickedAnywhere, this,
        [this] { m_categories.choose(m_categories.selected()).report(m_platform); });
    connect(&m_categories, &CategoryIndex::selectedChanged, m_categoryList, &TickList::selectRow);
    connect(m_nameField, &QLineEdit::inputRejected, this,
        [this] { m_platform.message(tr("Please Enter only Letters"), MessageIcon::Information); });
}

void CategoryPanel::selectionMoved(int row, bool duringClick)
{
    // A click below the rows would leave the list without a selection; the chosen row stays.
    if (row < 0) {
        m_categoryList->selectRow(m_categories.selected());
        return;
    }
    // A click shows the category when the button is released, so the file is read once; the
    // keyboard shows it at once.
    if (duringClick) {
        m_categories.select(row);
    } else {
        m_categories.choose(row).report(m_platform);
    }
}

void CategoryPanel::createCategory()
{
    if (m_categories.create(m_nameField->text()).report(m_platform)) {
        // Emptied for the next name, not as an edit Ctrl+Z would take back.
        m_nameField->setText(QString());
    }
}

void CategoryPanel::deleteCategory()
{
    m_categories.removeSelected().report(m_platform);
}

} // namespace vellumora
