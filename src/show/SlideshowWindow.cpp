#include "show/SlideshowWindow.h"

#include "show/FrameShape.h"
#include "show/GlidingCaption.h"
#include "show/Show.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace vellumora {

namespace {

// The caption's top in its strip.
constexpr int kCaptionTopTwips = 120;

} // namespace

SlideshowWindow::SlideshowWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Vellumora"));
    setColour(this, QPalette::Window, Qt::white);
    setFont(verdana(8.25, false));
    buildControls();
    setShowGeometry(ShowGeometry::of(ShowSize::Small, {}));
    connect(m_backButton, &QPushButton::clicked, this, &SlideshowWindow::backRequested);
}

void SlideshowWindow::buildControls()
{
    m_frame = new FrameShape(this);

    m_backButton = new QPushButton(tr("&Back"), this);
    m_backButton->setObjectName(QStringLiteral("cmdBack"));
    setColour(m_backButton, QPalette::Button, kLightBlue);

    // The strip lies in front of the frame.
    m_captionStrip = new QWidget(this);
    m_captionStrip->setObjectName(QStringLiteral("picContainer"));
    setColour(m_captionStrip, QPalette::Window, kLightBlue);
    m_caption = new GlidingCaption(m_captionStrip);
    m_caption->setObjectName(QStringLiteral("lblAffirmationDisplay"));
    moveCaption(120);

    m_musicStrip = new QWidget(this);
    m_musicStrip->setObjectName(QStringLiteral("Picture1"));
    setColour(m_musicStrip, QPalette::Window, Qt::black);
    m_musicStatus = new QLabel(m_musicStrip);
    m_musicStatus->setObjectName(QStringLiteral("lblAudio"));
    setColour(m_musicStatus, QPalette::WindowText, kLightBlue);
}

void SlideshowWindow::setShowGeometry(const ShowGeometry& given)
{
    const ShowGeometry geometry = given.fullScreen && given.musicShown != m_musicShown
        ? ShowGeometry::of(ShowSize::FullScreen, given.window, m_musicShown)
        : given;
    m_geometry = geometry;
    m_frame->setGeometry(geometry.frame);
    m_frame->setThickBorder(geometry.frameBorder);
    // A larger font or a longer word than "Back" widens the button to the left, keeping its
    // corner, so its caption is never cut.
    QRect back = geometry.back;
    const QSize caption
        = m_backButton->fontMetrics().size(Qt::TextShowMnemonic, m_backButton->text()) + QSize(8, 2);
    back.setLeft(std::min(back.left(), back.right() + 1 - caption.width()));
    back.setHeight(std::max(back.height(), caption.height()));
    m_backButton->setGeometry(back);
    m_captionStrip->setGeometry(geometry.captionStrip);
    m_caption->setGeometry(m_captionStrip->rect());
    m_caption->setTop(int(std::lround(
        twipsToPixels(kCaptionTopTwips) * double(geometry.captionStrip.height()) / twipsToPixels(615))));
    m_musicStrip->setGeometry(geometry.musicStrip);
    m_musicStatus->setGeometry(geometry.musicStatus);
    // The texts grow with the strips they stand in.
    m_caption->setFontAndColour(geometry.scaledFont(m_font.font), m_font.colour);
    m_musicStatus->setFont(geometry.scaledFont(verdana(8.25, true)));
    setMusicStripShown(m_musicShown);
    update();
}

