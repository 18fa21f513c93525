#include "images/ImageLibraryPanel.h"

#include "images/PictureDecoder.h"
#include "images/PictureLibrary.h"
#include "images/ThumbnailStrip.h"
#include "platform/LongWork.h"
#include "platform/Platform.h"
#include "widgets/Look.h"
#include "widgets/RowList.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QWheelEvent>

namespace vellumora {

namespace {

constexpr int kHolderHeightTwips = 5580;
// The strip scrolls until its bottom is this far above the holder's bottom.
constexpr int kScrollSlack = 17;
// With fewer pictures the strip fits its holder.
constexpr int kScrolledFrom = 4;

// Where the dialogs open the first time: the user's Pictures folder, or without one their home,
// which the file dialog would otherwise open with "Pictures" typed in as a file's name.
QString picturesFolder()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return QFileInfo(pictures).isDir() ? pictures : QDir::homePath();
}

QPushButton* pictureButton(const QString& caption, const char* name, QWidget* parent)
{
    QPushButton* button = designButton(caption, name, parent, 2535, 480);
    button->setFont(verdana(8.25, true));
    return button;
}

} // namespace

ImageLibraryPanel::ImageLibraryPanel(
    Platform& platform, PictureLibrary& pictures, PictureLoader& loader, QWidget* parent)
    : QGroupBox(tr("Image Library"), parent)
    , m_platform(platform)
    , m_pictures(pictures)
    , m_pictureDialog(platform, picturesFolder())
    , m_folderStart(picturesFolder())
{
    setObjectName(QStringLiteral("fraImageLibrary"));
    buildControls();
    m_strip = new ThumbnailStrip(loader, m_stripHolder);
    m_strip->setAccessibleName(tr("Thumbnails"));
    setColour(m_strip, QPalette::Window, kLightBlue);
    m_strip->setGeometry(0, 0, twipsToPixels(1965), 0);
    m_strip->setPlaceholderText(tr("No pictures yet: click Add Picture, or drop picture files here."));
    m_scrollBar->raise();
    // The wheel and the touchpad scroll the strip through its scroll bar.
    m_stripHolder->installEventFilter(this);
    m_strip->installEventFilter(this);
    // Files dropped from a file manager are added as "<< Add Picture" adds one.
    setAcceptDrops(true);
    connectSignals();
    rebuildThumbnails();
}

void ImageLibraryPanel::buildControls()
{
    QHBoxLayout* columns = rowInTwips(this, 240, 360, 240, 175);
    m_stripHolder = new QWidget(this);
    m_stripHolder->setObjectName(QStringLiteral("picHolder"));
    setColour(m_stripHolder, QPalette::Window, kLightBlue);
    // The strip's pictures are of a fixed size, so the holder keeps its width; a taller window
    // shows more of them.
    m_stripHolder->setFixedWidth(twipsToPixels(2325));
    m_stripHolder->setMinimumHeight(twipsToPixels(kHolderHeightTwips));
    columns->addWidget(m_stripHolder);
    addGapTwips(columns, 75);

    m_scrollBar = new QScrollBar(Qt::Vertical, m_stripHolder);
    m_scrollBar->setObjectName(QStringLiteral("ScrollBar1"));
    m_scrollBar->setAccessibleName(tr("Scroll the thumbnails"));
    m_scrollBar->setRange(0, 0);
    m_scrollBar->setPageStep(kHolderHeightTwips);
    m_scrollBar->hide();

    m_pictureList = new RowList(m_pictures, this);
    // The panel's focus, when the window opens on it.
    setFocusProxy(m_pictureList);
    m_pictureList->setObjectName(QStringLiteral("lvwDisplay"));
    m_pictureList->setAccessibleName(tr("Pictures"));
    setColour(m_pictureList, QPalette::Base, kLightBlue);
    // As high as the strip's holder beside it, and as wide as the panel leaves.
    preferTwips(m_pictureList, 1995, kHolderHeightTwips);
    columns->addWidget(m_pictureList, 1);
    addGapTwips(columns, 165);

    m_buttonsAndOptions = column();
    columns->addLayout(m_buttonsAndOptions);
    m_deleteButton = pictureButton(tr("<< &Delete Picture"), "cmdDeletePicture", this);
    m_buttonsAndOptions->addWidget(m_deleteButton);
    addGapTwips(m_buttonsAndOptions, 60);
    m_addButton = pictureButton(tr("<< &Add Picture"), "cmdAddPicture", this);
    m_buttonsAndOptions->addWidget(m_addButton);
    addGapTwips(m_buttonsAndOptions, 10);
    m_buttonsAndOptions->addStretch();
}

