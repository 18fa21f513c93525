#include "images/ImageLibraryPanel.h"

#include "images/ThumbnailStrip.h"
#include "platform/CommonDialog.h"
#include "platform/Look.h"
#include "platform/Platform.h"
#include "platform/Twips.h"

#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>

namespace vellumora {

namespace {

constexpr int kHolderHeightTwips = 5580;
// The strip scrolls until its bottom is this far above the holder's bottom.
constexpr int kScrollSlack = 17;

QPushButton* pictureButton(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(verdana(8.25, true));
    return button;
}

} // namespace

ImageLibraryPanel::ImageLibraryPanel(
    Platform& platform, CommonDialog& CDImage, PictureLoader& loader, QWidget* parent)
    : QGroupBox(tr("Image Library"), parent)
    , m_platform(platform)
    , m_CDImage(CDImage)
    , m_store(platform.applicationFolder())
{
    setObjectName(QStringLiteral("fraImageLibrary"));
    buildControls();
    picScrollForm = new ThumbnailStrip(loader, picHolder);
    setColour(picScrollForm, QPalette::Window, kLightBlue);
    picScrollForm->setGeometry(0, 0, twipsToPixels(1965), 0);
    ScrollBar1->raise();
    connectSignals();
}

void ImageLibraryPanel::buildControls()
{
    picHolder = new QWidget(this);
    picHolder->setObjectName(QStringLiteral("picHolder"));
    setColour(picHolder, QPalette::Window, kLightBlue);
    placeTwips(picHolder, 240, 360, 2325, kHolderHeightTwips);

    ScrollBar1 = new QScrollBar(Qt::Vertical, picHolder);
    ScrollBar1->setObjectName(QStringLiteral("ScrollBar1"));
    placeTwips(ScrollBar1, 1920, 0, 375, 5535);
    ScrollBar1->setMinimum(0);

    lvwDisplay = new QTreeWidget(this);
    lvwDisplay->setObjectName(QStringLiteral("lvwDisplay"));
    lvwDisplay->setColumnCount(1);
    lvwDisplay->setHeaderLabels({ tr("Text") });
    lvwDisplay->setRootIsDecorated(false);
    lvwDisplay->setUniformRowHeights(true);
    lvwDisplay->setSelectionMode(QAbstractItemView::SingleSelection);
    // The texts are the stored file names: editing one in place would break the library.
    lvwDisplay->setEditTriggers(QAbstractItemView::NoEditTriggers);
    setColour(lvwDisplay, QPalette::Base, kLightBlue);
    placeTwips(lvwDisplay, 2640, 360, 1995, 5565);

    cmdDeletePicture = pictureButton(tr("<< &Delete Picture"), "cmdDeletePicture", this);
    placeTwips(cmdDeletePicture, 4800, 360, 2535, 480);
    cmdAddPicture = pictureButton(tr("<< &Add Picture"), "cmdAddPicture", this);
    placeTwips(cmdAddPicture, 4800, 900, 2535, 480);
}

void ImageLibraryPanel::connectSignals()
{
    connect(cmdAddPicture, &QPushButton::clicked, this, &ImageLibraryPanel::cmdAddPicture_Click);
    connect(cmdDeletePicture, &QPushButton::clicked, this, &ImageLibraryPanel::cmdDeletePicture_Click);
    // Tracking is on, so dragging the thumb moves the strip as it goes.
    connect(ScrollBar1, &QScrollBar::valueChanged, this, &ImageLibraryPanel::ScrollBar1_Change);
}

void ImageLibraryPanel::resetScrollBar()
{
    ScrollBar1->setMaximum(0);
    ScrollBar1->setPageStep(kHolderHeightTwips);
    ScrollBar1->hide();
}

void ImageLibraryPanel::scrollToTop()
{
    ScrollBar1->setValue(0);
}

NativePath ImageLibraryPanel::picturePath(int k) const
{
    if (k < 1 || k > lvwDisplay->topLevelItemCount()) {
        return {};
    }
    return m_store.pathOf(lvwDisplay->topLevelItem(k - 1)->text(0));
}

QImage ImageLibraryPanel::thumbnail(int k) const
{
    return picScrollForm->thumbnail(k);
}

QStringList ImageLibraryPanel::listedNames() const
{
    QStringList names;
    names.reserve(lvwDisplay->topLevelItemCount());
    for (int i = 0; i < lvwDisplay->topLevelItemCount(); ++i) {
        names.append(lvwDisplay->topLevelItem(i)->text(0));
    }
    return names;
}

void ImageLibraryPanel::appendEntry(const QString& name)
{
    lvwDisplay->addTopLevelItem(new QTreeWidgetItem(QStringList { name }));
}

void ImageLibraryPanel::LoadImageLibrary()
{
    QString error;
    const std::optional<QStringList> names = m_store.readRecord(&error);
    m_recordReadable = names.has_value();
    if (!names) {
        m_platform.message(tr("The picture list could not be read, so the library is shown empty and the "
                              "picture list is left as it is.")
                + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
    }
    const QStringList listed = names.value_or(QStringList());
    QList<QTreeWidgetItem*> items;
    items.reserve(listed.size());
    for (const QString& name : listed) {
        items.append(new QTreeWidgetItem(QStringList { name }));
    }
    lvwDisplay->addTopLevelItems(items);
    RebuildThumbnails();
}

bool ImageLibraryPanel::recordChangeable()
{
    // Written from an empty list, an unreadable record would lose every picture it names.
    if (!m_recordReadable) {
        m_platform.message(tr("The picture list could not be read when the program started, so it cannot be "
                              "changed now."),
            MessageIcon::Critical);
    }
    return m_recordReadable;
}

bool ImageLibraryPanel::SaveImageRecord(const QStringList& names)
{
    if (!recordChangeable()) {
        return false;
    }
    QString error;
    if (m_store.writeRecord(names, &error)) {
        return true;
    }
    m_platform.message(tr("The picture list could not be saved, so the library stays as it was.")
            + QStringLiteral("\r\n") + error,
        MessageIcon::Critical);
    return false;
}

void ImageLibraryPanel::cmdAddPicture_Click()
{
    if (!recordChangeable()) {
        return;
    }
    const QString chosen = m_CDImage.showOpen(QStringLiteral("Vellumora"),
        QStringLiteral("BMP File (*.bmp*)|*.bmp|JPG File(*.jpg)|*.jpg|JPEG Files (*.jpeg)|*.jpeg"), 2);
    if (chosen.isEmpty()) {
        return;
    }
    const QString name = PictureStore::storedName(chosen);
    if (listedNames().contains(name)) {
        m_platform.message(
            tr("This Picture is Already available Please Select Another Picture "), MessageIcon::Critical);
        return;
    }
    if (!PictureStore::isStorableName(name)) {
        m_platform.message(tr("A picture named \"%1\" cannot be kept in the library. Please rename the file "
                              "and add it again.")
                               .arg(name),
            MessageIcon::Critical);
        return;
    }
    QString error;
    if (!m_store.copyIn(chosen, name, &error)) {
        m_platform.message(
            tr("The picture could not be copied into the library.") + QStringLiteral("\r\n") + error,
            MessageIcon::Critical);
        return;
    }
    if (!SaveImageRecord(listedNames() << name)) {
        m_store.remove(name);
        return;
    }
    appendEntry(name);
    RebuildThumbnails();
}

void ImageLibraryPanel::cmdDeletePicture_Click()
{
    const QList<QTreeWidgetItem*> selected = lvwDisplay->selectedItems();
    if (!selected.isEmpty()) {
        const int row = lvwDisplay->indexOfTopLevelItem(selected.constFirst());
        const QString name = selected.constFirst()->text(0);
        QStringList remaining = listedNames();
        remaining.removeAt(row);
        // The record is written first: if it cannot be, the picture is still whole on disk.
        if (SaveImageRecord(remaining)) {
            m_store.remove(name);
            delete lvwDisplay->takeTopLevelItem(row);
            // Nothing stays selected, so a second press cannot delete the neighbour unasked.
            lvwDisplay->clearSelection();
        }
    }
    RebuildThumbnails();
    deletionTail();
}

void ImageLibraryPanel::RebuildThumbnails()
{
    const int n = lvwDisplay->topLevelItemCount();
    QList<NativePath> paths;
    paths.reserve(n);
    for (int i = 1; i <= n; ++i) {
        paths.append(picturePath(i));
    }
    picScrollForm->setPictures(paths);
    if (n == 0) {
        return;
    }
    picScrollForm->resize(picScrollForm->width(), n * ThumbnailStrip::kPitch);
    if (n >= 4) {
        SetupScrollBar();
    }
    m_intImageCount = n;
}

void ImageLibraryPanel::deletionTail()
{
    if (lvwDisplay->topLevelItemCount() == 0) {
        m_intImageCount = 0;
    }
    if (m_intImageCount < 4) {
        ScrollBar1->setEnabled(false);
        ScrollBar1->hide();
        // Without a bar the strip could not be scrolled back into view.
        ScrollBar1->setValue(0);
    }
}

void ImageLibraryPanel::SetupScrollBar()
{
    ScrollBar1->show();
    ScrollBar1->setEnabled(true);
    const int maximum = picScrollForm->height() - picHolder->height() + kScrollSlack;
    ScrollBar1->setMaximum(maximum);
    ScrollBar1->setPageStep(maximum);
    ScrollBar1->setSingleStep(40);
}

void ImageLibraryPanel::ScrollBar1_Change(int value)
{
    picScrollForm->move(0, -value);
}

} // namespace vellumora
