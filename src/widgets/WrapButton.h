#pragma once

#include <QPushButton>

namespace vellumora {

// A push button whose caption wraps onto several lines when it does not fit on one, as the tall
// navigation buttons need. Mnemonics ("&Start") work as on any push button.
class WrapButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrapButton(const QString& text, QWidget* parent = nullptr);

    // As wide as its longest word and as tall as the lines it then needs.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vellumora
