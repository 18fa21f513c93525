#include "show/frmDisplay.h"

#include "platform/Look.h"
#include "platform/MediaControl.h"
#include "platform/Platform.h"
#include "platform/ShownText.h"
#include "platform/Twips.h"
#include "show/FrameShape.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace vellumora {

namespace {

// The picture area, 433 x 337 px.
constexpr QRect kPictureTwips(0, 0, 6495, 5055);

} // namespace

frmDisplay::frmDisplay(Platform& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_mmcAudio(platform.createMediaControl())
{
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Vellumora"));
    setColour(this, QPalette::Window, Qt::white);
    setFont(verdana(8.25, false));
    setFixedSize(twipsToPixels(kWidthTwips), twipsToPixels(kHeightTwips));
    buildControls();
    connect(&TimeDisplay, &QTimer::timeout, this, &frmDisplay::TimeDisplay_Timer);
    connect(&TimeDisplayOne, &QTimer::timeout, this, &frmDisplay::TimeDisplayOne_Timer);
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::backRequested);
    connect(m_mmcAudio.get(), &MediaControl::statusUpdate, this, &frmDisplay::mmcAudio_StatusUpdate);
    // Form_Load: the affirmation moves from the start, at the design pace.
    startGlide(50, {});
}

frmDisplay::~frmDisplay() = default;

void frmDisplay::buildControls()
{
    shpFrame = new FrameShape(this);
    placeTwips(shpFrame, -1440, -1440, 9375, 8055);

    cmdBack = new QPushButton(tr("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    setColour(cmdBack, QPalette::Button, kLightBlue);
    placeTwips(cmdBack, 5760, 0, 735, 255);

    // The strip lies in front of the frame.
    picContainer = new QWidget(this);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    setColour(picContainer, QPalette::Window, kLightBlue);
    placeTwips(picContainer, 0, 5040, 6495, 615);
    lblAffirmationDisplay = new QLabel(picContainer);
    lblAffirmationDisplay->setObjectName(QStringLiteral("lblAffirmationDisplay"));
    lblAffirmationDisplay->setFont(verdana(11.25, true));
    placeLabel();

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    setColour(Picture1, QPalette::Window, Qt::black);
    placeTwips(Picture1, -120, 5640, 6855, 615);
    lblAudio = new QLabel(Picture1);
    lblAudio->setObjectName(QStringLiteral("lblAudio"));
    lblAudio->setFont(verdana(8.25, true));
    setColour(lblAudio, QPalette::WindowText, kLightBlue);
    placeTwips(lblAudio, 165, 0, 6405, 435);
}

void frmDisplay::paintEvent(QPaintEvent*)
{
    // The picture box stretches its picture over the whole picture area.
    if (!m_picture.isNull()) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(
            twipsRect(kPictureTwips.x(), kPictureTwips.y(), kPictureTwips.width(), kPictureTwips.height()),
            m_picture);
    }
}

void frmDisplay::setPicture(const QImage& picture)
{
    m_picture = picture;
    update(twipsRect(kPictureTwips.x(), kPictureTwips.y(), kPictureTwips.width(), kPictureTwips.height()));
}

void frmDisplay::setCaption(const QString& caption)
{
    // The label keeps its place and direction; only its width follows the text.
    lblAffirmationDisplay->setText(shownText(caption));
    lblAffirmationDisplay->adjustSize();
}

QString frmDisplay::caption() const
{
    return lblAffirmationDisplay->text();
}

void frmDisplay::setFrame(int borderShape, int fillStyle)
{
    shpFrame->setOptions(borderShape, fillStyle);
    // The frame comes forward over the picture, but the strips and the Back button, being
    // windows of their own in the original design, always stay in front of a drawn shape.
    shpFrame->raise();
    cmdBack->raise();
    picContainer->raise();
    Picture1->raise();
}

void frmDisplay::setAffirmationFont(const FontChoice& choice)
{
    lblAffirmationDisplay->setFont(choice.font);
    setColour(lblAffirmationDisplay, QPalette::WindowText, choice.colour);
    lblAffirmationDisplay->adjustSize();
}

QFont frmDisplay::affirmationFont() const
{
    return lblAffirmationDisplay->font();
}

QColor frmDisplay::affirmationColour() const
{
    return lblAffirmationDisplay->palette().color(QPalette::WindowText);
}

void frmDisplay::placeLabel()
{
    // Kept in twips, so 20-twip steps of 1 1/3 px add up without drift.
    lblAffirmationDisplay->move(twipsToPixels(m_glide.left), twipsToPixels(120));
}

void frmDisplay::startGlide(int stepMs, std::function<int()> paceAtTurn)
{
    m_paceAtTurn = std::move(paceAtTurn);
    TimeDisplayOne.stop();
    TimeDisplay.setTimerType(Qt::PreciseTimer);
    TimeDisplayOne.setTimerType(Qt::PreciseTimer);
    TimeDisplay.start(stepMs);
}

void frmDisplay::stopGlide()
{
    TimeDisplay.stop();
    TimeDisplayOne.stop();
}

void frmDisplay::TimeDisplay_Timer()
{
    glideStep(TimeDisplay, TimeDisplayOne);
}

void frmDisplay::TimeDisplayOne_Timer()
{
    glideStep(TimeDisplayOne, TimeDisplay);
}

void frmDisplay::glideStep(QTimer& running, QTimer& other)
{
    // At a turn the other timer takes over, at the pace chosen at that moment.
    if (m_glide.tick(lblAffirmationDisplay->width() * kTwipsPerPixel, kWidthTwips)) {
        other.start(m_paceAtTurn ? m_paceAtTurn() : running.interval());
        running.stop();
        return;
    }
    placeLabel();
}

void frmDisplay::showMusicStrip(std::function<QString()> musicPath)
{
    m_musicPath = std::move(musicPath);
    setFixedHeight(twipsToPixels(kMusicHeightTwips));
}

void frmDisplay::hideMusicStrip()
{
    m_musicPath = {};
    lblAudio->clear();
    setFixedHeight(twipsToPixels(kHeightTwips));
}

void frmDisplay::mmcAudio_StatusUpdate()
{
    const QString path = m_musicPath ? m_musicPath() : m_mmcAudio->fileName();
    lblAudio->setText(show::musicStatus(path, m_mmcAudio->position(), m_mmcAudio->length()));
}

QString frmDisplay::musicStatus() const
{
    return lblAudio->text();
}

void frmDisplay::closeEvent(QCloseEvent* event)
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
