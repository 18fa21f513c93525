#include "session/BusDesktopPicture.h"
#include "session/BusNotifications.h"

#include <QScreen>
#include <QtDBus>
#include <QtTest>

using namespace vellumora;
using Way = DesktopPicture::Way;
using Waiting = DesktopPicture::Waiting;

namespace {

// The value given to the variable a script to Plasma starts with.
QJsonDocument scriptValue(const QString& script)
{
    static const QRegularExpression value(
        QStringLiteral("^var \\w+ = (.*);$"), QRegularExpression::MultilineOption);
    return QJsonDocument::fromJson(value.match(script).captured(1).toUtf8());
}

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPlasma = QStringLiteral("org.kde.plasmashell");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
// The portal's answer that never comes.
constexpr uint kNever = 99;

// The desktop's services as far as the program goes: the portal, Plasma's shell, a notification
// server. Plasma keeps what its scripts set, or not, as the test says. They answer on a
// connection and thread of their own, so that the blocking calls of the code under test are
// answered.
class FakeDesktop : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QMutexLocker lock(&mutex);
        const QList<QVariant> arguments = message.arguments();
        const QString member = message.member();
        // Counted once answered: a test that sees the call sees its answer sent.
        const auto answer = [&](const QVariant& value) {
            const bool sent
                = connection.send(value.isValid() ? message.createReply(value) : message.createReply());
            state.calls.append(member);
            return sent;
        };
        if (member == QLatin1String("evaluateScript")) {
            return answer(plasma(arguments.value(0).toString()));
        }
        if (member == QLatin1String("Close")) {
            state.closed.append(message.path());
            return answer({});
        }
        if (member == QLatin1String("GetCapabilities")) {
            return answer(QStringList { "actions", "body" });
        }
        if (member == QLatin1String("GetServerInformation")) {
            state.calls.append(member);
            return connection.send(message.createReply(
                QVariantList { state.serverName, QString("Vendor"), QString("1.0"), QString("1.2") }));
        }
        if (member == QLatin1String("Notify")) {
            state.actions = arguments.value(5).toStringList();
            return answer(7u);
        }
        if (member != QLatin1String("SetWallpaperFile")) { // the portal's version
            return answer(QVariant::fromValue(QDBusVariant(1u)));
        }
        state.calls.append(member);
        state.options = qdbus_cast<QVariantMap>(arguments.value(2));
        QFile picture;
        picture.open(
            arguments.value(1).value<QDBusUnixFileDescriptor>().fileDescriptor(), QIODevice::ReadOnly);
        state.received = picture.readAll();
        // Where a portal answers: the caller's name and its token.
        const QString handle = "/org/freedesktop/portal/desktop/request/"
            + message.service().mid(1).replace(u'.', u'_') + u'/'
            + state.options.value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        if (state.portalAnswer == kNever) {
            return true;
        }
        QDBusMessage response
            = QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        return connection.send(response << state.portalAnswer << QVariantMap());
    }
    QString introspect(const QString&) const override { return {}; }

    // What Plasma's scripts do to its desktops: {"0": {"plugin": ..., "image": ...}}.
    QString plasma(const QString& script)
    {
        const QJsonDocument given = scriptValue(script);
        state.scripts.append(script);
        if (script.startsWith(u"var files") && state.plasmaKeeps) {
            const QJsonArray files = given.array();
            for (const QString& screen : state.plasmaDesktops.keys()) {
                state.plasmaDesktops[screen] = QJsonObject { { "plugin", "org.kde.image" },
                    { "image", files[std::min(screen.toInt(), int(files.size() - 1))] } };
            }
        } else if (script.startsWith(u"var kept")) {
            const QJsonObject kept = given.object();
            for (auto it = kept.begin(); it != kept.end(); ++it) {
                state.plasmaDesktops[it.key()] = it.value().toObject();
            }
        }
        return QString::fromUtf8(QJsonDocument(state.plasmaDesktops).toJson(QJsonDocument::Compact));
    }

    QMutex mutex;
    // What the services were asked, and how they answer: cleared for each test.
    struct State {
        QStringList calls;
        uint portalAnswer = 0;
        QVariantMap options;
        QByteArray received;
        QStringList closed;
        QJsonObject plasmaDesktops { { "0",
            QJsonObject { { "plugin", "org.kde.color" }, { "image", "" } } } };
        bool plasmaKeeps = true;
        QStringList scripts;
        QString serverName = "Fake";
        // The actions of the last notification, key and label after one another.
        QStringList actions;
    } state;
};

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()).trimmed() : QString();
}

