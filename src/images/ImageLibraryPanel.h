#pragma once

#include <QGroupBox>

namespace vellumora {

class Platform;

// The panel "Image Library": the picture list and the thumbnail strip.
class ImageLibraryPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit ImageLibraryPanel(Platform& platform, QWidget* parent = nullptr);

    // Main window load: the scroll bar's start state, then the library from its record file.
    void resetScrollBar();
    void LoadImageLibrary();
    // The main window became active: the strip goes back to its top.
    void scrollToTop();

private:
    Platform& m_platform;
};

} // namespace vellumora
