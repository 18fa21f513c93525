#include "reminders/Reminders.h"

#include "library/Library.h"
#include "platform/Platform.h"
#include "reminders/ReminderSchedule.h"
#include "show/Show.h"
#include "show/ShowArithmetic.h"

#include <QPointer>
#include <QRandomGenerator>

namespace vellumora {

Reminders::Reminders(Platform& platform, Library& library, QRandomGenerator& random, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_library(library)
    , m_random(random)
    , m_alarm(platform.createAlarm())
{
    connect(m_alarm.get(), &Alarm::rang, this, &Reminders::ring);
    // The clock is also said to change on waking from sleep: a time just due still comes.
    connect(m_alarm.get(), &Alarm::clockChanged, this, [this] {
        if (m_due && m_platform.now() >= *m_due) {
            ring();
        } else {
            reschedule();
        }
    });
    connect(&library.reminders(), &ReminderOptions::changed, this, &Reminders::reschedule);
}

Reminders::~Reminders() = default;

void Reminders::reschedule()
{
    QDateTime from = m_platform.now();
    if (m_pausedUntil.isValid() && m_pausedUntil > from) {
        from = m_pausedUntil;
    }
    m_due = ReminderSchedule::next(m_library.reminders().settings(), from);
    if (m_due) {
        m_alarm->ringAt(*m_due);
    } else {
        m_alarm->cancel();
    }
}

void Reminders::ring()
{
    if (!m_due) {
        return;
    }
    const QDateTime now = m_platform.now();
    const QDateTime due = *m_due;
    if (now < due) {
        // Woken early, as by a clock set back: the time still comes.
        m_alarm->ringAt(due);
        return;
    }
    reschedule();
    if (due.secsTo(now) > ReminderSchedule::kLatenessSeconds || m_showRunning()) {
        return;
    }
    QPointer<Reminders> self(this);
    m_platform.askScreenLocked([self](bool locked) {
        if (self && !locked) {
            self->remindNow();
        }
    });
}

void Reminders::remindNow()
{
    emit remind(nextAffirmation());
}

void Reminders::pause(int minutes)
{
    m_pausedUntil = m_platform.now().addSecs(qint64(minutes) * 60);
    reschedule();
}

QString Reminders::nextAffirmation()
{
    const QStringList affirmations = m_library.tickedAffirmations();
    if (affirmations.isEmpty()) {
        m_last.clear();
        return Show::noAffirmation();
    }
    const int last = int(affirmations.size()) - 1;
    const bool random = m_library.options().display().order == Order::Random;
    // Every one the same as the last shown leaves no other to take.
    const bool anotherExists = std::any_of(
        affirmations.begin(), affirmations.end(), [this](const QString& a) { return a != m_last; });
    // At random the draw may keep hitting the last one; after a few tries the order ends that.
    constexpr int kRandomTries = 16;
    for (int tries = 0;; ++tries) {
        m_index = random && tries < kRandomTries ? show::randomAffirmation(last, m_random.generateDouble())
                                                 : show::nextAffirmation(std::min(m_index, last), last);
        if (!anotherExists || affirmations.at(m_index) != m_last || tries > kRandomTries + last) {
            break;
        }
    }
    m_last = affirmations.at(m_index);
    return m_last;
}

} // namespace vellumora
