#include "e2e/EndToEndTest.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kMainTitle = QStringLiteral("Vellumora v1.0");
const QString kMessageTitle = QStringLiteral("Vellumora");
constexpr int kExitTimeoutMs = 15000;

} // namespace

class TestShellEndToEnd : public EndToEndTest {
    Q_OBJECT
private slots:
    void mainWindowAppears()
    {
        m_session.startProgram();
        const QString window = m_session.waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QCOMPARE(m_session.windowSize(window).width(), 644);
        QVERIFY(m_session.windows(kMessageTitle).isEmpty());
        // The first run starts the update reminder's count without asking.
        QFile settings(m_session.settingsFile());
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("LastUpdateReminder="));
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

    void missingFolderEndsAfterTheMessage()
    {
        QVERIFY(QDir(m_session.appFolder()).rmdir(QStringLiteral("system")));
        QProcess* program = m_session.startProgram();
        QSignalSpy ended(program, &QProcess::finished);
        const QString box = m_session.waitForWindow(kMessageTitle);
        QVERIFY(!box.isEmpty());
        QVERIFY(m_session.windows(kMainTitle).isEmpty());
        QVERIFY(m_session.sendKeys(box, { QStringLiteral("Return") }));
        QVERIFY(ended.wait(kExitTimeoutMs));
        QCOMPARE(program->exitCode(), 0);
        QVERIFY(!QDir(m_session.appFolder()).exists(QStringLiteral("system")));
    }

    void fileExitEnds()
    {
        QProcess* program = m_session.startProgram();
        QSignalSpy ended(program, &QProcess::finished);
        const QString window = m_session.waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QVERIFY(m_session.sendKeys(window, { QStringLiteral("alt+f"), QStringLiteral("x") }));
        QVERIFY(ended.wait(kExitTimeoutMs));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
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
};

QTEST_GUILESS_MAIN(TestShellEndToEnd)
#include "tst_e2e_shell.moc"
