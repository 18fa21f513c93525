#pragma once

#include <QImage>
#include <QRect>
#include <QRgb>

class QWindow;
struct xcb_connection_t;

namespace vellumora {

// The caption's strip drawn by the X server itself, as two windows of its own inside the slideshow's
// window: the strip, which the server fills with the strip's colour, and in it the text, a window
// whose background is the text laid on that colour. A frame of the glide then only moves the text's
// window; the server draws what it uncovers. No backing store, paint or image is involved at sixty
// frames a second, and exposure needs nothing from us. Qt never draws into either window, and they
// take no input: a click falls through to the slideshow's window.
class ServerStrip {
public:
    ServerStrip();
    ~ServerStrip();
    Q_DISABLE_COPY(ServerStrip)

    // An X11 display: elsewhere (Wayland, offscreen) the caption is drawn by Qt.
    bool available() const { return m_connection != nullptr; }

    // Shows the strip over `area` of `top` (device pixels) in `background`, with `text` (device
    // pixels, in QImage::Format_RGB32, laid on that colour) at `at` in the strip. Only what changed
    // since the last call is sent. False where the window's pixels are not of the kind the text is
    // laid in; the caller then hides the strip.
    bool place(QWindow* top, const QRect& area, QRgb background, const QImage& text, QPoint at);
    void hide();

private:
    bool adopt(quint32 parent);
    bool pixelsAsLaid(quint32 parent);
    void upload(const QImage& text);
    void forget();

    xcb_connection_t* m_connection = nullptr;
    quint32 m_parent = 0;
    bool m_usable = false;
    quint32 m_strip = 0;
    quint32 m_text = 0;
    QRect m_area;
    QRgb m_background = 0;
    qint64 m_textKey = 0;
    QPoint m_at;
    bool m_shown = false;
};

} // namespace vellumora
