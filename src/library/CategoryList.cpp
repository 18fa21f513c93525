#include "library/CategoryList.h"

#include "library/AffirmationList.h"
#include "library/LibraryLook.h"
#include "library/TickList.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace vellumora {

namespace {

bool isAcceptedKey(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || u == u' ' || u == u'\b' || u == u'\r';
}

} // namespace

CategoryList::CategoryList(
    Platform& platform, CategoryStore& store, AffirmationList& affirmations, QWidget* parent)
    : QGroupBox(tr("Affirmations Category"), parent)
    , m_platform(platform)
    , m_store(store)
    , m_affirmations(affirmations)
{
    setObjectName(QStringLiteral("Frame4"));
    styleLibraryFrame(this);
    buildControls();
    connectSignals();
}

void CategoryList::buildControls()
{
    txtAddFile = new QLineEdit(this);
    txtAddFile->setObjectName(QStringLiteral("txtAddFile"));
    styleLibraryEntry(txtAddFile);
    placeTwips(txtAddFile, 240, 360, 3015, 375);
    cmdCreateFile = libraryButton(tr("&Create"), "cmdCreateFile", this, 240, 1455);
    cmdDelete = libraryButton(tr("&Delete"), "cmdDelete", this, 1800, 1455);
    lvFile = new TickList("lvFile", tr("Category"), this);
    placeTwips(lvFile, 240, 1320, 3015, 4095);
}

void CategoryList::connectSignals()
{
    connect(cmdCreateFile, &QPushButton::clicked, this, &CategoryList::cmdCreateFile_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &CategoryList::cmdDelete_Click);
    // Ticks the program sets are set with the list's signals blocked: only the user's arrive.
    connect(lvFile, &QTreeWidget::itemChanged, this, &CategoryList::lvFile_ItemCheck);
    connect(lvFile, &QTreeWidget::itemSelectionChanged, this, &CategoryList::lvFile_SelectionChanged);
    // Any click in the list, on a row, a tick box or below the rows, shows the selected category.
    connect(lvFile, &TickList::clickedAnywhere, this, &CategoryList::lvFile_Click);
    txtAddFile->installEventFilter(this);
}

