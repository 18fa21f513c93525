#include "settings/ReminderDialog.h"

#include "platform/Platform.h"
#include "settings/VoiceOptions.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QTimeEdit>

namespace vellumora {

ReminderDialog::ReminderDialog(
    Platform& platform, ReminderOptions& options, VoiceOptions* voice, QWidget* parent)
    : QDialog(parent)
    , m_platform(platform)
    , m_options(options)
    , m_voice(voice)
{
    setObjectName(QStringLiteral("frmReminders"));
    setWindowTitle(tr("Reminders"));
    buildControls();
    showSettings(options.settings());
    connect(m_modes, &QButtonGroup::idToggled, this, &ReminderDialog::enableControls);
}

void ReminderDialog::buildControls()
{
    auto* rows = new QVBoxLayout(this);
    auto* remindMe = new QGroupBox(tr("Remind Me"), this);
    remindMe->setObjectName(QStringLiteral("fraRemindMe"));
    rows->addWidget(remindMe);
    auto* grid = new QGridLayout(remindMe);
    m_modes = new QButtonGroup(this);
    const auto option = [&](const QString& caption, ReminderMode mode) {
        auto* button = new QRadioButton(caption, remindMe);
        button->setObjectName(QStringLiteral("optReminderMode_%1").arg(int(mode)));
        m_modes->addButton(button, int(mode));
        grid->addWidget(button, int(mode), 0);
        return button;
    };
    option(tr("&Off"), ReminderMode::Off);
    QRadioButton* every = option(tr("&Every"), ReminderMode::Interval);
    m_minutesList = new QComboBox(remindMe);
    m_minutesList->setObjectName(QStringLiteral("cboReminderMinutes"));
    m_minutesList->setAccessibleName(tr("Minutes between reminders"));
    auto* minutesRow = new QHBoxLayout;
    minutesRow->addWidget(m_minutesList);
    minutesRow->addWidget(new QLabel(tr("minutes"), remindMe));
    minutesRow->addStretch();
    grid->addLayout(minutesRow, 1, 1);
    QRadioButton* atTimes = option(tr("At &these times:"), ReminderMode::Times);
    m_timesField = new QLineEdit(remindMe);
    m_timesField->setObjectName(QStringLiteral("txtReminderTimes"));
    m_timesField->setAccessibleName(tr("Times of day"));
    m_timesField->setPlaceholderText(tr("08:30, 12:00, 18:00"));
    m_timesField->setToolTip(tr("Up to %n times of day on the 24-hour clock, separated by commas", nullptr,
        ReminderSettings::kMaxTimes));
    grid->addWidget(m_timesField, 2, 1);
    setTabOrder(every, m_minutesList);
    setTabOrder(atTimes, m_timesField);

    auto* when = new QGroupBox(tr("When"), this);
    when->setObjectName(QStringLiteral("fraReminderHours"));
    rows->addWidget(when);
    auto* whenRows = new QVBoxLayout(when);
    auto* hours = new QHBoxLayout;
    whenRows->addLayout(hours);
    m_fromEdit = new QTimeEdit(when);
    m_fromEdit->setObjectName(QStringLiteral("tmeReminderFrom"));
    m_toEdit = new QTimeEdit(when);
    m_toEdit->setObjectName(QStringLiteral("tmeReminderTo"));
    auto* fromLabel = new QLabel(tr("&From"), when);
    fromLabel->setBuddy(m_fromEdit);
    auto* toLabel = new QLabel(tr("t&o"), when);
    toLabel->setBuddy(m_toEdit);
    for (QTimeEdit* edit : { m_fromEdit, m_toEdit }) {
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
    }
    hours->addWidget(fromLabel);
    hours->addWidget(m_fromEdit);
    hours->addWidget(toLabel);
    hours->addWidget(m_toEdit);
    hours->addStretch();
    auto* days = new QHBoxLayout;
    whenRows->addLayout(days);
    // In the order of the user's week.
    const int first = QLocale().firstDayOfWeek();
    for (int i = 0; i < 7; ++i) {
        const int day = (first - 1 + i) % 7 + 1;
        auto* box = new QCheckBox(QLocale().dayName(day, QLocale::ShortFormat), when);
        box->setObjectName(QStringLiteral("chkReminderDay_%1").arg(day));
        box->setAccessibleName(QLocale().dayName(day));
        days->addWidget(box);
        m_dayBoxes[day - 1] = box;
    }
    days->addStretch();

    if (m_voice) {
        m_sayBox = new QCheckBox(tr("S&ay it aloud"), this);
        m_sayBox->setObjectName(QStringLiteral("chkSayReminder"));
        m_sayBox->setAccessibleName(tr("Say it aloud"));
        m_sayBox->setToolTip(
            tr("Each reminder plays the affirmation's recording, or reads it aloud when the voice "
               "options say so"));
        m_sayBox->setChecked(m_voice->settings().sayReminders);
        rows->addWidget(m_sayBox);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    rows->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ReminderDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ReminderDialog::reject);
}

void ReminderDialog::showSettings(const ReminderSettings& settings)
{
    QList<int> offered(std::begin(kOfferedMinutes), std::end(kOfferedMinutes));
    if (!offered.contains(settings.minutes)) {
        offered.append(settings.minutes);
        std::sort(offered.begin(), offered.end());
    }
    for (const int minutes : offered) {
        m_minutesList->addItem(QLocale().toString(minutes), minutes);
    }
    m_minutesList->setCurrentIndex(m_minutesList->findData(settings.minutes));
    m_modes->button(int(settings.mode))->setChecked(true);
    m_timesField->setText(
        ReminderOptions::formatTimes(settings.times).replace(QLatin1Char(','), QStringLiteral(", ")));
    m_fromEdit->setTime(settings.from);
    m_toEdit->setTime(settings.to);
    for (int day = 1; day <= 7; ++day) {
        m_dayBoxes[day - 1]->setChecked(settings.onDay(day));
    }
    enableControls();
}

void ReminderDialog::enableControls()
{
    const auto mode = ReminderMode(m_modes->checkedId());
    m_minutesList->setEnabled(mode == ReminderMode::Interval);
    m_timesField->setEnabled(mode == ReminderMode::Times);
    // Chosen times are kept whatever the hours; only the interval keeps to them.
    m_fromEdit->setEnabled(mode == ReminderMode::Interval);
    m_toEdit->setEnabled(mode == ReminderMode::Interval);
    for (QCheckBox* box : m_dayBoxes) {
        box->setEnabled(mode != ReminderMode::Off);
    }
}

std::optional<ReminderSettings> ReminderDialog::takeSettings()
{
    ReminderSettings settings = m_options.settings();
    settings.mode = ReminderMode(m_modes->checkedId());
    settings.minutes = m_minutesList->currentData().toInt();
    settings.from = m_fromEdit->time();
    settings.to = m_toEdit->time();
    settings.days = 0;
    for (int day = 1; day <= 7; ++day) {
        if (m_dayBoxes[day - 1]->isChecked()) {
            settings.days |= quint8(1u << (day - 1));
        }
    }
    const std::optional<QList<QTime>> times = ReminderOptions::parseTimes(m_timesField->text());
    if (times) {
        settings.times = *times;
    }
    QString problem;
    if (settings.mode == ReminderMode::Off) {
        // Off keeps the rest as it was shown, so switching on again finds it.
    } else if (settings.mode == ReminderMode::Times && !times) {
        problem = tr("\"%1\" cannot be read as times of day. Please write up to %2 times on the 24-hour "
                     "clock, separated by commas, such as 08:30, 12:00.")
                      .arg(m_timesField->text())
                      .arg(ReminderSettings::kMaxTimes);
    } else if (settings.mode == ReminderMode::Times && settings.times.isEmpty()) {
        problem = tr("Please write at least one time of day, such as 08:30.");
    } else if (settings.mode == ReminderMode::Interval && settings.from > settings.to) {
        problem = tr("The reminders' hours end before they begin. Please choose a later end.");
    } else if (settings.days == 0) {
        problem = tr("Please tick at least one day for the reminders.");
    }
    if (!problem.isEmpty()) {
        m_platform.message(problem, MessageIcon::Information);
        return std::nullopt;
    }
    if (settings.days == 0 || !times) {
        // What Off leaves unreadable is kept as it was stored.
        settings.days = settings.days ? settings.days : m_options.settings().days;
        settings.times = times.value_or(m_options.settings().times);
    }
    if (settings.from > settings.to) {
        settings.from = m_options.settings().from;
        settings.to = m_options.settings().to;
    }
    return settings;
}

void ReminderDialog::accept()
{
    const std::optional<ReminderSettings> settings = takeSettings();
    if (!settings) {
        return;
    }
    bool saved = m_options.save(*settings);
    if (m_voice) {
        VoiceSettings voice = m_voice->settings();
        voice.sayReminders = m_sayBox->isChecked();
        saved = m_voice->save(voice) && saved;
    }
    if (!saved) {
        m_platform.message(tr("The reminders could not be saved; they are kept until Vellumora ends."),
            MessageIcon::Information);
    }
    QDialog::accept();
}

} // namespace vellumora
