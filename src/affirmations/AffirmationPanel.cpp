#include "affirmations/AffirmationPanel.h"

#include "affirmations/AffirmationList.h"
#include "affirmations/LibraryLook.h"
#include "storage/QuotedFields.h"
#include "voice/RecordingSession.h"
#include "voice/Voice.h"
#include "widgets/TickList.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPushButton>

namespace vellumora {

namespace {

// A speaker with its sound waves, drawn so that it shows on every desktop theme.
QIcon recordingMark(const QColor& colour)
{
    QIcon mark;
    for (const int side : { 16, 32 }) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / 16.0, side / 16.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({ { 1, 6 }, { 4, 6 }, { 8, 2 }, { 8, 14 }, { 4, 10 }, { 1, 10 } }));
        painter.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(6, 5, 5, 6), -60 * 16, 120 * 16);
        painter.drawArc(QRectF(5, 2.5, 9, 11), -60 * 16, 120 * 16);
        painter.end();
        mark.addPixmap(pixmap);
    }
    return mark;
}

} // namespace

AffirmationPanel::AffirmationPanel(
    Platform& platform, AffirmationList& affirmations, Voice& voice, QWidget* parent)
    : QGroupBox(tr("Affirmations"), parent)
    , m_platform(platform)
    , m_affirmations(affirmations)
    , m_voice(voice)
    , m_recording(new RecordingSession(platform, affirmations.recordings(), this))
{
    setObjectName(QStringLiteral("Frame5"));
    styleLibraryFrame(this);
    buildControls();
    buildRecordingControls();
    connectSignals();
    showEditor();
    showRecording();
    showHint();
}

void AffirmationPanel::showHint()
{
    // An empty category says how to fill it; without one, or unread, there is nothing to add to.
    m_affirmationList->setPlaceholderText(m_affirmations.categoryRead()
            ? tr("No affirmations here yet: type one in the field above and click Add.")
            : QString());
}

