#include "reminders/ReminderSchedule.h"

#include <QTimeZone>

namespace vellumora::ReminderSchedule {

namespace {

// The times of one day to remind at, in order.
QList<QTime> timesOfDay(const ReminderSettings& settings)
{
    if (settings.mode == ReminderMode::Times) {
        return settings.times;
    }
    QList<QTime> times;
    const int step = std::clamp(settings.minutes, 1, ReminderSettings::kMaxMinutes) * 60;
    for (QTime time = settings.from; time.isValid() && time <= settings.to;) {
        times.append(time);
        // Past midnight the day's slots are done.
        if (time.secsTo(settings.to) < step) {
            break;
        }
        time = time.addSecs(step);
    }
    return times;
}

} // namespace

std::optional<QDateTime> next(const ReminderSettings& settings, const QDateTime& after)
{
    if (settings.mode == ReminderMode::Off || !after.isValid()) {
        return std::nullopt;
    }
    const QList<QTime> times = timesOfDay(settings);
    // On the clock `after` is told on: the local one, or a time zone of its own.
    const bool zoned = after.timeSpec() == Qt::TimeZone;
    const auto moment = [&](QDate day, QTime time) {
        return zoned ? QDateTime(day, time, after.timeZone()) : QDateTime(day, time);
    };
    const QDate today = (zoned ? after : after.toLocalTime()).date();
    // A week and a day reach every day of the week after today's last time.
    for (int offset = 0; offset <= 7 && !times.isEmpty(); ++offset) {
        const QDate day = today.addDays(offset);
        if (!settings.onDay(day.dayOfWeek())) {
            continue;
        }
        for (const QTime time : times) {
            QDateTime at = moment(day, time);
            if (!at.isValid()) {
                // The clock skips this time: it comes as far after the day's start, at the hour
                // the clock shows after the change.
                at = moment(day, QTime(0, 0)).addMSecs(time.msecsSinceStartOfDay());
            }
            if (at.isValid() && at > after) {
                return at;
            }
        }
    }
    return std::nullopt;
}

} // namespace vellumora::ReminderSchedule
