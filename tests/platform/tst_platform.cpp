#include "platform/FontColourDialog.h"
#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/QtMediaControl.h"
#include "platform/QtPlatform.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>

using namespace vellumora;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // Keys live under their section, letter case and all; a write that cannot be made says so.
    void settingsKeepSectionsLetterForLetter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Vellumora/Vellumora.ini");
        const QString music = "/home/me/My Music/a, b=@c;\"d\".mp3";
        QVERIFY(IniSettings(path).setValue("settings", "DispDuration", "3"));
        QVERIFY(IniSettings(path).setValue("Settings", "MusicPath", music));
        const IniSettings reopened(path);
        QCOMPARE(reopened.value("settings", "DispDuration"), "3");
        QCOMPARE(reopened.value("Settings", "MusicPath"), music);
        QCOMPARE(reopened.value("Settings", "DispDuration"), QString());
        QVERIFY(writeBytes(NativePath(dir.filePath("file")), ""));
        QVERIFY(!IniSettings(dir.filePath("file/Vellumora.ini")).setValue("Settings", "Key", "value"));
    }

    // Asked again, the copy that holds the lock still finds no other.
    void onlyOneCopyPerExecutable()
    {
        QTemporaryDir locks;
        InstanceGuard first(locks.path(), "/opt/a/Vellumora"), second(locks.path(), "/opt/a/Vellumora");
        InstanceGuard elsewhere(locks.path(), "/opt/b/Vellumora");
        QVERIFY(!first.otherCopyRunning() && !first.otherCopyRunning());
        QVERIFY(second.otherCopyRunning() && !elsewhere.otherCopyRunning());
    }

    // Escape anywhere in the font part cancels the whole dialog; the font part stays whole.
    void escapeCancelsTheFontDialog()
    {
        FontColourDialog dialog(FontChoice { QFont("DejaVu Sans"), Qt::red });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* fonts = dialog.findChild<QFontDialog*>();
        QVERIFY(fonts && !fonts->isSizeGripEnabled());
        QTest::keyClick(fonts->findChildren<QWidget*>().constFirst(), Qt::Key_Escape);
        QVERIFY(!dialog.isVisible() && dialog.result() == QDialog::Rejected && !fonts->isHidden());
    }

    // The music player on real files through GStreamer: a tone of 1024-sample buffers at 44.1 kHz
    // from GStreamer's own encoders. Played to its end the player says so, plays it again from the
    // start when asked, and lets the file go when closed.
    void playsToTheEndAndLetsGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("encoder");
        QTest::newRow("WAV") << "tone.wav"
                             << "wavenc";
        QTest::newRow("MP3") << "tone.mp3"
                             << "lamemp3enc target=bitrate cbr=true bitrate=64";
    }

    void playsToTheEndAndLetsGo()
    {
        QFETCH(QString, name);
        QFETCH(QString, encoder);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        constexpr int buffers = 65;
        const QString pipeline
            = "-q audiotestsrc num-buffers=%1 samplesperbuffer=1024 ! "
              "audio/x-raw,rate=44100,channels=1 ! audioconvert ! %2 ! filesink location=%3";
        QCOMPARE(QProcess::execute("gst-launch-1.0", pipeline.arg(buffers).arg(encoder, path).split(' ')), 0);
        // Whether this process holds the file open.
        const auto heldOpen = [&path] {
            const QDir fds("/proc/self/fd");
            return std::ranges::any_of(fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
                [&](const QString& fd) {
                    return QFileInfo(fds.filePath(fd)).symLinkTarget() == QFileInfo(path).canonicalFilePath();
                });
        };
        QtMediaControl player;
        QSignalSpy status(&player, &MediaControl::statusUpdate);
        QSignalSpy finished(&player, &MediaControl::finished);
        player.open(path);
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 300 && player.position() < player.length(), 10000);
        QVERIFY2(qAbs(player.length() - buffers * 1024 * 1000 / 44100) <= 100,
            qPrintable(QString::number(player.length())));
        QVERIFY(heldOpen());
        QVERIFY(finished.wait(10000));
        player.play();
        QVERIFY(finished.wait(10000));
        QVERIFY(!status.isEmpty());
        player.close();
        QTRY_VERIFY(!heldOpen());
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
        QVERIFY(!unplayable.wait(500));
    }

    // Under XWayland the show runs on X11, where it may move its window; a platform the user
    // chose stays. Run last, as it leaves the environment changed.
    void platformUnderWayland()
    {
        // DISPLAY, WAYLAND_DISPLAY and the platform asked for, then the platform chosen.
        const QList<QByteArrayList> cases { { ":0", "wayland-0", "", "xcb" }, { "", "wayland-0", "", "" },
            { ":0", "", "", "" }, { ":0", "wayland-0", "wayland", "wayland" } };
        for (const QByteArrayList& env : cases) {
            qputenv("DISPLAY", env[0]);
            qputenv("WAYLAND_DISPLAY", env[1]);
            qputenv("QT_QPA_PLATFORM", env[2]);
            QtPlatform::prepareProcess();
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), env[3]);
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
