#pragma once

#include "settings/ReminderOptions.h"

#include <QDateTime>
#include <optional>

namespace vellumora::ReminderSchedule {

// The first reminder strictly after `after`, on the local clock (or the time zone `after` is in): every N
// minutes from the start of the active hours to their end, or at the chosen times, on the active days.
// Nothing when reminders are off or there is no time to remind at. A time the clock skips (a daylight-saving
// change) comes as the clock shows it after the change.
std::optional<QDateTime> next(const ReminderSettings& settings, const QDateTime& after);

// How late a reminder may still come: later than this, after a sleep or with the screen
// locked, it is missed and the next one comes at its own time.
constexpr int kLatenessSeconds = 30;

} // namespace vellumora::ReminderSchedule
