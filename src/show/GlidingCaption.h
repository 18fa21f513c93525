#pragma once

#include "show/ServerStrip.h"

#include <QPixmap>
#include <QWidget>

namespace vellumora {

// The affirmation in the slideshow's strip. It covers the whole strip, and its text is drawn once
// per affirmation into a picture. At each frame the glide moves the text already in the window's
// backing store (on X11 the server copies it), draws the few columns it uncovers straight into
// the store and flushes them. Going through update() and a paint event cost the show more than
// everything else it did, at sixty frames a second. On X11, while nothing but bands of its full
// width lies over the strip, the server draws it instead (ServerStrip), and a frame is one request.
class GlidingCaption : public QWidget {
    Q_OBJECT
public:
    explicit GlidingCaption(QWidget* strip);

    void setText(const QString& text);
    void setFontAndColour(const QFont& font, const QColor& colour);

    // The text's left edge in the strip, in pixels; it may lie outside the strip.
    int left() const { return m_left; }
    void setLeft(int left);
    // The text's top edge in the strip, in pixels.
    void setTop(int top);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void draw();
    QRect inked() const { return QRect(QPoint(m_left, m_top), m_drawnSize); }
    void paintInto(QPainter& painter, const QRect& area) const;
    void repaintLater(const QRect& area);
    bool drawNow(const QRect& before, int dx);
    QRect openPart(const QRect& area) const;
    bool lay(QImage::Format format, qreal ratio);
    bool copyInto(QPaintDevice* device, const QRegion& area, const QPoint& offset);
    bool drawOnServer();
    void leaveServer();

    QString m_text;
    QPixmap m_drawn;
    QSize m_drawnSize;
    // The text laid on the strip's colour in the backing store's format, for the glide to copy.
    QImage m_laid;
    quint32 m_laidBackground = 0;
    QRgb m_laidColour = 0;
    ServerStrip m_server;
    // Whether the server drew the strip last; the store's caption is then stale.
    bool m_onServer = false;
    int m_left = 0;
    int m_top = 0;
    bool m_paintDue = false;
};

} // namespace vellumora
