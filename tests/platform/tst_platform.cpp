#include "platform/FontColourDialog.h"
#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/QtMediaControl.h"
#include "platform/QtPlatform.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

namespace {

// A tone of 1024-sample buffers (129 make three seconds), encoded by GStreamer's own encoders:
// "wavenc" or "lamemp3enc".
bool writeTone(const QString& path, const QString& encoder, int buffers = 129)
{
    QStringList pipeline { "-q", "audiotestsrc", QString("num-buffers=%1").arg(buffers),
        "samplesperbuffer=1024", "!", "audio/x-raw,rate=44100,channels=1", "!", "audioconvert", "!",
        encoder };
    if (encoder == "lamemp3enc") {
        pipeline.append({ "target=bitrate", "cbr=true", "bitrate=64" });
    }
    pipeline.append({ "!", "filesink", "location=" + path });
    return QProcess::execute("gst-launch-1.0", pipeline) == 0 && QFileInfo(path).size() > 0;
}

// Whether this process holds the file open.
bool heldOpen(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds("/proc/self/fd");
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:

    void settingsKeepSectionsLetterForLetter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Vellumora/Vellumora.ini");
        const QString music = "/home/me/My Music/a, b=@c;\"d\".mp3";
        {
            IniSettings store(path);
            QVERIFY(store.setValue("settings", "DispDuration", "3"));
            QVERIFY(store.setValue("Settings", "MusicPath", music));
        }
        IniSettings reopened(path);
        QCOMPARE(reopened.value("settings", "DispDuration"), "3");
        QCOMPARE(reopened.value("Settings", "MusicPath"), music);
        // Each key lives only under the section it was written to.
        QCOMPARE(reopened.value("Settings", "DispDuration"), QString());
        QCOMPARE(reopened.value("settings", "MusicPath"), QString());
    }

    void settingsReportAFailedWrite()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        IniSettings store(dir.filePath("not-a-folder/Vellumora.ini"));
        QVERIFY(!store.setValue("Settings", "Key", "value"));
    }

    void onlyOneCopyPerExecutable()
    {
        QTemporaryDir locks;
        InstanceGuard first(locks.path(), "/opt/a/Vellumora");
        InstanceGuard second(locks.path(), "/opt/a/Vellumora");
        InstanceGuard elsewhere(locks.path(), "/opt/b/Vellumora");
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(second.otherCopyRunning());
        QVERIFY(!elsewhere.otherCopyRunning());
    }

    // Under XWayland the show runs on X11, where it may move its window; a platform the user
    // chose stays.
    void platformUnderWayland()
    {
        // DISPLAY, WAYLAND_DISPLAY and the platform asked for, then the platform chosen.
        const QList<QByteArrayList> cases { { ":0", "wayland-0", "", "xcb" }, { "", "wayland-0", "", "" },
            { ":0", "", "", "" }, { ":0", "wayland-0", "wayland", "wayland" } };
        const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
        for (const QByteArrayList& env : cases) {
            qputenv("DISPLAY", env[0]);
            qputenv("WAYLAND_DISPLAY", env[1]);
            qputenv("QT_QPA_PLATFORM", env[2]);
            QtPlatform::prepareProcess();
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), env[3]);
        }
        qputenv("QT_QPA_PLATFORM", saved);
    }

    // Escape anywhere in the font part cancels the whole dialog; the font part stays whole.
    void escapeCancelsTheFontDialog()
    {
        FontColourDialog dialog(FontChoice { QFont("DejaVu Sans"), Qt::red });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* fonts = dialog.findChild<QFontDialog*>();
        QVERIFY(fonts && !fonts->isSizeGripEnabled());
        QWidget* inside = fonts->findChildren<QWidget*>().constFirst();
        QTest::keyClick(inside, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!fonts->isHidden());
    }

    // The music player, on real files through GStreamer.

    void playsAndLetsGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("encoder");
        QTest::newRow("WAV") << QString("tone.wav") << "wavenc";
        QTest::newRow("MP3") << QString("tone.mp3") << "lamemp3enc";
    }

    void playsAndLetsGo()
    {
        QFETCH(QString, name);
        QFETCH(QString, encoder);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(writeTone(path, encoder));
        // 129 buffers of 1024 samples at 44.1 kHz.
        const qint64 truth = 129 * 1024 * 1000 / 44100;

        QtMediaControl player;
        QSignalSpy status(&player, &MediaControl::statusUpdate);
        player.open(path);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.length() > 0 && player.position() > 300, 10000);
        QVERIFY2(qAbs(player.length() - truth) <= 100, qPrintable(QString::number(player.length())));
        const qint64 earlier = player.position();
        QTRY_VERIFY(player.position() > earlier);
        QTRY_VERIFY_WITH_TIMEOUT(status.size() >= 1, 3000);
        QVERIFY(heldOpen(path));

        player.stop();
        player.close();
        QTRY_VERIFY(!heldOpen(path));
    }

    // Played to its end the player says so, and plays it again from the start when asked.
    void tellsTheEndAndPlaysAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.wav");
        QVERIFY(writeTone(path, "wavenc", 22));
        QtMediaControl player;
        QSignalSpy finished(&player, &MediaControl::finished);
        player.open(path);
        player.play();
        QVERIFY(finished.wait(10000));
        player.play();
        QVERIFY(finished.wait(10000));
        QCOMPARE(finished.size(), 2);
    }

    // A file with no sound is told once, soon after it is opened; a picture "plays" as a silent
    // film of one frame otherwise.
    void noSoundIsTold_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("a photo") << "photo.jpg" << jpegBytes();
        QTest::newRow("text named .mp3") << "song.mp3" << QByteArray("not music at all");
    }

    void noSoundIsTold()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        QVERIFY(writeBytes(dir.filePath(name), content));
        QtMediaControl player;
        QSignalSpy unplayable(&player, &MediaControl::unplayable);
        player.open(dir.filePath(name));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(unplayable.size(), 1, 10000);
        QTest::qWait(500);
        QCOMPARE(unplayable.size(), 1);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