bool CategoryList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAddFile && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        // Keys without a character (arrows, Home, Delete) and Tab keep their usual meaning.
        if (text.size() == 1 && text != QLatin1String("\t") && !txtAddFile_KeyPress(text.front())) {
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

bool CategoryList::txtAddFile_KeyPress(QChar typed)
{
    if (isAcceptedKey(typed)) {
        return true;
    }
    m_platform.message(tr("Please Enter only Letters"), MessageIcon::Information);
    return false;
}

QList<Row> CategoryList::categories() const
{
    QList<Row> rows;
    for (int i = 0; i < lvFile->topLevelItemCount(); ++i) {
        rows.append({ lvFile->rowText(i), lvFile->isTicked(i) });
    }
    return rows;
}

void CategoryList::selectRow(int row)
{
    const QSignalBlocker quiet(lvFile);
    lvFile->setCurrentItem(lvFile->topLevelItem(row));
}

QString CategoryList::selectedName() const
{
    const QTreeWidgetItem* current = lvFile->currentItem();
    return current ? TickList::textOf(current) : QString();
}

QList<Row> CategoryList::readIndex(bool* readable)
{
    QString error;
    const std::optional<QList<Row>> rows = m_store.readIndex(&error);
    *readable = rows.has_value();
    if (!rows) {
        m_platform.message(tr("The category list could not be read, so it is shown empty and not rewritten.")
                + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
        return {};
    }
    // A name that must not form a path is left out, and so is a second row of the same name,
    // which would name the same file. Names that differ in letter case name two files here.
    QList<Row> usable;
    QSet<QString> seen;
    int skipped = 0;
    for (const Row& row : *rows) {
        if (!CategoryStore::isUsableName(row.text) || seen.contains(row.text)) {
            ++skipped;
            continue;
        }
        seen.insert(row.text);
        usable.append(row);
    }
    if (skipped > 0) {
        m_platform.message(tr("%n line(s) of the category list named no usable category and were left out.",
                               nullptr, skipped),
            MessageIcon::Information);
    }
    return usable;
}

void CategoryList::LoadCategoryList()
{
    QList<Row> rows;
    for (const QString& name : m_store.listCategoryNames()) {
        rows.append({ name, false });
    }
    m_indexReadable = true;
    if (m_store.indexExists()) {
        rows = readIndex(&m_indexReadable);
    }
    {
        const QSignalBlocker quiet(lvFile);
        lvFile->clear();
        for (const Row& row : rows) {
            lvFile->appendRow(row.text, row.ticked);
        }
    }
    if (lvFile->topLevelItemCount() > 0) {
        selectRow(0);
        lvFile_Click();
    } else {
        m_affirmations.clearCategory();
    }
    lvFile_ItemCheck(nullptr);
}

void CategoryList::lvFile_Click()
{
    if (lvFile->topLevelItemCount() == 0) {
        return;
    }
    m_affirmations.showCategory(selectedName());
}

void CategoryList::lvFile_SelectionChanged()
{
    // A click below the rows would leave the list without a selection; the current row stays.
    if (lvFile->selectedItems().isEmpty() && lvFile->topLevelItemCount() > 0) {
        QTreeWidgetItem* keep = lvFile->currentItem() ? lvFile->currentItem() : lvFile->topLevelItem(0);
        const QSignalBlocker quiet(lvFile);
        lvFile->setCurrentItem(keep);
        keep->setSelected(true);
        return;
    }
    // Moving with the keyboard shows the newly selected category too; a click shows it when
    // the button is released, so the file is read once.
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        lvFile_Click();
    }
}

bool CategoryList::writeIndex(const QList<Row>& rows)
{
    if (!m_indexReadable) {
        m_platform.message(tr("The category list could not be read when the program started, so it cannot be "
                              "changed now."),
            MessageIcon::Critical);
        return false;
    }
    QString error;
    if (m_store.writeIndex(rows, &error)) {
        return true;
    }
    m_platform.message(tr("The category list could not be saved, so the change was undone.")
            + QStringLiteral("\r\n") + error,
        MessageIcon::Critical);
    return false;
}

void CategoryList::lvFile_ItemCheck(QTreeWidgetItem* changed)
{
    if (!changed) {
        // The end of a load: the index follows the list.
        QString error;
        if (m_indexReadable && !m_store.writeIndex(categories(), &error)) {
            m_platform.message(tr("The category list could not be saved.") + QStringLiteral("\r\n") + error,
                MessageIcon::Critical);
        }
        return;
    }
    if (!writeIndex(categories())) {
        const QSignalBlocker quiet(lvFile);
        changed->setCheckState(0, changed->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
}

void CategoryList::cmdCreateFile_Click()
{
    if (txtAddFile->text().isEmpty()) {
        return;
    }
    const QString typed = txtAddFile->text().trimmed();
    if (!CategoryStore::isTypedName(typed)) {
        m_platform.message(tr("A category name may hold only letters and spaces, and at least one letter."),
            MessageIcon::Information);
        return;
    }
    // A name already listed in any letter case is selected, not made again; the same letter
    // case first, where the library holds two.
    const QList<Row> listed = categories();
    const auto sameName = [&listed, &typed](Qt::CaseSensitivity cs) {
        return std::find_if(listed.cbegin(), listed.cend(),
            [&typed, cs](const Row& row) { return row.text.compare(typed, cs) == 0; });
    };
    auto found = sameName(Qt::CaseSensitive);
    found = found != listed.cend() ? found : sameName(Qt::CaseInsensitive);
    if (found != listed.cend()) {
        selectRow(int(found - listed.cbegin()));
        txtAddFile->clear();
        lvFile_Click();
        return;
    }
    if (listed.size() >= CategoryStore::kMaxRows) {
        m_platform.message(tr("The category list already holds %1 categories, the most it can hold.")
                               .arg(CategoryStore::kMaxRows),
            MessageIcon::Critical);
        return;
    }
    // A file lying in the library folder unlisted is taken in as it is, never emptied.
    const std::optional<QString> existing = m_store.findCategoryFile(typed);
    const QString name = existing.value_or(typed);
    QString error;
    if (!existing && !m_store.createCategory(name, &error)) {
        m_platform.message(
            tr("The category \"%1\" could not be created.").arg(name) + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
        return;
    }
    lvFile->appendRow(name, true);
    if (!writeIndex(categories())) {
        const QSignalBlocker quiet(lvFile);
        delete lvFile->takeTopLevelItem(lvFile->topLevelItemCount() - 1);
        if (!existing) {
            m_store.removeCategory(name);
        }
        return;
    }
    selectRow(lvFile->topLevelItemCount() - 1);
    txtAddFile->clear();
    m_affirmations.showCategory(name);
}

void CategoryList::cmdDelete_Click()
{
    if (lvFile->topLevelItemCount() == 0) {
        m_platform.message(tr("There Is No Item To Delete"), MessageIcon::Critical);
        return;
    }
    if (!lvFile->currentItem()) {
        selectRow(0);
    }
    const QString name = selectedName();
    QList<Row> remaining = categories();
    remaining.removeAt(lvFile->indexOfTopLevelItem(lvFile->currentItem()));
    // The index goes first: if it cannot be written, the category keeps its file.
    if (!writeIndex(remaining)) {
        return;
    }
    QString error;
    if (!m_store.removeCategory(name, &error)) {
        m_platform.message(tr("The file of the category \"%1\" could not be deleted.").arg(name)
                + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
    }
    m_affirmations.clearCategory();
    LoadCategoryList();
}

} // namespace vellumora
