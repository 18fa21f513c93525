#include "shell/MainWindow.h"

#include "BuildConfig.h"
#include "affirmations/AffirmationLibraryPanel.h"
#include "desktoppicture/DesktopChanger.h"
#include "images/ImageLibraryPanel.h"
#include "images/PictureLoader.h"
#include "library/Library.h"
#include "platform/LongWork.h"
#include "platform/Platform.h"
#include "settings/SettingsPanel.h"
#include "settings/ShapeOptions.h"
#include "shell/WebLinks.h"
#include "show/ShowLauncher.h"
#include "voice/Voice.h"
#include "widgets/Look.h"
#include "widgets/TwipsLayout.h"
#include "widgets/WrapButton.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTimer>

namespace vellumora {

namespace {

// Where the size the user gave the window is kept.
const QString kSizeSection = QStringLiteral("settings");
const QString kWidthKey = QStringLiteral("WindowWidth");
const QString kHeightKey = QStringLiteral("WindowHeight");

QLabel* centredText(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// Scrolls the window's contents on a screen too small for them; otherwise it is as large as they
// are, and shows no bar and no frame.
class ClientScroller : public QScrollArea {
public:
    explicit ClientScroller(QWidget* parent)
        : QScrollArea(parent)
    {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        setFocusPolicy(Qt::NoFocus);
    }
    QSize sizeHint() const override { return widget() ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};

} // namespace

MainWindow::MainWindow(Platform& platform, Library& library, QRandomGenerator& random, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_random(random)
    , m_library(library)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral(VELLUMORA_TITLE));
    setFont(verdana(8.25));

    m_voice = new Voice(platform, library.recordings(), library.voice(), this);
    buildControls();
    buildMenus();
    connectSignals();
    // The first control a key reaches is the banner, on which Enter would open a web page.
    m_imageLibrary->setFocus();
    m_keepSizeTimer = new QTimer(this);
    m_keepSizeTimer->setSingleShot(true);
    m_keepSizeTimer->setInterval(500);
    connect(m_keepSizeTimer, &QTimer::timeout, this, &MainWindow::keepSize);
    layout()->activate();
    fitMinimum();
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::LayoutRequest) {
        fitMinimum();
    }
    return handled;
}

void MainWindow::fitMinimum()
{
    // The user may make the window larger, never smaller than every text needs to show whole:
    // the layout's own minimum would let a caption longer than its design be cut. On a screen
    // smaller than that the contents scroll instead.
    QWidget* client = m_scroller->widget();
    client->setMinimumSize(client->layout()->totalSizeHint());
    QSize least = layout()->totalSizeHint();
    if (m_startRow->parent() == centralWidget()) {
        // Scrolled up and down, the contents keep their width beside the bar.
        least.rwidth() += m_scroller->verticalScrollBar()->sizeHint().width();
    }
    setMinimumSize(m_room.isEmpty() ? least : least.boundedTo(m_room));
}

void MainWindow::placeOnScreen(QRect area)
{
    if (area.isEmpty()) {
        area = availableArea(this);
    }
    if (area.isEmpty()) {
        return;
    }
    const QSize stored(m_platform.setting(kSizeSection, kWidthKey).toInt(),
        m_platform.setting(kSizeSection, kHeightKey).toInt());
    // The frame's own border and title bar are known once the window has been shown.
    const QSize frame = frameGeometry().size() - geometry().size();
    m_room = area.size() - frame;
    const QSize least = layout()->totalSizeHint();
    if (!least.boundedTo(m_room).isEmpty() && least.boundedTo(m_room) != least
        && m_startRow->parent() != centralWidget()) {
        // Start stays in view below what scrolls.
        m_startRow->setParent(centralWidget());
        centralWidget()->layout()->addWidget(m_startRow);
        m_startRow->show();
    }
    fitMinimum();
    const QSize wanted = stored.isEmpty() ? minimumSize() : stored;
    resize(wanted.boundedTo(m_room).expandedTo(minimumSize()));
    move(centredIn(area, frameGeometry().size()));
    m_keptSize = size();
}

namespace {

// Maximised, the window is the screen's size, not one the user chose.
bool ofItsOwnSize(const QWidget* window)
{
    return !(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

} // namespace

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (isVisible() && !m_keptSize.isEmpty() && size() != m_keptSize && ofItsOwnSize(this)) {
        m_keepSizeTimer->start();
    }
}

void MainWindow::hideEvent(QHideEvent* event)
{
    if (m_keepSizeTimer->isActive()) {
        m_keepSizeTimer->stop();
        keepSize();
    }
    QMainWindow::hideEvent(event);
}

void MainWindow::keepSize()
{
    // The desktop may tell of a maximised window's state after its new size.
    if (!ofItsOwnSize(this) || size() == m_keptSize) {
        return;
    }
    // Not told: the size of a window is no loss worth a message.
    if (m_platform.setSetting(kSizeSection, kWidthKey, QString::number(width()))
        && m_platform.setSetting(kSizeSection, kHeightKey, QString::number(height()))) {
        m_keptSize = size();
    }
}

void MainWindow::buildControls()
{
    // On a screen too small for it the window scrolls its contents, all but the row with Start.
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);
    auto* centralRows = column();
    central->setLayout(centralRows);
    m_scroller = new ClientScroller(central);
    m_scroller->setObjectName(QStringLiteral("clientScroller"));
    centralRows->addWidget(m_scroller, 1);
    auto* client = new QWidget(m_scroller);
    client->setObjectName(QStringLiteral("client"));
    m_scroller->setWidget(client);
    QVBoxLayout* rows = columnInTwips(client, 60, 0, 45, 510);

