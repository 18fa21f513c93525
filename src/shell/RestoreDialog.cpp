#include "shell/RestoreDialog.h"

#include "library/Backup.h"
#include "library/Library.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

namespace vellumora {

namespace {

// Wide enough for its longest line, up to about ninety letters: a picture's name is read whole.
void fitLines(QListWidget* list)
{
    int widest = 0;
    for (int row = 0; row < list->count(); ++row) {
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->item(row)->text()));
    }
    const int chrome = 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()
        + 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    list->setMinimumWidth(std::min(widest + chrome, list->fontMetrics().averageCharWidth() * 90));
}

} // namespace

RestoreDialog::RestoreDialog(const RestorePlan& plan, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmRestore"));
    setWindowTitle(tr("Bring Back a Backup"));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(plan.intoEmptyLibrary()
            ? tr("The library is empty, so the backup comes back exactly as it was kept:")
            : tr("The backup is added to the library; nothing the library has is replaced:"),
        this);
    heading->setObjectName(QStringLiteral("lblRestoreHeading"));
    heading->setWordWrap(true);
    layout->addWidget(heading);
    m_changes = new QListWidget(this);
    m_changes->setObjectName(QStringLiteral("lstRestoreChanges"));
    m_changes->setSelectionMode(QAbstractItemView::NoSelection);
    for (const RestoreChange& change : plan.changes()) {
        m_changes->addItem(change.text());
    }
    if (plan.changes().isEmpty()) {
        m_changes->addItem(tr("The library has everything this backup holds."));
    }
    fitLines(m_changes);
    layout->addWidget(m_changes);
    if (!plan.leftOut().isEmpty()) {
        auto* leftOut = new QListWidget(this);
        leftOut->setObjectName(QStringLiteral("lstRestoreLeftOut"));
        leftOut->setSelectionMode(QAbstractItemView::NoSelection);
        for (const LeftOutEntry& entry : plan.leftOut()) {
            leftOut->addItem(entry.text());
        }
        fitLines(leftOut);
        layout->addWidget(leftOut);
    }
    m_settingsBox = new QCheckBox(tr("Also bring back the settings"), this);
    m_settingsBox->setObjectName(QStringLiteral("chkRestoreSettings"));
    m_settingsBox->setEnabled(plan.hasSettings());
    m_settingsBox->setChecked(plan.hasSettings() && plan.intoEmptyLibrary());
    layout->addWidget(m_settingsBox);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("cmdRestoreButtons"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdRestoreOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdRestoreCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &RestoreDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &RestoreDialog::reject);
    layout->addWidget(buttons);
}

bool RestoreDialog::withSettings() const
{
    return m_settingsBox->isChecked();
}

namespace {

// The open-file dialog shows the label alone, the save-file dialog adds the pattern to it.
QList<FileFilter> backupFilter(const QString& label)
{
    return { { label, QStringLiteral("*.zip") } };
}

} // namespace

void backUpLibrary(Platform& platform, Library& library)
{
    const QString target = platform.saveFileName(
        { RestoreDialog::tr("Back Up My Vision Board"), backupFilter(RestoreDialog::tr("Vellumora Backups")),
            QDir::home().filePath(Backup::suggestedName(platform.now().date())) });
    if (target.isEmpty()) {
        return;
    }
    WorkProgress progress;
    const QList<SettingValue> settings = platform.allSettings();
    const QString folder = library.folder();
    // Cancelled, it tells nothing: the user knows.
    Outcome outcome = runLong(platform, RestoreDialog::tr("Backing up your library..."), progress,
        [&] { return Backup::write(folder, settings, target, &progress); });
    if (outcome) {
        outcome.tell(
            RestoreDialog::tr("The library was backed up in \"%1\".").arg(target), MessageIcon::Information);
    }
    outcome.report(platform);
}

void bringBackBackup(Platform& platform, Library& library, QWidget* parent)
{
    OpenFileRequest request { RestoreDialog::tr("Bring Back a Backup"),
        backupFilter(RestoreDialog::tr("Vellumora Backups (*.zip)")), 0, QDir::homePath() };
    const QString archive = platform.openFileName(request);
    if (archive.isEmpty()) {
        return;
    }
    WorkProgress reading;
    const QString folder = library.folder();
    const RestorePlan plan = runLong(platform, RestoreDialog::tr("Reading the backup..."), reading,
        [&] { return RestorePlan::make(archive, folder, {}, &reading); });
    if (plan.refusal() == RestoreRefusal::Cancelled) {
        return;
    }
    if (plan.refusal() != RestoreRefusal::None) {
        platform.message(plan.refusalText(), MessageIcon::Critical);
        return;
    }
    RestoreDialog dialog(plan, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    Outcome outcome;
    {
        const Library::Hold hold(library);
        WorkProgress writing;
        outcome = runLong(platform, RestoreDialog::tr("Bringing back the backup..."), writing,
            [&] { return plan.apply(platform, false, &writing); });
        if (outcome && dialog.withSettings()) {
            outcome.add(plan.applySettings(platform));
        }
        // What was written shows even when the restore was cut short.
        outcome.add(library.load());
    }
    if (outcome) {
        QStringList leftOut;
        for (const LeftOutEntry& entry : plan.leftOut()) {
            leftOut.append(entry.text());
        }
        outcome.tell(leftOut.isEmpty()
                ? RestoreDialog::tr("The backup was brought back.")
                : RestoreDialog::tr("The backup was brought back, all but what was left out:\n%1")
                      .arg(leftOut.join(QLatin1Char('\n'))),
            MessageIcon::Information);
    }
    outcome.report(platform);
}

} // namespace vellumora
