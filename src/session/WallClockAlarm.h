#pragma once

#include "session/SessionServices.h"

#include <QSocketNotifier>

namespace vellumora {

// An alarm on the wall clock (a timer file of the kernel's real-time clock): it counts the time
// the computer slept, and it is told when the clock is set.
class WallClockAlarm : public Alarm {
    Q_OBJECT
public:
    explicit WallClockAlarm(QObject* parent = nullptr);
    ~WallClockAlarm() override;

    void ringAt(const QDateTime& moment) override;
    void cancel() override;

private:
    void woken();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace vellumora
