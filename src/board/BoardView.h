#pragma once

#include "board/Board.h"

#include <QHash>
#include <QImage>
#include <QTimer>
#include <QWidget>

namespace vellumora {

class PictureLoader;

// The board drawn as large as the view allows: at once from the pictures' thumbnails, then
// sharpened as each picture is decoded at the size it takes here. A picture dragged onto another
// asks for the two to change places.
class BoardView : public QWidget {
    Q_OBJECT
public:
    explicit BoardView(PictureLoader& loader, QWidget* parent = nullptr);

    void setSheet(const BoardSheet& sheet);
    const BoardSheet& sheet() const { return m_sheet; }
    // Where the page is drawn in the view.
    QRectF pageRect() const;
    // The picture tile under a point of the view; -1 for none.
    int pictureAt(const QPointF& point) const;

    QSize sizeHint() const override { return { 420, 560 }; }

signals:
    void swapRequested(const QString& first, const QString& second);
    // Every picture is drawn, from its thumbnail at least.
    void thumbnailsShown();
    // Every picture is drawn at the size it takes here.
    void sharpened();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void pictureLoaded(quint64 ticket, bool sharp, const QImage& image);
    // Asks for each picture at the size it takes in the view now.
    void sharpen();

    PictureLoader& m_loader;
    BoardSheet m_sheet;
    // Each picture's thumbnail, whole, and the picture decoded at its tile's size here, by its
    // place in the sheet.
    QHash<int, QImage> m_thumbnails;
    QHash<int, QImage> m_sharp;
    // Answers to an earlier sheet or size carry an older generation and are dropped.
    quint32 m_generation = 0;
    int m_waiting = 0;
    QTimer m_resized;
    int m_dragged = -1;
};

} // namespace vellumora
