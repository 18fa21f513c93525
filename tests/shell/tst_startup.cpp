#include "shell/MainWindow.h"
#include "shell/Program.h"
#include "shell/UpdateReminder.h"
#include "shell/WebLinks.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

namespace {

const QString kReminderKey = UpdateReminder::kSection + QLatin1Char('/') + UpdateReminder::kKey;
const QString kReminderText
    = "There maybe an update to this software available\rDo you want to check for an update?";

// A window standing in for one that is loaded but hidden when the program ends.
class HiddenWindow : public QWidget {
public:
    int unloads = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++unloads;
        event->accept();
    }
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:

    void init() { m_dir = newApplicationFolder(); }

    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("reminds");
        const QDateTime now(QDate(2026, 3, 1), QTime(0, 1));
        QTest::newRow("first run") << QString() << false;
        QTest::newRow("unreadable date") << "last tuesday" << false;
        QTest::newRow("same day") << UpdateReminder::format(now.addSecs(-60)) << false;
        QTest::newRow("14 days ago") << UpdateReminder::format(now.addDays(-14)) << false;
        QTest::newRow("15 days ago") << UpdateReminder::format(now.addDays(-15)) << true;
        // Fewer than 15 whole days have passed, but 15 day boundaries have been crossed.
        QTest::newRow("15 calendar days, 14 days 2 minutes")
            << UpdateReminder::format(QDateTime(QDate(2026, 2, 14), QTime(23, 59))) << true;
        QTest::newRow("clock set back 14 days") << UpdateReminder::format(now.addDays(14)) << false;
        QTest::newRow("clock set back 15 days") << UpdateReminder::format(now.addDays(15)) << true;
    }
    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, reminds);
        FakePlatform platform(m_dir->path());
        platform.clock = QDateTime(QDate(2026, 3, 1), QTime(0, 1));
        if (!stored.isNull()) {
            platform.settings.insert(kReminderKey, stored);
        }
        Program program(platform);
        program.remindOfUpdate();

        QCOMPARE(platform.messages.size(), reminds ? 1 : 0);
        if (reminds) {
            QCOMPARE(platform.messages.first().text, kReminderText);
            QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
            QCOMPARE(platform.messages.first().buttons, MessageButtons::YesNo);
        }
        const bool rewrites = reminds || UpdateReminder::parse(stored) == std::nullopt;
        QCOMPARE(platform.settings.value(kReminderKey),
            rewrites ? UpdateReminder::format(platform.clock) : stored);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    // Yes opens the update page, No does not; either way the next reminder comes 15 days on.
    void answerPostponesTheReminder()
    {
        for (const MessageAnswer answer : { MessageAnswer::Yes, MessageAnswer::No }) {
            FakePlatform platform(m_dir->path());
            platform.settings.insert(kReminderKey, UpdateReminder::format(platform.clock.addDays(-30)));
            platform.answers = { answer };
            Program program(platform);
            program.remindOfUpdate();
            const QList<QUrl> update { WebLinks::updatePage(platform) };
            QCOMPARE(platform.openedUrls, answer == MessageAnswer::Yes ? update : QList<QUrl>());
            platform.clock = platform.clock.addDays(14);
            program.remindOfUpdate();
            QCOMPARE(platform.messages.size(), 1);
            platform.clock = platform.clock.addDays(1);
            program.remindOfUpdate();
            QCOMPARE(platform.messages.size(), 2);
        }
    }

    void secondCopyOnlySaysSoAndEnds()
    {
        FakePlatform platform(m_dir->path());
        platform.otherCopyRunning = true;
        Program program(platform);
        QVERIFY(!program.start());
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, "Application is already running");
        QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(platform.endProcessCalls, 1);
        QVERIFY(platform.settingsRead.isEmpty() && platform.settingsWritten.isEmpty());
        QVERIFY(!program.mainWindow());
    }

    void missingDataFolder_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("system") << QStringList { "system" };
        QTest::newRow("SystemFolder") << QStringList { "SystemFolder" };
        QTest::newRow("both") << QStringList { "system", "SystemFolder" };
    }
    void missingDataFolder()
    {
        QFETCH(QStringList, missing);
        for (const QString& folder : missing) {
            QVERIFY(QDir(m_dir->path()).rmdir(folder));
        }
        FakePlatform platform(m_dir->path());
        Program program(platform);
        QVERIFY(!program.start());

        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, "Required File is missing \nPlease Reinstall The software");
        QCOMPARE(platform.messages.first().icon, MessageIcon::None);
        QCOMPARE(platform.endProcessCalls, 1);
        QVERIFY(program.isEnding());
        QVERIFY(!program.mainWindow()->isVisible());
        // The load stopped at the check: nothing but the reminder's own date was read.
        QCOMPARE(platform.settingsRead, QStringList { kReminderKey });
        QVERIFY(!QDir(m_dir->path()).exists("item.txt"));
        for (const QString& folder : missing) {
            QVERIFY(!QDir(m_dir->path()).exists(folder));
        }
    }

    void closingEndsOnceAndUnloadsEveryWindow()
    {
        for (const bool viaMenu : { false, true }) {
            FakePlatform platform(m_dir->path());
            Program program(platform);
            QVERIFY(program.start());
            QVERIFY(platform.messages.isEmpty());
            QVERIFY(program.mainWindow()->isVisible());
            QCOMPARE(program.mainWindow()->windowTitle(), "Vellumora v1.0");
            QCOMPARE(platform.endProcessCalls, 0);
            HiddenWindow slideshow;

            if (viaMenu) {
                program.mainWindow()->findChild<QAction*>("mnuExit")->trigger();
            } else {
                program.mainWindow()->close();
            }
            QVERIFY(program.isEnding());
            QCOMPARE(platform.endProcessCalls, 1);
            QCOMPARE(slideshow.unloads, 1);
            QVERIFY(!program.mainWindow()->isVisible());

            program.end();
            QCOMPARE(platform.endProcessCalls, 1);
        }
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
