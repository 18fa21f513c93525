#include "shell/UpdateReminder.h"

namespace vellumora::UpdateReminder {

qint64 daysFromToday(const QDate& last, const QDate& today)
{
    return today.daysTo(last);
}

bool isDue(const QDateTime& last, const QDateTime& now)
{
    const qint64 days = daysFromToday(last.date(), now.date());
    // A date far in the future means the clock was set back: remind then too.
    return days < -kQuietDays || days > kQuietDays;
}

QString format(const QDateTime& when)
{
    return when.toString(Qt::ISODate);
}

std::optional<QDateTime> parse(const QString& stored)
{
    const QDateTime when = QDateTime::fromString(stored.trimmed(), Qt::ISODate);
    if (!when.isValid()) {
        return std::nullopt;
    }
    return when;
}

} // namespace vellumora::UpdateReminder
