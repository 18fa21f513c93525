#include "board/BoardWindow.h"

#include "board/BoardOutput.h"
#include "board/BoardPainter.h"
#include "board/BoardView.h"
#include "images/PictureLoader.h"
#include "library/Library.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace vellumora {

namespace {

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* made = new QPushButton(caption, parent);
    made->setObjectName(QLatin1String(name));
    return made;
}

} // namespace

BoardWindow::BoardWindow(Platform& platform, Library& library, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_platform(platform)
    , m_library(library)
    , m_board(library)
{
    setObjectName(QStringLiteral("frmBoard"));
    setWindowTitle(tr("My Board"));
    m_loader = new PictureLoader(platform.thumbnailFolder(), this);
    m_view = new BoardView(*m_loader, this);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("txtBoardTitle"));
    m_title->setPlaceholderText(tr("My vision board 2027"));
    m_size = new QComboBox(this);
    m_size->setObjectName(QStringLiteral("cboBoardSize"));
    const std::pair<BoardSize, QString> sizes[]
        = { { BoardSize::Screen, tr("This screen") }, { BoardSize::PhoneTall, tr("Phone, 1170 x 2532") },
              { BoardSize::PhoneWide, tr("Phone, 1080 x 2400") }, { BoardSize::A4, tr("A4") },
              { BoardSize::A3, tr("A3") }, { BoardSize::Letter, tr("US Letter") },
              { BoardSize::Typed, tr("Other size") } };
    for (const auto& [size, caption] : sizes) {
        m_size->addItem(caption, int(size));
    }
    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("spnBoardWidth"));
    m_height = new QSpinBox(this);
    m_height->setObjectName(QStringLiteral("spnBoardHeight"));
    for (QSpinBox* side : { m_width, m_height }) {
        side->setRange(16, 20000);
        side->setSuffix(tr(" px"));
        side->setValue(side == m_width ? 1920 : 1080);
    }
    auto* typed = new QHBoxLayout;
    typed->addWidget(m_width);
    typed->addWidget(new QLabel(tr("by"), this));
    typed->addWidget(m_height);
    m_landscape = new QCheckBox(tr("&Landscape"), this);
    m_landscape->setObjectName(QStringLiteral("chkBoardLandscape"));
    m_margin = new QSpinBox(this);
    m_margin->setObjectName(QStringLiteral("spnBoardMargin"));
    m_margin->setRange(0, BoardChoices::kMaxMarginPercent);
    m_margin->setSuffix(tr(" %"));
    auto* background = button(tr("Background &Colour..."), "cmdBoardBackground", this);
    m_pictures = new QListWidget(this);
    m_pictures->setObjectName(QStringLiteral("lstBoardPictures"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblBoardNote"));
    m_note->setWordWrap(true);
    auto* shuffle = button(tr("&Shuffle"), "cmdShuffle", this);
    auto* savePicture = button(tr("Save as &Picture..."), "cmdSaveBoardPicture", this);
    auto* savePdf = button(tr("Save as P&DF..."), "cmdSaveBoardPdf", this);
    auto* print = button(tr("P&rint..."), "cmdPrintBoard", this);
    auto* close = button(tr("Close"), "cmdCloseBoard", this);

    auto* form = new QFormLayout;
    form->addRow(tr("&Title:"), m_title);
    form->addRow(tr("Si&ze:"), m_size);
    form->addRow(QString(), typed);
    form->addRow(QString(), m_landscape);
    form->addRow(tr("&Margin:"), m_margin);
    form->addRow(QString(), background);
    auto* side = new QVBoxLayout;
    side->addLayout(form);
    auto* picturesLabel = new QLabel(tr("Pictures &on the board:"), this);
    picturesLabel->setBuddy(m_pictures);
    side->addWidget(picturesLabel);
    side->addWidget(m_pictures, 1);
    side->addWidget(m_note);
    side->addWidget(shuffle);
    side->addWidget(savePicture);
    side->addWidget(savePdf);
    side->addWidget(print);
    side->addSpacing(8);
    side->addWidget(close);
    auto* whole = new QHBoxLayout(this);
    whole->addWidget(m_view, 1);
    whole->addLayout(side);

    m_relayout.setSingleShot(true);
    connect(&m_relayout, &QTimer::timeout, this, [this] {
        const BoardSheet sheet = currentSheet();
        m_view->setSheet(sheet);
        const Outcome notes = Board::notesOf(sheet);
        QStringList texts;
        for (const Outcome::Notice& notice : notes.notices()) {
            texts.append(notice.text);
        }
        m_note->setText(texts.join(QLatin1Char('\n')));
        m_note->setVisible(!texts.isEmpty());
    });
    connect(&m_board, &Board::changed, this, [this] {
        showChoices();
        relayout();
    });
    connect(m_view, &BoardView::swapRequested, this,
        [this](const QString& first, const QString& second) { report(m_board.swap(first, second)); });
    connect(
        m_title, &QLineEdit::editingFinished, this, [this] { report(m_board.setTitle(m_title->text())); });
    const auto pageChosen = [this] {
        if (m_showing) {
            return;
        }
        const auto size = BoardSize(m_size->currentData().toInt());
        report(m_board.setPage(
            { size, size == BoardSize::Typed ? QSize(m_width->value(), m_height->value()) : QSize(),
                m_landscape->isChecked() }));
    };
    connect(m_size, &QComboBox::currentIndexChanged, this, pageChosen);
    connect(m_width, &QSpinBox::editingFinished, this, pageChosen);
    connect(m_height, &QSpinBox::editingFinished, this, pageChosen);
    connect(m_landscape, &QCheckBox::toggled, this, pageChosen);
    connect(m_margin, &QSpinBox::valueChanged, this, [this](int percent) {
        if (!m_showing) {
            report(m_board.setMargin(percent));
        }
    });
    connect(background, &QPushButton::clicked, this, [this] {
        if (const auto colour
            = m_platform.chooseColour(m_board.choices().background, tr("Background of the Board"))) {
            report(m_board.setBackground(*colour));
        }
    });
    connect(m_pictures, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_showing) {
            report(m_board.setOnBoard(item->text(), item->checkState() == Qt::Checked));
            showChoices();
        }
    });
    connect(shuffle, &QPushButton::clicked, this,
        [this] { report(m_board.shuffle(*QRandomGenerator::global())); });
    connect(savePicture, &QPushButton::clicked, this, &BoardWindow::savePicture);
    connect(savePdf, &QPushButton::clicked, this, &BoardWindow::savePdf);
    connect(print, &QPushButton::clicked, this, &BoardWindow::print);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // The board follows the library: pictures come and go, sentences are ticked and written.
    for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*> {
             &library.pictures(), &library.affirmations(), &library.categories() }) {
        connect(model, &QAbstractItemModel::modelReset, this, &BoardWindow::relayout);
        connect(model, &QAbstractItemModel::rowsInserted, this, &BoardWindow::relayout);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &BoardWindow::relayout);
        connect(model, &QAbstractItemModel::dataChanged, this, &BoardWindow::relayout);
    }
    connect(&library.pictures(), &QAbstractItemModel::modelReset, this, &BoardWindow::showChoices);
    connect(&library.pictures(), &QAbstractItemModel::rowsInserted, this, &BoardWindow::showChoices);
    connect(&library.pictures(), &QAbstractItemModel::rowsRemoved, this, &BoardWindow::showChoices);
    connect(&library.options(), &ShowOptions::changed, this, &BoardWindow::relayout);
    // A sync tool or another program may bring a new board.txt.
    connect(&library, &Library::changedOnDisk, this, [this] { report(reload()); });
    // The designed size, within the screen it opens on, as on a small screen at 2x.
    const QSize room = screen() ? screen()->availableSize() * 9 / 10 : QSize(900, 640);
    resize(QSize(900, 640).boundedTo(room).expandedTo(minimumSizeHint()));
}

