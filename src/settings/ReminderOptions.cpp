#include "settings/ReminderOptions.h"

#include "platform/Platform.h"

#include <QRegularExpression>
#include <algorithm>

namespace vellumora {

namespace {

const QString kSection = QStringLiteral("Reminders");

// "HH:MM" on the 24-hour clock; "8:30" is read as well, as a hand-edited file may hold it.
std::optional<QTime> parseTime(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QTime time(match.captured(1).toInt(), match.captured(2).toInt());
    return time.isValid() ? std::optional(time) : std::nullopt;
}

QString formatTime(QTime time)
{
    return time.toString(QStringLiteral("HH:mm"));
}

std::optional<quint8> parseDays(const QString& text)
{
    quint8 days = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('1') || c > QLatin1Char('7')) {
            return std::nullopt;
        }
        days |= quint8(1u << (c.unicode() - '1'));
    }
    return days ? std::optional(days) : std::nullopt;
}

QString formatDays(quint8 days)
{
    QString text;
    for (int day = 1; day <= 7; ++day) {
        if (days & (1u << (day - 1))) {
            text += QString::number(day);
        }
    }
    return text;
}

} // namespace

ReminderOptions::ReminderOptions(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

std::optional<QList<QTime>> ReminderOptions::parseTimes(const QString& text)
{
    QList<QTime> times;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const std::optional<QTime> time = parseTime(part);
        if (!time) {
            return std::nullopt;
        }
        times.append(*time);
    }
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    if (times.size() > ReminderSettings::kMaxTimes) {
        return std::nullopt;
    }
    return times;
}

QString ReminderOptions::formatTimes(const QList<QTime>& times)
{
    QStringList parts;
    for (const QTime time : times) {
        parts.append(formatTime(time));
    }
    return parts.join(QLatin1Char(','));
}

void ReminderOptions::load()
{
    const auto value = [this](const char* key) { return m_platform.setting(kSection, QLatin1String(key)); };
    ReminderSettings settings;
    bool ok = false;
    const int mode = value("Mode").toInt(&ok);
    if (ok && mode >= 0 && mode <= int(ReminderMode::Times)) {
        settings.mode = ReminderMode(mode);
    }
    const int minutes = value("Minutes").toInt(&ok);
    if (ok && minutes >= 1 && minutes <= ReminderSettings::kMaxMinutes) {
        settings.minutes = minutes;
    }
    settings.times = parseTimes(value("Times")).value_or(QList<QTime> {});
    const std::optional<QTime> from = parseTime(value("From"));
    const std::optional<QTime> to = parseTime(value("To"));
    // Hours that end before they begin say nothing of which the user meant.
    if (from.value_or(settings.from) <= to.value_or(settings.to)) {
        settings.from = from.value_or(settings.from);
        settings.to = to.value_or(settings.to);
    }
    settings.days = parseDays(value("Days")).value_or(ReminderSettings::kAllDays);
    m_settings = settings;
    emit changed();
}

bool ReminderOptions::save(const ReminderSettings& settings)
{
    m_settings = settings;
    const std::pair<const char*, QString> values[] {
        { "Mode", QString::number(int(settings.mode)) },
        { "Minutes", QString::number(settings.minutes) },
        { "Times", formatTimes(settings.times) },
        { "From", formatTime(settings.from) },
        { "To", formatTime(settings.to) },
        { "Days", formatDays(settings.days) },
    };
    bool saved = true;
    for (const auto& [key, text] : values) {
        saved = m_platform.setSetting(kSection, QLatin1String(key), text) && saved;
    }
    emit changed();
    return saved;
}

} // namespace vellumora