void SlideshowWindow::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // A decoded picture already has its shape; a thumbnail standing in for it is given the same.
    switch (m_fit) {
    case PictureFit::Stretch:
        painter.drawImage(m_geometry.picture, m_picture);
        break;
    case PictureFit::Fit: {
        painter.fillRect(m_geometry.picture, kLightBlue);
        QRect fitted(QPoint(), m_picture.size().scaled(m_geometry.picture.size(), Qt::KeepAspectRatio));
        // Rounding at a fractional scale leaves no band of a pixel.
        if (m_geometry.picture.width() - fitted.width() <= 1
            && m_geometry.picture.height() - fitted.height() <= 1) {
            fitted.setSize(m_geometry.picture.size());
        }
        fitted.moveCenter(m_geometry.picture.center());
        painter.drawImage(fitted, m_picture);
        break;
    }
    case PictureFit::Fill: {
        QRect filled(
            QPoint(), m_picture.size().scaled(m_geometry.picture.size(), Qt::KeepAspectRatioByExpanding));
        filled.moveCenter(m_geometry.picture.center());
        painter.setClipRect(m_geometry.picture);
        painter.drawImage(filled, m_picture);
        break;
    }
    }
}

void SlideshowWindow::setPictureFit(PictureFit fit)
{
    m_fit = fit;
    update(m_geometry.picture);
}

void SlideshowWindow::keyPressEvent(QKeyEvent* event)
{
    // A full screen show has no other way out than Back, which a pointer may not reach at once.
    if (m_geometry.fullScreen && event->key() == Qt::Key_Escape) {
        emit backRequested();
        return;
    }
    QWidget::keyPressEvent(event);
}

void SlideshowWindow::mousePressEvent(QMouseEvent* event)
{
    // A full screen show has nowhere to be dragged to.
    if (event->button() == Qt::LeftButton && !m_geometry.fullScreen) {
        m_grip = event->globalPosition().toPoint() - pos();
        m_dragged = false;
    }
}

void SlideshowWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (m_grip && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - *m_grip);
        m_dragged = true;
    }
}

void SlideshowWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_grip) {
        m_grip.reset();
        if (m_dragged) {
            emit movedByUser(pos());
        }
    }
}

void SlideshowWindow::setPicture(const QImage& picture)
{
    m_picture = picture;
    update(m_geometry.picture);
}

void SlideshowWindow::setCaption(const QString& caption)
{
    m_caption->setText(caption);
}

void SlideshowWindow::moveCaption(int leftTwips)
{
    // Kept in twips, so 20-twip steps of 1 1/3 px add up without drift.
    m_caption->setLeft(twipsToPixels(leftTwips));
}

void SlideshowWindow::setFrame(BorderShape shape, FillStyle fill)
{
    m_frame->setOptions(shape, fill);
    // The frame comes forward over the picture; the strips and the Back button stay in front
    // of it, so a thick border never hides them.
    m_frame->raise();
    m_backButton->raise();
    m_captionStrip->raise();
    m_musicStrip->raise();
}

void SlideshowWindow::setAffirmationFont(const FontChoice& choice)
{
    m_font = choice;
    m_caption->setFontAndColour(m_geometry.scaledFont(choice.font), choice.colour);
}

QFont SlideshowWindow::captionFont() const
{
    return m_caption->font();
}

void SlideshowWindow::setMusicStripShown(bool shown)
{
    if (!shown) {
        m_musicStatus->clear();
    }
    m_musicShown = shown;
    // Full screen, the picture and its frame make room above the strip.
    if (m_geometry.fullScreen && m_geometry.musicShown != shown) {
        setShowGeometry(m_geometry);
        return;
    }
    // Full screen, the strip is there only with music; a window grows to uncover it.
    m_musicStrip->setVisible(shown || !m_geometry.fullScreen);
    setFixedSize(m_geometry.window.width(), shown ? m_geometry.heightWithMusic : m_geometry.window.height());
}

void SlideshowWindow::setMusicStatus(const QString& status)
{
    m_musicStatus->setText(status);
}

void SlideshowWindow::closeEvent(QCloseEvent* event)
{
    // Closed from the desktop (Alt+F4, the window manager): the same as Back. The program's
    // own closing at its end goes through.
    if (event->spontaneous()) {
        event->ignore();
        emit backRequested();
        return;
    }
    event->accept();
}

} // namespace vellumora
