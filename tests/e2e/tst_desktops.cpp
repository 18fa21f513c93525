#include "ProgramDriver.h"
#include "support/TestFiles.h"

#include <QtDBus>
#include <QtGui>
#include <QtTest>
#include <unistd.h>

using namespace vellumora;
using namespace vellumora::e2e;

namespace {

const QSize kScreen(1920, 1080);

// The first value a desktop's service answers, or an invalid one when it answered with an error.
QVariant ask(const QString& service, const QString& path, const QString& interface, const QString& method,
    const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message, QDBus::Block, kTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0, true) : QVariant();
}

// What an expression is in GNOME Shell's JavaScript, which answers in JSON: null for nothing,
// undefined when it failed.
QJsonValue shell(const QString& expression)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall("org.gnome.Shell", "/org/gnome/Shell", "org.gnome.Shell", "Eval");
    const QVariantList answer
        = QDBusConnection::sessionBus().call(message << expression, QDBus::Block, kTimeoutMs).arguments();
    const QByteArray json = answer.value(1).toString().toUtf8();
    if (!answer.value(0).toBool()) {
        return QJsonValue::Undefined;
    }
    return json.isEmpty() ? QJsonValue() : QJsonDocument::fromJson("[" + json + "]").array().at(0);
}

// The program's newest notification in Plasma's server, as it tells the watchers it knows.
class PlasmaWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.NotificationWatcher")
public:
    uint id = 0;
    QString body;
    QStringList buttons;

public slots:
    void Notify(uint shown, const QString&, uint, const QString&, const QString& summary, const QString& text,
        const QStringList& actions, const QVariantMap&, int)
    {
        if (summary == "Vellumora") {
            id = shown;
            body = text;
            buttons.clear();
            for (qsizetype i = 0; i + 1 < actions.size(); i += 2) {
                if (actions[i] != "default") {
                    buttons.append(actions[i + 1]);
                }
            }
        }
    }
    void CloseNotification(uint) { }
};

// Whether most of the area looks other than before.
bool changedIn(const QRect& area, const QImage& before, const QImage& after)
{
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); y += 4) {
        for (int x = area.left(); x <= area.right(); x += 4) {
            changed += !nearColour(before.pixelColor(x, y), after.pixelColor(x, y));
        }
    }
    return changed * 16 > area.width() * area.height() / 2;
}

} // namespace

