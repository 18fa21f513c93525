#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTime>

namespace vellumora {

class Platform;

enum class ReminderMode { Off, Interval, Times };

// When the user wants to be reminded: every so many minutes within the active hours, or at
// chosen times of day, on the active days.
struct ReminderSettings {
    static constexpr int kMaxTimes = 12;
    static constexpr int kMaxMinutes = 24 * 60;
    static constexpr quint8 kAllDays = 0x7f;

    ReminderMode mode = ReminderMode::Off;
    int minutes = 60; // 1 to kMaxMinutes
    QList<QTime> times; // in order, whole minutes, no time twice, at most kMaxTimes
    QTime from { 8, 0 };
    QTime to { 21, 0 };
    quint8 days = kAllDays; // bit d - 1 for day d of the week, Monday = 1

    bool onDay(int dayOfWeek) const { return days & (1u << (dayOfWeek - 1)); }
    bool operator==(const ReminderSettings&) const = default;
};

// The settings file's section "Reminders", read and written as a whole. A value that cannot be
// read gives its default, and the hours both give theirs when they end before they begin;
// nothing else of the file is touched.
class ReminderOptions : public QObject {
    Q_OBJECT
public:
    explicit ReminderOptions(Platform& platform, QObject* parent = nullptr);

    void load();
    // False when the store refused a value.
    bool save(const ReminderSettings& settings);
    const ReminderSettings& settings() const { return m_settings; }
    // Whether a reminder can ever come: chosen times need at least one.
    bool on() const
    {
        return m_settings.mode == ReminderMode::Interval
            || (m_settings.mode == ReminderMode::Times && !m_settings.times.isEmpty());
    }

    // "08:30,12:00": the times in order, each once; nothing when a part is not a time of day or
    // there are more than the most allowed.
    static std::optional<QList<QTime>> parseTimes(const QString& text);
    static QString formatTimes(const QList<QTime>& times);

signals:
    void changed();

private:
    Platform& m_platform;
    ReminderSettings m_settings;
};

} // namespace vellumora
