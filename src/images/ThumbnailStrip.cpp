#include "images/ThumbnailStrip.h"

#include "images/PictureLoader.h"
#include "images/ThumbnailAccessible.h"
#include "widgets/Look.h"

#include <QAccessible>
#include <QHash>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <malloc.h>

namespace vellumora {

ThumbnailStrip::ThumbnailStrip(PictureLoader& loader, QWidget* parent)
    : QWidget(parent)
    , m_loader(loader)
{
    setObjectName(QStringLiteral("picScrollForm"));
    static const bool accessible = (QAccessible::installFactory(thumbnailStripAccessible), true);
    Q_UNUSED(accessible);
    setAutoFillBackground(true);
    // Boxes are painted whole and never see-through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_loader, &PictureLoader::thumbnailLoaded, this, &ThumbnailStrip::thumbnailLoaded);
}

NativePath ThumbnailStrip::picturePath(int i) const
{
    return i >= 1 && i <= count() ? m_entries.at(i - 1).path : NativePath();
}

QRect ThumbnailStrip::thumbnailRect(int i)
{
    return QRect(kLeft, (i - 1) * kPitch, kWidth, kHeight);
}

void ThumbnailStrip::setPictures(const QList<NativePath>& paths)
{
    // Entries of pictures still listed move to their new places with what they hold.
    QHash<NativePath, QList<qsizetype>> byPath;
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (!m_entries[i].path.isEmpty()) {
            byPath[m_entries[i].path].append(i);
        }
    }
    QList<Entry> entries;
    entries.reserve(paths.size());
    for (const NativePath& path : paths) {
        auto found = byPath.find(path);
        if (found != byPath.end() && !found->isEmpty()) {
            entries.append(std::move(m_entries[found->takeFirst()]));
            continue;
        }
        Entry entry;
        entry.path = path;
        entry.ticket = m_nextTicket++;
        entry.state = path.isEmpty() ? State::Unreadable : State::Waiting;
        entries.append(std::move(entry));
    }
    // Decodes still running for dropped entries finish unseen; their tickets match nothing.
    m_entries = std::move(entries);
    update();
    keepNearTheView();
}

void ThumbnailStrip::forget(const QList<NativePath>& paths)
{
    for (Entry& entry : m_entries) {
        if (paths.contains(entry.path)) {
            // A decode still running for the old file is dropped by its ticket.
            entry.ticket = m_nextTicket++;
            entry.state = State::Waiting;
            entry.pixmap = {};
        }
    }
    update();
    keepNearTheView();
}

QImage ThumbnailStrip::thumbnail(int i) const
{
    if (i < 1 || i > count()) {
        return {};
    }
    return m_entries[i - 1].pixmap.toImage();
}

bool ThumbnailStrip::unreadable(int i) const
{
    return i >= 1 && i <= count() && m_entries[i - 1].state == State::Unreadable;
}

int ThumbnailStrip::waitingCount() const
{
    return int(std::count_if(m_entries.cbegin(), m_entries.cend(),
        [](const Entry& entry) { return entry.state == State::Waiting || entry.state == State::Loading; }));
}

std::pair<int, int> ThumbnailStrip::inView() const
{
    const QRect view = parentWidget() ? QRect(QPoint(0, -y()), parentWidget()->size()) : rect();
    return { std::max(0, view.top() / kPitch), std::max(0, view.bottom() / kPitch) };
}

std::pair<int, int> ThumbnailStrip::keptRange() const
{
    const auto [first, last] = inView();
    return { first - kKeptMargin, last + kKeptMargin };
}

void ThumbnailStrip::keepNearTheView()
{
    const auto [firstKept, lastKept] = keptRange();
    for (int i = 0; i < count(); ++i) {
        Entry& entry = m_entries[i];
        const bool kept = i >= firstKept && i <= lastKept;
        if (!kept && entry.state == State::Done && !entry.pixmap.isNull()) {
            entry.pixmap = QPixmap();
            entry.state = State::Released;
        } else if (kept && entry.state == State::Released) {
            entry.state = State::Waiting;
            entry.ticket = m_nextTicket++;
        }
    }
    schedule();
}

