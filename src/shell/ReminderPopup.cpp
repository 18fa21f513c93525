#include "shell/ReminderPopup.h"

#include "widgets/TwipsLayout.h"

#include <QApplication>
#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace vellumora {

ReminderPopup::ReminderPopup(const QString& affirmation, int shownMs, QWidget* parent)
    : QWidget(
        parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("frmReminder"));
    setWindowTitle(QStringLiteral("Vellumora"));
    setAttribute(Qt::WA_DeleteOnClose);
    // It comes while the user works elsewhere: the keyboard stays where it is.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("Click to start the show"));

    QHBoxLayout* iconAndText = rowInTwips(this, 180, 150, 180, 150);
    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(twipsToPixels(720)));
    iconAndText->addWidget(icon, 0, Qt::AlignTop);
    addGapTwips(iconAndText, 180);
    QVBoxLayout* rows = column();
    iconAndText->addLayout(rows, 1);
    auto* title = new QLabel(QStringLiteral("Vellumora"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    rows->addWidget(title);
    addGapTwips(rows, 60);
    auto* text = new QLabel(affirmation, this);
    text->setObjectName(QStringLiteral("lblReminder"));
    text->setTextFormat(Qt::PlainText);
    text->setWordWrap(true);
    rows->addWidget(text);
    setFixedWidth(twipsToPixels(5400));
    QTimer::singleShot(shownMs, this, &QWidget::close);
}

void ReminderPopup::showEvent(QShowEvent* event)
{
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int margin = twipsToPixels(180);
        move(area.right() - width() - margin, area.bottom() - height() - margin);
    }
    QWidget::showEvent(event);
}

void ReminderPopup::paintEvent(QPaintEvent*)
{
    // Borderless, it needs an edge of its own to stand out from whatever lies behind it.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ReminderPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Closed first: what the click starts may wait in a message box, and this window must
        // not go away under it.
        close();
        emit clicked();
    }
}

} // namespace vellumora
