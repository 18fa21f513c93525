#pragma once

#include <QPixmap>
#include <QWidget>

namespace vellumora {

// The affirmation in the slideshow's strip. It covers the whole strip and draws its text at a
// left edge that the glide moves, so a frame repaints the text's old and new places and nothing
// of the window around it.
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
    void paintEvent(QPaintEvent* event) override;

private:
    QRect textRect() const { return QRect(QPoint(m_left, m_top), m_drawn.deviceIndependentSize().toSize()); }
    void draw();

    QString m_text;
    QPixmap m_drawn;
    int m_left = 0;
    int m_top = 0;
};

} // namespace vellumora