void AffirmationPanel::buildControls()
{
    m_textField = new QLineEdit(this);
    m_textField->setObjectName(QStringLiteral("txtAddFileContent"));
    styleLibraryEntry(m_textField);
    m_textField->setAccessibleName(tr("Affirmation text"));
    // An import passes over longer lines by the same limit.
    m_textField->setMaxLength(CategoryStore::kMaxTextLength);
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

void AffirmationPanel::buildRecordingControls()
{
    m_affirmations.setRecordingMark(recordingMark(m_affirmationList->palette().color(QPalette::Text)));
    // Fitted to both captions, as the add button is.
    m_recordButton = libraryButton(tr("Sto&p"), "cmdRecord", this, 950);
    m_recordButton->setText(tr("&Record"));
    fitCaption(m_recordButton);
    m_recordButton->setToolTip(tr("Record yourself saying the chosen affirmation, for up to a minute."));
    m_listenButton = libraryButton(tr("Liste&n"), "cmdListen", this, 950);
    m_listenButton->setToolTip(tr("Hear the chosen affirmation's recording."));
    m_moreButton = libraryButton(tr("More"), "cmdRecordingMore", this, 950);
    m_moreButton->setAccessibleName(tr("More for recordings"));
    auto* menu = new QMenu(m_moreButton);
    menu->setObjectName(QStringLiteral("mnuRecording"));
    m_importAction = menu->addAction(tr("Import Recording..."), this, &AffirmationPanel::importRecording);
    m_importAction->setObjectName(QStringLiteral("mnuImportRecording"));
    m_removeAction = menu->addAction(tr("Remove Recording"), this, &AffirmationPanel::removeRecording);
    m_removeAction->setObjectName(QStringLiteral("mnuRemoveRecording"));
    m_moreButton->setMenu(menu);
    auto* rows = static_cast<QVBoxLayout*>(layout());
    addGapTwips(rows, 105);
    addButtonRow(rows, { m_recordButton, m_listenButton, m_moreButton });
    // The list gives up the room the row takes.
    preferTwips(m_affirmationList, kLibraryFieldWidthTwips, 4095 - 480);
}

void AffirmationPanel::connectSignals()
{
    connect(m_recordButton, &QPushButton::clicked, this, &AffirmationPanel::record);
    connect(m_listenButton, &QPushButton::clicked, this, &AffirmationPanel::listen);
    connect(m_recording, &RecordingSession::stateChanged, this, &AffirmationPanel::showRecording);
    connect(m_recording, &RecordingSession::done, this, [this](const Outcome& outcome) {
        m_affirmations.refreshRecordings();
        outcome.report(m_platform);
    });
    connect(&m_affirmations, &AffirmationList::selectedChanged, this, &AffirmationPanel::showRecording);
    connect(&m_affirmations, &QAbstractItemModel::dataChanged, this, &AffirmationPanel::showRecording);
    connect(&m_affirmations, &QAbstractItemModel::modelReset, this, &AffirmationPanel::showRecording);
    connect(&m_affirmations, &QAbstractItemModel::modelReset, this, &AffirmationPanel::showHint);
    connect(&m_voice, &Voice::unplayable, this,
        [this](const QString& reason) { m_platform.message(reason, MessageIcon::Information); });
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

void AffirmationPanel::showEvent(QShowEvent* event)
{
    // Recordings may have been removed or added by hand meanwhile.
    m_affirmations.refreshRecordings();
    QGroupBox::showEvent(event);
}

void AffirmationPanel::showRecording()
{
    const int chosen = m_affirmations.selected();
    const bool recording = m_recording->state() != RecordingSession::State::Idle;
    const bool recorded = m_affirmations.hasRecording(chosen);
    m_recordButton->setText(recording ? tr("Sto&p") : tr("&Record"));
    // Stop is there at once, though the microphone may take seconds to open.
    m_recordButton->setEnabled(recording || chosen >= 0);
    m_listenButton->setEnabled(!recording && recorded);
    m_moreButton->setEnabled(!recording && chosen >= 0);
    m_removeAction->setEnabled(recorded);
}

bool AffirmationPanel::mayReplaceRecording()
{
    return !m_affirmations.hasRecording(m_affirmations.selected())
        || m_platform.message(
               tr("This affirmation already has a recording. Replace it? The one it has goes to "
                  "the Trash."),
               MessageIcon::Information, MessageButtons::YesNo)
        == MessageAnswer::Yes;
}

void AffirmationPanel::record()
{
    if (m_recording->state() != RecordingSession::State::Idle) {
        m_recording->stop();
        return;
    }
    const int chosen = m_affirmations.selected();
    if (chosen < 0 || !mayReplaceRecording()) {
        return;
    }
    m_voice.stop();
    m_recording->start({ m_affirmations.category(), m_affirmations.rows().at(chosen).text })
        .report(m_platform);
}

void AffirmationPanel::listen()
{
    const int chosen = m_affirmations.selected();
    if (chosen < 0) {
        return;
    }
    if (m_voice.speaking() != Voice::Source::None) {
        m_voice.stop();
        return;
    }
    if (m_voice.listen({ m_affirmations.category(), m_affirmations.rows().at(chosen).text })
        == Voice::Source::None) {
        m_affirmations.refreshRecordings();
        m_platform.message(tr("This affirmation has no recording any more."), MessageIcon::Information);
    }
}

void AffirmationPanel::importRecording()
{
    const int chosen = m_affirmations.selected();
    if (chosen < 0 || !mayReplaceRecording()) {
        return;
    }
    const QString file = m_platform.openFileName({ tr("Import Recording"),
        { { tr("Recordings"), QStringLiteral("*.mp3;*.wav;*.ogg;*.oga;*.opus;*.flac") } }, 0,
        m_platform.musicFolder() });
    if (file.isEmpty()) {
        return;
    }
    m_voice.stop();
    m_affirmations.recordings()
        .import(file, m_affirmations.category(), m_affirmations.rows().at(chosen).text)
        .report(m_platform);
    m_affirmations.refreshRecordings();
}

void AffirmationPanel::removeRecording()
{
    m_voice.stop();
    m_affirmations.removeRecording().report(m_platform);
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
