// The Settings panel: its controls in the places the design gives them, wired to the options.
// Past 400 lines: building the controls is one list in the order the panel shows them, read top
// to bottom, and splitting it would only scatter the layout.

#include "settings/SettingsPanel.h"

#include "platform/Outcome.h"
#include "platform/Platform.h"
#include "settings/MusicFile.h"
#include "settings/OptionFrames.h"
#include "settings/ReminderDialog.h"
#include "settings/ShapeOptions.h"
#include "settings/VoiceDialog.h"
#include "widgets/TwipsLayout.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

namespace vellumora {

namespace {

void check(QButtonGroup* group, int index)
{
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    }
}

} // namespace

SettingsPanel::SettingsPanel(Platform& platform, ShowOptions& options, ReminderOptions& reminders,
    VoiceOptions& voice, ShapeOptions& shapes, QWidget* parent)
    : QGroupBox(tr("Settings"), parent)
    , m_platform(platform)
    , m_options(options)
    , m_reminders(reminders)
    , m_voice(voice)
    , m_shapes(shapes)
    , m_musicDialog(platform, platform.musicFolder())
    , m_loginStart(platform.autostartFolder(), QCoreApplication::applicationFilePath())
{
    setObjectName(QStringLiteral("fraMusicSettings"));
    buildControls();
    for (int n = 5; n <= 5 * ShowOptions::kDurationCount; n += 5) {
        m_pictureSecondsList->addItem(QLocale().toString(n));
        m_glideStepList->addItem(QLocale().toString(n));
    }
    showOptions();
    showLoginStart();
    connectSignals();
}

void SettingsPanel::connectSignals()
{
    connect(&m_options, &ShowOptions::changed, this, &SettingsPanel::showOptions);
    connect(m_loginStartBox, &QCheckBox::clicked, this, &SettingsPanel::switchLoginStart);
    connect(m_loginKindList, &QComboBox::activated, this, [this] { switchLoginStart(true); });
    connect(m_remindersButton, &QPushButton::clicked, this, [this] {
        ReminderDialog dialog(m_platform, m_reminders, &m_voice, this);
        dialog.exec();
    });
    connect(m_voiceButton, &QPushButton::clicked, this, [this] {
        // The speech engine loads, and lists its voices, the first time: seconds with some engines.
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        VoiceDialog dialog(m_platform, m_voice, this);
        QGuiApplication::restoreOverrideCursor();
        dialog.exec();
    });
    connect(m_playMusicBox, &QCheckBox::clicked, this, [this](bool on) {
        m_options.setPlayMusic(on);
        tellWhetherKept(m_options.keepMusicChoice());
    });
    connect(m_musicPathField, &QLineEdit::textChanged, &m_options, &ShowOptions::setMusicPath);
    // A path typed is kept once it names something; Start tells about one that does not.
    connect(m_musicPathField, &QLineEdit::editingFinished, this, [this] {
        const QString path = m_options.musicPath();
        if (path.isEmpty() || QFileInfo::exists(path)) {
            tellWhetherKept(m_options.keepMusicChoice());
        }
    });
    connect(m_browseButton, &QPushButton::clicked, this, &SettingsPanel::browseForMusic);
    connect(m_folderButton, &QPushButton::clicked, this, &SettingsPanel::browseForMusicFolder);
    connect(m_repeatBox, &QCheckBox::clicked, this, [this](bool on) {
        m_options.setMusicRepeat(on);
        tellWhetherKept(m_options.keepMusicChoice());
    });
    connect(m_onTopBox, &QCheckBox::toggled, this, &SettingsPanel::takeDisplayOptions);
    for (QComboBox* list : { m_pictureSecondsList, m_glideStepList, m_pictureFitList, m_showSizeList }) {
        connect(list, &QComboBox::currentIndexChanged, this, &SettingsPanel::takeDisplayOptions);
    }
    for (QButtonGroup* group : { m_orderOptions, m_placeOptions }) {
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) {
            if (on) {
                takeDisplayOptions();
            }
        });
    }
    connect(&m_shapes, &ShapeOptions::changed, this, &SettingsPanel::takeDisplayOptions);
}

