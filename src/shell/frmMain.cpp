#include "shell/frmMain.h"

#include "images/ImageLibraryPanel.h"
#include "images/PictureLoader.h"
#include "library/AffirmationLibraryPanel.h"
#include "platform/LinkLabel.h"
#include "platform/Look.h"
#include "platform/Platform.h"
#include "platform/Twips.h"
#include "platform/WrapButton.h"
#include "settings/SettingsPanel.h"
#include "settings/ShapeOptions.h"
#include "shell/WebLinks.h"
#include "shell/frmAbout.h"
#include "show/ShowLauncher.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLayout>
#include <QMenuBar>
#include <QStackedWidget>

namespace vellumora {

namespace {

QPushButton* navigationButton(const QString& caption, const char* name, QWidget* parent, int top)
{
    auto* button = new WrapButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    placeTwips(button, 240, top, 1455, 1095);
    return button;
}

} // namespace

frmMain::frmMain(Platform& platform, QRandomGenerator& random, QWidget* parent)
    : QMainWindow(parent)
    , m_platform(platform)
    , m_random(random)
    , CDImage(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Vellumora v1.0"));
    setFont(verdana(8.25));

    buildControls();
    buildMenus();
    connectSignals();
    // The client area is fixed; the window's height follows the menu bar's.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void frmMain::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(9660), twipsToPixels(8490));
    setCentralWidget(client);

    Label14 = new LinkLabel(
        tr("Click here to visit the Vellumora home page for ideas, tips and updates"), client);
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setAlignment(Qt::AlignCenter);
    placeTwips(Label14, -427, 0, 10515, 195);

    auto* Label4 = new QLabel(tr("Vellumora keeps your vision board in view: post your daily visions, goals, "
                                 "motivational messages and sayings here, and see them every day until they "
                                 "come true."),
        client);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignCenter);
    placeTwips(Label4, 120, 240, 9495, 615);

    auto* Label5
        = new QLabel(tr("Select The Image and affirmation category to display your vision board"), client);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setAlignment(Qt::AlignCenter);
    placeTwips(Label5, 1335, 920, 7065, 210);

    // The three panels share one place; only the one in front can be seen or reached.
    m_panelArea = new QStackedWidget(client);
    m_panelArea->setObjectName(QStringLiteral("panelArea"));
    placeTwips(m_panelArea, 60, 1200, 7575, 6135);
    m_pictureLoader = new PictureLoader(m_platform.thumbnailFolder(), this);
    fraImageLibrary = new ImageLibraryPanel(m_platform, CDImage, *m_pictureLoader, m_panelArea);
    // The border and fill options belong to the settings but stand on the image library panel.
    m_shapeOptions = new ShapeOptions(fraImageLibrary);
    fraAffirmationLibrary = new AffirmationLibraryPanel(m_platform, m_panelArea);
    fraMusicSettings = new SettingsPanel(m_platform, *m_shapeOptions, CDImage, m_panelArea);
    m_panelArea->addWidget(fraImageLibrary);
    m_panelArea->addWidget(fraAffirmationLibrary);
    m_panelArea->addWidget(fraMusicSettings);

    auto* Frame7 = new QGroupBox(client);
    Frame7->setObjectName(QStringLiteral("Frame7"));
    placeTwips(Frame7, 7680, 1200, 1935, 6780);
    cmdImageLibrary = navigationButton(tr("Image Library"), "cmdImageLibrary", Frame7, 360);
    cmdAffirmationLibrary
        = navigationButton(tr("Affirmation Library"), "cmdAffirmationLibrary", Frame7, 1620);
    cmdMusicSettings = navigationButton(tr("Settings"), "cmdMusicSettings", Frame7, 2880);
    cmdFont = navigationButton(tr("Font"), "cmdFont", Frame7, 4140);
    cmdAbout = navigationButton(tr("About Software "), "cmdAbout", Frame7, 5400);

    cmdDisplayAffirmations = new QPushButton(tr("&Start"), client);
    cmdDisplayAffirmations->setObjectName(QStringLiteral("cmdDisplayAffirmations"));
    placeTwips(cmdDisplayAffirmations, 2265, 7440, 5370, 495);

