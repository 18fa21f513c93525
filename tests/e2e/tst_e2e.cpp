#include "ProgramDriver.h"
#include "support/TestFiles.h"

#include <QtDBus>
#include <QtGui>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

using namespace vellumora;
using namespace vellumora::e2e;

// The leak checker stops every thread of a process at its exit, and in this driver it races the
// session bus connection Qt keeps to the very end; now and then its tracer crashes and fails a run
// whose checks all passed. The driver's own memory is not what this test is about: the program it
// starts is still checked.
extern "C" int __lsan_is_turned_off()
{
    return 1;
}

namespace {

const QString kScreenSaver = "org.freedesktop.ScreenSaver";

// The visible top-level window stacked highest: xdotool lists the root's children from the bottom
// of the stack up.
QString topWindow()
{
    const QStringList stack = xdotool({ "search", "--onlyvisible", "--maxdepth", "1", "--name", ".*" });
    return stack.value(stack.size() - 1);
}

// The desktop's screen saver as the program finds it on the session bus: the calls it took, in
// order, each cookie as it was handed out or given back.
class FakeScreenSaver : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")
public:
    QStringList calls;
    bool locked = false;

    // Takes the desktop's place on the session bus.
    bool own()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        return bus.registerObject("/org/freedesktop/ScreenSaver", this, QDBusConnection::ExportAllContents)
            && bus.registerService(kScreenSaver);
    }

public slots:
    // Answered a moment after it is asked, as a busy desktop does.
    uint Inhibit(const QString& application, const QString&)
    {
        calls.append(QString("Inhibit %1 %2").arg(application).arg(++m_cookie));
        setDelayedReply(true);
        QTimer::singleShot(
            300, this, [bus = connection(), reply = message().createReply(m_cookie)] { bus.send(reply); });
        return m_cookie;
    }
    void UnInhibit(uint cookie) { calls.append(QString("UnInhibit %1").arg(cookie)); }
    bool GetActive()
    {
        calls.append("GetActive");
        return locked;
    }

private:
    uint m_cookie = 40;
};

} // namespace