// The program on the desktops people use, each run in a session of its own: GNOME Shell or
// Plasma, on a virtual monitor with XWayland, their own notification servers, settings stores
// and screen savers. What the program asks of a desktop is read back from the desktop itself.
class TestDesktops : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("VELLUMORA_SESSION")) {
            QSKIP("Runs in a desktop session: tests/e2e/desktop-session gnome|plasma tst_desktops");
        }
        m_gnome = qgetenv("VELLUMORA_SESSION") == "gnome";
        QVERIFY(QDBusConnection::sessionBus().registerObject(
            "/NotificationWatcher", &m_watcher, QDBusConnection::ExportAllSlots));
    }
    void init()
    {
        m_copy = std::make_unique<ProgramCopy>();
        QVERIFY(m_copy->isValid() && m_copy->placeLibrary());
        // The session's own home, settings store and runtime folder; the program's settings and
        // data afresh for each test.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.insert("LANG", "C.UTF-8");
        m_copy->setEnvironment(env);
        for (const char* folder : { "/.config/Vellumora", "/.local/share/vellumora" }) {
            QDir(QDir::homePath() + folder).removeRecursively();
        }
    }

    // A reminder comes as the desktop's banner with both buttons; its button starts the show. A
    // banner clicked after the next reminder replaced it starts one show, though GNOME tells of
    // the click once for each time it was shown.
    void reminder()
    {
        QVERIFY(
            m_copy->writeSettings("[Reminders]\nMode=1\nMinutes=1\nFrom=00:00\nTo=23:59\nDays=1234567\n"));
        const QString notifications = "org.freedesktop.Notifications",
                      manager = "org.kde.NotificationManager";
        QVERIFY(m_gnome
            || ask(notifications, "/org/freedesktop/Notifications", manager, "RegisterWatcher").isValid());
        const QImage quiet = screenshot("quiet");
        QProcess* program = m_copy->start({ "--background" });
        QStringList buttons;
        QString body;
        QVERIFY(QTest::qWaitFor([&] { return !(body = banner(&buttons)).isEmpty(); }, kReminderTimeoutMs));
        QVERIFY2(kTicked.contains(body), qPrintable(body));
        QCOMPARE(buttons, (QStringList { "Start the Show", "Another One" }));
        // Drawn where each desktop shows its banners: at the top, or above the panel's corner.
        const QRect corner = m_gnome ? QRect(720, 40, 480, 60) : QRect(1560, 880, 320, 110);
        QVERIFY(
            QTest::qWaitFor([&] { return changedIn(corner, quiet, screenshot("reminder")); }, kTimeoutMs));
        if (m_gnome) {
            // The next reminder replaces the one still listed, as "Another One" does, before the
            // banner itself is clicked.
            QVERIFY(shell("Main.messageTray._banner.notification.actions[1].callback()").isNull());
            QTRY_VERIFY_WITH_TIMEOUT(!banner().isEmpty() && banner() != body, kTimeoutMs);
            QVERIFY(shell("Main.messageTray._banner.notification.activate()").isNull());
        } else {
            QVERIFY(ask(notifications, "/org/freedesktop/Notifications", manager, "InvokeAction",
                { m_watcher.id, "show" })
                        .isValid());
        }
        const QString show = waitForWindow(kMessageTitle, kShowWidth);
        QVERIFY(!show.isEmpty());
        QVERIFY(!QTest::qWaitFor(
            [&] { return windows(kMessageTitle, kShowWidth) != QStringList { show }; }, 3000));
        program->terminate();
        QVERIFY(program->waitForFinished(kTimeoutMs));
    }

    // --desktop puts a picture of the screen's size where the desktop keeps it, within a second,
    // and the desktop shows it; on GNOME the lock screen's too, as asked. File > Give Back leaves
    // the store as it was.
    void desktopPicture()
    {
        QVERIFY(m_copy->writeSettings("[Desktop]\nLockScreen=1\n"));
        QVERIFY(!m_gnome
            || run("gsettings", { "set", "org.gnome.desktop.background", "picture-options", "centered" })
                == 0);
        const QString before = pictureSetting();
        QElapsedTimer took;
        took.start();
        QByteArray output;
        QCOMPARE(run(m_copy->app("Vellumora"), { "--desktop" }, &output, m_copy->environment()), 0);
        qInfo("--desktop took %lld ms", took.elapsed());
        QVERIFY2(output.contains("The desktop picture is set."), output.constData());
        const QString picture = QDir::homePath() + "/.local/share/vellumora/desktop/screen1-a.png";
        const QString after = pictureSetting();
        qInfo().noquote() << "before:" << before << "\nafter:" << after;
        QVERIFY2(after.count(QUrl::fromLocalFile(picture).toEncoded()) == (m_gnome ? 3 : 1)
                && after.contains("'zoom'") == m_gnome,
            qPrintable(after));
        const QImage made(picture);
        QCOMPARE(made.size(), kScreen);
        // Seen on the screen, away from either desktop's panel.
        QVERIFY(QTest::qWaitFor(
            [&] {
                const QImage seen = screenshot("desktop-picture");
                return !seen.isNull() && nearColour(seen.pixelColor(960, 300), made.pixelColor(960, 300))
                    && nearColour(seen.pixelColor(400, 850), made.pixelColor(400, 850));
            },
            kTimeoutMs));

        QProcess* program = m_copy->start();
        const QString main = waitForWindow(kMainTitle);
        // A desktop still settling the new window may lose the keys: the menu is asked again
        // until its message is up.
        QString message;
        QVERIFY(QTest::qWaitFor(
            [&] {
                return sendKeys(main, { "alt+f", "g" })
                    && !(message = waitForWindow(kMessageTitle, 0, 3000)).isEmpty();
            },
            3 * kTimeoutMs));
        QVERIFY(sendKeys(message, { "Return" }));
        QTRY_COMPARE_WITH_TIMEOUT(pictureSetting(), before, kTimeoutMs);
        qInfo().noquote() << "given back:" << pictureSetting();
        QVERIFY(sendKeys(main, { "ctrl+q" }));
        QVERIFY(m_copy->endsAlone(program));
    }

    // A full screen show holds the session's idle off through its screen saver while it runs.
    void fullScreenKeepsAwake()
    {
        QVERIFY(m_copy->writeSettings("[settings]\nShowSize=3\n"));
        QProcess* program = m_copy->start({ "--show" });
        const QString show = waitForWindow(kMessageTitle, kScreen.width());
        QVERIFY(!show.isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(idleInhibited(), kTimeoutMs);
        QVERIFY(sendKeys(show, { "Escape" }));
        QTRY_VERIFY_WITH_TIMEOUT(!idleInhibited(), kTimeoutMs);
        program->terminate();
        QVERIFY(program->waitForFinished(kTimeoutMs));
    }

    // Anywhere on the screen: the desktop lets the show's window go where the program puts it,
    // a new place at each picture.
    void showMoves()
    {
        QVERIFY(m_copy->writeSettings("[settings]\nDispDuration=0\nDispLocation=0\n"));
        QProcess* program = m_copy->start({ "--show" });
        const QString show = waitForWindow(kMessageTitle, kShowWidth);
        QVERIFY(!show.isEmpty());
        QList<QPoint> places { windowPosition(show) };
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (const QPoint now = windowPosition(show); now != places.last()) {
                    places.append(now);
                }
                return places.size() == 3;
            },
            20000));
        for (const QPoint& place : places) {
            QVERIFY(QRect(QPoint(), kScreen).contains(place));
        }
        screenshot("show");
        program->terminate();
        QVERIFY(program->waitForFinished(kTimeoutMs));
    }

