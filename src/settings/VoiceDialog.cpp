#include "settings/VoiceDialog.h"

#include "platform/Platform.h"
#include "settings/VoiceOptions.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStandardItemModel>

namespace vellumora {

namespace {

// The slider moves in tenths of the engine's range.
constexpr int kRateSteps = 10;

} // namespace

VoiceDialog::VoiceDialog(Platform& platform, VoiceOptions& options, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_options(options)
{
    setObjectName(QStringLiteral("frmVoice"));
    setWindowTitle(tr("Voice"));
    auto* rows = new QVBoxLayout(this);
    m_sayBox = new QCheckBox(tr("&Say each affirmation"), this);
    m_sayBox->setObjectName(QStringLiteral("chkSayAffirmations"));
    m_sayBox->setAccessibleName(tr("Say each affirmation"));
    m_sayBox->setToolTip(
        tr("In the show, each new affirmation plays its recording; the music is lowered meanwhile"));
    rows->addWidget(m_sayBox);
    m_readAloudBox = new QCheckBox(tr("&Read the others aloud"), this);
    m_readAloudBox->setObjectName(QStringLiteral("chkReadAloud"));
    m_readAloudBox->setAccessibleName(tr("Read the others aloud"));
    rows->addWidget(m_readAloudBox);

    auto* form = new QFormLayout;
    m_voiceList = new QComboBox(this);
    m_voiceList->setObjectName(QStringLiteral("cboVoice"));
    form->addRow(tr("&Voice:"), m_voiceList);
    m_rateSlider = new QSlider(Qt::Horizontal, this);
    m_rateSlider->setObjectName(QStringLiteral("sldRate"));
    m_rateSlider->setRange(-kRateSteps, kRateSteps);
    m_rateSlider->setPageStep(2);
    m_rateSlider->setTickPosition(QSlider::TicksBelow);
    m_rateSlider->setTickInterval(kRateSteps);
    m_rateSlider->setAccessibleName(tr("Speed"));
    auto* rateRow = new QHBoxLayout;
    rateRow->addWidget(new QLabel(tr("slower"), this));
    rateRow->addWidget(m_rateSlider, 1);
    rateRow->addWidget(new QLabel(tr("faster"), this));
    form->addRow(tr("Spee&d:"), rateRow);
    static_cast<QLabel*>(form->labelForField(rateRow))->setBuddy(m_rateSlider);
    rows->addLayout(form);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* tryButton = buttons->addButton(tr("&Hear It"), QDialogButtonBox::ActionRole);
    tryButton->setObjectName(QStringLiteral("cmdTryVoice"));
    connect(tryButton, &QPushButton::clicked, this, &VoiceDialog::tryVoice);
    connect(buttons, &QDialogButtonBox::accepted, this, &VoiceDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &VoiceDialog::reject);
    rows->addWidget(buttons);

    const VoiceSettings& settings = options.settings();
    m_sayBox->setChecked(settings.say);
    m_readAloudBox->setChecked(settings.readAloud);
    m_rateSlider->setValue(qRound(settings.rate * kRateSteps));
    m_voiceList->addItem(tr("the usual voice for your language"), QString());
    // The voice chosen before stays chosen while the engine is looked for.
    if (!settings.voice.isEmpty()) {
        m_voiceList->addItem(settings.voice.section(u'/', 1), settings.voice);
        m_voiceList->setCurrentIndex(1);
    }
    addHeading(tr("Looking for voices..."));
    m_tryButton = tryButton;
    m_tryButton->setEnabled(false);
    connect(m_readAloudBox, &QCheckBox::toggled, this, &VoiceDialog::showReadAloud);
    showReadAloud();
    connect(&platform.speech(), &Speech::voicesFound, this, &VoiceDialog::showVoices);
    platform.speech().findVoices();
}

void VoiceDialog::addHeading(const QString& text)
{
    m_voiceList->addItem(text);
    // A heading, never a voice to choose.
    if (auto* model = qobject_cast<QStandardItemModel*>(m_voiceList->model())) {
        model->item(m_voiceList->count() - 1)->setEnabled(false);
    }
}

void VoiceDialog::showVoices(const QList<SpeechVoice>& voices)
{
    Speech& speech = m_platform.speech();
    disconnect(&speech, &Speech::voicesFound, this, &VoiceDialog::showVoices);
    const QString chosen = m_voiceList->currentData().toString();
    m_voiceList->clear();
    m_voiceList->addItem(tr("the usual voice for your language"), QString());
    bool heading = false;
    for (const SpeechVoice& voice : voices) {
        // Hundreds of voices may follow the few of the user's language.
        if (!voice.ownLanguage && !std::exchange(heading, true)) {
            m_voiceList->insertSeparator(m_voiceList->count());
            addHeading(tr("Other languages:"));
        }
        m_voiceList->addItem(voice.label, voice.id);
    }
    m_voiceList->setCurrentIndex(std::max(0, m_voiceList->findData(chosen)));
    if (!speech.available()) {
        // Kept as it was, so that installing an engine later brings the choice back.
        m_readAloudBox->setEnabled(false);
        m_readAloudBox->setToolTip(speech.unavailableReason());
        m_tryButton->setToolTip(speech.unavailableReason());
    } else {
        m_tryButton->setEnabled(true);
        m_readAloudBox->setToolTip(tr("Affirmations you have not recorded are read by the computer's voice"));
    }
    showReadAloud();
}

void VoiceDialog::showReadAloud()
{
    const bool on = m_readAloudBox->isEnabled() && m_readAloudBox->isChecked();
    m_voiceList->setEnabled(on);
    m_rateSlider->setEnabled(on);
}

void VoiceDialog::tryVoice()
{
    m_platform.speech().say(tr("I am calm, and I keep my goals in view."),
        m_voiceList->currentData().toString(), double(m_rateSlider->value()) / kRateSteps);
}

void VoiceDialog::accept()
{
    m_platform.speech().stop();
    VoiceSettings settings = m_options.settings();
    settings.say = m_sayBox->isChecked();
    settings.readAloud = m_readAloudBox->isChecked();
    settings.voice = m_voiceList->currentData().toString();
    settings.rate = double(m_rateSlider->value()) / kRateSteps;
    if (!m_options.save(settings)) {
        m_platform.message(tr("The voice options could not be saved."), MessageIcon::Critical);
    }
    QDialog::accept();
}

} // namespace vellumora