void ThumbnailStrip::setPlaceholderText(const QString& text)
{
    m_placeholder = text;
    update();
}

void ThumbnailStrip::scrollTo(int offset)
{
    move(0, -offset);
    keepNearTheView();
}

void ThumbnailStrip::thumbnailLoaded(quint64 ticket, const QImage& image)
{
    --m_loading;
    const auto found = std::find_if(
        m_entries.begin(), m_entries.end(), [ticket](const Entry& entry) { return entry.ticket == ticket; });
    if (found != m_entries.end()) {
        const int index = int(found - m_entries.begin());
        const auto [firstKept, lastKept] = keptRange();
        if (image.isNull()) {
            found->state = State::Unreadable;
        } else if (index < firstKept || index > lastKept) {
            // Made for the cache while out of sight: nothing to keep.
            found->state = State::Released;
        } else {
            found->state = State::Done;
            found->pixmap = QPixmap::fromImage(image);
            found->pixmap.setDevicePixelRatio(devicePixelRatioF());
        }
        update(thumbnailRect(index + 1));
        emit thumbnailReady(index + 1);
    }
    schedule();
    if (m_loading == 0) {
        // The decoders' photo bytes, kept free for the next photo, go back to the system.
        malloc_trim(0);
    }
}

int ThumbnailStrip::nextWanted() const
{
    // Those in view first, then onwards down the strip, then the ones above the view.
    const int first = std::min(inView().first, std::max(0, count() - 1));
    for (int i = first; i < count(); ++i) {
        if (m_entries[i].state == State::Waiting) {
            return i;
        }
    }
    for (int i = 0; i < first; ++i) {
        if (m_entries[i].state == State::Waiting) {
            return i;
        }
    }
    return -1;
}

void ThumbnailStrip::schedule()
{
    // No more requests out than the loader has threads, so a newly wanted thumbnail (one
    // scrolled into view, one just added) never queues behind a backlog.
    while (m_loading < m_loader.threadCount()) {
        const int i = nextWanted();
        if (i < 0) {
            return;
        }
        m_entries[i].state = State::Loading;
        ++m_loading;
        const qreal ratio = devicePixelRatioF();
        m_loader.loadThumbnail(
            m_entries[i].ticket, m_entries[i].path, QSize(qRound(kWidth * ratio), qRound(kHeight * ratio)));
    }
}

void ThumbnailStrip::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, palette().window());
    const int first = std::max(1, dirty.top() / kPitch + 1);
    const int last = std::min(count(), dirty.bottom() / kPitch + 1);
    for (int i = first; i <= last; ++i) {
        const Entry& entry = m_entries[i - 1];
        if (!entry.pixmap.isNull()) {
            painter.drawPixmap(thumbnailRect(i).topLeft(), entry.pixmap);
        } else if (entry.state == State::Unreadable) {
            paintUnreadable(painter, thumbnailRect(i));
        }
    }
    if (count() == 0) {
        paintPlaceholder(painter, this, rect(), m_placeholder);
    }
}

void ThumbnailStrip::paintUnreadable(QPainter& painter, const QRect& box) const
{
    // A box that says so, so that an unreadable picture is not taken for one still loading.
    painter.save();
    painter.fillRect(box, QColor(240, 240, 240));
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    const int iconSize = 24;
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this);
    icon.paint(&painter, QRect(box.center().x() - iconSize / 2, box.top() + 14, iconSize, iconSize));
    QFont small = font();
    small.setPointSizeF(7.5);
    painter.setFont(small);
    painter.setPen(QColor(64, 64, 64));
    painter.drawText(box.adjusted(4, 14 + iconSize + 4, -4, -4),
        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tr("Cannot be read"));
    painter.restore();
}

} // namespace vellumora
