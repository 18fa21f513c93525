#include "affirmations/AffirmationPanel.h"

#include "affirmations/AffirmationList.h"
#include "affirmations/LibraryLook.h"
#include "storage/QuotedFields.h"
#include "widgets/TickList.h"
#include "widgets/TwipsLayout.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace vellumora {

AffirmationPanel::AffirmationPanel(Platform& platform, AffirmationList& affirmations, QWidget* parent)
    : QGroupBox(tr("Affirmations"), parent)
    , m_platform(platform)
    , m_affirmations(affirmations)
{
    setObjectName(QStringLiteral("Frame5"));
    styleLibraryFrame(this);
    buildControls();
    connectSignals();
    showEditor();
}

void AffirmationPanel::buildControls()
{
    m_textField = new QLineEdit(this);
    m_textField->setObjectName(QStringLiteral("txtAddFileContent"));
    styleLibraryEntry(m_textField);
    m_textField->setAccessibleName(tr("Affirmation text"));
    // The button reads Update while an affirmation is written: it is fitted to both captions.
    m_addButton = libraryButton(tr("&Update"), "cmdAddContent", this, 950);
    m_addButton->setText(tr("&Add"));
    fitCaption(m_addButton);
    m_editButton = libraryButton(tr("&Edit"), "cmdEditContent", this, 950);
    m_deleteButton = libraryButton(tr("&Delete"), "cmdDeleteContent", this, 950);
    keepMnemonicInFrame(m_deleteButton, this);
    m_affirmationList = new TickList("lvFileContent", m_affirmations, this);
    m_affirmationList->setAccessibleName(tr("Affirmations"));
    layOutLibraryFrame(this, m_textField, { m_addButton, m_editButton, m_deleteButton }, m_affirmationList);
}

void AffirmationPanel::connectSignals()
{
    connect(m_addButton, &QPushButton::clicked, this, &AffirmationPanel::addAffirmation);
    connect(m_editButton, &QPushButton::clicked, this, &AffirmationPanel::editAffirmation);
    connect(m_deleteButton, &QPushButton::clicked, this, &AffirmationPanel::deleteAffirmation);
    connect(m_affirmationList, &TickList::rowClicked, &m_affirmations, &AffirmationList::choose);
    connect(&m_affirmations, &AffirmationList::tickRefused, this,
        [this](const Outcome& why) { why.report(m_platform); });
    connect(m_affirmationList, &TickList::selectionMoved, &m_affirmations, &AffirmationList::select);
    connect(&m_affirmations, &AffirmationList::selectedChanged, m_affirmationList, &TickList::selectRow);
    connect(&m_affirmations, &AffirmationList::editorChanged, this, &AffirmationPanel::showEditor);
    connect(&m_affirmations, &AffirmationList::fieldTextSet, this, &AffirmationPanel::setFieldText);
    connect(m_textField, &QLineEdit::textEdited, this, &AffirmationPanel::removeDoubleQuotes);
    // Enter stores what is being written: a new affirmation, or the chosen one changed.
    connect(m_textField, &QLineEdit::returnPressed, this, [this] {
        const bool composing = m_affirmations.editor() == AffirmationList::Editor::Composing;
        QPushButton* button = composing ? m_addButton : m_editButton;
        if (button->isEnabled()) {
            button->animateClick();
        }
    });
    m_textField->installEventFilter(this);
}

bool AffirmationPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_textField || event->type() != QEvent::KeyPress) {
        return QGroupBox::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->text() == QLatin1String("\"")) {
        m_platform.message(tr("Double quotes cannot be kept in an affirmation. Please use single quotes."),
            MessageIcon::Information);
        return true;
    }
    // Escape gives up the new affirmation and leaves the field.
    if (key->key() == Qt::Key_Escape && m_affirmations.editor() == AffirmationList::Editor::Composing) {
        m_affirmations.cancelComposing();
        m_addButton->setFocus();
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void AffirmationPanel::removeDoubleQuotes(const QString& text)
{
    if (text.contains(QLatin1Char('"'))) {
        const int cursor = m_textField->cursorPosition();
        // Pasted text may hold the double quotes typing cannot.
        m_textField->setText(withoutDoubleQuotes(text));
        m_textField->setCursorPosition(cursor);
    }
}

void AffirmationPanel::setFieldText(const QString& text)
{
    // The field would cut a longer text at its limit, and "&Edit" would then store the cut
    // text; laid out whole it would hold up the window. Such a text stays out of the field.
    const bool fits = text.size() <= m_textField->maxLength();
    m_textField->setText(fits ? text : QString());
    m_textField->setPlaceholderText(fits ? QString() : tr("Too long to show here"));
    m_textField->setToolTip(fits ? tr("Press Add, type the affirmation, then press Update to keep it.")
                                 : tr("This affirmation holds %1 characters, more than this field takes. "
                                      "It is kept whole.")
                                       .arg(QLocale().toString(text.size())));
}

void AffirmationPanel::showEditor()
{
    const bool composing = m_affirmations.editor() == AffirmationList::Editor::Composing;
    m_addButton->setText(composing ? tr("&Update") : tr("&Add"));
    m_addButton->setEnabled(m_affirmations.canAdd());
    m_editButton->setEnabled(m_affirmations.canEdit());
    m_deleteButton->setEnabled(m_affirmations.canDelete());
}

void AffirmationPanel::addAffirmation()
{
    const bool wasIdle = m_affirmations.editor() == AffirmationList::Editor::Idle;
    m_affirmations.pressAdd(m_textField->text()).report(m_platform);
    if (wasIdle) {
        m_textField->setFocus();
    }
}

void AffirmationPanel::editAffirmation()
{
    const QString text = m_textField->text();
    m_affirmations.editSelected(text).report(m_platform);
    if (text.isEmpty()) {
        m_textField->setFocus();
    }
}

void AffirmationPanel::deleteAffirmation()
{
    m_affirmations.removeSelected().report(m_platform);
}

} // namespace vellumora
