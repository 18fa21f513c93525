#pragma once

#include "platform/FontChoice.h"

#include <QImage>
#include <QWidget>

class QLabel;
class QPushButton;

namespace vellumora {

class FrameShape;
class GlidingCaption;

// The slideshow window: a borderless 433 x 377 px window (410 px with the music strip) with
// the picture stretched into 433 x 337, the frame shape over it, the affirmation in the strip
// below, the Back button and the music strip. It draws what it is given; Back (or closing it
// from the desktop) asks for the show to end.
class SlideshowWindow : public QWidget {
    Q_OBJECT
public:
    explicit SlideshowWindow(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    // Returns the caption's width as drawn, in pixels.
    int setCaption(const QString& caption);
    void moveCaption(int leftTwips);
    void setFrame(int borderShape, int fillStyle);
    // Returns the caption's new width, in pixels.
    int setAffirmationFont(const FontChoice& choice);
    // The affirmation's font and colour until one is chosen.
    static FontChoice designFont();

    void setMusicStripShown(bool shown);
    void setMusicStatus(const QString& status);

signals:
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();

    QImage m_picture;
    FrameShape* m_frame = nullptr;
    QPushButton* m_backButton = nullptr;
    QWidget* m_captionStrip = nullptr;
    GlidingCaption* m_caption = nullptr;
    QWidget* m_musicStrip = nullptr;
    QLabel* m_musicStatus = nullptr;
};

} // namespace vellumora
