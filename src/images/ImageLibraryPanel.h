#pragma once

#include "images/PictureStore.h"

#include <QGroupBox>

class QPushButton;
class QScrollBar;
class QTreeWidget;

namespace vellumora {

class CommonDialog;
class PictureLoader;
class Platform;
class ThumbnailStrip;

// The panel "Image Library": the picture list lvwDisplay, which is the library in memory, and
// the thumbnail strip picScrollForm, which scrolls inside picHolder with ScrollBar1. The list,
// the record file and the strip always name the same pictures in the same order.
class ImageLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    ImageLibraryPanel(
        Platform& platform, CommonDialog& CDImage, PictureLoader& loader, QWidget* parent = nullptr);

    // Main window load: the scroll bar's start state, then the library from its record file.
    void resetScrollBar();
    void LoadImageLibrary();
    // The main window became active: the strip goes back to its top.
    void scrollToTop();

    void cmdAddPicture_Click();
    void cmdDeletePicture_Click();

    // The number of thumbnails, which is the show's picture count.
    int intImageCount() const { return m_intImageCount; }
    // Where thumbnail k's picture is stored (k from 1); empty for a name that is no file name.
    NativePath picturePath(int k) const;
    // Thumbnail k as the strip shows it; null while it is decoded or when it cannot be.
    QImage thumbnail(int k) const;

private:
    void buildControls();
    void connectSignals();
    QStringList listedNames() const;
    void appendEntry(const QString& name);
    // False, with the user told, when the record file must be left as it is.
    bool recordChangeable();
    bool SaveImageRecord(const QStringList& names);
    void RebuildThumbnails();
    void deletionTail();
    void SetupScrollBar();
    void ScrollBar1_Change(int value);

    Platform& m_platform;
    CommonDialog& m_CDImage;
    PictureStore m_store;
    // A record file that exists but cannot be read must not be overwritten from an empty list.
    bool m_recordReadable = true;
    int m_intImageCount = 0;

    QWidget* picHolder = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    ThumbnailStrip* picScrollForm = nullptr;
    QTreeWidget* lvwDisplay = nullptr;
    QPushButton* cmdDeletePicture = nullptr;
    QPushButton* cmdAddPicture = nullptr;
};

} // namespace vellumora
