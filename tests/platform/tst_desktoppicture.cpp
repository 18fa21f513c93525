#include "platform/DesktopPictureBus.h"

#include <QScreen>
#include <QtDBus>
#include <QtTest>

using namespace vellumora;
using Way = DesktopPicture::Way;

namespace {

// The desktop portal and Plasma's shell as far as the picture goes: they keep what they are asked
// and answer as the test says. They answer on a connection and thread of their own, so that the
// blocking calls of the code under test are answered.
class FakeDesktop : public QDBusVirtualObject {
public:
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        QMutexLocker lock(&mutex);
        const QList<QVariant> arguments = message.arguments();
        if (message.member() == QLatin1String("evaluateScript")) {
            scripts.append(arguments.value(0).toString());
            return connection.send(message.createReply(plasmaImages));
        }
        if (message.member() != QLatin1String("SetWallpaperFile")) { // the portal's version
            return connection.send(message.createReply(QVariant::fromValue(QDBusVariant(1u))));
        }
        options = qdbus_cast<QVariantMap>(arguments.value(2));
        QFile picture;
        picture.open(
            arguments.value(1).value<QDBusUnixFileDescriptor>().fileDescriptor(), QIODevice::ReadOnly);
        received = picture.readAll();
        // Where a portal answers: the caller's name and its token.
        const QString handle = "/org/freedesktop/portal/desktop/request/"
            + message.service().mid(1).replace(u'.', u'_') + u'/' + options.value("handle_token").toString();
        connection.send(message.createReply(QVariant::fromValue(QDBusObjectPath(handle))));
        QDBusMessage response
            = QDBusMessage::createSignal(handle, "org.freedesktop.portal.Request", "Response");
        return connection.send(response << portalAnswer << QVariantMap());
    }
    QString introspect(const QString&) const override { return {}; }

    QMutex mutex;
    uint portalAnswer = 0;
    QVariantMap options;
    QByteArray received;
    QString plasmaImages;
    QStringList scripts;
};

// The value given to the variable a script to Plasma starts with.
QJsonDocument scriptValue(const QString& script)
{
    static const QRegularExpression value(
        QStringLiteral("^var \\w+ = (.*);$"), QRegularExpression::MultilineOption);
    return QJsonDocument::fromJson(value.match(script).captured(1).toUtf8());
}

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

class TestDesktopPicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Before anything reaches GIO, which reads where its settings are once.
        qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
        qputenv("GSETTINGS_BACKEND", "keyfile");
        QVERIFY(QDBusConnection::sessionBus().isConnected());
        m_fakes.registerVirtualObject(QStringLiteral("/org/freedesktop/portal/desktop"), &m_fake);
        m_fakes.registerVirtualObject(QStringLiteral("/PlasmaShell"), &m_fake);
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

    void nothingAnswers()
    {
        qputenv("XDG_CURRENT_DESKTOP", "XFCE");
        const QByteArray before = keyfile();
        QCOMPARE(m_desktop.way(), Way::None);
        QCOMPARE(m_desktop.current(), DesktopPictureState());
        QVERIFY(!set({ m_files, m_screens }).isEmpty());
        const DesktopPictureState xfce { { "xfconf:/backdrop/screen0/monitor0/workspace0/last-image",
            "s:/a" } };
        QVERIFY(restore(xfce).contains(u"Xfce"));
        QCOMPARE(keyfile(), before);
    }

    void gnome_data()
    {
        QTest::addColumn<DesktopPictureState>("own"); // the user's, before
        QTest::addColumn<bool>("lockScreen");
        const QString background = QStringLiteral("gsettings:org.gnome.desktop.background/");
        // GLib's keyfile keeps a group's header once one of its keys was written, however the key
        // is reset after; the user has one of the group here, as after any change of their own.
        QTest::newRow("never set") << DesktopPictureState { { background + "primary-color", "'#123456'" } }
                                   << false;
        QTest::newRow("the user's own")
            << DesktopPictureState { { background + "picture-uri", "'file:///own.png'" },
                   { background + "picture-options", "'centered'" },
                   { "gsettings:org.gnome.desktop.screensaver/picture-uri", "'file:///own-lock.png'" } }
            << true;
    }
    void gnome()
    {
        QFETCH(DesktopPictureState, own);
        QFETCH(bool, lockScreen);
        qputenv("XDG_CURRENT_DESKTOP", "GNOME");
        // Through this process's GIO: another's writes reach it only when its event loop runs.
        QCOMPARE(restore(own), QString());
        const QByteArray before = keyfile();
        QCOMPARE(m_desktop.way(), Way::Gnome);
        const DesktopPictureState state = m_desktop.current();
        QCOMPARE(set({ m_files, m_screens, lockScreen }), QString());
        for (const char* key : { "picture-uri", "picture-uri-dark" }) {
            QCOMPARE(gsettingsFile("org.gnome.desktop.background", key), m_files[0]);
        }
        QCOMPARE(run("gsettings", { "get", "org.gnome.desktop.background", "picture-options" }), "'zoom'");
        QCOMPARE(gsettingsFile("org.gnome.desktop.screensaver", "picture-uri") == m_files[0], lockScreen);
        QCOMPARE(restore(state), QString());
        QCOMPARE(keyfile(), before);
    }

    void portal_data()
    {
        QTest::addColumn<uint>("response");
        QTest::addColumn<bool>("lockScreen");
        QTest::addColumn<QString>("setOn");
        QTest::newRow("done") << 0u << false << "background";
        QTest::newRow("cancelled") << 1u << true << "both";
        QTest::newRow("failed") << 2u << false << "background";
    }
    void portal()
    {
        QFETCH(uint, response);
        QFETCH(bool, lockScreen);
        QFETCH(QString, setOn);
        m_fake.portalAnswer = response;
        QVERIFY(m_fakes.registerService("org.freedesktop.portal.Desktop"));
        QCOMPARE(m_desktop.way(), Way::Portal);
        const QString error = set({ m_files, m_screens, lockScreen });
        QVERIFY(m_fakes.unregisterService("org.freedesktop.portal.Desktop"));
        QCOMPARE(error.isEmpty(), response == 0);
        QMutexLocker lock(&m_fake.mutex);
        QCOMPARE(m_fake.received, "a b.png");
        QCOMPARE(m_fake.options.value("set-on"), setOn);
        QCOMPARE(m_fake.options.value("show-preview"), false);
    }

    void plasma()
    {
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        m_fake.plasmaImages = QStringLiteral("{\"0\":\"file:///own/\\\"zero\\\".png\",\"1\":\"\"}\n");
        QVERIFY(m_fakes.registerService("org.kde.plasmashell"));
        QCOMPARE(m_desktop.way(), Way::Plasma);
        const DesktopPictureState state = m_desktop.current();
        QCOMPARE(
            state, (DesktopPictureState { { "plasma:0", "file:///own/\"zero\".png" }, { "plasma:1", "" } }));
        QCOMPARE(set({ m_files, m_screens }), QString());
        QCOMPARE(restore(state), QString());
        QVERIFY(m_fakes.unregisterService("org.kde.plasmashell"));
        QMutexLocker lock(&m_fake.mutex);
        QCOMPARE(m_fake.scripts.size(), 3);
        const QJsonArray files = scriptValue(m_fake.scripts[1]).array();
        QCOMPARE(QUrl(files[1].toString()).toLocalFile(), m_files[1]);
        QCOMPARE(scriptValue(m_fake.scripts[2]).object().toVariantMap().value("0"), state["plasma:0"]);
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
        QCOMPARE(m_desktop.way(), Way::Xfce);
        const DesktopPictureState state = m_desktop.current();
        QCOMPARE(this->set({ m_files, screens }), QString());
        for (auto it = set.begin(); it != set.end(); ++it) {
            QCOMPARE(xfconf({ it.key() }), it.value());
        }
        QCOMPARE(restore(state), QString());
        for (auto it = set.begin(); it != set.end(); ++it) {
            QCOMPARE(xfconf({ it.key() }), own.value(it.key()).section(u' ', 1));
        }
    }

private:
    QString set(const DesktopPicture::Pictures& pictures)
    {
        return answer([&](auto done) { m_desktop.set(pictures, done); });
    }
    QString restore(const DesktopPictureState& state)
    {
        return answer([&](auto done) { m_desktop.restore(state, done); });
    }
    QString answer(const std::function<void(DesktopPicture::Done)>& act)
    {
        QStringList answers;
        act([&answers](const QString& error) { answers.append(error); });
        [&] { QTRY_COMPARE(answers.size(), 1); }();
        return answers.value(0, QStringLiteral("no answer"));
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
    BusDesktopPicture m_desktop { QDBusConnection::sessionBus() };
    QProcess m_xfconfd;
    QStringList m_files;
    QStringList m_screens;
};

QTEST_MAIN(TestDesktopPicture)
#include "tst_desktoppicture.moc"
