#include "settings/SettingsPanel.h"

#include "platform/Platform.h"
#include "widgets/Twips.h"
#include "settings/MusicFile.h"
#include "settings/ShapeOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vellumora {

namespace {

QLabel* label(const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    auto* result = new QLabel(text, parent);
    placeTwips(result, left, top, width, height);
    // Labels size themselves to their text, which the fallback font may make wider than designed.
    result->resize(std::max(result->width(), result->sizeHint().width()), result->height());
    return result;
}

// An explanation keeps its designed width and wraps in it, growing downward if the font needs.
QLabel* wrappedLabel(const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    auto* result = new QLabel(text, parent);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeTwips(result, left, top, width, height);
    result->resize(result->width(), std::max(result->height(), result->heightForWidth(result->width())));
    return result;
}

QGroupBox* frame(
    const QString& caption, const char* name, QWidget* parent, int left, int top, int width, int height)
{
    auto* result = new QGroupBox(caption, parent);
    result->setObjectName(QLatin1String(name));
    placeTwips(result, left, top, width, height);
    return result;
}

struct DurationFrame {
    const char* name;
    QString caption;
    int top;
    QString explanation;
    int explanationWidth;
    const char* listName;
    QString unit;
    int unitWidth;
};

// A frame with its explanation, "Display for", a drop-down list that cannot be typed into, and
// the unit.
QComboBox* durationFrame(const DurationFrame& design, QWidget* panel)
{
    QGroupBox* box = frame(design.caption, design.name, panel, 360, design.top, 5535, 1275);
    wrappedLabel(design.explanation, box, 120, 270, design.explanationWidth, 435);
    label(QCoreApplication::translate("vellumora::SettingsPanel", "Display for"), box, 180, 900, 735, 195);
    auto* list = new QComboBox(box);
    list->setObjectName(QLatin1String(design.listName));
    list->setEditable(false);
    list->setAccessibleName(design.caption);
    placeTwips(list, 1200, 840, 885, 315);
    label(design.unit, box, 2160, 900, design.unitWidth, 195);
    return list;
}

QRadioButton* option(QButtonGroup* group, int index, const QString& caption, QWidget* parent, int left,
    int top, int width, int height)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QStringLiteral("%1_%2").arg(group->objectName()).arg(index));
    placeTwips(button, left, top, width, height);
    group->addButton(button, index);
    return button;
}

void check(QButtonGroup* group, int index)
{
    if (QAbstractButton* button = group->button(index)) {
        button->setChecked(true);
    }
}

} // namespace

SettingsPanel::SettingsPanel(Platform& platform, ShapeOptions& shapes, QWidget* parent)
    : QGroupBox(tr("Settings"), parent)
    , m_platform(platform)
    , m_settings(platform)
    , m_shapes(shapes)
    , m_musicDialog(platform, platform.musicFolder())
{
    setObjectName(QStringLiteral("fraMusicSettings"));
    buildControls();
    connectSignals();
}

void SettingsPanel::connectSignals()
{
    connect(m_playMusicBox, &QCheckBox::clicked, this, &SettingsPanel::applyMusicChoice);
    connect(m_browseButton, &QPushButton::clicked, this, &SettingsPanel::browseForMusic);
}

void SettingsPanel::buildControls()
{
    m_playMusicBox = new QCheckBox(tr("Play Music"), this);
    m_playMusicBox->setObjectName(QStringLiteral("chkPlayMusic"));
    m_playMusicBox->setChecked(true);
    placeTwips(m_playMusicBox, 360, 960, 5475, 255);
    QLabel* chooseMusic = label(tr("Choose Music"), this, 375, 1560, 1170, 195);
    chooseMusic->setObjectName(QStringLiteral("Label2"));
    m_musicPathField = new QLineEdit(this);
    m_musicPathField->setAccessibleName(chooseMusic->text());
    m_musicPathField->setObjectName(QStringLiteral("txtFile"));
    placeTwips(m_musicPathField, 360, 1800, 5535, 375);
    m_browseButton = new QPushButton(tr("Browse"), this);
    m_browseButton->setObjectName(QStringLiteral("cmdBrowseMusic"));
    placeTwips(m_browseButton, 6120, 1800, 1215, 375);

    m_pictureSecondsList
        = durationFrame({ "fraMsgFreq", tr("Image Frequency"), 2280,
                            tr("Below you can set the interval between each image and duration for "
                               "which each image is displayed."),
                            4515, "cboDispDuration", tr("Second"), 555 },
            this);
    m_glideStepList = durationFrame({ "Frame1", tr("Affirmation Frequency"), 3600,
                                        tr("Below you can set the interval between each affirmation "
                                           "and duration for which each affirmation is displayed."),
                                        4875, "cboAffirmationDisplayDuration", tr("MilliSecond"), 810 },
        this);

    // The order frame gives up the right half of its width so the location frame, which would
    // otherwise hide its buttons in the panel's corner, can stand beside it.
    QGroupBox* orderFrame = frame(tr(" Display Order"), "fraMsgDisplay", this, 360, 4920, 2835, 975);
    m_orderOptions = new QButtonGroup(orderFrame);
    m_orderOptions->setObjectName(QStringLiteral("optDisplayOrder"));
    // 90 twips below the design, so the first option clears the frame's caption.
    option(m_orderOptions, 1, tr("As Displayed"), orderFrame, 150, 330, 2625, 225);
    option(m_orderOptions, 0, tr("Random"), orderFrame, 150, 690, 2595, 225);

    QGroupBox* placeFrame
        = frame(tr("Image Display Location"), "fraMsgLocation", this, 3300, 4920, 2595, 1095);
    m_placeOptions = new QButtonGroup(placeFrame);
    m_placeOptions->setObjectName(QStringLiteral("optLocation"));
    option(m_placeOptions, 0, tr("Randomly on the Screen"), placeFrame, 90, 360, 2415, 255);
    option(m_placeOptions, 1, tr("Centre of the Screen"), placeFrame, 90, 720, 2415, 255);

    applyDisplayOptions(DisplayOptions {});
}

