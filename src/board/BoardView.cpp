#include "board/BoardView.h"

#include "board/BoardPainter.h"
#include "images/PictureLoader.h"

#include <QMouseEvent>
#include <QPainter>

namespace vellumora {

namespace {

// A resize asks for sharper pictures once it has come to rest.
constexpr int kResizeRestMs = 150;

quint64 ticketOf(quint32 generation, int index)
{
    return (quint64(generation) << 32) | quint32(index);
}

// A thumbnail of the whole picture shown on the tile, at its own proportions.
QSize thumbnailSize(const BoardLayout::Tile& tile)
{
    const QSizeF whole(tile.place.width() / tile.shown.width(), tile.place.height() / tile.shown.height());
    return whole.scaled(QSizeF(256, 256), Qt::KeepAspectRatio).toSize().expandedTo(QSize(1, 1));
}

} // namespace

BoardView::BoardView(PictureLoader& loader, QWidget* parent)
    : QWidget(parent)
    , m_loader(loader)
{
    setObjectName(QStringLiteral("picBoard"));
    setMinimumSize(200, 200);
    setMouseTracking(true);
    m_resized.setSingleShot(true);
    m_resized.setInterval(kResizeRestMs);
    connect(&m_resized, &QTimer::timeout, this, &BoardView::sharpen);
    connect(&loader, &PictureLoader::thumbnailLoaded, this,
        [this](quint64 ticket, const QImage& image) { pictureLoaded(ticket, false, image); });
    connect(&loader, &PictureLoader::pictureLoaded, this,
        [this](quint64 ticket, const QImage& image) { pictureLoaded(ticket, true, image); });
}

void BoardView::setSheet(const BoardSheet& sheet)
{
    // The thumbnails of the pictures still on the board serve the new arrangement at once.
    QHash<QString, QImage> kept;
    for (auto it = m_thumbnails.cbegin(); it != m_thumbnails.cend(); ++it) {
        kept.insert(m_sheet.content.pictures.value(it.key()).toString(), it.value());
    }
    m_sheet = sheet;
    m_thumbnails.clear();
    for (qsizetype i = 0; i < m_sheet.content.pictures.size(); ++i) {
        const QImage thumbnail = kept.value(m_sheet.content.pictures[i].toString());
        if (!thumbnail.isNull()) {
            m_thumbnails.insert(int(i), thumbnail);
        }
    }
    sharpen();
}

QRectF BoardView::pageRect() const
{
    if (m_sheet.page.isEmpty()) {
        return {};
    }
    const QSizeF fitted = QSizeF(m_sheet.page).scaled(QSizeF(size()) - QSizeF(16, 16), Qt::KeepAspectRatio);
    return QRectF(QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
}

int BoardView::pictureAt(const QPointF& point) const
{
    const QRectF page = pageRect();
    if (page.isEmpty()) {
        return -1;
    }
    const QPointF onPage = (point - page.topLeft()) * (m_sheet.page.width() / page.width());
    for (const BoardLayout::Tile& tile : m_sheet.layout.tiles) {
        if (tile.kind == BoardLayout::Tile::Kind::Picture && tile.place.contains(onPage)) {
            return tile.index;
        }
    }
    return -1;
}

void BoardView::sharpen()
{
    ++m_generation;
    m_sharp.clear();
    m_waiting = 0;
    const QRectF page = pageRect();
    if (page.isEmpty()) {
        return;
    }
    const qreal scale = page.width() / m_sheet.page.width() * devicePixelRatioF();
    for (const BoardLayout::Tile& tile : m_sheet.layout.tiles) {
        if (tile.kind == BoardLayout::Tile::Kind::Picture) {
            const QSize pixels = (tile.place.size() * scale).toSize().expandedTo(QSize(1, 1));
            m_loader.loadPicture(ticketOf(m_generation, tile.index),
                m_sheet.content.pictures.value(tile.index), pixels, 0, PictureDecoder::Fit::Cover);
            ++m_waiting;
        }
    }
    for (const BoardLayout::Tile& tile : m_sheet.layout.tiles) {
        if (tile.kind == BoardLayout::Tile::Kind::Picture && !m_thumbnails.contains(tile.index)) {
            m_loader.loadThumbnail(ticketOf(m_generation, tile.index),
                m_sheet.content.pictures.value(tile.index), thumbnailSize(tile), 1);
        }
    }
    update();
}

void BoardView::pictureLoaded(quint64 ticket, bool sharp, const QImage& image)
{
    if (quint32(ticket >> 32) != m_generation) {
        return;
    }
    const int index = int(quint32(ticket));
    (sharp ? m_sharp : m_thumbnails).insert(index, image);
    update();
    if (sharp && --m_waiting == 0) {
        emit sharpened();
    } else if (!sharp && m_thumbnails.size() == m_sheet.content.pictures.size()) {
        emit thumbnailsShown();
    }
}

void BoardView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const QRectF page = pageRect();
    if (page.isEmpty()) {
        return;
    }
    painter.translate(page.topLeft());
    painter.scale(page.width() / m_sheet.page.width(), page.width() / m_sheet.page.width());
    BoardPainter::paint(painter, m_sheet, [this](const BoardLayout::Tile& tile, const QSize& pixels) {
        const QImage sharp = m_sharp.value(tile.index);
        if (!sharp.isNull()) {
            return sharp;
        }
        const QImage whole = m_thumbnails.value(tile.index);
        if (whole.isNull()) {
            return QImage();
        }
        const QRect shown(qRound(tile.shown.x() * whole.width()), qRound(tile.shown.y() * whole.height()),
            qRound(tile.shown.width() * whole.width()), qRound(tile.shown.height() * whole.height()));
        return whole.copy(shown).scaled(pixels, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    });
}

void BoardView::resizeEvent(QResizeEvent*)
{
    m_resized.start();
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    m_dragged = event->button() == Qt::LeftButton ? pictureAt(event->position()) : -1;
    if (m_dragged >= 0) {
        setCursor(Qt::ClosedHandCursor);
    }
}

void BoardView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragged < 0) {
        setCursor(pictureAt(event->position()) >= 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
    }
}

void BoardView::mouseReleaseEvent(QMouseEvent* event)
{
    const int target = pictureAt(event->position());
    const int dragged = std::exchange(m_dragged, -1);
    setCursor(target >= 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
    if (dragged >= 0 && target >= 0 && target != dragged) {
        emit swapRequested(
            m_sheet.content.pictureNames.value(dragged), m_sheet.content.pictureNames.value(target));
    }
}

} // namespace vellumora