// A property of Xfce's desktop, with xfconf-query's options after its name.
QString xfconf(const QStringList& property)
{
    return run("xfconf-query", QStringList { "-c", "xfce4-desktop", "-p" } + property);
}

// The file of a file URL GIO keeps, as gsettings prints it.
QString gsettingsFile(const char* schema, const char* key)
{
    return QUrl(run("gsettings", { "get", schema, key }).chopped(1).mid(1)).toLocalFile();
}

} // namespace

// The desktop's services on a private session bus that starts nothing on demand: the desktop
// picture in GIO's settings kept in a key file, a real Xfce settings service, fakes of the portal
// and of Plasma's shell; and the notifications.
class TestSessionServices : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Before anything reaches GIO, which reads where its settings are once.
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        qputenv("GSETTINGS_BACKEND", "keyfile");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        for (const char* path :
            { "/org/freedesktop/portal/desktop", "/PlasmaShell", "/org/freedesktop/Notifications" }) {
            m_fakes.registerVirtualObject(path, &m_fake, QDBusConnection::SubPath);
        }
        m_fake.moveToThread(&m_thread);
        m_thread.start();
        for (const QString& name : { QStringLiteral("a b.png"), QStringLiteral("it's.png") }) {
            QFile file(m_home.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(name.toUtf8()) > 0);
            m_files.append(file.fileName());
        }
        for (const QScreen* screen : QGuiApplication::screens()) {
            m_screens.append(screen->name());
        }
    }
    void cleanupTestCase()
    {
        m_thread.quit();
        m_thread.wait();
        m_xfconfd.terminate();
        m_xfconfd.waitForFinished();
    }
    void init()
    {
        // A second's patience for the portal, with nobody or a person waiting; what did not
        // answer is forgotten.
        m_desktop = std::make_unique<BusDesktopPicture>(
            QDBusConnection::sessionBus(), BusDesktopPicture::Limits { 5000, { 1000, 1000 } });
        qunsetenv("SNAP");
        for (const QString& service : { kPortal, kPlasma, kNotifications }) {
            m_fakes.unregisterService(service);
        }
        QMutexLocker lock(&m_fake.mutex);
        m_fake.state = {};
    }

    // Outside a sandbox the picture goes where the running desktop keeps it, though a portal
    // answers; in a sandbox, or on a desktop whose store is not known, through the portal.
    void ways_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<bool>("sandbox");
        QTest::addColumn<QStringList>("services");
        QTest::addColumn<Way>("way");
        QTest::newRow("GNOME, a portal there too")
            << "ubuntu:GNOME" << false << QStringList { kPortal } << Way::Gnome;
        QTest::newRow("GNOME in a sandbox") << "GNOME" << true << QStringList { kPortal } << Way::Portal;
        QTest::newRow("Plasma, a portal there too")
            << "KDE" << false << QStringList { kPortal, kPlasma } << Way::Plasma;
        QTest::newRow("Plasma's shell not running") << "KDE" << false << QStringList { kPortal } << Way::None;
        QTest::newRow("a desktop of no known store")
            << "sway" << false << QStringList { kPortal } << Way::Portal;
        QTest::newRow("nothing answers") << "XFCE" << false << QStringList() << Way::None;
    }
    void ways()
    {
        QFETCH(QString, desktop);
        QFETCH(bool, sandbox);
        QFETCH(QStringList, services);
        QFETCH(Way, way);
        qputenv("XDG_CURRENT_DESKTOP", desktop.toUtf8());
        if (sandbox) {
            qputenv("SNAP", "/snap/vellumora/1");
        }
        for (const QString& service : services) {
            QVERIFY(m_fakes.registerService(service));
        }
        const QByteArray before = keyfile();
        QCOMPARE(m_desktop->way(), way);
        const DesktopPicture::Answer answer = set({ m_files, m_screens });
        QCOMPARE(answer.error.isEmpty(), way != Way::None);
        QVERIFY2(way != Way::None || answer.error.contains("answers"), qPrintable(answer.error));
        QMutexLocker lock(&m_fake.mutex);
        QCOMPARE(m_fake.state.calls.contains("SetWallpaperFile"), way == Way::Portal);
        QCOMPARE(m_fake.state.calls.contains("evaluateScript"), way == Way::Plasma);
        QCOMPARE(keyfile() != before, way == Way::Gnome);
        if (way == Way::None) {
            const DesktopPictureState xfce { { "xfconf:/backdrop/screen0/monitor0/workspace0/last-image",
                "s:/a" } };
            QVERIFY(restore(xfce).contains(u"Xfce"));
        }
    }

    void portal_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<bool>("lockScreen");
        QTest::addColumn<QString>("told");
        QTest::newRow("done") << 0u << false << "";
        QTest::newRow("cancelled, the lock screen too") << 1u << true << "cancelled";
        QTest::newRow("failed") << 2u << false << "could not set";
        QTest::newRow("no answer") << kNever << false << "did not answer within 1 seconds";
    }
    void portal()
    {
        QFETCH(uint, response);
        QFETCH(bool, lockScreen);
        QFETCH(QString, told);
        qputenv("XDG_CURRENT_DESKTOP", "sway");
        m_fake.state.portalAnswer = response;
        QVERIFY(m_fakes.registerService(kPortal));
        QElapsedTimer waited;
        waited.start();
        const DesktopPicture::Answer answer = set({ m_files, m_screens, lockScreen, Waiting::Nobody });
        QVERIFY2(answer.error.contains(told), qPrintable(answer.error));
        QCOMPARE(answer.error.isEmpty(), told.isEmpty());
        QVERIFY(waited.elapsed() < 3000);
        QMutexLocker lock(&m_fake.mutex);
        QCOMPARE(m_fake.state.received, "a b.png");
        QCOMPARE(m_fake.state.options.value("set-on"), lockScreen ? "both" : "background");
        QCOMPARE(m_fake.state.options.value("show-preview"), false);
        // A request given up is closed, so that its question leaves the screen.
        QCOMPARE(m_fake.state.closed.size(), int(response == kNever));
    }

    // In a sandbox on GNOME a portal that never answers is told of once, and GNOME's own settings
    // take the picture. With nobody at the screen it is not asked again; a person is asked again.
    void silentPortal()
    {
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        qputenv("SNAP", "/snap/vellumora/1");
        m_fake.state.portalAnswer = kNever;
        QVERIFY(m_fakes.registerService(kPortal));
        for (const auto& [waiting, note, asked] : { std::tuple { Waiting::Nobody, true, 1 },
                 { Waiting::Nobody, false, 1 }, { Waiting::Person, false, 2 } }) {
            const DesktopPicture::Answer answer = set({ m_files, m_screens, false, waiting });
            QCOMPARE(answer.error, QString());
            QCOMPARE(answer.note.contains("did not answer"), note);
            QCOMPARE(gsettingsFile("org.gnome.desktop.background", "picture-uri"), m_files[0]);
            QMutexLocker lock(&m_fake.mutex);
            QCOMPARE(m_fake.state.calls.count("SetWallpaperFile"), asked);
        }
    }

    // Plasma's desktops take the picture plugin and the picture; read back, a shell that kept
    // neither is told of, not taken at its word. Given back, the plugin is the user's again.
    void plasma_data()
    {
        QTest::addColumn<bool>("keeps");
        QTest::newRow("kept") << true;
        QTest::newRow("not kept") << false;
    }
    void plasma()
    {
        QFETCH(bool, keeps);
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        m_fake.state.plasmaKeeps = keeps;
        QVERIFY(m_fakes.registerService(kPlasma));
        const DesktopPictureState state = m_desktop->current();
        QCOMPARE(state, (DesktopPictureState { { "plasma:0", "" }, { "plasma:0:plugin", "org.kde.color" } }));
        const QString error = set({ m_files, m_screens }).error;
        QVERIFY2(error.contains("still shows") != keeps, qPrintable(error));
        QCOMPARE(restore(state), QString());
        QMutexLocker lock(&m_fake.mutex);
        QCOMPARE(m_fake.state.plasmaDesktops["0"].toObject()["plugin"], "org.kde.color");
        QCOMPARE(QUrl(scriptValue(m_fake.state.scripts[1]).array()[1].toString()).toLocalFile(), m_files[1]);
    }

    void xfce_data()
    {
        QTest::addColumn<DesktopPictureState>("own"); // the user's before: the type, a space, the value
        QTest::addColumn<QStringList>("screens");
        QTest::addColumn<DesktopPictureState>("set"); // after setting
        const QString one = QStringLiteral("/backdrop/screen0/monitorOne/workspace0/");
        const QString two = QStringLiteral("/backdrop/screen0/monitorTwo/workspace1/");
        QTest::newRow("each screen its own")
            << DesktopPictureState { { one + "last-image", "string /own/one.png" },
                   { two + "last-image", "string /own/two.png" }, { two + "image-style", "int 3" } }
            << QStringList { "Two", "One" }
            << DesktopPictureState { { one + "last-image", m_files[1] }, { one + "image-style", "5" },
                   { two + "last-image", m_files[0] }, { two + "image-style", "5" } };
        // The offscreen platform's one screen has no name.
        const QString made = QStringLiteral("/backdrop/screen0/monitor0/workspace0/");
        QTest::newRow("none yet") << DesktopPictureState() << m_screens
                                  << DesktopPictureState { { made + "last-image", m_files[0] },
                                         { made + "image-style", "5" } };
    }
    void xfce()
    {
        QFETCH(DesktopPictureState, own);
        QFETCH(QStringList, screens);
        QFETCH(DesktopPictureState, set);
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        if (m_xfconfd.state() == QProcess::NotRunning) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("xfce")));
            m_xfconfd.setProcessEnvironment(environment);
            m_xfconfd.start(QStringLiteral("/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd"));
        }
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered("org.xfce.Xfconf"));
        xfconf({ "/backdrop", "-r", "-R" });
        for (auto it = own.begin(); it != own.end(); ++it) {
            xfconf({ it.key(), "-n", "-t", it->section(u' ', 0, 0), "-s", it->section(u' ', 1) });
        }
        QCOMPARE(m_desktop->way(), Way::Xfce);
        const DesktopPictureState state = m_desktop->current();
        QCOMPARE(this->set({ m_files, screens }).error, QString());
        for (auto it = set.begin(); it != set.end(); ++it) {
            QCOMPARE(xfconf({ it.key() }), it.value());
        }
        QCOMPARE(restore(state), QString());
        for (auto it = set.begin(); it != set.end(); ++it) {
            QCOMPARE(xfconf({ it.key() }), own.value(it.key()).section(u' ', 1));
        }
    }

    // A server that lists the notification's own click among its actions, as dunst does, is not
    // sent a second action of the same label; others show that one as a button. A server that
    // sends one action twice, as GNOME does for a notification it replaced, starts one thing; the
    // next notification is heard again.
    void notificationActions_data()
    {
        QTest::addColumn<QString>("server");
        QTest::addColumn<QStringList>("sent");
        const QStringList all { "default", "Start", "show", "Start", "another", "Another" };
        QTest::newRow("another server") << "gnome-shell" << all;
        QTest::newRow("dunst") << "dunst" << QStringList { "default", "Start", "another", "Another" };
    }
    void notificationActions()
    {
        QFETCH(QString, server);
        QFETCH(QStringList, sent);
        m_fake.state.serverName = server;
        QVERIFY(m_fakes.registerService(kNotifications));
        BusNotifications notifications(QDBusConnection::sessionBus());
        QSignalSpy invoked(&notifications, &Notifications::actionInvoked);
        const auto click = [this] {
            QDBusMessage action = QDBusMessage::createSignal(
                "/org/freedesktop/Notifications", kNotifications, "ActionInvoked");
            return m_fakes.send(action << 7u << QStringLiteral("default"));
        };
        for (int shown = 1; shown <= 2; ++shown) {
            notifications.show(
                "Calm", { { "default", "Start" }, { "show", "Start" }, { "another", "Another" } }, 1000);
            QTRY_COMPARE(callsOf("Notify"), shown);
            QCOMPARE(sentActions(), sent);
            // Clicked until heard: the server's answer may be read after the first click is. Every
            // click after the first, on the same notification, is not heard.
            QTRY_VERIFY(click() && invoked.size() == shown);
            QVERIFY(click());
            QTest::qWait(100);
            QCOMPARE(invoked.size(), shown);
        }
    }

