#pragma once

#include <QPixmap>
#include <QWidget>

namespace vellumora {

// The affirmation in the slideshow's strip. It covers the whole strip; the text, drawn once, is
// an opaque child that the glide moves. Qt moves an opaque child by copying its pixels in the
// backing store (on X11 the server copies them), so a frame paints only the few columns of the
// strip that the text uncovers, and nothing of the text or the window around it.
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

private:
    void draw();

    QString m_text;
    QWidget* m_ink = nullptr;
    int m_left = 0;
    int m_top = 0;
};

} // namespace vellumora