void SettingsPanel::buildControls()
{
    // No margin of its own at the bottom: the place options need all the height the border leaves.
    QVBoxLayout* rows = columnInTwips(this, 360, 360, 240, 0);
    // The show's switches, one under the other in the band above Play Music (side by side, a
    // longer language's pair would widen the window), and the reminders' button beside them.
    QHBoxLayout* switchesAndReminders = row();
    rows->addLayout(switchesAndReminders);
    QVBoxLayout* switches = column();
    switchesAndReminders->addLayout(switches);
    m_loginStartBox = new QCheckBox(tr("At lo&gin, start"), this);
    m_loginStartBox->setObjectName(QStringLiteral("chkStartAtLogin"));
    m_loginStartBox->setAccessibleName(tr("At login, start"));
    m_loginStartBox->setToolTip(tr("Each time you log in, Vellumora starts by itself with these settings"));
    m_loginKindList = new QComboBox(this);
    m_loginKindList->setObjectName(QStringLiteral("cboStartAtLogin"));
    m_loginKindList->addItems({ tr("the show"), tr("reminders only") });
    m_loginKindList->setAccessibleName(tr("What starts at login"));
    m_loginKindList->setToolTip(tr("The show, or no window at all: only the reminders through the day"));
    QHBoxLayout* loginRow = addRowTwips(switches, 300);
    loginRow->addWidget(m_loginStartBox, 0, Qt::AlignVCenter | Qt::AlignLeft);
    addGapTwips(loginRow, 60);
    loginRow->addWidget(m_loginKindList, 0, Qt::AlignVCenter | Qt::AlignLeft);
    // Made here, so Tab reaches them from the row they begin on.
    m_voiceButton = designButton(tr("&Voice…"), "cmdVoice", this, 1215, 375);
    m_voiceButton->setToolTip(
        tr("Hear each affirmation in the show: your recording, or the computer reading it"));
    m_remindersButton = designButton(tr("Re&minders…"), "cmdReminders", this, 1215, 375);
    m_remindersButton->setToolTip(tr("Your affirmations in the desktop's notifications through the day"));
    m_onTopBox = new QCheckBox(tr("&Keep the Show on Top"), this);
    m_onTopBox->setObjectName(QStringLiteral("chkOnTop"));
    m_onTopBox->setAccessibleName(tr("Keep the Show on Top"));
    m_onTopBox->setToolTip(tr("The show stays above every other window"));
    addRowTwips(switches, 300)->addWidget(m_onTopBox, 0, Qt::AlignTop | Qt::AlignLeft);
    // Apart from the login list when a longer language or a larger font leaves no room between.
    addGapTwips(switchesAndReminders, 60);
    switchesAndReminders->addStretch();
    switchesAndReminders->addWidget(m_voiceButton, 0, Qt::AlignTop);
    addGapTwips(switchesAndReminders, 105);
    switchesAndReminders->addWidget(m_remindersButton, 0, Qt::AlignTop);

    // Repeat stands under Browse; Play Music takes the rest of the row, its designed width, and
    // gives way when a language's Repeat is wider than Browse.
    m_playMusicBox = new QCheckBox(tr("Play Music"), this);
    m_playMusicBox->setObjectName(QStringLiteral("chkPlayMusic"));
    m_playMusicBox->setChecked(true);
    preferTwips(m_playMusicBox, 0, 255);
    // The login row is as high as its list asks, which is a little more than a tick box's row;
    // the room above the music path gives it back, so everything below stays where designed.
    const int loginExcess = std::max(0, m_loginKindList->sizeHint().height() - twipsToPixels(300));
    QHBoxLayout* musicSwitches = addRowTwips(rows, std::max(300, 600 - loginExcess * kTwipsPerPixel));
    musicSwitches->addWidget(m_playMusicBox, 1, Qt::AlignTop);
    addGapTwips(musicSwitches, 285);
    m_repeatBox = new QCheckBox(tr("R&epeat"), this);
    m_repeatBox->setObjectName(QStringLiteral("chkRepeatMusic"));
    m_repeatBox->setAccessibleName(tr("Repeat"));
    m_repeatBox->setToolTip(
        tr("When the music ends it starts again; a folder's music plays round and round"));
    preferTwips(m_repeatBox, 1215, 255);
    musicSwitches->addWidget(m_repeatBox, 0, Qt::AlignTop);

    QLabel* chooseMusic = designLabel(tr("Choose Music"), this, 1170, 195);
    chooseMusic->setObjectName(QStringLiteral("Label2"));
    QHBoxLayout* chooseRow = addRowTwips(rows, 240);
    addGapTwips(chooseRow, 15);
    chooseRow->addWidget(chooseMusic, 0, Qt::AlignTop);

    QHBoxLayout* musicRow = addRowTwips(rows, 480);
    m_musicPathField = new QLineEdit(this);
    m_musicPathField->setAccessibleName(chooseMusic->text());
    m_musicPathField->setObjectName(QStringLiteral("txtFile"));
    preferTwips(m_musicPathField, 5535, 375);
    chooseMusic->setBuddy(m_musicPathField);
    musicRow->addWidget(m_musicPathField, 1, Qt::AlignTop);
    addGapTwips(musicRow, 225);
    m_browseButton = designButton(tr("Browse"), "cmdBrowseMusic", this, 1215, 375);
    m_browseButton->setToolTip(tr("Choose a music file"));
    musicRow->addWidget(m_browseButton, 0, Qt::AlignTop);

    // The frames as designed on the left; on the right, under Browse, the Folder button and the
    // show's own choices, each list on the line of its neighbour frame's list. Made line by line,
    // so Tab goes in reading order.
    QHBoxLayout* columns = row();
    rows->addLayout(columns);
    QVBoxLayout* frames = column();
    // The frames keep their design; a wider window, or a longer language's place options, widen
    // the order frame, and the choices stay under Browse.
    columns->addLayout(frames, 1);
    addGapTwips(columns, 60);
    QVBoxLayout* choices = column();
    // From a little right of the frames to Browse's right edge.
    choices->addStrut(twipsToPixels(1380));
    columns->addLayout(choices);
    m_folderButton = designButton(tr("Fol&der"), "cmdBrowseMusicFolder", this, 1215, 375);
    m_folderButton->setToolTip(tr("Choose a folder: its music plays in name order"));
    // Its row reaches to the first caption, which stands above the first frame's list.
    addRowTwips(choices, 615)->addWidget(m_folderButton, 0, Qt::AlignTop | Qt::AlignRight);

    struct Line {
        DurationFrame frame;
        QComboBox** frameList;
        // The frame's row reaches to the next one's top.
        int span;
        QString caption;
        const char* name;
        QStringList items;
        QString tip;
        QComboBox** choice;
    };
    const Line lines[] {
        { { "fraMsgFreq", tr("Image Frequency"),
              tr("Below you can set the interval between each image and duration for which each image is "
                 "displayed."),
              4515, "cboDispDuration", tr("Second"), 555 },
            &m_pictureSecondsList, 1320, tr("&Picture"), "cboPictureFit",
            { tr("Stretch"), tr("Fit"), tr("Fill") },
            tr("Stretch: the picture fills the show, out of proportion; Fit: all of it, with bands; "
               "Fill: its middle, in proportion"),
            &m_pictureFitList },
        // A pixel short of the design's 1320, so that three place options fit under it.
        { { "Frame1", tr("Affirmation Frequency"),
              tr("Below you can set the interval between each affirmation and duration for which each "
                 "affirmation is displayed."),
              4875, "cboAffirmationDisplayDuration", tr("MilliSecond"), 810 },
            &m_glideStepList, 1305, tr("Si&ze"), "cboShowSize",
            { tr("Small"), tr("Medium"), tr("Large"), tr("Full Screen") },
            tr("How large the show is; Full Screen ends with Esc or Back"), &m_showSizeList },
    };
    for (const Line& line : lines) {
        addRowTwips(frames, line.span)
            ->addWidget(durationFrame(line.frame, this, *line.frameList), 0, Qt::AlignTop | Qt::AlignLeft);
        *line.choice = captionedList(choices, this, line.caption, line.name, line.items, line.tip);
        // From the list's bottom to the next caption, a frame's height (1320) further down.
        addGapTwips(choices, 1320 - 240 - 330);
    }
    choices->addStretch();

    // The order frame is narrowed for the place options beside it, and gives way when a language's
    // place options are wider; both share the option rows.
    QHBoxLayout* optionFrames = row();
    frames->addLayout(optionFrames, 1);
    // Options stacked right under a frame's caption, each as high as it asks: three of them fill
    // the row.
    QGroupBox* orderFrame = designFrame(tr(" Display Order"), "fraMsgDisplay", this, 0, 975);
    m_orderOptions = optionButtons(orderFrame, columnInTwips(orderFrame, 150, 0, 150, 0), "optDisplayOrder",
        { { tr("As Displayed"), int(Order::AsDisplayed) }, { tr("Random"), int(Order::Random) } }, 0);
    optionFrames->addWidget(orderFrame, 1);
    addGapTwips(optionFrames, 105);
    QGroupBox* placeFrame = designFrame(tr("Image Display Location"), "fraMsgLocation", this, 2595, 975);
    QVBoxLayout* placeColumn = columnInTwips(placeFrame, 90, 0, 90, 0);
    m_placeOptions = optionButtons(placeFrame, placeColumn, "optLocation",
        { { tr("Randomly on the Screen"), int(Placement::Random) },
            { tr("Centre of the Screen"), int(Placement::Centre) },
            { tr("Whe&re I Put It"), int(Placement::WhereIPutIt) } },
        0);
    m_placeOptions->button(int(Placement::WhereIPutIt))
        ->setToolTip(tr("Drag the show by its picture: it stays where you put it"));
    // On Wayland alone the desktop puts every window where it likes; the show's other options
    // keep working.
    if (!m_platform.placesWindows()) {
        for (QAbstractButton* option : m_placeOptions->buttons()) {
            option->setEnabled(false);
        }
        auto* reason = new QLabel(tr("This desktop places the show's window itself."), placeFrame);
        reason->setObjectName(QStringLiteral("lblLocationByDesktop"));
        reason->setWordWrap(true);
        placeColumn->insertWidget(placeColumn->count() - 1, reason);
    }
    optionFrames->addWidget(placeFrame);
    // A taller window leaves the room below the controls.
    rows->addStretch(1);
}

