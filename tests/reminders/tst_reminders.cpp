#include "reminders/ReminderSchedule.h"
#include "reminders/Reminders.h"
#include "show/Show.h"
#include "support/Libraries.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTimeZone>

using namespace vellumora;

namespace {

const QTimeZone kBerlin("Europe/Berlin");

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    // Lost's file cannot be read: it gives no affirmations, and the categories after it still do.
    void init()
    {
        m_lib = std::make_unique<Libraries>();
        m_lib->write({ "system/One.txt=\"A\",#TRUE#\r\n\"B\",#TRUE#\r\n\"hidden\",#FALSE#\r\n",
            "system/Two.txt=\"C\",#TRUE#\r\n", "system/Off.txt=\"D\",#TRUE#\r\n", "system/Lost.txt=/",
            "item.txt=\"One\",#TRUE#\r\n\"Lost\",#TRUE#\r\n\"Off\",#FALSE#\r\n\"Two\",#TRUE#\r\n" });
        m_lib->take("load");
    }

    // The settings file's values, then when the next reminder comes after a moment on a Monday in
    // Berlin: every N minutes from the start of the hours to their end inclusive, on the ticked
    // days; at the chosen times whatever the hours. The hours of a daylight-saving change come as
    // the clock shows them.
    void nextReminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("next");
        const QString every15 = "Mode=1;Minutes=15";
        const auto row = [](const char* name, const QString& stored, const char* after, const char* next) {
            QTest::newRow(name) << stored << QString(after) << QString(next);
        };
        row("off by default", "", "2026-03-02 09:10", "");
        row("between two", every15, "2026-03-02 09:10", "2026-03-02T09:15:00+01:00");
        row("on one, the next", every15, "2026-03-02 09:15", "2026-03-02T09:30:00+01:00");
        row("counted from the hours' start", "Mode=1;Minutes=60;From=08:30", "2026-03-02 09:00",
            "2026-03-02T09:30:00+01:00");
        row("the hours' end is one", every15, "2026-03-02 20:50", "2026-03-02T21:00:00+01:00");
        row("after the hours, the next day", every15, "2026-03-02 21:00", "2026-03-03T08:00:00+01:00");
        row("a day left out", every15 + ";Days=135", "2026-03-02 22:00", "2026-03-04T08:00:00+01:00");
        row("Sundays only", every15 + ";Days=7", "2026-03-02 10:00", "2026-03-08T08:00:00+01:00");
        row("a whole day, every minute", "Mode=1;Minutes=1;From=00:00;To=23:59", "2026-03-02 23:59",
            "2026-03-03T00:00:00+01:00");
        row("times in order", "Mode=2;Times=18:00,12:00", "2026-03-02 10:00", "2026-03-02T12:00:00+01:00");
        row("times outside the hours", "Mode=2;Times=23:30", "2026-03-02 22:00", "2026-03-02T23:30:00+01:00");
        row("times, none", "Mode=2", "2026-03-02 10:00", "");
        row("a time the clock skips", "Mode=2;Times=02:30", "2026-03-29 01:00", "2026-03-29T03:30:00+02:00");
        row("the clock goes back an hour", "Mode=1;Minutes=60;From=00:00;To=23:59", "2026-10-25 02:30",
            "2026-10-25T03:00:00+01:00");
    }
    void nextReminder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, after);
        const QDateTime moment(QDate::fromString(after.left(10), Qt::ISODate),
            QTime::fromString(after.mid(11), "HH:mm"), kBerlin);
        const auto found = ReminderSchedule::next(options(stored).settings(), moment);
        QTEST(found ? found->toString(Qt::ISODate) : QString(), "next");
    }

    // A value that cannot be read gives its default and is not written back; hours that end
    // before they begin give both defaults.
    void unreadableValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        const auto row = [](const char* name, const char* stored, const QString& read) {
            QTest::newRow(name) << QString(stored) << read;
        };
        const QString defaults = "0 60 [] 08:00-21:00 1234567";
        row("no minutes", "Minutes=0", defaults);
        row("more than a day", "Minutes=1441", defaults);
        row("a whole day", "Minutes=1440", "0 1440 [] 08:00-21:00 1234567");
        row("one good, one bad", "Times=08:30,noon", defaults);
        row("thirteen times",
            "Times=01:00,02:00,03:00,04:00,05:00,06:00,07:00,08:00,09:00,10:00,11:00,12:00,13:00", defaults);
        row("twelve, out of order, one twice", "Times=12:00,1:05,12:00",
            "0 60 [01:05,12:00] 08:00-21:00 1234567");
        row("from after to", "From=22:00;To=06:00", defaults);
        row("to before the default from", "To=07:00", defaults);
        row("hours of a night owl", "From=10:00;To=23:59", "0 60 [] 10:00-23:59 1234567");
        row("a day not in the week", "Days=158", defaults);
        row("no day", "Days=", defaults);
        row("a mode unknown", "Mode=3", defaults);
        row("days and mode", "Mode=2;Days=61", "2 60 [] 08:00-21:00 16");
    }
    void unreadableValues()
    {
        QFETCH(QString, stored);
        const ReminderSettings& s = options(stored).settings();
        QString days;
        for (int day = 1; day <= 7; ++day) {
            days += s.onDay(day) ? QString::number(day) : QString();
        }
        QTEST(QString("%1 %2 [%3] %4-%5 %6")
                  .arg(int(s.mode))
                  .arg(s.minutes)
                  .arg(ReminderOptions::formatTimes(s.times), s.from.toString("HH:mm"),
                      s.to.toString("HH:mm"), days),
            "read");
        QVERIFY(m_lib->platform.settingsWritten.isEmpty());
    }

    // Every 15 minutes from 09:10, then the alarm rings, or the clock is set, at a moment: whether
    // the user is reminded, and when the alarm is set to ring next. A reminder more than half a
    // minute late (the computer slept) is missed, not made up; an early ring (the clock set back)
    // waits for its time. None comes while the screen is locked (the main window's test has the show).
    void ringing_data()
    {
        QTest::addColumn<QString>("event");
        QTest::addColumn<QTime>("at");
        QTest::addColumn<int>("reminded");
        QTest::addColumn<QTime>("next");
        QTest::newRow("half a minute late") << "ring" << QTime(9, 15, 30) << 1 << QTime(9, 30);
        QTest::newRow("after a sleep") << "ring" << QTime(9, 50) << 0 << QTime(10, 0);
        QTest::newRow("early") << "ring" << QTime(9, 0) << 0 << QTime(9, 15);
        QTest::newRow("the clock set") << "clock" << QTime(11, 7) << 0 << QTime(11, 15);
        QTest::newRow("the clock set on waking, one due") << "clock" << QTime(9, 15, 5) << 1 << QTime(9, 30);
        QTest::newRow("screen locked") << "locked" << QTime(9, 15) << 0 << QTime(9, 30);
        QTest::newRow("paused for an hour") << "pause" << QTime(9, 10) << 0 << QTime(10, 15);
        QTest::newRow("switched off") << "off" << QTime(9, 10) << 0 << QTime();
    }
    void ringing()
    {
        QFETCH(QString, event);
        QFETCH(QTime, at);
        QFETCH(QTime, next);
        FakePlatform& platform = m_lib->platform;
        const QDate day(2026, 3, 2);
        platform.clock = QDateTime(day, QTime(9, 10));
        options("Mode=1;Minutes=15");
        QRandomGenerator random(1);
        Reminders reminders(platform, *m_lib->library, random);
        QSignalSpy remind(&reminders, &Reminders::remind);
        platform.screenLocked = event == "locked";
        reminders.reschedule();
        QCOMPARE(platform.alarm->at, QDateTime(day, QTime(9, 15)));
        platform.clock = QDateTime(day, at);
        if (event == "clock") {
            platform.alarm->clockSet();
        } else if (event == "pause") {
            reminders.pause(60);
        } else if (event == "off") {
            m_lib->library->reminders().save({});
        } else {
            platform.alarm->ring();
        }
        QTEST(int(remind.size()), "reminded");
        QCOMPARE(platform.alarm->at, next.isValid() ? QDateTime(day, next) : QDateTime());
    }

    // The ticked affirmations of the ticked categories, in the show's order or at random, never
    // the same one twice running where there is another.
    void affirmationDrawn_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<bool>("random");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("in order") << "" << false << "A B C A B";
        QTest::newRow("in order, one twice") << "\"A\",#TRUE#\r\n\"A\",#TRUE#\r\n\"B\",#TRUE#\r\n"
                                             << false << "A B A B A";
        QTest::newRow("only one") << "\"A\",#TRUE#\r\n" << true << "A A A A A";
        QTest::newRow("none ticked") << "\"A\",#FALSE#\r\n" << false << "none none none none none";
        QTest::newRow("at random") << "" << true << "";
    }
    void affirmationDrawn()
    {
        QFETCH(QString, category);
        QFETCH(bool, random);
        QFETCH(QString, drawn);
        if (!category.isEmpty()) {
            m_lib->write({ "item.txt=\"One\",#TRUE#\r\n", "system/One.txt=" + category.toUtf8() });
            m_lib->take("load");
        }
        m_lib->library->options().setDisplay({ .order = random ? Order::Random : Order::AsDisplayed });
        QRandomGenerator generator(7);
        Reminders reminders(m_lib->platform, *m_lib->library, generator);
        QStringList draws;
        for (int i = 0; i < (drawn.isEmpty() ? 300 : 5); ++i) {
            draws << reminders.nextAffirmation().replace(Show::noAffirmation(), "none");
        }
        if (!drawn.isEmpty()) {
            QCOMPARE(draws.join(' '), drawn);
            return;
        }
        QVERIFY2(
            std::adjacent_find(draws.cbegin(), draws.cend()) == draws.cend(), qPrintable(draws.join(' ')));
        QVERIFY(draws.count("A") > 50 && draws.count("B") > 50 && draws.count("C") > 50);
    }

private:
    // The settings file's section as a user may have left it, "Key=value" pairs, read.
    ReminderOptions& options(const QString& stored)
    {
        for (const QString& value : stored.split(';', Qt::SkipEmptyParts)) {
            m_lib->platform.settings.insert("Reminders/" + value.section('=', 0, 0), value.section('=', 1));
        }
        m_lib->library->reminders().load();
        return m_lib->library->reminders();
    }

    std::unique_ptr<Libraries> m_lib;
};

QTEST_GUILESS_MAIN(TestReminders)
#include "tst_reminders.moc"