private:
    // The body of the desktop's newest banner of the program, and its buttons; empty while none.
    QString banner(QStringList* buttons = nullptr)
    {
        if (!m_gnome) {
            if (buttons) {
                *buttons = m_watcher.buttons;
            }
            return m_watcher.body;
        }
        const QJsonObject shown
            = shell("Main.messageTray._banner && { title: Main.messageTray._banner.notification.title, "
                    "body: Main.messageTray._banner.notification.bannerBodyText, buttons: "
                    "Main.messageTray._banner.notification.actions.map(a => a.label) }")
                  .toObject();
        if (buttons) {
            *buttons = shown["buttons"].toVariant().toStringList();
        }
        return shown["title"] == "Vellumora" ? shown["body"].toString() : QString();
    }

    // Where the desktop keeps its picture, as it reads it back itself.
    QString pictureSetting() const
    {
        if (!m_gnome) {
            return ask("org.kde.plasmashell", "/PlasmaShell", "org.kde.PlasmaShell", "evaluateScript",
                { "desktops().forEach(function (d) { d.currentConfigGroup = [\"Wallpaper\", "
                  "\"org.kde.image\", "
                  "\"General\"]; print(d.wallpaperPlugin + \" \" + d.readConfig(\"Image\", \"\")); });" })
                .toString()
                .trimmed();
        }
        QStringList values;
        for (const auto& [schema, key] :
            { std::pair { "background", "picture-uri" }, { "background", "picture-uri-dark" },
                { "background", "picture-options" }, { "screensaver", "picture-uri" } }) {
            QByteArray value;
            run("gsettings", { "get", QString("org.gnome.desktop.") + schema, key }, &value);
            values << QString::fromUtf8(value.trimmed());
        }
        return values.join(' ');
    }

    bool idleInhibited() const
    {
        // 8: the session going idle.
        return m_gnome ? ask("org.gnome.SessionManager", "/org/gnome/SessionManager",
                   "org.gnome.SessionManager", "IsInhibited", { 8u })
                             .toBool()
                       : ask("org.freedesktop.PowerManagement", "/org/freedesktop/PowerManagement/Inhibit",
                           "org.freedesktop.PowerManagement.Inhibit", "HasInhibit")
                             .toBool();
    }

    // The whole screen as the desktop shows it; kept where VELLUMORA_SCREENSHOTS names a folder.
    QImage screenshot(const QString& name) const
    {
        QImage shot;
        if (m_gnome) {
            const QString file = m_copy->path(name + ".png");
            ask("org.gnome.Shell", "/org/gnome/Shell/Screenshot", "org.gnome.Shell.Screenshot", "Screenshot",
                { false, false, file });
            shot = QImage(file);
        } else if (int pipe[2]; ::pipe(pipe) == 0) {
            QVariantMap taken;
            {
                // KWin writes the pixels and closes its end; ours goes with the message.
                const QDBusUnixFileDescriptor writeEnd(pipe[1]);
                ::close(pipe[1]);
                taken = qdbus_cast<QVariantMap>(
                    ask("org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2",
                        "CaptureWorkspace", { QVariantMap(), QVariant::fromValue(writeEnd) }));
            }
            QFile data;
            data.open(pipe[0], QIODevice::ReadOnly, QFile::AutoCloseHandle);
            const QByteArray pixels = data.readAll();
            const int stride = taken["stride"].toInt(), height = taken["height"].toInt();
            if (pixels.size() >= stride * height) {
                shot = QImage(reinterpret_cast<const uchar*>(pixels.constData()), taken["width"].toInt(),
                    height, stride, QImage::Format(taken["format"].toInt()))
                           .copy();
            }
        }
        if (const QString folder = qEnvironmentVariable("VELLUMORA_SCREENSHOTS"); !folder.isEmpty()) {
            shot.save(
                QStringLiteral("%1/%2-%3.png").arg(folder, qEnvironmentVariable("VELLUMORA_SESSION"), name));
        }
        return shot;
    }

    bool m_gnome = false;
    PlasmaWatcher m_watcher;
    std::unique_ptr<ProgramCopy> m_copy;
};

QTEST_MAIN(TestDesktops)
#include "tst_desktops.moc"
