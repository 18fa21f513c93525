#include "session/WallClockAlarm.h"

#include <cerrno>
#include <sys/timerfd.h>
#include <unistd.h>

namespace vellumora {

WallClockAlarm::WallClockAlarm(QObject* parent)
    : Alarm(parent)
    , m_fd(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &WallClockAlarm::woken);
    }
}

WallClockAlarm::~WallClockAlarm()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void WallClockAlarm::ringAt(const QDateTime& moment)
{
    const qint64 ms = std::max<qint64>(1, moment.toMSecsSinceEpoch());
    itimerspec when {};
    when.it_value.tv_sec = time_t(ms / 1000);
    when.it_value.tv_nsec = long(ms % 1000) * 1000000;
    if (m_fd >= 0) {
        timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr);
    }
}

void WallClockAlarm::cancel()
{
    const itimerspec never {};
    if (m_fd >= 0) {
        timerfd_settime(m_fd, 0, &never, nullptr);
    }
}

void WallClockAlarm::woken()
{
    quint64 expirations = 0;
    if (::read(m_fd, &expirations, sizeof expirations) == sizeof expirations) {
        emit rang();
    } else if (errno == ECANCELED) {
        emit clockChanged();
    }
}

} // namespace vellumora
