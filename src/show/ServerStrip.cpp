#include "show/ServerStrip.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace vellumora {

namespace {

xcb_connection_t* qtConnection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

} // namespace

ServerStrip::ServerStrip()
    : m_connection(qtConnection())
{
}

ServerStrip::~ServerStrip()
{
    // At the program's end the connection may already be closed with Qt's platform.
    if (m_connection && qtConnection() == m_connection) {
        forget();
        xcb_flush(m_connection);
    }
}

bool ServerStrip::place(QWindow* top, const QRect& area, QRgb background, const QImage& text, QPoint at)
{
    // The protocol's windows and pixmaps end at 32767 pixels.
    constexpr int largest = 32767;
    if (!m_connection || area.isEmpty() || text.isNull() || text.format() != QImage::Format_RGB32
        || text.width() > largest || text.height() > largest) {
        return false;
    }
    // Qt makes the window anew on some changes of its kind; ours went with the old one.
    const auto parent = quint32(top->winId());
    if (parent != m_parent && !adopt(parent)) {
        return false;
    }
    if (!m_usable) {
        return false;
    }
    if (area != m_area) {
        const quint32 values[]
            = { quint32(area.x()), quint32(area.y()), quint32(area.width()), quint32(area.height()) };
        xcb_configure_window(m_connection, m_strip,
            XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT,
            values);
        m_area = area;
    }
    if (background != m_background) {
        const quint32 pixel = background & 0xffffff;
        xcb_change_window_attributes(m_connection, m_strip, XCB_CW_BACK_PIXEL, &pixel);
        xcb_clear_area(m_connection, 0, m_strip, 0, 0, 0, 0);
        m_background = background;
    }
    if (text.cacheKey() != m_textKey) {
        upload(text);
        m_textKey = text.cacheKey();
    }
    // The protocol holds a window's place in 16 bits; a text far outside the strip shows the same
    // just outside it.
    const QPoint placed(std::clamp(at.x(), -text.width() - 1, area.width() + 1),
        std::clamp(at.y(), -text.height() - 1, area.height() + 1));
    if (placed != m_at) {
        const quint32 values[] = { quint32(placed.x()), quint32(placed.y()) };
        xcb_configure_window(m_connection, m_text, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, values);
        m_at = placed;
    }
    if (!m_shown) {
        xcb_map_window(m_connection, m_strip);
        m_shown = true;
    }
    xcb_flush(m_connection);
    return true;
}

void ServerStrip::hide()
{
    if (m_shown) {
        // Checked, so that a window gone with its parent is no error in Qt's queue.
        xcb_discard_reply(m_connection, xcb_unmap_window_checked(m_connection, m_strip).sequence);
        xcb_flush(m_connection);
        m_shown = false;
    }
}

bool ServerStrip::adopt(quint32 parent)
{
    forget();
    m_parent = parent;
    m_usable = pixelsAsLaid(parent);
    if (!m_usable) {
        return false;
    }
    m_strip = xcb_generate_id(m_connection);
    m_text = xcb_generate_id(m_connection);
    const quint32 background = m_background & 0xffffff;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_strip, parent, qint16(m_area.x()),
        qint16(m_area.y()), quint16(std::max(1, m_area.width())), quint16(std::max(1, m_area.height())), 0,
        XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &background);
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_text, m_strip, qint16(m_at.x()), qint16(m_at.y()),
        1, 1, 0, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL, &background);
    xcb_map_window(m_connection, m_text);
    // Whatever the text was, it is sent again into the new window.
    m_textKey = 0;
    return true;
}

bool ServerStrip::pixelsAsLaid(quint32 parent)
{
    // The text is sent as Format_RGB32 keeps it: 32 bits a pixel, blue in the lowest byte. A window
    // of another depth or visual (an alpha channel, 16 bits) is left to Qt.
    ReplyPtr<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, parent), nullptr), &std::free);
    ReplyPtr<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(
            m_connection, xcb_get_window_attributes(m_connection, parent), nullptr),
        &std::free);
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    if (!geometry || !attributes || geometry->depth != 24
        || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    bool thirtyTwoBits = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format)) {
        if (format.data->depth == 24) {
            thirtyTwoBits = format.data->bits_per_pixel == 32 && format.data->scanline_pad == 32;
        }
    }
    for (auto screen = xcb_setup_roots_iterator(setup); screen.rem; xcb_screen_next(&screen)) {
        for (auto depth = xcb_screen_allowed_depths_iterator(screen.data); depth.rem;
             xcb_depth_next(&depth)) {
            for (auto visual = xcb_depth_visuals_iterator(depth.data); visual.rem;
                 xcb_visualtype_next(&visual)) {
                if (visual.data->visual_id == attributes->visual) {
                    return thirtyTwoBits && visual.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR
                        && visual.data->red_mask == 0xff0000 && visual.data->green_mask == 0xff00
                        && visual.data->blue_mask == 0xff;
                }
            }
        }
    }
    return false;
}

void ServerStrip::upload(const QImage& text)
{
    // Into a pixmap that becomes the text window's background: the server draws the text from it
    // wherever the window goes, and frees it with the window's next background.
    const xcb_pixmap_t pixmap = xcb_generate_id(m_connection);
    const xcb_gcontext_t gc = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, 24, pixmap, m_strip, quint16(text.width()), quint16(text.height()));
    xcb_create_gc(m_connection, gc, pixmap, 0, nullptr);
    // In bands that fit a request.
    const qsizetype line = text.bytesPerLine();
    const qsizetype room = qsizetype(xcb_get_maximum_request_length(m_connection)) * 4 - 64;
    const int band = int(std::max<qsizetype>(1, room / line));
    for (int y = 0; y < text.height(); y += band) {
        const int rows = std::min(band, text.height() - y);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, quint16(text.width()),
            quint16(rows), 0, qint16(y), 0, 24, quint32(line * rows), text.constScanLine(y));
    }
    xcb_free_gc(m_connection, gc);
    xcb_change_window_attributes(m_connection, m_text, XCB_CW_BACK_PIXMAP, &pixmap);
    const quint32 size[] = { quint32(text.width()), quint32(text.height()) };
    xcb_configure_window(m_connection, m_text, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, size);
    xcb_clear_area(m_connection, 0, m_text, 0, 0, 0, 0);
    xcb_free_pixmap(m_connection, pixmap);
}

void ServerStrip::forget()
{
    if (m_strip) {
        xcb_discard_reply(m_connection, xcb_destroy_window_checked(m_connection, m_strip).sequence);
    }
    m_parent = 0;
    m_usable = false;
    m_strip = 0;
    m_text = 0;
    m_shown = false;
    m_textKey = 0;
}

} // namespace vellumora
