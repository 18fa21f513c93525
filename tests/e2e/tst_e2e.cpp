#include <QtGui>
#include <QtTest>
#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>

namespace {

const QString kMainTitle = "Vellumora v1.0";
// The show's window has the message boxes' title, and this width.
const QString kMessageTitle = "Vellumora";
constexpr int kShowWidth = 433;
constexpr int kTimeoutMs = 15000;

// Runs a command to its end: its exit code, or -1 when it could not run, and what it printed.
int run(const QString& program, const QStringList& args, QByteArray* output = nullptr,
    const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        return -1;
    }
    if (output) {
        *output = process.readAllStandardOutput() + process.readAllStandardError();
    }
    return process.exitCode();
}

QString xdotool(const QStringList& args, bool* ok = nullptr)
{
    QByteArray output;
    const int code = run("xdotool", args, &output);
    if (ok) {
        *ok = code == 0;
    }
    return QString::fromLocal8Bit(output);
}

// The environment with the language of this locale alone, whatever the machine's are.
QProcessEnvironment inLocale(QProcessEnvironment env, const QString& locale)
{
    for (const char* name : { "LANGUAGE", "LC_ALL", "LC_MESSAGES" }) {
        env.remove(name);
    }
    env.insert("LANG", locale);
    return env;
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

// The visible windows with this title and this width; a negative width asks for any other width.
QStringList windowsOfWidth(const QString& title, int width)
{
    const QString size = QString("Geometry: %1x").arg(qAbs(width));
    QStringList found = windows(title);
    found.removeIf([&](const QString& w) {
        return xdotool({ "getwindowgeometry", w }).contains(size) != (width > 0);
    });
    return found;
}

// The same, once there is one; empty on time-out.
QStringList waitForWindowOfWidth(const QString& title, int width)
{
    QStringList found;
    return QTest::qWaitFor([&] { return !(found = windowsOfWidth(title, width)).isEmpty(); }, kTimeoutMs)
        ? found
        : QStringList();
}

// The visible top-level window stacked highest, as a decimal id like xdotool's.
QString topWindow()
{
    QByteArray tree;
    run("xwininfo", { "-root", "-children" }, &tree);
    const QStringList visible = xdotool({ "search", "--onlyvisible", "--name", ".*" }).split('\n');
    // Children are listed from the top of the stack down.
    static const QRegularExpression child(R"(^\s+(0x[0-9a-f]+) )", QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& id : child.globalMatch(QString::fromLatin1(tree))) {
        const QString window = QString::number(id.captured(1).toULongLong(nullptr, 16));
        if (visible.contains(window)) {
            return window;
        }
    }
    return {};
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

// The library's files below the folder with their bytes: item.txt, system/ and SystemFolder/.
QMap<QString, QByteArray> library(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        const QString inside = it.filePath().mid(folder.size() + 1);
        const bool kept
            = inside == "item.txt" || inside.startsWith("system/") || inside.startsWith("SystemFolder/");
        if (kept && file.open(QIODevice::ReadOnly)) {
            files.insert(it.filePath(), file.readAll());
        }
    }
    return files;
}

} // namespace