private:
    DesktopPicture::Answer set(const DesktopPicture::Pictures& pictures)
    {
        std::optional<DesktopPicture::Answer> answer;
        m_desktop->set(pictures, [&](const DesktopPicture::Answer& given) { answer = given; });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000); }();
        return answer.value_or(DesktopPicture::Answer { "no answer" });
    }
    QString restore(const DesktopPictureState& state)
    {
        std::optional<DesktopPicture::Answer> answer;
        m_desktop->restore(state, [&](const DesktopPicture::Answer& given) { answer = given; });
        [&] { QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000); }();
        return answer ? answer->error : QStringLiteral("no answer");
    }
    QStringList sentActions()
    {
        QMutexLocker lock(&m_fake.mutex);
        return m_fake.state.actions;
    }
    int callsOf(const QString& member)
    {
        QMutexLocker lock(&m_fake.mutex);
        return int(m_fake.state.calls.count(member));
    }
    QByteArray keyfile() const
    {
        QFile file(m_home.filePath(QStringLiteral("glib-2.0/settings/keyfile")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_home;
    QDBusConnection m_fakes
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fakes"));
    QThread m_thread;
    FakeDesktop m_fake;
    std::unique_ptr<BusDesktopPicture> m_desktop;
    QProcess m_xfconfd;
    QStringList m_files;
    QStringList m_screens;
};

QTEST_MAIN(TestSessionServices)
#include "tst_sessionservices.moc"
