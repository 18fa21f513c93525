#pragma once

#include "platform/FontChoice.h"
#include "settings/ShowOptions.h"
#include "show/ShowGeometry.h"

#include <QImage>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

namespace vellumora {

class FrameShape;
class GlidingCaption;

// The slideshow window: a borderless 433 x 377 px window (410 px with the music strip) with
// the picture in 433 x 337, the frame shape over it, the affirmation in the strip below, the
// Back button and the music strip. It draws what it is given; Back (or closing it from the
// desktop) asks for the show to end. Dragging the picture moves the window.
class SlideshowWindow : public QWidget {
    Q_OBJECT
public:
    explicit SlideshowWindow(QWidget* parent = nullptr);

    // Lays the window out at a size; it starts small.
    void setShowGeometry(const ShowGeometry& geometry);
    const ShowGeometry& showGeometry() const { return m_geometry; }
    void setPicture(const QImage& picture);
    // Bands of a fitted picture take the strip's colour.
    void setPictureFit(PictureFit fit);
    void setCaption(const QString& caption);
    void moveCaption(int leftTwips);
    void setFrame(BorderShape shape, FillStyle fill);
    // The font as chosen for the small window; larger sizes scale it.
    void setAffirmationFont(const FontChoice& choice);
    // The caption's font as drawn, at this size.
    QFont captionFont() const;

    void setMusicStripShown(bool shown);
    void setMusicStatus(const QString& status);

signals:
    void backRequested();
    // The user has dragged the window by its picture and let go here.
    void movedByUser(const QPoint& topLeft);

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();

    ShowGeometry m_geometry;
    FontChoice m_font = ShowOptions::designFont();
    bool m_musicShown = false;
    QImage m_picture;
    PictureFit m_fit = PictureFit::Stretch;
    // Where the pointer took hold of the window, from its top left; none while not dragged.
    std::optional<QPoint> m_grip;
    bool m_dragged = false;
    FrameShape* m_frame = nullptr;
    QPushButton* m_backButton = nullptr;
    QWidget* m_captionStrip = nullptr;
    GlidingCaption* m_caption = nullptr;
    QWidget* m_musicStrip = nullptr;
    QLabel* m_musicStatus = nullptr;
};

} // namespace vellumora