// What only the real process shows: its lock against a second copy, a crash leaving no stale
// lock, its files on the first run, its exit, its command line, and its install. Each test copies
// the built program into a fresh application folder with a home of its own; the X display is the
// one the test runs on.
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
        const QString window = waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        QVERIFY(windows(kMessageTitle).isEmpty());
        // The index and the settings are written where a user's program keeps them.
        QVERIFY(QFileInfo(app("item.txt")).size() > 0);
        QVERIFY(QFileInfo(m_root->filePath("home/.config/Vellumora/Vellumora.ini")).size() > 0);

        QVERIFY(sendKeys(window, { "alt+f", "x" }));
        QVERIFY(endsAlone(program));
    }

    // The show at once: no main window first, and Back opens it. Refused for want of pictures, the
    // main window opens with the reason.
    void showAtOnce()
    {
        QProcess* refused = start({}, { "--show" });
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
        QVERIFY(waitForWindowOfWidth(kMessageTitle, -kShowWidth).size() == 1);
        refused->kill();
        QVERIFY(refused->waitForFinished(kTimeoutMs));

        addPicture();
        start({}, { "--show" });
        const QString show = waitForWindowOfWidth(kMessageTitle, kShowWidth).value(0);
        QVERIFY(!show.isEmpty());
        QVERIFY(windows(kMainTitle).isEmpty());
        QVERIFY(sendKeys(show, { "alt+b" }));
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
        QVERIFY(windows(kMessageTitle).isEmpty());
    }

    // A later start hands its request to the copy that runs and ends without a word: that copy
    // brings its window forward, or starts its show. Of five copies started at the same moment,
    // one runs and the others find it while it is still loading. Only a copy that does not answer
    // leaves the message. A copy that crashed leaves no lock behind.
    void laterStartsReachTheRunningCopy()
    {
        addPicture();
        std::vector<QProcess*> copies(5);
        std::ranges::generate(copies, [this] { return start(); });
        const QString main = waitForWindow(kMainTitle);
        QVERIFY(!main.isEmpty());
        const auto ended = [&] { return std::ranges::count(copies, QProcess::NotRunning, &QProcess::state); };
        QTRY_COMPARE_WITH_TIMEOUT(ended(), 4, kTimeoutMs);
        QProcess* first = *std::ranges::find(copies, QProcess::Running, &QProcess::state);
        for (QProcess* copy : copies) {
            QVERIFY(copy == first || endsAlone(copy));
        }
        QCOMPARE(windows(kMainTitle), QStringList { main });
        cover();
        QVERIFY(endsAlone(start()));
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), main, kTimeoutMs);

        QVERIFY(endsAlone(start({}, { "--show" })));
        const QString show = waitForWindowOfWidth(kMessageTitle, kShowWidth).value(0);
        QVERIFY(!show.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(windows(kMainTitle).isEmpty(), kTimeoutMs);
        cover();
        QVERIFY(endsAlone(start()));
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), show, kTimeoutMs);
        QCOMPARE(waitForWindowOfWidth(kMessageTitle, kShowWidth), QStringList { show });

        ::kill(first->processId(), SIGSTOP);
        QProcess* second = start();
        const QString box = waitForWindowOfWidth(kMessageTitle, -kShowWidth).value(0);
        ::kill(first->processId(), SIGCONT);
        QVERIFY(!box.isEmpty());
        QVERIFY(sendKeys(box, { "Return" }));
        QVERIFY(endsAlone(second));

        first->kill();
        QVERIFY(first->waitForFinished(kTimeoutMs));
        start();
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
    }

    void answersWithoutADisplay()
    {
        QProcessEnvironment bare = inLocale(QProcessEnvironment::systemEnvironment(), "C.UTF-8");
        for (const char* name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
            bare.remove(name);
        }
        QByteArray output;
        QCOMPARE(run(app("Vellumora"), { "--version" }, &output, bare), 0);
        QCOMPARE(output, "Vellumora 1.0\n");
        QCOMPARE(run(app("Vellumora"), { "--help" }, &output, bare), 0);
        QVERIFY(output.contains("--show"));
        QCOMPARE(run(app("Vellumora"), {}, &output, bare), 1);
        QVERIFY(output.contains("needs a graphical desktop"));
        // In German, from the catalogues beside the built program.
        bare = inLocale(bare, "de_DE.UTF-8");
        QCOMPARE(run(VELLUMORA_APP_DIR "/Vellumora", { "--help" }, &output, bare), 0);
        QVERIFY2(output.contains("Startet die Diashow sofort"), output.constData());
        QCOMPARE(run(VELLUMORA_APP_DIR "/Vellumora", {}, &output, bare), 1);
        QVERIFY2(output.contains("braucht eine grafische"), output.constData());
    }

    // Installed into a prefix by someone who speaks French, and packed for Debian. Both lay out
    // the same files, in modes of their own, which the validators accept; the package's
    // dependencies, and no error or warning from lintian. The prefix holds the French starter
    // library, and a second install keeps the user's changes to it. The packaged program starts
    // in a folder it may not write, with the library copied for the user in their language.
    void installedAndPackaged()
    {
        const QString prefix = m_root->filePath("prefix");
        const QStringList install { "--install", VELLUMORA_BUILD_DIR, "--prefix", prefix };
        QByteArray output;
        const QProcessEnvironment french = inLocale(QProcessEnvironment::systemEnvironment(), "fr_FR.UTF-8");
        QVERIFY2(run("cmake", install, &output, french) == 0, output.constData());
        const QString packages = m_root->filePath("packages");
        const QStringList pack { "-G", "DEB", "-B", packages, "--config",
            VELLUMORA_BUILD_DIR "/CPackConfig.cmake" };
        QVERIFY2(run("cpack", pack, &output) == 0, output.constData());
        const QString deb = packages + "/vellumora_1.0_amd64.deb";
        const QString root = m_root->filePath("root");
        QCOMPARE(run("dpkg-deb", { "-x", deb, root }), 0);
        const QString id = "example.vellumora.Vellumora";
        for (const QString& top : { prefix, root + "/usr" }) {
            QCOMPARE(QFileInfo(top + "/bin/vellumora").symLinkTarget(), top + "/lib/vellumora/Vellumora");
            for (const QString& file : QStringList { "lib/vellumora/Vellumora", "lib/vellumora/item.txt",
                     "lib/vellumora/translations/vellumora_fr.qm", "lib/vellumora/starters/pt_BR/item.txt",
                     "share/doc/vellumora/copyright", "share/doc/vellumora/user-guide.html",
                     "share/man/man1/vellumora.1.gz", "share/icons/hicolor/48x48/apps/" + id + ".png",
                     "share/icons/hicolor/scalable/apps/" + id + ".svg" }) {
                const QFileInfo info(top + "/" + file);
                QVERIFY2(info.exists() && !(info.permissions() & (QFile::WriteGroup | QFile::WriteOther)),
                    qPrintable(info.filePath()));
            }
            const QString entry = top + "/share/applications/" + id + ".desktop";
            QVERIFY2(run("desktop-file-validate", { entry }, &output) == 0, output.constData());
            const QString metainfo = top + "/share/metainfo/" + id + ".metainfo.xml";
            QVERIFY2(
                run("appstreamcli", { "validate", "--no-net", metainfo }, &output) == 0, output.constData());
        }
        QCOMPARE(run("dpkg-deb", { "-f", deb, "Depends" }, &output), 0);
        for (const char* needed : { "libqt6widgets6", "libqt6multimedia6", "gstreamer1.0-plugins-good",
                 "gstreamer1.0-plugins-ugly", "gstreamer1.0-libav", "qt6-image-formats-plugins" }) {
            QVERIFY2(output.contains(needed), output.constData());
        }
        QVERIFY2(run("lintian", { "--fail-on", "error,warning", deb }, &output) == 0, output.constData());

        const QString mine = prefix + "/lib/vellumora";
        QCOMPARE(QImage(mine + "/SystemFolder/Lever de soleil.jpg").size(),
            QImage(VELLUMORA_BUILD_DIR "/starter/en/SystemFolder/Sunrise.jpg").size());
        QVERIFY(library(mine).value(mine + "/item.txt").startsWith("\"Calme et gratitude\""));
        QFile index(mine + "/item.txt");
        QVERIFY(index.open(QIODevice::Append) && index.write("\"Mine\",#TRUE#\r\n") > 0);
        index.close();
        QVERIFY(QFile::remove(mine + "/SystemFolder/Prairie.jpg"));
        QFile added(mine + "/system/Mine.txt");
        QVERIFY(added.open(QIODevice::WriteOnly) && added.write("\"my own\",#TRUE#\r\n") > 0);
        added.close();
        const QMap<QString, QByteArray> before = library(mine);
        QCOMPARE(run("cmake", install), 0);
        QCOMPARE(library(mine), before);

        const QString folder = root + "/usr/lib/vellumora";
        QCOMPARE(run("chmod", { "-R", "a-w", folder }), 0);
        const QMap<QString, QByteArray> installed = library(folder);
        const QString starter = folder + "/starters/pt_BR";
        const QMap<QString, QByteArray> brazilian = library(starter);
        QVERIFY(brazilian.contains(starter + "/SystemFolder/Nascer do sol.jpg"));
        start(root + "/usr/bin/vellumora", {}, "pt_BR.UTF-8");
        QVERIFY(!waitForWindow(kMainTitle).isEmpty());
        QVERIFY(windows(kMessageTitle).isEmpty());
        const QString own = m_root->filePath("home/.local/share/vellumora");
        QMap<QString, QByteArray> copied;
        for (auto it = brazilian.cbegin(); it != brazilian.cend(); ++it) {
            copied.insert(own + it.key().mid(starter.size()), it.value());
        }
        QCOMPARE(library(own), copied);
        QCOMPARE(library(folder), installed);
        QCOMPARE(run("chmod", { "-R", "u+w", root }), 0);
    }

