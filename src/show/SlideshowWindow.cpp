#include "show/SlideshowWindow.h"

#include "show/FrameShape.h"
#include "show/GlidingCaption.h"
#include "show/Show.h"
#include "widgets/Look.h"
#include "widgets/ShownText.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace vellumora {

namespace {

constexpr int kHeightTwips = 5655;
constexpr int kMusicHeightTwips = 6150;
// The picture area, 433 x 337 px.
constexpr QRect kPictureArea = twipsRect(0, 0, 6495, 5055);

} // namespace

SlideshowWindow::SlideshowWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Vellumora"));
    setColour(this, QPalette::Window, Qt::white);
    setFont(verdana(8.25, false));
    setFixedSize(twipsToPixels(Show::kWindowWidthTwips), twipsToPixels(kHeightTwips));
    buildControls();
    connect(m_backButton, &QPushButton::clicked, this, &SlideshowWindow::backRequested);
}

void SlideshowWindow::buildControls()
{
    m_frame = new FrameShape(this);
    m_frame->setGeometry(twipsRect(-1440, -1440, 9375, 8055));

    m_backButton = new QPushButton(tr("&Back"), this);
    m_backButton->setObjectName(QStringLiteral("cmdBack"));
    setColour(m_backButton, QPalette::Button, kLightBlue);
    m_backButton->setGeometry(twipsRect(5760, 0, 735, 255));

    // The strip lies in front of the frame.
    m_captionStrip = new QWidget(this);
    m_captionStrip->setObjectName(QStringLiteral("picContainer"));
    setColour(m_captionStrip, QPalette::Window, kLightBlue);
    m_captionStrip->setGeometry(twipsRect(0, 5040, 6495, 615));
    m_caption = new GlidingCaption(m_captionStrip);
    m_caption->setObjectName(QStringLiteral("lblAffirmationDisplay"));
    m_caption->setFontAndColour(designFont().font, designFont().colour);
    moveCaption(120);

    m_musicStrip = new QWidget(this);
    m_musicStrip->setObjectName(QStringLiteral("Picture1"));
    setColour(m_musicStrip, QPalette::Window, Qt::black);
    m_musicStrip->setGeometry(twipsRect(-120, 5640, 6855, 615));
    m_musicStatus = new QLabel(m_musicStrip);
    m_musicStatus->setObjectName(QStringLiteral("lblAudio"));
    m_musicStatus->setFont(verdana(8.25, true));
    setColour(m_musicStatus, QPalette::WindowText, kLightBlue);
    m_musicStatus->setGeometry(twipsRect(165, 0, 6405, 435));
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
    case PictureDecoder::Fit::Stretch:
    case PictureDecoder::Fit::Within:
        painter.drawImage(kPictureArea, m_picture);
        break;
    case PictureDecoder::Fit::Contain: {
        painter.fillRect(kPictureArea, kLightBlue);
        QRect fitted(QPoint(), m_picture.size().scaled(kPictureArea.size(), Qt::KeepAspectRatio));
        // Rounding at a fractional scale leaves no band of a pixel.
        if (kPictureArea.width() - fitted.width() <= 1 && kPictureArea.height() - fitted.height() <= 1) {
            fitted.setSize(kPictureArea.size());
        }
        fitted.moveCenter(kPictureArea.center());
        painter.drawImage(fitted, m_picture);
        break;
    }
    case PictureDecoder::Fit::Cover: {
        QRect filled(QPoint(), m_picture.size().scaled(kPictureArea.size(), Qt::KeepAspectRatioByExpanding));
        filled.moveCenter(kPictureArea.center());
        painter.setClipRect(kPictureArea);
        painter.drawImage(filled, m_picture);
        break;
    }
    }
}

void SlideshowWindow::setPictureFit(PictureDecoder::Fit fit)
{
    m_fit = fit;
    update(kPictureArea);
}

void SlideshowWindow::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
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
    update(kPictureArea);
}

int SlideshowWindow::setCaption(const QString& caption)
{
    return m_caption->setText(shownText(caption));
}

void SlideshowWindow::moveCaption(int leftTwips)
{
    // Kept in twips, so 20-twip steps of 1 1/3 px add up without drift.
    m_caption->setLeft(twipsToPixels(leftTwips));
}

void SlideshowWindow::setFrame(int borderShape, int fillStyle)
{
    m_frame->setOptions(borderShape, fillStyle);
    // The frame comes forward over the picture; the strips and the Back button stay in front
    // of it, so a thick border never hides them.
    m_frame->raise();
    m_backButton->raise();
    m_captionStrip->raise();
    m_musicStrip->raise();
}

FontChoice SlideshowWindow::designFont()
{
    return { verdana(11.25, true), QGuiApplication::palette().color(QPalette::WindowText) };
}

int SlideshowWindow::setAffirmationFont(const FontChoice& choice)
{
    return m_caption->setFontAndColour(choice.font, choice.colour);
}

void SlideshowWindow::setMusicStripShown(bool shown)
{
    if (!shown) {
        m_musicStatus->clear();
    }
    setFixedHeight(twipsToPixels(shown ? kMusicHeightTwips : kHeightTwips));
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