void SettingsPanel::showOptions()
{
    // Each control set here reports its change; the options already hold them all.
    const QScopedValueRollback showing(m_showing, true);
    const DisplayOptions options = m_options.display();
    m_pictureSecondsList->setCurrentIndex(options.pictureSecondsIndex);
    m_glideStepList->setCurrentIndex(options.glideStepIndex);
    check(m_placeOptions, int(options.placement));
    check(m_orderOptions, int(options.order));
    m_pictureFitList->setCurrentIndex(int(options.pictureFit));
    m_showSizeList->setCurrentIndex(int(options.showSize));
    m_onTopBox->setChecked(options.onTop);
    m_shapes.setBorderShape(options.borderShape);
    m_shapes.setFillStyle(options.fillStyle);

    const bool music = m_options.playMusic();
    m_playMusicBox->setChecked(music);
    m_playMusicBox->setText(music ? tr("Play Music") : tr("Dont Play Music"));
    // Typing keeps the cursor where it is: the text is set only when it differs.
    if (m_musicPathField->text() != m_options.musicPath()) {
        m_musicPathField->setText(m_options.musicPath());
    }
    m_musicPathField->setEnabled(music);
    m_browseButton->setEnabled(music);
    m_folderButton->setEnabled(music);
    m_repeatBox->setChecked(m_options.musicRepeat());
    m_repeatBox->setEnabled(music);
}

