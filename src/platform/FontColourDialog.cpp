#include "platform/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellumora {

FontColourDialog::FontColourDialog(const FontChoice& initial, QWidget* parent)
    : QDialog(parent)
    , m_colour(initial.colour.isValid() ? initial.colour : palette().color(QPalette::WindowText))
{
    setWindowTitle(QStringLiteral("Vellumora"));
    m_fonts = new QFontDialog(initial.font, this);
    m_fonts->setOptions(QFontDialog::NoButtons);
    // Embedded, it is a page of this dialog rather than a window of its own: no grip of its own,
    // and Escape cancels the whole dialog instead of hiding the page.
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setSizeGripEnabled(false);
    m_fonts->installEventFilter(this);

    m_colourButton = new QPushButton(this);
    m_colourButton->setObjectName(QStringLiteral("colour"));
    connect(m_colourButton, &QPushButton::clicked, this, &FontColourDialog::chooseColour);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(tr("Colour:"), this));
    colourRow->addWidget(m_colourButton);
    colourRow->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
    showColour();
}

bool FontColourDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_fonts && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

FontChoice FontColourDialog::choice() const
{
    return { m_fonts->currentFont(), m_colour };
}

void FontColourDialog::chooseColour()
{
    const QColor chosen = QColorDialog::getColor(m_colour, this, tr("Colour"));
    if (chosen.isValid()) {
        m_colour = chosen;
        showColour();
    }
}

void FontColourDialog::showColour()
{
    QPixmap swatch(32, 16);
    swatch.fill(m_colour);
    m_colourButton->setIcon(QIcon(swatch));
    m_colourButton->setText(m_colour.name());
}

} // namespace vellumora