    m_homePageLink = linkLabel(
        tr("Click here to visit the Vellumora home page for ideas, tips and updates"), "Label14", client);
    m_homePageLink->setAlignment(Qt::AlignCenter);
    preferTwips(m_homePageLink, 9555, 195);
    rows->addWidget(m_homePageLink);
    addGapTwips(rows, 45);

    QLabel* introduction
        = centredText(tr("Vellumora keeps your vision board in view: post your daily visions, goals, "
                         "motivational messages and sayings here, and see them every day until they "
                         "come true."),
            "Label4", client);
    preferWrappedTwips(introduction, 9495, 615);
    rows->addWidget(introduction);
    addGapTwips(rows, 65);
    QLabel* choose = centredText(
        tr("Select The Image and affirmation category to display your vision board"), "Label5", client);
    preferTwips(choose, 7065, 210);
    rows->addWidget(choose);
    addGapTwips(rows, 70);

    // A larger window goes to the panels; the texts above them and the navigation stay as they are.
    QHBoxLayout* panelsAndNavigation = row();
    rows->addLayout(panelsAndNavigation, 1);
    QVBoxLayout* panelsAndStart = column();
    panelsAndNavigation->addLayout(panelsAndStart, 1);
    addGapTwips(panelsAndNavigation, 45);
    buildPanels(client, panelsAndStart);
    buildNavigation(client, panelsAndNavigation, panelsAndStart);
    m_show = new ShowLauncher(m_platform, m_random, m_library,
        { *this, m_imageLibrary->thumbnails(), *m_pictureLoader, *m_voice }, this);
}

void MainWindow::buildPanels(QWidget* client, QBoxLayout* panelColumn)
{
    // The three panels share one place; only the one in front can be seen or reached.
    m_panelArea = new QStackedWidget(client);
    m_panelArea->setObjectName(QStringLiteral("panelArea"));
    preferTwips(m_panelArea, 7575, 6135);
    panelColumn->addWidget(m_panelArea, 1);
    m_pictureLoader = new PictureLoader(m_platform.thumbnailFolder(), this);
    m_imageLibrary = new ImageLibraryPanel(m_platform, m_library.pictures(), *m_pictureLoader, m_panelArea);
    // The border and fill options belong to the settings but stand on the image library panel.
    auto* shapeOptions = new ShapeOptions(m_imageLibrary);
    m_imageLibrary->addBelowButtons(shapeOptions);
    m_affirmationLibrary = new AffirmationLibraryPanel(
        m_platform, m_library.categories(), m_library.affirmations(), *m_voice, m_panelArea);
    m_settings = new SettingsPanel(m_platform, m_library.options(), m_library.reminders(), m_library.voice(),
        *shapeOptions, m_panelArea);
    m_panelArea->addWidget(m_imageLibrary);
    m_panelArea->addWidget(m_affirmationLibrary);
    m_panelArea->addWidget(m_settings);
}

void MainWindow::buildNavigation(QWidget* client, QBoxLayout* besidePanels, QBoxLayout* belowPanels)
{
    auto* navigation = new QGroupBox(client);
    navigation->setObjectName(QStringLiteral("Frame7"));
    besidePanels->addWidget(navigation, 0, Qt::AlignTop);
    QVBoxLayout* buttons = columnInTwips(navigation, 240, 360, 240, 285);
    // Mnemonics of their own, apart from the menus', Start's and every panel's.
    const auto add = [&](const QString& caption, const char* name) {
        if (buttons->count() > 0) {
            addGapTwips(buttons, 165);
        }
        QPushButton* button = designButton<WrapButton>(caption, name, navigation, 1455, 1095);
        buttons->addWidget(button);
        return button;
    };
    m_imageLibraryButton = add(tr("Image &Library"), "cmdImageLibrary");
    m_affirmationLibraryButton = add(tr("Affirmation Li&brary"), "cmdAffirmationLibrary");
    m_settingsButton = add(tr("Se&ttings"), "cmdMusicSettings");
    m_fontButton = add(tr("F&ont"), "cmdFont");
    m_aboutButton = add(tr("About Soft&ware "), "cmdAbout");

    // Left of Start, below the panels where the deletes are made, and before it for Tab. Its key
    // is Ctrl+Z.
    m_startRow = new QWidget(client);
    m_startRow->setObjectName(QStringLiteral("startRow"));
    QHBoxLayout* undoAndStart = row();
    m_startRow->setLayout(undoAndStart);
    addGapTwips(belowPanels, 105);
    belowPanels->addWidget(m_startRow);
    belowPanels->addStretch();
    m_undoButton = designButton(tr("Undo Delete"), "cmdUndo", m_startRow, 2115, 495);
    undoAndStart->addWidget(m_undoButton);
    addGapTwips(undoAndStart, 90);
    m_startButton = designButton(tr("&Start"), "cmdDisplayAffirmations", m_startRow, 5370, 495);
    undoAndStart->addWidget(m_startButton, 1);
}

void MainWindow::connectSignals()
{
    connect(m_homePageLink, &QLabel::linkActivated, this, [this] { WebLinks::openHomePage(m_platform); });
    connect(m_imageLibraryButton, &QPushButton::clicked, this, [this] { bringToFront(m_imageLibrary); });
    connect(m_affirmationLibraryButton, &QPushButton::clicked, this,
        [this] { bringToFront(m_affirmationLibrary); });
    connect(m_settingsButton, &QPushButton::clicked, this, [this] { bringToFront(m_settings); });
    connect(m_show, &ShowLauncher::musicPanelWanted, this, [this] { bringToFront(m_settings); });
    connect(m_fontButton, &QPushButton::clicked, m_show, &ShowLauncher::chooseFont);
    connect(m_aboutButton, &QPushButton::clicked, this, &MainWindow::showAbout);
    connect(m_startButton, &QPushButton::clicked, m_show, &ShowLauncher::start);
    connect(m_show, &ShowLauncher::ended, m_imageLibrary, &ImageLibraryPanel::scrollToTop);
    connect(m_undoButton, &QPushButton::clicked, this, &MainWindow::undoDelete);
    connect(&m_library.deletes(), &DeleteHistory::changed, this, &MainWindow::showUndo);
    connect(&m_library.deletes(), &DeleteHistory::restoredIn, this, [this](DeleteHistory::Part part) {
        bringToFront(part == DeleteHistory::Part::Pictures ? static_cast<QWidget*>(m_imageLibrary)
                                                           : m_affirmationLibrary);
    });
    showUndo();
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        field->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A field takes Ctrl+Z for its own typing even with none to undo; then it undoes a delete
    // made from the keyboard while the field had the focus.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo)
        && !static_cast<QLineEdit*>(watched)->isUndoAvailable()) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

MainWindow::~MainWindow() = default;

bool MainWindow::startShow()
{
    return m_show->start();
}

void MainWindow::answerLaterStart(LaterStart request)
{
    // A dialog of this window is answered first, and long work is let finish; nothing starts
    // behind them.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        return;
    }
    if (LongWork::running()) {
        return;
    }
    if (m_show->isRunning()) {
        m_show->comeForward();
        return;
    }
    if (request == LaterStart::StartShow && m_show->start()) {
        return;
    }
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Long work of this window's runs until it returns here; the progress dialog offers Cancel.
    if (LongWork::running()) {
        event->ignore();
        return;
    }
    emit closed();
    event->accept();
}

bool MainWindow::isShowRunning() const
{
    return m_show->isRunning();
}

void MainWindow::bringToFront(QWidget* panel)
{
    m_panelArea->setCurrentWidget(panel);
}

} // namespace vellumora