private:
    QString app(const QString& relative) const { return m_root->filePath("app/" + relative); }

    void addPicture()
    {
        QImage picture(400, 300, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(app("SystemFolder/Red.png")));
        QFile record(app("SystemFolder/record.txt"));
        QVERIFY(record.open(QIODevice::WriteOnly) && record.write("\"Red.png\"\r\n") > 0);
    }

    // A window of the test's own over every other.
    void cover()
    {
        m_cover.setTitle("Cover");
        m_cover.setGeometry(0, 0, 1280, 1024);
        m_cover.show();
        m_cover.raise();
        QTRY_COMPARE_WITH_TIMEOUT(topWindow(), QString::number(m_cover.winId()), kTimeoutMs);
    }

    // Whether a copy ends by itself, normally and with code 0, leaving no message on the screen.
    bool endsAlone(QProcess* program)
    {
        // A time-out, a crash or a failed start each leave their error.
        program->waitForFinished(kTimeoutMs);
        return program->error() == QProcess::UnknownError && program->exitStatus() == QProcess::NormalExit
            && program->exitCode() == 0 && windowsOfWidth(kMessageTitle, -kShowWidth).isEmpty();
    }

    // The program in English, unless another locale is given.
    QProcess* start(const QString& executable = QString(), const QStringList& args = {},
        const QString& locale = "C.UTF-8")
    {
        QProcessEnvironment env = inLocale(QProcessEnvironment::systemEnvironment(), locale);
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
        program->start(executable.isEmpty() ? app("Vellumora") : executable, args);
        program->waitForStarted(10000);
        return program.get();
    }

    std::unique_ptr<QTemporaryDir> m_root;
    QWindow m_cover;
    std::vector<std::unique_ptr<QProcess>> m_programs;
};

QTEST_MAIN(TestEndToEnd)
#include "tst_e2e.moc"