void SettingsPanel::fillDurationLists()
{
    for (int n = 5; n <= 50; n += 5) {
        m_pictureSecondsList->addItem(QString::number(n));
        m_glideStepList->addItem(QString::number(n));
    }
}

void SettingsPanel::loadMusicPath()
{
    const QString path = m_settings.musicPath();
    m_musicPathField->setText(path);
    // No stored path is the state unticking the box gives; a stored one keeps the box ticked.
    if (path.isEmpty()) {
        m_playMusicBox->setChecked(false);
    }
    applyMusicChoice();
}

void SettingsPanel::selectFirstDurations()
{
    m_pictureSecondsList->setCurrentIndex(0);
    m_glideStepList->setCurrentIndex(0);
}

void SettingsPanel::loadDisplayOptions()
{
    if (const std::optional<DisplayOptions> stored = m_settings.load()) {
        applyDisplayOptions(*stored);
    }
}

void SettingsPanel::applyDisplayOptions(const DisplayOptions& options)
{
    m_pictureSecondsList->setCurrentIndex(options.pictureSecondsIndex);
    m_glideStepList->setCurrentIndex(options.glideStepIndex);
    check(m_placeOptions, options.placeOption);
    check(m_orderOptions, options.orderOption);
    m_shapes.setBorderShape(options.borderShape);
    m_shapes.setFillStyle(options.fillStyle);
}

DisplayOptions SettingsPanel::displayOptions() const
{
    DisplayOptions options;
    options.pictureSecondsIndex = std::max(0, m_pictureSecondsList->currentIndex());
    options.glideStepIndex = std::max(0, m_glideStepList->currentIndex());
    options.borderShape = m_shapes.borderShape();
    options.fillStyle = m_shapes.fillStyle();
    options.placeOption = m_placeOptions->checkedId() == 0 ? 0 : 1;
    options.orderOption = m_orderOptions->checkedId() == 0 ? 0 : 1;
    return options;
}

bool SettingsPanel::saveDisplayOptions()
{
    return m_settings.save(displayOptions());
}

bool SettingsPanel::saveMusicPath()
{
    return m_settings.saveMusicPath(m_musicPathField->text());
}

bool SettingsPanel::playMusic() const
{
    return m_playMusicBox->isChecked();
}

QString SettingsPanel::musicPath() const
{
    return m_musicPathField->text();
}

int SettingsPanel::pictureSeconds() const
{
    return m_pictureSecondsList->currentText().toInt();
}

int SettingsPanel::stepMilliseconds() const
{
    return m_glideStepList->currentText().toInt();
}

bool SettingsPanel::randomOrder() const
{
    return m_orderOptions->checkedId() == 0;
}

bool SettingsPanel::randomPlace() const
{
    return m_placeOptions->checkedId() == 0;
}

void SettingsPanel::applyMusicChoice()
{
    if (m_playMusicBox->isChecked()) {
        m_playMusicBox->setText(tr("Play Music"));
        m_musicPathField->setEnabled(true);
        m_browseButton->setEnabled(true);
        return;
    }
    m_playMusicBox->setText(tr("Dont Play Music"));
    m_musicPathField->clear();
    m_musicPathField->setEnabled(false);
    m_browseButton->setEnabled(false);
    m_playMusicBox->setChecked(false);
    emit musicSwitchedOff();
}

void SettingsPanel::browseForMusic()
{
    const QString chosen = m_musicDialog.chooseFile(QStringLiteral("Vellumora"),
        QStringLiteral("MP3 File (*.mp3*)|*.mp3|WAV File(*.wav)|*.wav|WMA File(*.wma)|*.wma"), 1,
        m_musicPathField->text());
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
    m_musicPathField->setText(chosen);
    emit musicFileChosen();
}

} // namespace vellumora
