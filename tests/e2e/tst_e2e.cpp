#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

namespace {

const QString kMainTitle = QStringLiteral("Vellumora v1.0");
const QString kMessageTitle = QStringLiteral("Vellumora");
constexpr int kTimeoutMs = 15000;

QString xdotool(const QStringList& args, bool* ok = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    const bool finished = process.waitForFinished(10000);
    if (ok) {
        *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// Visible windows whose whole title is this one.
QStringList windows(const QString& title)
{
    const QString pattern = '^' + QRegularExpression::escape(title) + '$';
    return xdotool({ "search", "--onlyvisible", "--name", pattern }).split('\n', Qt::SkipEmptyParts);
}

// The one visible window with this title, once there is exactly one; empty on time-out.
QString waitForWindow(const QString& title)
{
    QStringList found;
    return QTest::qWaitFor([&] { return (found = windows(title)).size() == 1; }, kTimeoutMs) ? found.first()
                                                                                             : QString();
}

// There is no window manager: the focus is given by hand before the keys.
bool sendKeys(const QString& window, const QStringList& keys)
{
    bool ok = false;
    xdotool({ "windowfocus", "--sync", window }, &ok);
    for (const QString& key : keys) {
        bool sent = false;
        xdotool({ "key", "--delay", "100", key }, &sent);
        ok = ok && sent;
    }
    return ok;
}

} // namespace

// What only the real process shows: its lock against a second copy, a crash leaving no stale
// lock, its files on the first run, and its exit. Each test copies the built program into a
// fresh application folder with a home of its own; the X display is the one the test runs on.
class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_root = std::make_unique<QTemporaryDir>();
        QDir root(m_root->path());
        QVERIFY(root.mkpath("app/system") && root.mkpath("app/SystemFolder") && root.mkpath("home/runtime"));
        QFile::setPermissions(
            root.filePath("home/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QFile::copy(VELLUMORA_APP_DIR "/Vellumora", app("Vellumora")));
    }

    void cleanup()
    {
        for (const auto& program : m_programs) {
            program->kill();
            program->waitForFinished(5000);
        }
        m_programs.clear();
    }

    void firstRunWritesTheIndexAndEndsFromTheMenu()
    {
        for (const char* name : { "Work", "Health", "Joy" }) {
            QFile file(app("system/") + name + ".txt");
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QProcess* program = start();
        QSignalSpy ended(program, &QProcess::finished);
        const QString window = waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QVERIFY(windows(kMessageTitle).isEmpty());
        QFile index(app("item.txt"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        QCOMPARE(
            index.readAll(), QByteArray("\"Health\",#FALSE#\r\n\"Joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n"));
        // The first run starts the update reminder's count without asking.
        QFile settings(m_root->filePath("home/.config/Vellumora/Vellumora.ini"));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QVERIFY(settings.readAll().contains("LastUpdateReminder="));

        QVERIFY(sendKeys(window, { "alt+f", "x" }));
        QVERIFY(ended.wait(kTimeoutMs));
        QCOMPARE(program->exitStatus(), QProcess::NormalExit);
        QCOMPARE(program->exitCode(), 0);
    }

    void secondCopyIsRefused()
    {
        QProcess* first = start();
        const QString window = waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QProcess* second = start();
        QSignalSpy secondEnded(second, &QProcess::finished);
        const QString box = waitForWindow(kMessageTitle);
        QVERIFY(!box.isEmpty());
        QVERIFY(sendKeys(box, { "Return" }));
        QVERIFY(secondEnded.wait(kTimeoutMs));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(first->state(), QProcess::Running);
        QCOMPARE(windows(kMainTitle), QStringList { window });
    }

    void crashedCopyDoesNotBlockTheNext()
    {
        QProcess* crashed = start();
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
        crashed->kill();
        QVERIFY(crashed->waitForFinished(kTimeoutMs));
        start();
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
        QVERIFY(windows(kMessageTitle).isEmpty());
    }

private:
    QString app(const QString& relative) const { return m_root->filePath("app/" + relative); }

    QProcess* start()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : { "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME",
                 "WAYLAND_DISPLAY", "SESSION_MANAGER" }) {
            env.remove(name);
        }
        env.insert("HOME", m_root->filePath("home"));
        env.insert("XDG_RUNTIME_DIR", m_root->filePath("home/runtime"));
        env.insert("QT_QPA_PLATFORM", "xcb");
        auto& program = m_programs.emplace_back(std::make_unique<QProcess>());
        program->setProcessEnvironment(env);
        program->setWorkingDirectory(m_root->filePath("home"));
        program->setProcessChannelMode(QProcess::ForwardedChannels);
        program->start(app("Vellumora"), {});
        program->waitForStarted(10000);
        return program.get();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
