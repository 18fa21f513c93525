#pragma once

#include "platform/FontChoice.h"

#include <QDialog>

class QFontDialog;
class QPushButton;

namespace vellumora {

// Qt's font dialog (face, style, size, strikeout, underline) with a text colour beside it.
class FontColourDialog : public QDialog {
    Q_OBJECT
public:
    explicit FontColourDialog(const FontChoice& initial, QWidget* parent = nullptr);

    FontChoice choice() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseColour();
    void showColour();

    QFontDialog* m_fonts = nullptr;
    QPushButton* m_colourButton = nullptr;
    QColor m_colour;
};

} // namespace vellumora
