#include "e2e/DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kMainTitle = QStringLiteral("Vellumora v1.0");
const QString kMessageTitle = QStringLiteral("Vellumora");
constexpr int kExitTimeoutMs = 15000;

} // namespace

// What only the real process shows: its lock against a second copy, a crash leaving no stale
// lock, its files on the first run, and its exit. One X display for the run; a fresh
// application folder and home for every test.
class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY2(m_session.startDisplay(), qPrintable(m_session.error())); }
    void init() { QVERIFY2(m_session.prepareFolders(), qPrintable(m_session.error())); }
    void cleanup() { m_session.stopPrograms(); }

    void firstRunWritesTheIndexAndEndsFromTheMenu()
    {
        for (const char* name : { "Work", "Health", "Joy" }) {
            QFile file(m_session.appFolder() + "/system/" + name + ".txt");
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QProcess* program = m_session.startProgram();
        QSignalSpy ended(program, &QProcess::finished);
        const QString window = m_session.waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QVERIFY(m_session.windows(kMessageTitle).isEmpty());
        QFile index(m_session.appFolder() + "/item.txt");
        QVERIFY(index.open(QIODevice::ReadOnly));
        QCOMPARE(index.readAll(), QByteArray("\"Health\",#FALSE#\r\n\"Joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n"));
        // The first run starts the update reminder's count without asking.
        QFile settings(m_session.settingsFile());
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("LastUpdateReminder="));

        QVERIFY(m_session.sendKeys(window, { QStringLiteral("alt+f"), QStringLiteral("x") }));
        QVERIFY(ended.wait(kExitTimeoutMs));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

    void secondCopyIsRefused()
    {
        QProcess* first = m_session.startProgram();
        const QString window = m_session.waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QProcess* second = m_session.startProgram();
        QSignalSpy secondEnded(second, &QProcess::finished);
        const QString box = m_session.waitForWindow(kMessageTitle);
        QVERIFY(!box.isEmpty());
        QVERIFY(m_session.sendKeys(box, { QStringLiteral("Return") }));
        QVERIFY(secondEnded.wait(kExitTimeoutMs));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(m_session.windows(kMainTitle), QStringList { window });
    }

    void crashedCopyDoesNotBlockTheNext()
    {
        QProcess* crashed = m_session.startProgram();
        QVERIFY(!m_session.waitForWindow(kMainTitle).isEmpty());
        crashed->kill();
        QVERIFY(crashed->waitForFinished(kExitTimeoutMs));
        m_session.startProgram();
        QVERIFY(!m_session.waitForWindow(kMainTitle).isEmpty());
        QVERIFY(m_session.windows(kMessageTitle).isEmpty());
    }

private:
    DesktopSession m_session;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
