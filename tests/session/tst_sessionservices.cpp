#include "session/BusDesktopPicture.h"
#include "session/BusNotifications.h"
#include "support/TestFiles.h"

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
        // Counted under the lock, held until the answer is sent: a test that sees the call sees
        // its answer sent.
        state.calls.append(member);
        QDBusMessage reply = message.createReply();
        if (member == QLatin1String("evaluateScript")) {
            // What Plasma's scripts do to its one desktop, on the one screen there is: {"0": {"plugin":
            // ..., "image": ...}}.
            const QString script = arguments.value(0).toString();
            state.scripts.append(script);
            if (script.startsWith(u"var files") && state.plasmaKeeps) {
                state.plasmaDesktops["0"] = QJsonObject { { "plugin", "org.kde.image" },
                    { "image", scriptValue(script).array()[0] } };
            } else if (script.startsWith(u"var kept")) {
                state.plasmaDesktops["0"] = scriptValue(script).object()["0"];
            }
            reply << QString::fromUtf8(QJsonDocument(state.plasmaDesktops).toJson(QJsonDocument::Compact));
        } else if (member == QLatin1String("Close")) {
            state.closed.append(message.path());
        } else if (member == QLatin1String("GetCapabilities")) {
            reply << QStringList { "actions", "body" };
        } else if (member == QLatin1String("GetServerInformation")) {
            reply << state.serverName << QString("Vendor") << QString("1.0") << QString("1.2");
        } else if (member == QLatin1String("Notify")) {
            state.actions = arguments.value(5).toStringList();
            reply << 7u;
        } else if (member != QLatin1String("SetWallpaperFile")) { // the portal's version
            reply << QVariant::fromValue(QDBusVariant(1u));
        } else {
            state.options = qdbus_cast<QVariantMap>(arguments.value(2));
            QFile picture;
            picture.open(
                arguments.value(1).value<QDBusUnixFileDescriptor>().fileDescriptor(), QIODevice::ReadOnly);
            state.received = picture.readAll();
            // Where a portal answers: the caller's name and its token. How the request went comes later.
            const QString handle = "/org/freedesktop/portal/desktop/request/"
                + message.service().mid(1).replace(u'.', u'_') + u'/'
                + state.options.value("handle_token").toString();
            connection.send(reply << QVariant::fromValue(QDBusObjectPath(handle)));
            reply = QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
            if (state.portalAnswer == kNever) {
                return true;
            }
            reply << state.portalAnswer << QVariantMap();
        }
        return connection.send(reply);
    }
    QString introspect(const QString&) const override { return {}; }

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
        for (const char* path :
            { "/org/freedesktop/portal/desktop", "/PlasmaShell", "/org/freedesktop/Notifications" }) {
            m_fakes.registerVirtualObject(path, &m_fake, QDBusConnection::SubPath);
        }
        m_fake.moveToThread(&m_thread);
        m_thread.start();
        for (const QString& name : { QStringLiteral("a b.png"), QStringLiteral("it's.png") }) {
            m_files.append(m_home.filePath(name));
            QVERIFY(writeBytes(m_files.last(), name.toUtf8()));
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
        qputenv("SNAP", sandbox ? "/snap/vellumora/1" : "");
        for (const QString& service : services) {
            QVERIFY(m_fakes.registerService(service));
        }
        const QString keyfile = m_home.filePath(QStringLiteral("glib-2.0/settings/keyfile"));
        const QByteArray before = readBytes(keyfile);
        QCOMPARE(m_desktop->way(), way);
        const QString error = set({ m_files, m_screens }).error;
        QVERIFY2(way == Way::None ? error.contains("answers") : error.isEmpty(), qPrintable(error));
        QCOMPARE(fake().calls.contains("SetWallpaperFile"), way == Way::Portal);
        QCOMPARE(fake().calls.contains("evaluateScript"), way == Way::Plasma);
        QCOMPARE(readBytes(keyfile) != before, way == Way::Gnome);
        const DesktopPictureState xfce { { "xfconf:/backdrop/screen0/monitor0/workspace0/last-image",
            "s:/a" } };
        QVERIFY(way != Way::None || restore(xfce).contains(u"Xfce"));
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
        const QDeadlineTimer deadline(3000);
        const QString error = set({ m_files, m_screens, lockScreen, Waiting::Nobody }).error;
        QVERIFY2(told.isEmpty() ? error.isEmpty() : error.contains(told), qPrintable(error));
        QVERIFY(!deadline.hasExpired());
        const FakeDesktop::State state = fake();
        QCOMPARE(state.received, "a b.png");
        QCOMPARE(state.options.value("set-on"), lockScreen ? "both" : "background");
        QCOMPARE(state.options.value("show-preview"), false);
        // A request given up is closed, so that its question leaves the screen; the call is not
        // waited for, so it may come in after the answer.
        QTRY_COMPARE(fake().closed.size(), int(response == kNever));
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
            // The file of a file URL GIO keeps, as gsettings prints it.
            const QString uri = run("gsettings", { "get", "org.gnome.desktop.background", "picture-uri" });
            QCOMPARE(QUrl(uri.chopped(1).mid(1)).toLocalFile(), m_files[0]);
            QCOMPARE(fake().calls.count("SetWallpaperFile"), asked);
        }
    }

    // Plasma's desktops take the picture plugin and the picture; read back, a shell that kept
    // neither is told of, not taken at its word. Given back, the plugin is the user's again.
    void plasma()
    {
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        QVERIFY(m_fakes.registerService(kPlasma));
        const DesktopPictureState state = m_desktop->current();
        QCOMPARE(state, (DesktopPictureState { { "plasma:0", "" }, { "plasma:0:plugin", "org.kde.color" } }));
        for (const bool keeps : { true, false }) {
            m_fake.state.plasmaKeeps = keeps;
            const QString error = set({ m_files, m_screens }).error;
            QVERIFY2(error.contains("still shows") != keeps, qPrintable(error));
            QCOMPARE(restore(state), QString());
            QCOMPARE(fake().plasmaDesktops["0"].toObject()["plugin"], "org.kde.color");
        }
        QCOMPARE(QUrl(scriptValue(fake().scripts[1]).array()[1].toString()).toLocalFile(), m_files[1]);
    }

    // Each screen takes its picture, over the user's own or where there was none yet; given back,
    // the user's are as they were.
    void xfce()
    {
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        m_xfconfd.start(QStringLiteral("/usr/lib/x86_64-linux-gnu/xfce4/xfconf/xfconfd"));
        QTRY_VERIFY(QDBusConnection::sessionBus().interface()->isServiceRegistered("org.xfce.Xfconf"));
        QCOMPARE(m_desktop->way(), Way::Xfce);
        const QString one = QStringLiteral("/backdrop/screen0/monitorOne/workspace0/");
        const QString two = QStringLiteral("/backdrop/screen0/monitorTwo/workspace1/");
        const QString made = QStringLiteral("/backdrop/screen0/monitor0/workspace0/");
        // The user's own values (the type, a space, the value), the screens, the values once set.
        const QList<std::tuple<DesktopPictureState, QStringList, DesktopPictureState>> cases {
            { { { one + "last-image", "string /own/one.png" }, { two + "last-image", "string /own/two.png" },
                  { two + "image-style", "int 3" } },
                { "Two", "One" },
                { { one + "last-image", m_files[1] }, { one + "image-style", "5" },
                    { two + "last-image", m_files[0] }, { two + "image-style", "5" } } },
            { {}, m_screens, { { made + "last-image", m_files[0] }, { made + "image-style", "5" } } },
        };
        for (const auto& [own, screens, after] : cases) {
            xfconf({ "/backdrop", "-r", "-R" });
            for (auto it = own.begin(); it != own.end(); ++it) {
                xfconf({ it.key(), "-n", "-t", it->section(u' ', 0, 0), "-s", it->section(u' ', 1) });
            }
            const DesktopPictureState state = m_desktop->current();
            QCOMPARE(set({ m_files, screens }).error, QString());
            for (auto it = after.begin(); it != after.end(); ++it) {
                QCOMPARE(xfconf({ it.key() }), it.value());
            }
            QCOMPARE(restore(state), QString());
            for (auto it = after.begin(); it != after.end(); ++it) {
                QCOMPARE(xfconf({ it.key() }), own.value(it.key()).section(u' ', 1));
            }
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
            QTRY_COMPARE(fake().calls.count("Notify"), shown);
            QTEST(fake().actions, "sent");
            // Clicked until heard: the server's answer may be read after the first click is. Every
            // click after the first, on the same notification, is not heard.
            QTRY_VERIFY(click() && invoked.size() == shown);
            QVERIFY(click() && !invoked.wait(100));
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
    // What the services were asked, as far as they have answered.
    FakeDesktop::State fake()
    {
        QMutexLocker lock(&m_fake.mutex);
        return m_fake.state;
    }

    QTemporaryDir m_home;
    QDBusConnection m_fakes
        = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fakes"));
    QThread m_thread;
    FakeDesktop m_fake;
    std::unique_ptr<BusDesktopPicture> m_desktop;
    QProcess m_xfconfd;
    QStringList m_files;
    // The offscreen platform's one screen.
    QStringList m_screens { QGuiApplication::primaryScreen()->name() };
};

QTEST_MAIN(TestSessionServices)
#include "tst_sessionservices.moc"