void ImageLibraryPanel::addBelowButtons(QWidget* options)
{
    m_buttonsAndOptions->insertWidget(m_buttonsAndOptions->count() - 1, options);
}

void ImageLibraryPanel::connectSignals()
{
    connect(m_addButton, &QPushButton::clicked, this, &ImageLibraryPanel::addPicture);
    connect(m_deleteButton, &QPushButton::clicked, this, &ImageLibraryPanel::deletePicture);
    // Tracking is on, so dragging the thumb moves the strip as it goes.
    connect(m_scrollBar, &QScrollBar::valueChanged, m_strip, &ThumbnailStrip::scrollTo);
    connect(&m_pictures, &PictureLibrary::modelReset, this, &ImageLibraryPanel::rebuildThumbnails);
    connect(&m_pictures, &PictureLibrary::picturesRewritten, m_strip, &ThumbnailStrip::forget);
    // A list read again keeps its selection where the picture is still listed.
    connect(&m_pictures, &PictureLibrary::modelAboutToBeReset, this, [this] {
        const QModelIndexList selected = m_pictureList->selectionModel()->selectedRows();
        m_selectedName = selected.isEmpty() ? QString() : selected.constFirst().data().toString();
    });
    connect(&m_pictures, &PictureLibrary::modelReset, this, [this] {
        const QModelIndexList found = m_pictures.match(m_pictures.index(0), Qt::DisplayRole, m_selectedName,
            1, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (!m_selectedName.isEmpty() && !found.isEmpty()) {
            m_pictureList->setCurrentIndex(found.constFirst());
        }
    });
    connect(&m_pictures, &PictureLibrary::rowsInserted, this, &ImageLibraryPanel::rebuildThumbnails);
    connect(&m_pictures, &PictureLibrary::rowsRemoved, this, &ImageLibraryPanel::rebuildThumbnails);
}

bool ImageLibraryPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == m_stripHolder) {
        fitScrollBar();
    }
    if (event->type() == QEvent::Wheel && (watched == m_strip || watched == m_stripHolder)) {
        if (m_scrollBar->isEnabled()) {
            // A notch is 120; a touchpad sends parts of one, which add up.
            m_wheelAngle += static_cast<QWheelEvent*>(event)->angleDelta().y();
            const int notches = m_wheelAngle / 120;
            m_wheelAngle -= notches * 120;
            m_scrollBar->setValue(m_scrollBar->value() - notches * m_scrollBar->singleStep());
        }
        return true;
    }
    return QGroupBox::eventFilter(watched, event);
}

void ImageLibraryPanel::scrollToTop()
{
    m_scrollBar->setValue(0);
}

void ImageLibraryPanel::addPicture()
{
    if (!m_pictures.changeable().report(m_platform)) {
        return;
    }
    // Every kind the program reads first, then each common kind of its own.
    const QStringList chosen = m_pictureDialog.chooseFiles(tr("Add Pictures"),
        tr("All Pictures") + QLatin1Char('|') + PictureDecoder::readablePatterns().join(QLatin1Char(';'))
            + QLatin1Char('|')
            //: The names of the file types before each |; the patterns after it stay as they are.
            + tr("BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg|"
                 "PNG File (*.png)|*.png|WebP File (*.webp)|*.webp|TIFF File (*.tif, *.tiff)|*.tif;*.tiff|"
                 "GIF File (*.gif)|*.gif"),
        1);
    // One picture is told of as the single Add always told of it.
    if (chosen.size() == 1) {
        m_pictures.add(chosen.constFirst()).report(m_platform);
    } else {
        addFiles(chosen);
    }
}

