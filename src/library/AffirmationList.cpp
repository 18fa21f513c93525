#include "library/AffirmationList.h"

#include "library/LibraryLook.h"
#include "library/TickList.h"
#include "platform/Platform.h"
#include "platform/QuotedFields.h"
#include "platform/Twips.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace vellumora {

namespace {

const QString kAdd = QStringLiteral("&Add");
const QString kUpdate = QStringLiteral("&Update");

} // namespace

AffirmationList::AffirmationList(Platform& platform, const CategoryStore& store, QWidget* parent)
    : QGroupBox(tr("Affirmations"), parent)
    , m_platform(platform)
    , m_store(store)
{
    setObjectName(QStringLiteral("Frame5"));
    styleLibraryFrame(this);
    buildControls();
    connectSignals();
}

void AffirmationList::buildControls()
{
    txtAddFileContent = new QLineEdit(this);
    txtAddFileContent->setObjectName(QStringLiteral("txtAddFileContent"));
    styleLibraryEntry(txtAddFileContent);
    placeTwips(txtAddFileContent, 240, 360, 3015, 375);
    cmdAddContent = libraryButton(tr("&Add"), "cmdAddContent", this, 240, 950);
    cmdEditContent = libraryButton(tr("&Edit"), "cmdEditContent", this, 1260, 950);
    cmdDeleteContent = libraryButton(tr("&Delete"), "cmdDeleteContent", this, 2280, 950);
    lvFileContent = new TickList("lvFileContent", tr("Affirmations"), this);
    placeTwips(lvFileContent, 240, 1320, 3015, 4095);
}

void AffirmationList::connectSignals()
{
    connect(cmdAddContent, &QPushButton::clicked, this, &AffirmationList::cmdAddContent_Click);
    connect(cmdEditContent, &QPushButton::clicked, this, &AffirmationList::cmdEditContent_Click);
    connect(cmdDeleteContent, &QPushButton::clicked, this, &AffirmationList::cmdDeleteContent_Click);
    connect(lvFileContent, &QTreeWidget::itemClicked, this, &AffirmationList::lvFileContent_ItemClick);
    // Ticks the program sets are set with the list's signals blocked: only the user's arrive.
    connect(lvFileContent, &QTreeWidget::itemChanged, this, &AffirmationList::lvFileContent_ItemCheck);
    connect(txtAddFileContent, &QLineEdit::textEdited, this, &AffirmationList::txtAddFileContent_TextEdited);
    txtAddFileContent->installEventFilter(this);
}