BoardWindow::~BoardWindow()
{
    // The focus leaves the fields as the window goes, and what they would then report would reach
    // a board already gone: the title typed is kept now, and the fields are heard no more.
    m_board.setTitle(m_title->text());
    for (QObject* field : std::initializer_list<QObject*> { m_title, m_width, m_height }) {
        field->disconnect(this);
    }
}

Outcome BoardWindow::reload()
{
    Outcome outcome = m_board.load();
    showChoices();
    relayout();
    return outcome;
}

void BoardWindow::relayout()
{
    m_relayout.start(0);
}

void BoardWindow::showChoices()
{
    m_showing = true;
    const BoardChoices& choices = m_board.choices();
    if (!m_title->hasFocus()) {
        m_title->setText(choices.title);
    }
    m_size->setCurrentIndex(m_size->findData(int(choices.page.size)));
    const bool typed = choices.page.size == BoardSize::Typed;
    if (typed) {
        m_width->setValue(choices.page.typed.width());
        m_height->setValue(choices.page.typed.height());
    }
    m_width->setEnabled(typed);
    m_height->setEnabled(typed);
    // A screen's and a typed size's own proportions are kept; paper and phones turn.
    m_landscape->setEnabled(choices.page.size != BoardSize::Screen && !typed);
    m_landscape->setChecked(choices.page.landscape);
    m_margin->setValue(choices.marginPercent);
    m_pictures->clear();
    for (const Board::Entry& entry : m_board.entries()) {
        auto* item = new QListWidgetItem(entry.name, m_pictures);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.onBoard ? Qt::Checked : Qt::Unchecked);
    }
    m_showing = false;
}