// What only the real process shows: its lock against a second copy, a crash leaving no stale
// lock, its files on the first run, its exit, its command line, its install, and its reminders and
// the desktop's services it asks. Each test copies the built program into a fresh application
// folder with a home of its own; the X display and the session bus are the ones the test runs on.
class TestEndToEnd : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        // Each copy of the program ends with its folder.
        m_copy = std::make_unique<ProgramCopy>();
        QVERIFY(m_copy->isValid());
        m_copy->setEnvironment(programEnvironment());
        // The objects go off the bus with the old ones.
        m_saver = std::make_unique<FakeScreenSaver>();
        QDBusConnection::sessionBus().unregisterService(kScreenSaver);
    }

    // Of five copies started at the same moment on the first run, one runs, and writes the index
    // and the settings where a user's program keeps them; the others find it while it is still
    // loading. A later start hands its request to the copy that runs and ends without a word: that
    // copy brings its window forward, or starts its show in the window's place. Only a copy that
    // does not answer leaves the message. A copy that crashed leaves no lock behind: the next
    // starts with --show, the show at once with no main window first, and Back opens it. Exit, by
    // its key, ends it.
    void singleCopy()
    {
        QVERIFY(writeBytes(NativePath(m_copy->app("system/Joy.txt")), "") && m_copy->placePicture());
        std::vector<QProcess*> copies(5);
        std::ranges::generate(copies, [this] { return m_copy->start(); });
        const QString main = waitForWindow(kMainTitle);
        QTRY_COMPARE_WITH_TIMEOUT(
            std::ranges::count(copies, QProcess::NotRunning, &QProcess::state), 4l, kTimeoutMs);
        QProcess* first = *std::ranges::find(copies, QProcess::Running, &QProcess::state);
        for (QProcess* copy : copies) {
            QVERIFY(copy == first || m_copy->endsAlone(copy));
        }
        QCOMPARE(windows(kMainTitle), QStringList { main });
        QVERIFY(QFileInfo(m_copy->app("item.txt")).size() > 0);
        QVERIFY(QFileInfo(m_copy->path("home/.config/Vellumora/Vellumora.ini")).size() > 0);
        cover();
        QVERIFY(m_copy->endsAlone(m_copy->start()));
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), main, kTimeoutMs);

        QVERIFY(m_copy->endsAlone(m_copy->start({ "--show" })));
        const QString show = waitForWindow(kMessageTitle, kShowWidth);
        QTRY_VERIFY_WITH_TIMEOUT(windows(kMainTitle).isEmpty(), kTimeoutMs);
        cover();
        QVERIFY(m_copy->endsAlone(m_copy->start()));
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), show, kTimeoutMs);

        ::kill(first->processId(), SIGSTOP);
        QProcess* second = m_copy->start();
        const QString box = waitForWindow(kMessageTitle, -kShowWidth);
        ::kill(first->processId(), SIGCONT);
        QVERIFY(sendKeys(box, { "Return" }));
        QVERIFY(m_copy->endsAlone(second));

        first->kill();
        QTRY_VERIFY_WITH_TIMEOUT(windows(kMessageTitle).isEmpty(), kTimeoutMs);
        QProcess* last = m_copy->start({ "--show" });
        const QString atOnce = waitForWindow(kMessageTitle, kShowWidth);
        QVERIFY(windows(kMainTitle).isEmpty() && sendKeys(atOnce, { "alt+b" }));
        const QString window = waitForWindow(kMainTitle);
        QVERIFY(windows(kMessageTitle).isEmpty() && sendKeys(window, { "ctrl+q" }));
        QVERIFY(m_copy->endsAlone(last));
    }

    // The command line answers without a display, in the user's language from the catalogues
    // beside the built program. Qt's own options pass; any other is refused with status 2, with
    // a display or without, before a window could open.
    void commandLine_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("display");
        QTest::addColumn<QString>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("said");
        QTest::newRow("version") << "C.UTF-8" << false << "--version" << 0 << "Vellumora 1.0\n";
        QTest::newRow("help") << "de_DE.UTF-8" << false << "--help" << 0 << "Startet die Diashow sofort";
        QTest::newRow("no display") << "de_DE.UTF-8" << false << "" << 1 << "braucht eine grafische";
        QTest::newRow("Qt's options")
            << "C.UTF-8" << false << "-style fusion --platform xcb -v" << 0 << "Vellumora 1.0\n";
        QTest::newRow("unknown")
            << "C.UTF-8" << false << "--shwo" << 2
            << "Vellumora: unknown option \"--shwo\"\nTry \"Vellumora --help\" for more information.\n";
        QTest::newRow("unknown, with a display")
            << "C.UTF-8" << true << "--show -x" << 2 << "unknown option \"-x\"";
        QTest::newRow("a value missing")
            << "C.UTF-8" << true << "-platform" << 2 << "Try \"Vellumora --help\"";
        // The board is written with no display at all; TMP is a folder of the test's own.
        QTest::newRow("board") << "C.UTF-8" << false << "--board TMP/board.pdf --size A4" << 0
                               << "The board is saved as";
        QTest::newRow("board, a size unknown") << "de_DE.UTF-8" << false << "--board TMP/b.png --size A5" << 1
                                               << "ist keine Größe für ein Board";
        QTest::newRow("board, nowhere to write")
            << "C.UTF-8" << false << "--board TMP/no/such/b.png" << 1 << "could not be saved";
        QTest::newRow("a size alone") << "C.UTF-8" << false << "--size A4" << 2 << "--size goes with";
    }
    void commandLine()
    {
        QFETCH(QString, locale);
        QFETCH(bool, display);
        QFETCH(QString, args);
        QFETCH(int, code);
        QFETCH(QString, said);
        QTemporaryDir temporary;
        QStringList arguments = args.split(' ', Qt::SkipEmptyParts);
        arguments.replaceInStrings("TMP", temporary.path());
        QByteArray output;
        QCOMPARE(run(VELLUMORA_APP_DIR "/Vellumora", arguments, &output, inLocale(locale, display)), code);
        QVERIFY2(output.contains(said.toUtf8()), output.constData());
        // A board that could not be written leaves nothing behind.
        QCOMPARE(QDir(temporary.path()).entryList(QDir::Files | QDir::Hidden).size(),
            QTest::currentDataTag() == QByteArray("board") ? 1 : 0);
    }

    // Installed into a prefix by someone who speaks French, and packed for Debian. Both lay out
    // the same files, in modes of their own, which the validators accept; the package's
    // dependencies, and no error or warning from lintian. The prefix holds the French starter
    // library, and a second install keeps the user's changes to it. The packaged program starts
    // in a folder it may not write, with the library copied for the user in their language.
    void installedAndPackaged()
    {
        const QString prefix = m_copy->path("prefix");
        const QStringList install { "--install", VELLUMORA_BUILD_DIR, "--prefix", prefix };
        QCOMPARE(run("cmake", install, nullptr, inLocale("fr_FR.UTF-8")), 0);
        const QString packages = m_copy->path("packages"), deb = packages + "/vellumora_1.0_amd64.deb";
        const QString root = m_copy->path("root"), config = VELLUMORA_BUILD_DIR "/CPackConfig.cmake";
        QCOMPARE(run("cpack", { "-G", "DEB", "-B", packages, "--config", config }), 0);
        QCOMPARE(run("dpkg-deb", { "-x", deb, root }), 0);
        const QString id = "example.vellumora.Vellumora";
        for (const QString& top : { prefix, root + "/usr" }) {
            QCOMPARE(QFileInfo(top + "/bin/vellumora").symLinkTarget(), top + "/lib/vellumora/Vellumora");
            const QString files
                = "lib/vellumora/Vellumora lib/vellumora/item.txt lib/vellumora/translations/vellumora_fr.qm "
                  "lib/vellumora/starters/pt_BR/item.txt share/doc/vellumora/copyright "
                  "share/doc/vellumora/user-guide.html share/man/man1/vellumora.1.gz "
                  "share/icons/hicolor/48x48/apps/%1.png share/icons/hicolor/scalable/apps/%1.svg";
            for (const QString& file : files.arg(id).split(' ')) {
                const QFileInfo info(top + "/" + file);
                QVERIFY2(info.exists() && !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther)),
                    qPrintable(info.filePath()));
            }
            QCOMPARE(run("desktop-file-validate", { top + "/share/applications/" + id + ".desktop" }), 0);
            const QString metainfo = top + "/share/metainfo/" + id + ".metainfo.xml";
            QCOMPARE(run("appstreamcli", { "validate", "--no-net", metainfo }), 0);
        }
        QByteArray output;
        QCOMPARE(run("dpkg-deb", { "-f", deb, "Depends" }, &output), 0);
        for (const char* needed : { "libqt6widgets6", "libqt6multimedia6", "gstreamer1.0-plugins-good",
                 "gstreamer1.0-plugins-ugly", "gstreamer1.0-libav", "qt6-image-formats-plugins" }) {
            QVERIFY2(output.contains(needed), output.constData());
        }
        QCOMPARE(run("lintian", { "--fail-on", "error,warning", deb }), 0);

        const QString mine = prefix + "/lib/vellumora";
        QCOMPARE(QImage(mine + "/SystemFolder/Lever de soleil.jpg").size(),
            QImage(VELLUMORA_BUILD_DIR "/starter/en/SystemFolder/Sunrise.jpg").size());
        const QByteArray items = filesBelow(mine).value("item.txt");
        QVERIFY(items.startsWith("\"Calme et gratitude\""));
        QVERIFY(writeBytes(NativePath(mine + "/item.txt"), items + "\"Mine\",#TRUE#\r\n"));
        QVERIFY(QFile::remove(mine + "/SystemFolder/Prairie.jpg"));
        QVERIFY(writeBytes(NativePath(mine + "/system/Mine.txt"), "\"my own\",#TRUE#\r\n"));
        const QMap<QString, QByteArray> before = filesBelow(mine);
        QCOMPARE(run("cmake", install), 0);
        QCOMPARE(filesBelow(mine), before);

        const QString folder = root + "/usr/lib/vellumora";
        QCOMPARE(run("chmod", { "-R", "a-w", folder }), 0);
        const auto installed = filesBelow(folder), brazilian = filesBelow(folder + "/starters/pt_BR");
        m_copy->start({}, root + "/usr/bin/vellumora", programEnvironment("pt_BR.UTF-8"));
        QVERIFY(!waitForWindow(kMainTitle).isEmpty() && windows(kMessageTitle).isEmpty());
        QCOMPARE(filesBelow(m_copy->path("home/.local/share/vellumora")), brazilian);
        QCOMPARE(filesBelow(folder), installed);
        QCOMPARE(run("chmod", { "-R", "u+w", root }), 0);
    }

    // Started in the background, minute by minute all day: at the next minute's turn a ticked
    // affirmation comes in a window of the program's own where no notification server answers
    // (the desktop sessions' test has the servers), and a click starts the show. Nothing comes
    // while the screen is locked.
    void reminds_data()
    {
        QTest::addColumn<bool>("locked");
        QTest::newRow("no notification server") << false;
        QTest::newRow("screen locked") << true;
    }
    void reminds()
    {
        QFETCH(bool, locked);
        if (qEnvironmentVariableIsSet("VELLUMORA_SKIP_MINUTE_WAITS")) {
            QSKIP("Each row waits for the wall clock's next minute; the plain build's run has them.");
        }
        QVERIFY(m_copy->placeLibrary()
            && m_copy->writeSettings("[Reminders]\nMode=1\nMinutes=1\nFrom=00:00\nTo=23:59\nDays=1234567\n"));
        m_saver->locked = locked;
        QVERIFY(!locked || m_saver->own());
        m_copy->start({ "--background" });
        if (locked) {
            QTRY_COMPARE_WITH_TIMEOUT(m_saver->calls, QStringList { "GetActive" }, kReminderTimeoutMs);
            QVERIFY(!QTest::qWaitFor([] { return !windows(kMessageTitle).isEmpty(); }, 3000));
            return;
        }
        // In the bottom right corner.
        const QString popup = waitForWindow(kMessageTitle, -kShowWidth, kReminderTimeoutMs);
        QVERIFY(QRect(700, 600, 300, 400).contains(windowPosition(popup)));
        QCOMPARE(run("xdotool", { "mousemove", "--window", popup, "20", "20", "click", "1" }), 0);
        QVERIFY(!waitForWindow(kMessageTitle, kShowWidth).isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(windows(kMessageTitle, -kShowWidth).isEmpty(), kTimeoutMs);
        QVERIFY(windows(kMainTitle).isEmpty());
    }

    void putsOnTheDesktop_data()
    {
        // A variable of the program's environment, after which no desktop service answers; none for
        // a file where the data folder goes.
        QTest::addColumn<QString>("setting");
        QTest::newRow("data folder unwritable") << "";
        QTest::newRow("no desktop answers") << "XDG_CURRENT_DESKTOP=XFCE";
        QTest::newRow("GNOME's settings kept nowhere") << "GSETTINGS_BACKEND=memory";
    }

    // What stops --desktop is said on the terminal, with status 1, and changes nothing; the desktop
    // sessions' test sees it work. A portal that asks a question nobody answers is given up within
    // half a minute, its request closed.
    void putsOnTheDesktop()
    {
        QFETCH(QString, setting);
        QVERIFY(m_copy->placeLibrary());
        QProcessEnvironment env = programEnvironment();
        const QString keyfile = m_copy->path("home/.config/glib-2.0/settings/keyfile");
        const QStringList setOldPicture { "set", "org.gnome.desktop.background", "picture-uri",
            "file:///usr/share/backgrounds/old.png" };
        QCOMPARE(run("gsettings", setOldPicture, nullptr, env), 0);
        const QByteArray before = readBytes(NativePath(keyfile));
        const QString data = m_copy->path("home/.local/share/vellumora");
        if (setting.isEmpty()) {
            QVERIFY(
                QDir().mkpath(m_copy->path("home/.local/share")) && writeBytes(NativePath(data), "a file"));
        } else {
            env.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        QByteArray output;
        QCOMPARE(run(m_copy->app("Vellumora"), { "--desktop" }, &output, env), 1);
        const char* told
            = setting.isEmpty() ? "The desktop picture cannot be saved in" : "No desktop service answered";
        QVERIFY2(output.contains(told), output.constData());
        QCOMPARE(readBytes(NativePath(keyfile)), before);
        QVERIFY(!QFileInfo::exists(data + "/desktop/screen1-a.png"));
    }

    void keepsTheScreenAwake_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("Back") << "alt+b";
        // The program's end, as when the session ends.
        QTest::newRow("the program ended") << QString();
    }

    // A full screen show keeps the screen saver away while it runs, and gives the screen back
    // however it ends, also when it ends before the screen saver has answered.
    void keepsTheScreenAwake()
    {
        QFETCH(QString, key);
        QVERIFY(m_copy->placeLibrary() && m_saver->own());
        QVERIFY(m_copy->writeSettings("[settings]\nDispDuration=1\nShowSize=3\n"));
        QProcess* program = m_copy->start({ "--show" });
        // Full screen, as wide as the test's display.
        const QString show = waitForWindow(kMessageTitle, 1280);
        QVERIFY(!show.isEmpty());
        const QString inhibit = "Inhibit Vellumora 41";
        QTRY_COMPARE_WITH_TIMEOUT(m_saver->calls, QStringList { inhibit }, kTimeoutMs);
        if (key.isEmpty()) {
            program->terminate();
        } else {
            QVERIFY(sendKeys(show, { key }));
        }
        QTRY_COMPARE_WITH_TIMEOUT(m_saver->calls, (QStringList { inhibit, "UnInhibit 41" }), kTimeoutMs);
        // Waited for only now: the program's last call waits for the test's answer.
        if (key.isEmpty()) {
            QVERIFY(m_copy->endsAlone(program));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(windows(kMessageTitle).isEmpty(), kTimeoutMs);
        }
    }

private:
    // A window of the test's own over every other.
    void cover()
    {
        m_cover.setTitle("Cover");
        m_cover.show();
        m_cover.raise();
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), QString::number(m_cover.winId()), kTimeoutMs);
    }

    // The program in English, unless another locale is given, with a home of its own and GNOME's
    // settings in a file there.
    QProcessEnvironment programEnvironment(const QString& locale = "C.UTF-8") const
    {
        QProcessEnvironment env = inLocale(locale);
        env.insert("HOME", m_copy->path("home"));
        env.insert("XDG_RUNTIME_DIR", m_copy->path("home/runtime"));
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.insert("GSETTINGS_BACKEND", "keyfile");
        env.insert("XDG_CURRENT_DESKTOP", "GNOME");
        return env;
    }

    std::unique_ptr<ProgramCopy> m_copy;
    QWindow m_cover;
    std::unique_ptr<FakeScreenSaver> m_saver;
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