bool AffirmationList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtAddFileContent && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->text() == QLatin1String("\"")) {
        m_platform.message(tr("Double quotes cannot be kept in an affirmation. Please use single quotes."),
            MessageIcon::Information);
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void AffirmationList::txtAddFileContent_TextEdited(const QString& text)
{
    if (text.contains(QLatin1Char('"'))) {
        const int cursor = txtAddFileContent->cursorPosition();
        // Pasted text may hold the double quotes typing cannot.
        txtAddFileContent->setText(withoutDoubleQuotes(text));
        txtAddFileContent->setCursorPosition(cursor);
    }
}

void AffirmationList::setFieldText(const QString& text)
{
    // The field would cut a longer text at its limit, and "&Edit" would then store the cut
    // text; laid out whole it would hold up the window. Such a text stays out of the field.
    const bool fits = text.size() <= txtAddFileContent->maxLength();
    txtAddFileContent->setText(fits ? text : QString());
    txtAddFileContent->setPlaceholderText(fits ? QString() : tr("Too long to show here"));
    txtAddFileContent->setToolTip(fits
            ? QString()
            : tr("This affirmation holds %1 characters, more than this field takes. "
                 "It is kept whole.")
                  .arg(text.size()));
}

QList<Row> AffirmationList::rows() const
{
    QList<Row> result;
    for (int i = 0; i < lvFileContent->topLevelItemCount(); ++i) {
        result.append({ lvFileContent->rowText(i), lvFileContent->isTicked(i) });
    }
    return result;
}

void AffirmationList::showCategory(const QString& name)
{
    m_category = name;
    lvFileContent->clear();
    QString error;
    const std::optional<QList<Row>> read = m_store.readRows(m_store.categoryPath(name), &m_encoding, &error);
    m_readable = read.has_value();
    if (!read) {
        setFieldText(QString());
        m_platform.message(
            tr("The affirmations of \"%1\" could not be read.").arg(name) + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
        return;
    }
    for (const Row& row : *read) {
        lvFileContent->appendRow(row.text, row.ticked);
    }
    if (lvFileContent->topLevelItemCount() == 0) {
        setFieldText(QString());
        // An empty category can always be given its first affirmation.
        cmdAddContent->setEnabled(true);
        return;
    }
    lvFileContent->setCurrentItem(lvFileContent->topLevelItem(0));
    lvFileContent_ItemClick();
}

void AffirmationList::clearCategory()
{
    m_category.clear();
    m_readable = false;
    lvFileContent->clear();
    setFieldText(QString());
}

bool AffirmationList::categoryWritable()
{
    if (m_category.isEmpty()) {
        m_platform.message(tr("Please create or select a category first."), MessageIcon::Information);
        return false;
    }
    if (!m_readable) {
        m_platform.message(
            tr("The affirmations of \"%1\" could not be read, so they are not changed.").arg(m_category),
            MessageIcon::Critical);
        return false;
    }
    return true;
}

bool AffirmationList::save()
{
    QString error;
    if (m_store.writeRows(m_store.categoryPath(m_category), rows(), &m_encoding, &error)) {
        return true;
    }
    m_platform.message(
        tr("The affirmations could not be saved, so the change was undone.") + QStringLiteral("\r\n") + error,
        MessageIcon::Critical);
    return false;
}

void AffirmationList::cmdAddContent_Click()
{
    if (cmdAddContent->text() == kAdd) {
        txtAddFileContent->setFocus();
        setFieldText(QString());
        cmdEditContent->setEnabled(false);
        cmdAddContent->setText(kUpdate);
        cmdDeleteContent->setEnabled(false);
        return;
    }
    // Composing goes on, text and all, until there is somewhere to put the affirmation.
    if (!categoryWritable()) {
        return;
    }
    if (lvFileContent->topLevelItemCount() >= CategoryStore::kMaxRows) {
        m_platform.message(tr("This category already holds %1 affirmations, the most it can hold.")
                               .arg(CategoryStore::kMaxRows),
            MessageIcon::Critical);
        return;
    }
    cmdEditContent->setEnabled(true);
    cmdAddContent->setText(kAdd);
    cmdDeleteContent->setEnabled(true);
    const bool wasEmpty = lvFileContent->topLevelItemCount() == 0;
    lvFileContent->appendRow(txtAddFileContent->text(), true);
    if (!save()) {
        delete lvFileContent->takeTopLevelItem(lvFileContent->topLevelItemCount() - 1);
        return;
    }
    if (wasEmpty) {
        lvFileContent->setCurrentItem(lvFileContent->topLevelItem(0));
    }
    setFieldText(QString());
}

void AffirmationList::cmdEditContent_Click()
{
    if (txtAddFileContent->text().isEmpty()) {
        m_platform.message(tr("Please Enter Text to edit"), MessageIcon::Critical);
        txtAddFileContent->setFocus();
        return;
    }
    QTreeWidgetItem* selected = lvFileContent->currentItem();
    if (!selected || !selected->isSelected() || !categoryWritable()) {
        return;
    }
    const QString before = TickList::textOf(selected);
    lvFileContent->setText(selected, txtAddFileContent->text());
    if (!save()) {
        lvFileContent->setText(selected, before);
        return;
    }
    setFieldText(QString());
}

void AffirmationList::cmdDeleteContent_Click()
{
    if (lvFileContent->topLevelItemCount() == 0) {
        m_platform.message(tr("There Is No Item To Delete"), MessageIcon::Critical);
        return;
    }
    QTreeWidgetItem* selected = lvFileContent->currentItem();
    if (!selected || !selected->isSelected() || !categoryWritable()) {
        return;
    }
    const int row = lvFileContent->indexOfTopLevelItem(selected);
    std::unique_ptr<QTreeWidgetItem> removed(lvFileContent->takeTopLevelItem(row));
    if (!save()) {
        const QSignalBlocker quiet(lvFileContent);
        lvFileContent->insertTopLevelItem(row, removed.release());
        return;
    }
    // Nothing stays selected: a second "&Delete" must not take the neighbour unasked.
    lvFileContent->clearSelection();
    lvFileContent->setCurrentItem(nullptr);
    setFieldText(QString());
    cmdEditContent->setEnabled(false);
    // With its last affirmation gone, nothing could be clicked to bring "&Add" back.
    cmdAddContent->setEnabled(lvFileContent->topLevelItemCount() == 0);
}

void AffirmationList::lvFileContent_ItemClick()
{
    cmdEditContent->setEnabled(true);
    cmdAddContent->setEnabled(true);
    const QTreeWidgetItem* selected = lvFileContent->currentItem();
    if (!selected) {
        return;
    }
    setFieldText(TickList::textOf(selected));
}

void AffirmationList::lvFileContent_ItemCheck(QTreeWidgetItem* item)
{
    if (categoryWritable() && save()) {
        return;
    }
    const QSignalBlocker quiet(lvFileContent);
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace vellumora
