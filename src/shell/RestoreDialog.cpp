#include "shell/RestoreDialog.h"

#include "library/BackupJobs.h"
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
        auto* leftOutHeading = new QLabel(tr("These are not brought back, and why:"), this);
        leftOutHeading->setObjectName(QStringLiteral("lblRestoreLeftOut"));
        layout->addWidget(leftOutHeading);
        auto* leftOut = new QListWidget(this);
        leftOut->setObjectName(QStringLiteral("lstRestoreLeftOut"));
        leftOut->setSelectionMode(QAbstractItemView::NoSelection);
        // A recording's path and the reason make a long line: it wraps, so the reason is read.
        leftOut->setWordWrap(true);
        leftOut->setResizeMode(QListView::Adjust);
        leftOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    if (!target.isEmpty()) {
        BackupJob::run(platform, library, target).report(platform);
    }
}

void bringBackBackup(Platform& platform, Library& library, QWidget* parent)
{
    OpenFileRequest request { RestoreDialog::tr("Bring Back a Backup"),
        backupFilter(RestoreDialog::tr("Vellumora Backups (*.zip)")), 0, QDir::homePath() };
    const QString archive = platform.openFileName(request);
    if (archive.isEmpty()) {
        return;
    }
    RestoreJob job(platform, library);
    if (!job.read(archive).report(platform)) {
        return;
    }
    RestoreDialog dialog(job.plan(), parent);
    if (dialog.exec() == QDialog::Accepted) {
        job.bringBack(dialog.withSettings()).report(platform);
    }
}

} // namespace vellumora
