#pragma once

#include "storage/NativePath.h"

#include <QPixmap>
#include <QWidget>

class QPainter;

namespace vellumora {

class PictureLoader;

// The strip "picScrollForm": one column of thumbnails, thumbnail i (counting from 1) in the
// box of 113 x 90 px at left 8 and top (i - 1) x 92, its picture stretched into the box. A
// picture that cannot be decoded is marked so in its box. Thumbnails are decoded by the loader,
// those in view first, and kept at box size (times the device pixel ratio) only near the view;
// a change of the list decodes only the pictures that are new to it.
class ThumbnailStrip : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLeft = 8;
    static constexpr int kWidth = 113;
    static constexpr int kHeight = 90;
    static constexpr int kPitch = kHeight + 2;
    // Boxes kept decoded above and below those in view; the rest are read again from the
    // thumbnail cache when they come near, so memory does not grow with the library.
    static constexpr int kKeptMargin = 24;

    ThumbnailStrip(PictureLoader& loader, QWidget* parent = nullptr);

    static QRect thumbnailRect(int i);

    // The pictures to show, in order; an empty path is a box that stays empty. Thumbnails of
    // paths already shown are kept.
    void setPictures(const QList<NativePath>& paths);
    // These files were written over: their thumbnails are made again.
    void forget(const QList<NativePath>& paths);
    int count() const { return int(m_entries.size()); }
    // The thumbnail as drawn; null while it is being decoded and when it cannot be.
    QImage thumbnail(int i) const;
    // The picture is missing, or no reader can decode it.
    bool unreadable(int i) const;
    NativePath picturePath(int i) const;
    int waitingCount() const;
    // Drawn in the strip while it has no pictures, saying how to add one.
    void setPlaceholderText(const QString& text);
    // Scrolls the strip inside its holder: the top of the view is this many pixels down it.
    void scrollTo(int offset);

signals:
    // A thumbnail has been decoded (or found undecodable) and drawn.
    void thumbnailReady(int i);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Released: made once and in the cache, but out of sight, so its pixels are let go.
    // Unreadable: missing, or no reader can decode it.
    enum class State { Waiting, Loading, Done, Released, Unreadable };
    struct Entry {
        NativePath path;
        quint64 ticket = 0;
        State state = State::Waiting;
        QPixmap pixmap;
    };

    void thumbnailLoaded(quint64 ticket, const QImage& image);
    void schedule();
    int nextWanted() const;
    // The first and the last box in view, counting from 0; the boxes kept reach kKeptMargin
    // further each way.
    std::pair<int, int> inView() const;
    std::pair<int, int> keptRange() const;
    // Lets go of the pixels of boxes far out of sight and asks again for those coming near it.
    void keepNearTheView();
    void paintUnreadable(QPainter& painter, const QRect& box) const;

    PictureLoader& m_loader;
    QList<Entry> m_entries;
    quint64 m_nextTicket = 1;
    int m_loading = 0;
    QString m_placeholder;
};

} // namespace vellumora