void SettingsPanel::showEvent(QShowEvent* event)
{
    showLoginStart();
    QGroupBox::showEvent(event);
}

void SettingsPanel::showLoginStart()
{
    const bool on = m_loginStart.isOn();
    m_loginStartBox->setChecked(on);
    m_loginKindList->setCurrentIndex(on ? int(m_loginStart.kind()) : m_loginKindList->currentIndex());
}

void SettingsPanel::switchLoginStart(bool on)
{
    if (on && !m_loginStartBox->isChecked()) {
        return; // another kind chosen while the box is off: nothing starts at login
    }
    const auto kind = LoginStart::Kind(m_loginKindList->currentIndex());
    const bool reminders = kind == LoginStart::Kind::Reminders;
    const QString problem = on ? m_loginStart.switchOn(kind) : m_loginStart.switchOff();
    showLoginStart();
    if (!problem.isEmpty()) {
        m_platform.message(
            withReason(!on      ? tr("The show could not be kept from starting when you log in.")
                    : reminders ? tr("The reminders could not be set to start when you log in.")
                                : tr("The show could not be set to start when you log in."),
                problem),
            MessageIcon::Critical);
    } else if (on && reminders && !m_reminders.on()) {
        m_platform.message(tr("The reminders are off. Switch them on with the Reminders button, or nothing "
                              "starts when you log in."),
            MessageIcon::Information);
    }
}

