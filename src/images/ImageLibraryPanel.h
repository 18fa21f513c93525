#pragma once

#include "platform/FileChooser.h"

#include <QGroupBox>

class QPushButton;
class QScrollBar;
class QTreeView;
class QVBoxLayout;

namespace vellumora {

class PictureLibrary;
class PictureLoader;
class Platform;
class ThumbnailStrip;

// The panel "Image Library": the picture list and, beside it, the thumbnail strip, which
// scrolls inside its holder with a scroll bar once there are four pictures or more. The list
// and the strip always show the library's pictures in its order.
class ImageLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    ImageLibraryPanel(
        Platform& platform, PictureLibrary& pictures, PictureLoader& loader, QWidget* parent = nullptr);

    // The user came back from the program's own windows: the strip goes back to its top.
    void scrollToTop();
    const ThumbnailStrip& thumbnails() const { return *m_strip; }
    // Options that belong elsewhere but stand in this panel, under its two buttons.
    void addBelowButtons(QWidget* options);
    // Every picture of a folder the user chooses, as addFiles adds them.
    void addFolder();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    void connectSignals();
    void addPicture();
    // Adds each file it can, as long work; what could not be added is told of in one message.
    void addFiles(const QStringList& files);
    void deletePicture();
    void rebuildThumbnails();
    // The bar as high as the holder, shown while the strip is longer than the holder.
    void fitScrollBar();

    Platform& m_platform;
    PictureLibrary& m_pictures;
    // Opens on the picture last chosen.
    FileChooser m_pictureDialog;
    // Where Add Folder opens: the Pictures folder, then the folder chosen last.
    QString m_folderStart;

    QWidget* m_stripHolder = nullptr;
    QScrollBar* m_scrollBar = nullptr;
    ThumbnailStrip* m_strip = nullptr;
    QTreeView* m_pictureList = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_addButton = nullptr;
    QVBoxLayout* m_buttonsAndOptions = nullptr;
    int m_wheelAngle = 0;
    // The picture selected while the list is read again.
    QString m_selectedName;
};

} // namespace vellumora
