#include "platform/FontColourDialog.h"
#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/LateLibrary.h"
#include "platform/LongWork.h"
#include "platform/QtPlatform.h"
#include "session/WallClockAlarm.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <malloc.h>

using namespace vellumora;

namespace {

QByteArray mallocInfo()
{
    char* text = nullptr;
    size_t length = 0;
    FILE* info = open_memstream(&text, &length);
    malloc_info(0, info);
    fclose(info);
    const QByteArray bytes(text, qsizetype(length));
    free(text);
    return bytes;
}

} // namespace

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    // In a prepared process a new thread allocates from the arenas there are, whose free memory
    // malloc_trim() gives back, rather than from one of its own that keeps it.
    void threadsMakeNoArenas()
    {
        QtPlatform::prepareProcess();
        const qsizetype before = mallocInfo().count("<heap nr=");
        std::unique_ptr<QThread> thread(QThread::create([] { QByteArray(64 << 10, '\0').squeeze(); }));
        thread->start();
        QVERIFY(thread->wait(5000));
        QCOMPARE(mallocInfo().count("<heap nr="), before);
    }

    // The alarm rings at its moment of the wall clock, at once for one passed, and once only; set
    // again or cancelled, the earlier moment no longer counts.
    void wallClockAlarm_data()
    {
        QTest::addColumn<int>("inMs");
        // What is done after it is set; it rings when nothing is.
        QTest::addColumn<QString>("then");
        QTest::newRow("ahead") << 300 << "";
        QTest::newRow("passed") << -60000 << "";
        QTest::newRow("cancelled") << 300 << "cancel";
        QTest::newRow("set later") << 300 << "later";
    }
    void wallClockAlarm()
    {
        QFETCH(int, inMs);
        QFETCH(QString, then);
        WallClockAlarm alarm;
        QSignalSpy rang(&alarm, &Alarm::rang);
        QElapsedTimer clock;
        clock.start();
        alarm.ringAt(QDateTime::currentDateTime().addMSecs(inMs));
        if (then == "cancel") {
            alarm.cancel();
        } else if (then == "later") {
            alarm.ringAt(QDateTime::currentDateTime().addSecs(3600));
        }
        // Long enough for it to ring, and to ring again if it would.
        rang.wait(std::max(inMs, 0) + 500);
        QCOMPARE(rang.size(), then.isEmpty() ? 1 : 0);
        // The wall clock is read to the millisecond, the elapsed time on another clock.
        QCOMPARE_GE(clock.elapsed(), inMs - 10);
    }

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

    // A later copy's request reaches the running one over a channel only the user may open, which
    // takes the place of one a crashed copy left; a line too long is dropped unanswered.
    void channel_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<bool>("answered");
        QTest::newRow("a request") << QByteArray("--show") << true;
        QTest::newRow("too long") << QByteArray(100, 'x') << false;
    }
    void channel()
    {
        QFETCH(QByteArray, request);
        QFETCH(bool, answered);
        QTemporaryDir locks;
        InstanceGuard running(locks.path(), "/opt/a/Vellumora"), later(locks.path(), "/opt/a/Vellumora");
        QVERIFY(!running.otherCopyRunning() && later.otherCopyRunning());
        const QString left = QDir(locks.path()).entryList({ "*.lock" }).first().replace(".lock", ".socket");
        QVERIFY(writeBytes(locks.filePath(left), "left by a crash"));
        QByteArrayList heard;
        QVERIFY(running.listen([&](const QByteArray& line) { heard << line; }));
        QCOMPARE(QFileInfo(locks.filePath(left)).permissions() & 0x0777,
            QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        bool result = !answered;
        std::unique_ptr<QThread> asking(QThread::create([&] { result = later.ask(request, 2000, 1000); }));
        asking->start();
        QTRY_VERIFY(asking->isFinished());
        QCOMPARE(result, answered);
        QTRY_COMPARE(heard, answered ? QByteArrayList { request } : QByteArrayList {});
        QCOMPARE(QDir(locks.path())
                     .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)
                     .size(),
            2);
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

    // A folder may be named that is not made yet: it is chosen, and left for the caller to make.
    void newFolderNamed()
    {
        QTemporaryDir dir;
        QtPlatform platform;
        QTimer::singleShot(0, this, [] {
            auto* dialog = QApplication::activeModalWidget();
            auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
            QVERIFY(name);
            name->setText("Library");
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(platform.openFolderName("Keep My Library In", dir.path()), dir.filePath("Library"));
        QVERIFY(!QFileInfo::exists(dir.filePath("Library")));
    }

    // Long work on its own thread: quick work shows no dialog; slow work shows how far it has come,
    // and stops when the user cancels it as they may, the dialog staying until it has.
    void longWork_data()
    {
        QTest::addColumn<bool>("cancellable");
        // How the user stops it; quick work is done before its dialog could show.
        QTest::addColumn<QString>("stop");
        QTest::newRow("quick") << true << "";
        QTest::newRow("Cancel") << true << "cmdCancel";
        QTest::newRow("Esc") << true << "Esc";
        QTest::newRow("closed") << true << "close";
        QTest::newRow("not cancellable") << false << "Esc";
    }
    void longWork()
    {
        QFETCH(bool, cancellable);
        QFETCH(QString, stop);
        QWidget window;
        WorkProgress progress;
        std::atomic<bool> done = stop.isEmpty();
        QString shown;
        QTimer look;
        QObject::connect(&look, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->labelText().count('\n') < 2) {
                return;
            }
            look.stop();
            QVERIFY(LongWork::running());
            shown = dialog->labelText();
            if (stop == "Esc") {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else if (stop == "close") {
                dialog->close();
            } else {
                dialog->findChild<QPushButton*>(stop)->click();
            }
            QVERIFY(dialog->isVisible());
            done = !cancellable;
        });
        look.start(10);
        LongWork::run(
            &window, "Counting...", progress,
            [&] {
                progress.start(10, 4000);
                progress.fileDone();
                progress.fileDone();
                progress.fileDone();
                progress.addBytes(2000);
                while (!done && !progress.cancelled()) {
                    QThread::msleep(5);
                }
            },
            cancellable, stop.isEmpty() ? 500 : 0);
        QCOMPARE(shown, stop.isEmpty() ? "" : "Counting...\n\n3 of 10 files, 2.0 kB of 4.0 kB");
        QCOMPARE(progress.cancelled(), !stop.isEmpty() && cancellable);
        QVERIFY(!QApplication::activeModalWidget() && !LongWork::running());
    }

    // The music player on real files through GStreamer: tones of 1024-sample buffers at 44.1 kHz
    // from GStreamer's own encoders, and files with no sound. A tone played to its end is told,
    // plays again from the start when asked, and its file is let go when closed. A file with no
    // sound is told once, soon after it is opened; a picture "plays" as a silent film otherwise.
    void player_data()
    {
        QTest::addColumn<QString>("name");
        // The encoder of a tone; none for a file of these bytes.
        QTest::addColumn<QString>("encoder");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("WAV") << "tone.wav" << QString("wavenc") << QByteArray();
        QTest::newRow("MP3") << "tone.mp3" << QString("lamemp3enc target=bitrate cbr=true bitrate=64")
                             << QByteArray();
        QTest::newRow("a photo") << "photo.jpg" << QString() << jpegBytes();
        QTest::newRow("text named .mp3") << "song.mp3" << QString() << QByteArray("not music at all");
    }

    void player()
    {
        QFETCH(QString, name);
        QFETCH(QString, encoder);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        constexpr int buffers = 65;
        const QString pipeline
            = "-q audiotestsrc num-buffers=%1 samplesperbuffer=1024 ! "
              "audio/x-raw,rate=44100,channels=1 ! audioconvert ! %2 ! filesink location=%3";
        const QStringList tone = pipeline.arg(buffers).arg(encoder, path).split(' ');
        QVERIFY(
            encoder.isEmpty() ? writeBytes(path, content) : QProcess::execute("gst-launch-1.0", tone) == 0);
        // The program's own, from its module: its signals reach the program across the module's edge.
        QtPlatform platform;
        const std::unique_ptr<MediaControl> made = platform.createMediaControl();
        MediaControl& player = *made;
        QSignalSpy status(&player, &MediaControl::statusUpdate), finished(&player, &MediaControl::finished),
            unplayable(&player, &MediaControl::unplayable);
        player.open(path);
        player.play();
        if (encoder.isEmpty()) {
            QTRY_COMPARE_WITH_TIMEOUT(unplayable.size(), 1, 10000);
            QVERIFY(!unplayable.wait(500));
            return;
        }
        // Whether this process holds the file open.
        const auto heldOpen = [file = QFileInfo(path).canonicalFilePath()] {
            const QFileInfoList fds
                = QDir("/proc/self/fd").entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
            return std::ranges::any_of(fds, [&](const QFileInfo& fd) { return fd.symLinkTarget() == file; });
        };
        QTRY_VERIFY_WITH_TIMEOUT(player.position() > 300 && player.position() < player.length(), 10000);
        QCOMPARE_LE(qAbs(player.length() - buffers * 1024 * 1000 / 44100), 100);
        QVERIFY(heldOpen());
        QVERIFY(finished.wait(10000));
        player.play();
        QVERIFY(finished.wait(10000));
        QVERIFY(!status.isEmpty() && unplayable.isEmpty());
        player.close();
        QTRY_VERIFY(!heldOpen());
    }

    // Under XWayland the show runs on X11, where it may move its window; a platform the user
    // chose stays. Run last, as it leaves the environment changed.
    // A library or a function that is not there leaves the table unready, and says which, never
    // handing out a null to call.
    void lateLibrary_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("function");
        // What missing() names; empty when the library is ready.
        QTest::addColumn<QString>("missing");
        QTest::newRow("both there") << QByteArray("libz.so.1") << QByteArray("zlibVersion") << "";
        QTest::newRow("no such function") << QByteArray("libz.so.1") << QByteArray("zlibNone") << "zlibNone";
        QTest::newRow("no such library")
            << QByteArray("libz.so.99") << QByteArray("zlibVersion") << "libz.so.99";
    }
    void lateLibrary()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, function);
        QFETCH(QString, missing);
        LateLibrary library(file.constData());
        const auto version = library.function<const char*()>(function.constData());
        QCOMPARE(library.ready(), missing.isEmpty());
        QVERIFY2(library.missing().contains(missing), qPrintable(library.missing()));
        QVERIFY(!library.ready() || QByteArray(version()).startsWith('1'));
    }

    void platformUnderWayland()
    {
        // DISPLAY, WAYLAND_DISPLAY and the platform asked for, then the platform chosen.
        for (const QByteArrayList& env :
            QList<QByteArrayList> { { ":0", "wayland-0", "", "xcb" }, { "", "wayland-0", "", "" },
                { ":0", "", "", "" }, { ":0", "wayland-0", "wayland", "wayland" } }) {
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