void SettingsPanel::takeDisplayOptions()
{
    if (m_showing) {
        return;
    }
    DisplayOptions options;
    options.pictureSecondsIndex = std::max(0, m_pictureSecondsList->currentIndex());
    options.glideStepIndex = std::max(0, m_glideStepList->currentIndex());
    options.borderShape = m_shapes.borderShape();
    options.fillStyle = m_shapes.fillStyle();
    options.placement = Placement(std::max(0, m_placeOptions->checkedId()));
    options.order = Order(m_orderOptions->checkedId() == 0 ? 0 : 1);
    options.pictureFit = PictureFit(std::max(0, m_pictureFitList->currentIndex()));
    options.showSize = ShowSize(std::max(0, m_showSizeList->currentIndex()));
    options.onTop = m_onTopBox->isChecked();
    if (options == m_options.display()) {
        return;
    }
    m_options.setDisplay(options);
    tellWhetherKept(m_options.saveDisplayOptions());
}

void SettingsPanel::tellWhetherKept(bool kept)
{
    if (kept || m_toldNotKept) {
        m_toldNotKept = !kept;
        return;
    }
    m_toldNotKept = true;
    m_platform.message(tr("Your settings could not be saved; they are used until Vellumora ends."),
        MessageIcon::Information);
}

void SettingsPanel::browseForMusic()
{
    // Every kind the player takes first, then each kind of its own.
    const QString chosen = m_musicDialog.chooseFile(QStringLiteral("Vellumora"),
        tr("All Music") + QStringLiteral("|*.mp3;*.wav;*.ogg;*.flac;*.wma|")
            + QStringLiteral("MP3 File (*.mp3*)|*.mp3|WAV File(*.wav)|*.wav|WMA File(*.wma)|*.wma"),
        1, m_options.musicPath());
    if (chosen.isEmpty()) {
        return;
    }
    if (!MusicFile::mayBeMusic(chosen)) {
        m_platform.message(tr("\"%1\" is not a music file Vellumora can play. Please choose an MP3, WAV or "
                              "WMA file.")
                               .arg(QFileInfo(chosen).fileName()),
            MessageIcon::Information);
        return;
    }
    m_options.chooseMusicFile(chosen);
    tellWhetherKept(m_options.keepMusicChoice());
}

void SettingsPanel::browseForMusicFolder()
{
    const QFileInfo current(m_options.musicPath());
    const QString opensOn = current.isDir() ? current.absoluteFilePath()
        : current.exists()                  ? current.absolutePath()
                                            : m_platform.musicFolder();
    const QString chosen = m_platform.openFolderName(QStringLiteral("Vellumora"), opensOn);
    if (chosen.isEmpty()) {
        return;
    }
    if (MusicFile::tracks(chosen).isEmpty()) {
        m_platform.message(
            tr("\"%1\" holds no MP3, WAV, OGG, FLAC or WMA file. Please choose another folder.")
                .arg(QDir::toNativeSeparators(chosen)),
            MessageIcon::Information);
        return;
    }
    m_options.chooseMusicFile(chosen);
    tellWhetherKept(m_options.keepMusicChoice());
}

} // namespace vellumora
