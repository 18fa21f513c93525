#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

namespace vellumora {

// When the update reminder is due, and how its last date is kept in the settings store.
namespace UpdateReminder {

inline const QString kSection = QStringLiteral("Settings");
inline const QString kKey = QStringLiteral("LastUpdateReminder");
// Days either side of the last reminder within which no reminder is given.
constexpr qint64 kQuietDays = 14;

// Calendar days from today to the last reminder: negative when it lies in the past.
qint64 daysFromToday(const QDate& last, const QDate& today);
bool isDue(const QDateTime& last, const QDateTime& now);

QString format(const QDateTime& when);
// Nothing for an empty or unreadable stored text.
std::optional<QDateTime> parse(const QString& stored);

} // namespace UpdateReminder

} // namespace vellumora
