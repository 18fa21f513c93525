#include "affirmations/AffirmationLibraryPanel.h"

#include "affirmations/AffirmationImport.h"
#include "affirmations/AffirmationList.h"
#include "affirmations/AffirmationPanel.h"
#include "affirmations/CategoryPanel.h"
#include "widgets/TickList.h"
#include "widgets/TwipsLayout.h"

#include <QAction>
#include <QBoxLayout>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QProgressDialog>

namespace vellumora {

AffirmationLibraryPanel::AffirmationLibraryPanel(Platform& platform, CategoryIndex& categories,
    AffirmationList& affirmations, Voice& voice, QWidget* parent)
    : QGroupBox(tr("Affirmation Library"), parent)
    , m_platform(platform)
    , m_categories(categories)
    , m_affirmations(affirmations)
{
    setObjectName(QStringLiteral("fraAffirmationLibrary"));
    // Made left to right, so Tab goes in reading order.
    QHBoxLayout* frames = rowInTwips(this, 240, 360, 240, 240);
    auto* categoryFrame = new CategoryPanel(platform, categories, this);
    preferTwips(categoryFrame, 3495, 5535);
    frames->addWidget(categoryFrame, 1);
    addGapTwips(frames, 105);
    auto* affirmationFrame = new AffirmationPanel(platform, affirmations, voice, this);
    preferTwips(affirmationFrame, 3495, 5535);
    frames->addWidget(affirmationFrame, 1);

    m_importAction = new QAction(tr("&Import Affirmations..."), this);
    m_importAction->setObjectName(QStringLiteral("mnuImportAffirmations"));
    m_importAction->setToolTip(tr("Add the affirmations of a text file, one on each line."));
    connect(m_importAction, &QAction::triggered, this, &AffirmationLibraryPanel::importAffirmations);
    m_exportAction = new QAction(tr("&Export Affirmations..."), this);
    m_exportAction->setObjectName(QStringLiteral("mnuExportAffirmations"));
    m_exportAction->setToolTip(tr("Write the chosen category's affirmations to a text file."));
    connect(m_exportAction, &QAction::triggered, this, &AffirmationLibraryPanel::exportAffirmations);
    for (TickList* list : { categoryFrame->list(), affirmationFrame->list() }) {
        list->setContextMenuPolicy(Qt::ActionsContextMenu);
        list->addActions(fileActions());
    }
    m_dropArea = affirmationFrame->list()->viewport();
    m_dropArea->setAcceptDrops(true);
    m_dropArea->installEventFilter(this);
    connect(
        &m_affirmations, &QAbstractItemModel::modelReset, this, &AffirmationLibraryPanel::showAvailability);
    showAvailability();
}

QList<QAction*> AffirmationLibraryPanel::fileActions() const
{
    return { m_importAction, m_exportAction };
}

void AffirmationLibraryPanel::showAvailability()
{
    m_exportAction->setEnabled(!m_affirmations.category().isEmpty());
}

bool AffirmationLibraryPanel::holdsTextFiles(const QMimeData* data)
{
    const QList<QUrl> urls = data ? data->urls() : QList<QUrl>();
    return !urls.isEmpty() && std::ranges::all_of(urls, [](const QUrl& url) {
        return url.isLocalFile() && url.toLocalFile().endsWith(QLatin1String(".txt"), Qt::CaseInsensitive);
    });
}

bool AffirmationLibraryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_dropArea) {
        return QGroupBox::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        // Refused, the drag shows that it cannot drop here.
        drag->setAccepted(holdsTextFiles(drag->mimeData()));
        if (drag->isAccepted()) {
            drag->acceptProposedAction();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!holdsTextFiles(drop->mimeData())) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        importDropped(drop->mimeData());
        return true;
    }
    default:
        return QGroupBox::eventFilter(watched, event);
    }
}

void AffirmationLibraryPanel::importDropped(const QMimeData* data)
{
    if (!holdsTextFiles(data)) {
        return;
    }
    for (const QUrl& url : data->urls()) {
        importFile(url.toLocalFile(), false);
    }
}

void AffirmationLibraryPanel::importAffirmations()
{
    const QString path = m_platform.openFileName({ tr("Import Affirmations"),
        { { tr("Text Files"), QStringLiteral("*.txt") }, { tr("All Files"), QStringLiteral("*") } }, 0,
        QDir::homePath() });
    if (!path.isEmpty()) {
        importFile(path, true);
    }
}

void AffirmationLibraryPanel::importFile(const QString& path, bool askWhere)
{
    QByteArray bytes;
    if (!AffirmationImport::readFile(path, bytes).report(m_platform)) {
        return;
    }
    const QString chosen = m_affirmations.category();
    auto into
        = chosen.isEmpty() ? AffirmationImport::Into::NewCategory : AffirmationImport::Into::ChosenCategory;
    if (askWhere && !chosen.isEmpty()
        && m_platform.message(tr("Add the affirmations of \"%1\" to the category \"%2\"? No puts them into a "
                                 "new category named after the file.")
                                  .arg(QFileInfo(path).fileName(), chosen),
               MessageIcon::Information, MessageButtons::YesNo)
            == MessageAnswer::No) {
        into = AffirmationImport::Into::NewCategory;
    }
    // A long file may take a while; the dialog shows itself only then.
    QProgressDialog progress(tr("Reading the affirmations..."), QString(), 0, 1000, this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setCancelButton(nullptr);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    const Outcome imported = AffirmationImport::add(path, bytes, into, m_categories, m_affirmations,
        [&progress](int permille) { progress.setValue(permille); });
    progress.reset();
    imported.report(m_platform);
}

void AffirmationLibraryPanel::exportAffirmations()
{
    const QString category = m_affirmations.category();
    if (category.isEmpty()) {
        return;
    }
    const QString path = m_platform.saveFileName({ tr("Export Affirmations"),
        { { tr("Text Files"), QStringLiteral("*.txt") }, { tr("All Files"), QStringLiteral("*") } },
        QDir::home().filePath(category + QStringLiteral(".txt")) });
    if (!path.isEmpty()) {
        AffirmationImport::exportTo(path, m_affirmations.rows()).report(m_platform);
    }
}

} // namespace vellumora
