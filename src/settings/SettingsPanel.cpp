#include "settings/SettingsPanel.h"

#include "platform/CommonDialog.h"
#include "platform/Twips.h"
#include "settings/ShapeOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
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

QLabel* wrappedLabel(const QString& text, QWidget* parent, int left, int top, int width, int height)
{
    QLabel* result = label(text, parent, left, top, width, height);
    result->setWordWrap(true);
    result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
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

SettingsPanel::SettingsPanel(Platform& platform, ShapeOptions& shapes, CommonDialog& CDImage, QWidget* parent)
    : QGroupBox(tr("Settings"), parent)
    , m_settings(platform)
    , m_shapes(shapes)
    , m_CDImage(CDImage)
{
    setObjectName(QStringLiteral("fraMusicSettings"));
    buildControls();
    connectSignals();
}

void SettingsPanel::connectSignals()
{
    connect(chkPlayMusic, &QCheckBox::clicked, this, &SettingsPanel::chkPlayMusic_Click);
    connect(cmdBrowseMusic, &QPushButton::clicked, this, &SettingsPanel::cmdBrowseMusic_Click);
}

void SettingsPanel::buildControls()
{
    chkPlayMusic = new QCheckBox(tr("Play Music"), this);
    chkPlayMusic->setObjectName(QStringLiteral("chkPlayMusic"));
    chkPlayMusic->setChecked(true);
    placeTwips(chkPlayMusic, 360, 960, 5475, 255);
    label(tr("Choose Music"), this, 375, 1560, 1170, 195)->setObjectName(QStringLiteral("Label2"));
    txtFile = new QLineEdit(this);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    placeTwips(txtFile, 360, 1800, 5535, 375);
    cmdBrowseMusic = new QPushButton(tr("Browse"), this);
    cmdBrowseMusic->setObjectName(QStringLiteral("cmdBrowseMusic"));
    placeTwips(cmdBrowseMusic, 6120, 1800, 1215, 375);

    cboDispDuration
        = durationFrame({ "fraMsgFreq", tr("Image Frequency"), 2280,
                            tr("Below you can set the interval between each image and duration for "
                               "which each image is displayed."),
                            4515, "cboDispDuration", tr("Second"), 555 },
            this);
    cboAffirmationDisplayDuration
        = durationFrame({ "Frame1", tr("Affirmation Frequency"), 3600,
                            tr("Below you can set the interval between each affirmation "
                               "and duration for which each affirmation is displayed."),
                            4875, "cboAffirmationDisplayDuration", tr("MilliSecond"), 810 },
            this);

    // The order frame gives up the right half of its width so the location frame, which would
    // otherwise hide its buttons in the panel's corner, can stand beside it.
    QGroupBox* fraMsgDisplay = frame(tr(" Display Order"), "fraMsgDisplay", this, 360, 4920, 2835, 975);
    optDisplayOrder = new QButtonGroup(fraMsgDisplay);
    optDisplayOrder->setObjectName(QStringLiteral("optDisplayOrder"));
    option(optDisplayOrder, 1, tr("As Displayed"), fraMsgDisplay, 150, 240, 2625, 225);
    option(optDisplayOrder, 0, tr("Random"), fraMsgDisplay, 150, 600, 2595, 225);

    QGroupBox* fraMsgLocation
        = frame(tr("Image Display Location"), "fraMsgLocation", this, 3300, 4920, 2595, 1095);
    optLocation = new QButtonGroup(fraMsgLocation);
    optLocation->setObjectName(QStringLiteral("optLocation"));
    option(optLocation, 0, tr("Randomly on the Screen"), fraMsgLocation, 90, 360, 2415, 255);
    option(optLocation, 1, tr("Centre of the Screen"), fraMsgLocation, 90, 720, 2415, 255);

    applyDisplayOptions(DisplayOptions {});
}

void SettingsPanel::FillDurationLists()
{
    for (int n = 5; n <= 50; n += 5) {
        cboDispDuration->addItem(QString::number(n));
        cboAffirmationDisplayDuration->addItem(QString::number(n));
    }
}

void SettingsPanel::LoadMusicSetting()
{
    const QString path = m_settings.musicPath();
    txtFile->setText(path);
    // No stored path is the state unticking the box gives; a stored one keeps the box ticked.
    if (path.isEmpty()) {
        chkPlayMusic->setChecked(false);
    }
    chkPlayMusic_Click();
}

void SettingsPanel::selectFirstDurations()
{
    cboDispDuration->setCurrentIndex(0);
    cboAffirmationDisplayDuration->setCurrentIndex(0);
}

void SettingsPanel::LoadDisplaySettings()
{
    if (const std::optional<DisplayOptions> stored = m_settings.load()) {
        applyDisplayOptions(*stored);
    }
}

void SettingsPanel::applyDisplayOptions(const DisplayOptions& options)
{
    cboDispDuration->setCurrentIndex(options.dispDuration);
    cboAffirmationDisplayDuration->setCurrentIndex(options.affirmationDispDuration);
    check(optLocation, options.dispLocation);
    check(optDisplayOrder, options.dispOrder);
    m_shapes.setBorderShape(options.borderShape);
    m_shapes.setFillStyle(options.fillStyle);
}

DisplayOptions SettingsPanel::displayOptions() const
{
    DisplayOptions options;
    options.dispDuration = std::max(0, cboDispDuration->currentIndex());
    options.affirmationDispDuration = std::max(0, cboAffirmationDisplayDuration->currentIndex());
    options.borderShape = m_shapes.borderShape();
    options.fillStyle = m_shapes.fillStyle();
    options.dispLocation = optLocation->checkedId() == 0 ? 0 : 1;
    options.dispOrder = optDisplayOrder->checkedId() == 0 ? 0 : 1;
    return options;
}

bool SettingsPanel::SaveDisplaySettings()
{
    return m_settings.save(displayOptions());
}

bool SettingsPanel::SaveMusicPath()
{
    return m_settings.saveMusicPath(txtFile->text());
}

bool SettingsPanel::playMusic() const
{
    return chkPlayMusic->isChecked();
}

QString SettingsPanel::musicPath() const
{
    return txtFile->text();
}

int SettingsPanel::pictureSeconds() const
{
    return cboDispDuration->currentText().toInt();
}

int SettingsPanel::stepMilliseconds() const
{
    return cboAffirmationDisplayDuration->currentText().toInt();
}

bool SettingsPanel::randomOrder() const
{
    return optDisplayOrder->checkedId() == 0;
}

bool SettingsPanel::randomPlace() const
{
    return optLocation->checkedId() == 0;
}

void SettingsPanel::chkPlayMusic_Click()
{
    if (chkPlayMusic->isChecked()) {
        chkPlayMusic->setText(tr("Play Music"));
        txtFile->setEnabled(true);
        cmdBrowseMusic->setEnabled(true);
        return;
    }
    chkPlayMusic->setText(tr("Dont Play Music"));
    txtFile->clear();
    txtFile->setEnabled(false);
    cmdBrowseMusic->setEnabled(false);
    chkPlayMusic->setChecked(false);
    emit musicSwitchedOff();
}

void SettingsPanel::cmdBrowseMusic_Click()
{
    const QString chosen = m_CDImage.showOpen(QStringLiteral("Vellumora"),
        QStringLiteral("MP3 File (*.mp3*)|*.mp3|WAV File(*.wav)|*.wav|WMA File(*.wma)|*.wma"), 1);
    if (chosen.isEmpty()) {
        return;
    }
    txtFile->setText(chosen);
    emit musicFileChosen();
}

} // namespace vellumora
