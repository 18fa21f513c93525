#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace vellumora {

void preferTwips(QWidget* widget, int width, int height)
{
    QSize least(twipsToPixels(width), twipsToPixels(height));
    // A minimum of its own would let a frame be squeezed below what its contents need: a
    // longer language's buttons would run into each other.
    if (widget->layout()) {
        least = least.expandedTo(widget->minimumSizeHint());
    }
    widget->setMinimumSize(least);
}

void fitCaption(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.features = button->isDefault() ? QStyleOptionButton::DefaultButton : QStyleOptionButton::None;
    // Sized for its caption with the text left out of the option, which is what lets the style
    // skip its least width.
    const QSize caption = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    const QSize needed = button->style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, button);
    // Never narrower than the design, nor than its caption: a longer language or a larger font
    // widens the button, and with it the frame, rather than cutting the caption off.
    const int width = std::max(button->minimumWidth(), needed.width());
    button->setMinimumWidth(width);
    button->setMaximumWidth(width);
}

void preferWrappedTwips(QLabel* label, int width, int height)
{
    label->setWordWrap(true);
    const int pixels = twipsToPixels(width);
    label->setMinimumSize(pixels, std::max(twipsToPixels(height), label->heightForWidth(pixels)));
}

namespace {

template <typename Box> Box* boxInTwips(QWidget* owner, int left, int top, int right, int bottom)
{
    auto* box = new Box(owner);
    box->setSpacing(0);
    // Only a frame has margins of its own: its border, and its caption at the top.
    const QMargins taken = owner->contentsMargins();
    box->setContentsMargins(std::max(0, twipsToPixels(left) - taken.left()),
        std::max(0, twipsToPixels(top) - taken.top()), std::max(0, twipsToPixels(right) - taken.right()),
        std::max(0, twipsToPixels(bottom) - taken.bottom()));
    return box;
}

template <typename Box> Box* plainBox()
{
    auto* box = new Box;
    box->setSpacing(0);
    box->setContentsMargins(0, 0, 0, 0);
    return box;
}

} // namespace

QVBoxLayout* columnInTwips(QWidget* owner, int left, int top, int right, int bottom)
{
    return boxInTwips<QVBoxLayout>(owner, left, top, right, bottom);
}

QHBoxLayout* rowInTwips(QWidget* owner, int left, int top, int right, int bottom)
{
    return boxInTwips<QHBoxLayout>(owner, left, top, right, bottom);
}

QVBoxLayout* column()
{
    return plainBox<QVBoxLayout>();
}

QHBoxLayout* row()
{
    return plainBox<QHBoxLayout>();
}

void addGapTwips(QBoxLayout* layout, int twips)
{
    layout->addSpacing(twipsToPixels(twips));
}

QHBoxLayout* addRowTwips(QVBoxLayout* column, int spanTwips)
{
    QHBoxLayout* result = row();
    result->setAlignment(Qt::AlignTop);
    result->addStrut(twipsToPixels(spanTwips));
    column->addLayout(result);
    return result;
}

QRect availableArea(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void centreOnScreen(QWidget* window)
{
    const QRect area = availableArea(window);
    if (area.isEmpty()) {
        return;
    }
    if (!window->testAttribute(Qt::WA_Resized)) {
        window->adjustSize();
    }
    window->move(centredIn(area, window->frameGeometry().size()));
}

QPoint centredIn(const QRect& area, const QSize& frame)
{
    QRect placed(QPoint(), frame);
    placed.moveCenter(area.center());
    return { std::max(area.left(), std::min(placed.left(), area.right() + 1 - frame.width())),
        std::max(area.top(), std::min(placed.top(), area.bottom() + 1 - frame.height())) };
}

} // namespace vellumora