BoardSheet BoardWindow::currentSheet() const
{
    return m_board.sheet(m_board.choices().page.pixels(Board::screenPixels()));
}

void BoardWindow::report(const Outcome& outcome)
{
    outcome.report(m_platform);
}

void BoardWindow::save(const QString& title, const QList<FileFilter>& filters, const QString& suffix)
{
    const BoardSheet sheet = currentSheet();
    if (const Outcome notes = Board::notesOf(sheet); !notes) {
        report(notes);
        return;
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString path = m_platform.saveFileName(
        { title, filters, QDir(folder).filePath(tr("My board") + QLatin1Char('.') + suffix) });
    if (path.isEmpty()) {
        return;
    }
    WorkProgress progress;
    report(runLong(
        m_platform, tr("Saving the board..."), progress, [&] { return BoardOutput::save(sheet, path); },
        false));
}

void BoardWindow::savePicture()
{
    const bool phone = m_board.choices().page.size == BoardSize::PhoneTall
        || m_board.choices().page.size == BoardSize::PhoneWide;
    QList<FileFilter> filters { { tr("PNG picture (*.png)"), QStringLiteral("*.png") },
        { tr("JPEG picture (*.jpg *.jpeg)"), QStringLiteral("*.jpg *.jpeg") } };
    // A phone takes a JPEG best: it is a tenth of the size.
    if (phone) {
        std::swap(filters[0], filters[1]);
    }
    save(tr("Save the Board as a Picture"), filters, phone ? QStringLiteral("jpg") : QStringLiteral("png"));
}

void BoardWindow::savePdf()
{
    save(tr("Save the Board as a PDF"), { { tr("PDF document (*.pdf)"), QStringLiteral("*.pdf") } },
        QStringLiteral("pdf"));
}

void BoardWindow::print()
{
    const BoardSheet sheet = currentSheet();
    if (const Outcome notes = Board::notesOf(sheet); !notes) {
        report(notes);
        return;
    }
    QString error;
    const PrintRequest request { sheet.content.title.isEmpty() ? tr("My board") : sheet.content.title,
        BoardOutput::paperOf(sheet.page), sheet.page, [&](QPainter& painter) {
            BoardPainter::paint(painter, sheet, [&](const BoardLayout::Tile& tile, const QSize& pixels) {
                return BoardPainter::decoded(sheet, tile, pixels);
            });
        } };
    if (m_platform.print(request, &error) == PrintResult::Failed) {
        report(Outcome::refused(withReason(tr("The board could not be printed."), error)));
    }
}

} // namespace vellumora
