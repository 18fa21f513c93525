#include "platform/FontColourDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellumora {

namespace {

int gridColumn(QGridLayout* grid, QWidget* widget)
{
    int row = 0, column = -1, rows = 0, columns = 0;
    if (const int index = grid->indexOf(widget); index >= 0) {
        grid->getItemPosition(index, &row, &column, &rows, &columns);
    }
    return column;
}

// Qt's font dialog gives its fields and lists no names a screen reader could say: the field and
// the list of each column take the label above them.
void nameFontFields(QFontDialog* fonts)
{
    auto* grid = qobject_cast<QGridLayout*>(fonts->layout());
    if (!grid) {
        return;
    }
    for (QLabel* label : fonts->findChildren<QLabel*>()) {
        QWidget* field = label->buddy();
        if (!field || gridColumn(grid, field) < 0) {
            continue;
        }
        const QString name = QString(label->text()).remove(QLatin1Char('&'));
        for (QWidget* control : fonts->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control != label && gridColumn(grid, control) == gridColumn(grid, field)
                && (qobject_cast<QLineEdit*>(control) || qobject_cast<QListView*>(control))) {
                control->setAccessibleName(name);
            }
        }
    }
}

} // namespace

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
    nameFontFields(m_fonts);

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
