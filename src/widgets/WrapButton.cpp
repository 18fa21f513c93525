#include "widgets/WrapButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace vellumora {

WrapButton::WrapButton(const QString& text, QWidget* parent)
    : QPushButton(text, parent)
{
}

namespace {

constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

} // namespace

QSize WrapButton::sizeHint() const
{
    ensurePolished();
    int widest = 0;
    for (const QString& word :
        QString(text()).remove(QLatin1Char('&')).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(word));
    }
    const QRect lines
        = fontMetrics().boundingRect(QRect(0, 0, widest, QWIDGETSIZE_MAX), kCaptionFlags, text());
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(widest, lines.height()), this);
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    // The bevel is the style's; the caption is drawn here so that it may wrap.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    int flags = kCaptionFlags;
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) {
        flags |= Qt::TextHideMnemonic;
    }
    painter.drawItemText(textArea, flags, option.palette, isEnabled(), caption, QPalette::ButtonText);
}

} // namespace vellumora