namespace {

QStringList localFiles(const QMimeData* data)
{
    QStringList files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.append(url.toLocalFile());
        }
    }
    return files;
}

} // namespace

void ImageLibraryPanel::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFiles(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void ImageLibraryPanel::dropEvent(QDropEvent* event)
{
    const QStringList files = localFiles(event->mimeData());
    if (files.isEmpty() || LongWork::running()) {
        return;
    }
    event->acceptProposedAction();
    // After the drop: the program the files came from waits for it to end.
    QMetaObject::invokeMethod(
        this,
        [this, files] {
            if (!LongWork::running() && m_pictures.changeable().report(m_platform)) {
                addFiles(files);
            }
        },
        Qt::QueuedConnection);
}

void ImageLibraryPanel::addFolder()
{
    if (!m_pictures.changeable().report(m_platform)) {
        return;
    }
    const QString folder = m_platform.openFolderName(tr("Add Folder"), m_folderStart);
    if (folder.isEmpty()) {
        return;
    }
    m_folderStart = folder;
    QStringList files;
    const QDir dir(folder);
    for (const QString& name :
        dir.entryList(PictureDecoder::readablePatterns(), QDir::Files, QDir::Name | QDir::LocaleAware)) {
        files.append(dir.filePath(name));
    }
    if (files.isEmpty()) {
        m_platform.message(tr("The folder \"%1\" holds no picture Vellumora can read, so nothing was added.")
                               .arg(QDir::toNativeSeparators(folder)),
            MessageIcon::Information);
        return;
    }
    addFiles(files);
}

void ImageLibraryPanel::addFiles(const QStringList& files)
{
    m_pictures.addMany(m_platform, files).report(m_platform);
}

void ImageLibraryPanel::deletePicture()
{
    const QModelIndexList selected = m_pictureList->selectionModel()->selectedRows();
    if (!selected.isEmpty() && m_pictures.remove(selected.constFirst().row()).report(m_platform)) {
        // Nothing stays selected, so a second press cannot delete the neighbour unasked.
        m_pictureList->clearSelection();
    }
}

void ImageLibraryPanel::rebuildThumbnails()
{
    const int count = m_pictures.count();
    m_strip->setPictures(m_pictures.paths());
    m_strip->resize(m_strip->width(), count * ThumbnailStrip::kPitch);
    m_deleteButton->setEnabled(count > 0);
    fitScrollBar();
}

void ImageLibraryPanel::fitScrollBar()
{
    const int count = m_pictures.count();
    // Empty, the strip fills its holder to say how to add a picture.
    if (count == 0) {
        m_strip->resize(m_strip->width(), m_stripHolder->height());
    }
    m_scrollBar->setGeometry(twipsToPixels(1920), 0, twipsToPixels(375), m_stripHolder->height() - 3);
    const int maximum = m_strip->height() - m_stripHolder->height() + kScrollSlack;
    // A holder taller than designed may show every picture.
    if (count >= kScrolledFrom && maximum > 0) {
        m_scrollBar->show();
        m_scrollBar->setEnabled(true);
        m_scrollBar->setMaximum(maximum);
        m_scrollBar->setPageStep(maximum);
        m_scrollBar->setSingleStep(40);
    } else {
        m_scrollBar->setEnabled(false);
        m_scrollBar->hide();
        // Without a bar the strip could not be scrolled back into view.
        m_scrollBar->setValue(0);
    }
}

} // namespace vellumora
