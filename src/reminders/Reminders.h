#pragma once

#include "session/SessionServices.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QRandomGenerator;

namespace vellumora {

class Library;
class Platform;

// Decides when the user is reminded and of which affirmation. It sleeps on one alarm set to the
// next time due; at that time it stays quiet while a show runs or the screen is locked, and a
// time missed (the computer asleep, the clock set) is not made up. The affirmation is drawn from
// the ticked ones by the show's order, never the same one twice running.
class Reminders : public QObject {
    Q_OBJECT
public:
    Reminders(Platform& platform, Library& library, QRandomGenerator& random, QObject* parent = nullptr);
    ~Reminders() override;

    void setShowRunning(std::function<bool()> showRunning) { m_showRunning = std::move(showRunning); }
    // The alarm goes to the next time due by the settings in force, from now.
    void reschedule();
    // A reminder at once, whatever the time.
    void remindNow();
    // No reminder until so many minutes from now.
    void pause(int minutes);
    const std::optional<QDateTime>& due() const { return m_due; }
    QString nextAffirmation();

signals:
    void remind(const QString& affirmation);

private:
    void ring();

    Platform& m_platform;
    Library& m_library;
    QRandomGenerator& m_random;
    std::unique_ptr<Alarm> m_alarm;
    std::function<bool()> m_showRunning = [] { return false; };
    std::optional<QDateTime> m_due;
    QDateTime m_pausedUntil;
    int m_index = -1;
    QString m_last;
};

} // namespace vellumora