    m_show = new ShowLauncher(m_platform, m_random,
        { *this, *fraMusicSettings, *fraImageLibrary, *fraAffirmationLibrary, *m_pictureLoader }, this);
}

void frmMain::buildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuExit = mnuFile->addAction(tr("E&xit"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = mnuHelp->addAction(tr("&Online Help"));
    mnuOnline->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit = mnuHelp->addAction(tr("&Visit Us Online"));
    mnuVisit->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    mnuUpdate = mnuHelp->addAction(tr("Check for Software &Update"));
    mnuUpdate->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuAbout = mnuHelp->addAction(tr("&About Software"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
}

void frmMain::connectSignals()
{
    connect(Label14, &LinkLabel::clicked, this, &frmMain::Label14_Click);
    connect(cmdImageLibrary, &QPushButton::clicked, this, &frmMain::cmdImageLibrary_Click);
    connect(cmdAffirmationLibrary, &QPushButton::clicked, this, &frmMain::cmdAffirmationLibrary_Click);
    connect(cmdMusicSettings, &QPushButton::clicked, this, &frmMain::cmdMusicSettings_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
    connect(cmdFont, &QPushButton::clicked, this, &frmMain::cmdFont_Click);
    connect(cmdDisplayAffirmations, &QPushButton::clicked, this, &frmMain::cmdDisplayAffirmations_Click);
    connect(m_show, &ShowLauncher::musicPanelWanted, this, &frmMain::cmdMusicSettings_Click);
    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
}

bool frmMain::Form_Load()
{
    if (!dataFoldersExist()) {
        m_platform.message(
            tr("Required File is missing ") + QStringLiteral("\r\n") + tr("Please Reinstall The software"),
            MessageIcon::None);
        emit endProgramRequested();
        return false;
    }
    fraMusicSettings->FillDurationLists();
    fraMusicSettings->LoadMusicSetting();
    fraImageLibrary->resetScrollBar();
    fraMusicSettings->selectFirstDurations();
    cmdImageLibrary_Click();
    fraImageLibrary->LoadImageLibrary();
    fraMusicSettings->LoadDisplaySettings();
    fraAffirmationLibrary->LoadCategoryList();
    return true;
}

bool frmMain::dataFoldersExist() const
{
    // Both are looked up before anything is decided; the program never creates them.
    const QString folder = m_platform.applicationFolder();
    const bool library = QFileInfo(folder + QStringLiteral("/system")).isDir();
    const bool pictures = QFileInfo(folder + QStringLiteral("/SystemFolder")).isDir();
    return library && pictures;
}

void frmMain::Form_Activate()
{
    fraImageLibrary->scrollToTop();
}

void frmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        Form_Activate();
    }
    QMainWindow::changeEvent(event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload()
{
    emit endProgramRequested();
}

QWidget* frmMain::frontPanel() const
{
    return m_panelArea->currentWidget();
}

void frmMain::bringToFront(QWidget* panel)
{
    m_panelArea->setCurrentWidget(panel);
}

void frmMain::cmdImageLibrary_Click()
{
    bringToFront(fraImageLibrary);
}

void frmMain::cmdAffirmationLibrary_Click()
{
    bringToFront(fraAffirmationLibrary);
}

void frmMain::cmdMusicSettings_Click()
{
    bringToFront(fraMusicSettings);
}

void frmMain::showAbout()
{
    frmAbout about(m_platform, this);
    centreOnScreen(&about);
    about.exec();
}

void frmMain::cmdDisplayAffirmations_Click()
{
    m_show->cmdDisplayAffirmations_Click();
}

void frmMain::cmdFont_Click()
{
    m_show->cmdFont_Click();
}

void frmMain::cmdAbout_Click()
{
    showAbout();
}

void frmMain::mnuAbout_Click()
{
    showAbout();
}

void frmMain::mnuExit_Click()
{
    close();
}

void frmMain::mnuOnline_Click()
{
    WebLinks::OpenOnlineHelp(m_platform);
}

void frmMain::mnuVisit_Click()
{
    WebLinks::OpenHomePage(m_platform);
}

void frmMain::mnuUpdate_Click()
{
    WebLinks::OpenUpdatePage(m_platform);
}

void frmMain::Label14_Click()
{
    WebLinks::OpenHomePage(m_platform);
}

} // namespace vellumora
