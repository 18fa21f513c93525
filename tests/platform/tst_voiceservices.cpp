#include "platform/MediaControl.h"
#include "platform/MediaModule.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"
#include "show/Show.h"
#include "support/MainWindowFixture.h"
#include "support/PulseServer.h"
#include "support/TestFiles.h"
#include "voice/Recordings.h"
#include "voice/Voice.h"

#include <QTextToSpeech>
#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

class VoiceServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pulseaudio").isEmpty()) {
            QSKIP(qPrintable(m_pulse.problem()));
        }
        QVERIFY2(m_pulse.problem().isEmpty(), qPrintable(m_pulse.problem()));
    }

    void recordsTheMicrophoneWhole()
    {
        QtVoiceRecorder recorder;
        QVERIFY(recorder.hasMicrophone());
        const QString path = m_folder.filePath("voice." + recorder.fileSuffix());
        QSignalSpy started(&recorder, &VoiceRecorder::started), finished(&recorder, &VoiceRecorder::finished),
            failed(&recorder, &VoiceRecorder::failed);
        recorder.record(path);
        QTRY_COMPARE_WITH_TIMEOUT(started.size() + failed.size(), 1, 8000);
        QTRY_VERIFY_WITH_TIMEOUT(recorder.duration() >= 2000 || !failed.isEmpty(), 5000);
        // Under load the wait may run past two seconds: the file holds what the clock showed at Stop.
        const double shown = recorder.duration() / 1000.0;
        recorder.stop();
        QTRY_COMPARE_WITH_TIMEOUT(finished.size() + failed.size(), 1, 8000);
        QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));

        // Under exactly that name, nothing beside it, and what was heard from started() to Stop.
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList { QFileInfo(path).fileName() });
        const QList<float> recorded = PulseServer::samples(path);
        QCOMPARE_LE(qAbs(double(recorded.size()) / PulseServer::Rate - shown), 0.5);
        // The microphone's tone is heard at about half the full scale; a shift of a hertz loses it.
        QCOMPARE_GT(PulseServer::amplitude(recorded, 440), 0.25);
        m_recording = path;
    }

    void showSpeaksOverLoweredMusic()
    {
        if (m_recording.isEmpty()) {
            QSKIP("Nothing was recorded.");
        }
        // Music of 660 Hz; the affirmation "heard" has the 440 Hz recording, "quiet" none.
        MainWindowFixture f;
        f.reset();
        f.addPictures({ Qt::red });
        const QString music = f.path("music.wav");
        const QStringList synth { "-n", "-r", "44100", music, "synth", "20", "sine", "660", "vol", "0.5" };
        QCOMPARE(QProcess::execute("sox", synth), 0);
        QVERIFY(QDir().mkpath(f.path("system/Joy.voice"))
            && QFile::copy(m_recording, f.path("system/Joy.voice/" + Recordings::stem("heard") + ".ogg")));
        QVERIFY(writeBytes(f.path("system/Joy.txt"), "\"quiet\",#TRUE#\r\n\"heard\",#TRUE#\r\n")
            && writeBytes(f.path("item.txt"), "\"Joy\",#TRUE#\r\n"));
        f.platform->settings.insert({ { "Settings/MusicPath", music }, { "Voice/Say", "1" } });
        f.platform->realPlayers = true;
        f.load();
        QSignalSpy speaking(f.window->findChild<Voice*>(), &Voice::speakingChanged);
        QVERIFY(m_pulse.startCapture());
        f.find<QPushButton>("cmdDisplayAffirmations")->click();

        // The music's level in windows of 100 ms, before the voice is heard, while it is, and after.
        // The waits are on what the speakers have played: under load the sound lags the players.
        struct Heard {
            QList<double> before, during, after;
        };
        const auto heard = [this] {
            const QList<float> played = m_pulse.captured();
            const qsizetype window = PulseServer::Rate / 10;
            Heard parts;
            for (qsizetype start = 0; start + window <= played.size(); start += window) {
                const QList<float> part = played.mid(start, window);
                const double tune = PulseServer::amplitude(part, 660);
                if (PulseServer::amplitude(part, 440) > 0.05) {
                    parts.during.append(tune);
                } else if (!parts.during.isEmpty()) {
                    parts.after.append(tune);
                } else if (tune >= 0.05) {
                    parts.before.append(tune);
                }
            }
            return parts;
        };
        QTRY_VERIFY_WITH_TIMEOUT(heard().before.size() >= 12, 10000);
        f.window->findChild<Show*>()->advance();
        QTRY_COMPARE_WITH_TIMEOUT(speaking.size(), 2, 8000);
        const auto parts = [&heard] {
            const Heard now = heard();
            return QString("windows before, during and after the voice: %1, %2, %3")
                .arg(now.before.size())
                .arg(now.during.size())
                .arg(now.after.size());
        };
        QTRY_VERIFY2_WITH_TIMEOUT(heard().after.size() >= 15, qPrintable(parts()), 15000);
        const auto [before, during, after] = heard();
        f.window.reset();
        QVERIFY2(during.size() >= 8, qPrintable(QString::number(during.size())));
        // Of a stretch of windows: a window only partly in the clip at either end does not count.
        const auto median = [](QList<double> values) {
            std::ranges::sort(values);
            return values.value(values.size() / 2);
        };
        const double whole = median(before.mid(2));
        QCOMPARE_GT(whole, 0.2);
        QCOMPARE_LE(qAbs(median(during.mid(2, during.size() - 4)) / whole - 1.0 / 3), 0.1);
        QCOMPARE_LE(qAbs(median(after.mid(3)) / whole - 1), 0.1);
    }

    void speaksWithTheFirstEngineThatLoads()
    {
        QtSpeech none({ "no-such-engine" });
        QVERIFY(!none.available() && !none.unavailableReason().isEmpty());
        none.say("Nobody hears this.", {}, 0);
        QVERIFY(!none.speaking());

        if (!QTextToSpeech::availableEngines().contains("flite")) {
            QSKIP("Qt's flite engine is missing: install the package qt6-speech-flite-plugin.");
        }
        QtSpeech speech({ "no-such-engine", "flite" });
        // Found on a thread of their own, they are the voices the engine that speaks gives.
        QSignalSpy found(&speech, &Speech::voicesFound);
        speech.findVoices();
        QVERIFY(found.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(found.size(), 1, 10000);
        QVERIFY(speech.available() && speech.unavailableReason().isEmpty());
        const QList<SpeechVoice> voices = speech.voices();
        QVERIFY(voices.value(0).id.startsWith("flite/"));
        QCOMPARE(found.constFirst().constFirst().value<QList<SpeechVoice>>(), voices);

        QStringList heard;
        connect(&speech, &Speech::started, [&] { heard << (speech.speaking() ? "speaking" : "started"); });
        connect(&speech, &Speech::finished, [&] { heard << "finished"; });
        QVERIFY(m_pulse.startCapture());
        speech.say("You are doing well.", voices.first().id, 2);
        QTRY_COMPARE_WITH_TIMEOUT(heard, QStringList({ "speaking", "finished" }), 10000);
        // Heard: the engine is done once its sound is with the sink, which plays it a moment later.
        QTRY_VERIFY_WITH_TIMEOUT(PulseServer::loudest(m_pulse.captured(), 100) > 0.01, 3000);
    }

    void recordingThatCannotStartFails_data()
    {
        // With a microphone, into a folder that is missing.
        QTest::addColumn<bool>("microphone");
        QTest::newRow("no folder") << true;
        QTest::newRow("no microphone") << false;
    }

    void recordingThatCannotStartFails()
    {
        QFETCH(bool, microphone);
        QtVoiceRecorder recorder;
        QVERIFY(microphone || m_pulse.removeMicrophone());
        QTRY_VERIFY_WITH_TIMEOUT(microphone || !recorder.hasMicrophone(), 5000);
        QTemporaryDir empty;
        QSignalSpy started(&recorder, &VoiceRecorder::started), failed(&recorder, &VoiceRecorder::failed);
        recorder.record(empty.filePath(microphone ? "missing/voice.ogg" : "voice.ogg"));
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 3000);
        QVERIFY(!failed.first().first().toString().isEmpty() && started.isEmpty());
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(microphone || m_pulse.addMicrophone());
    }

private:
    // Made with the test, before anything of Qt Multimedia: it keeps the server it first finds.
    PulseServer m_pulse;
    QTemporaryDir m_folder;
    QString m_recording;

    // Without its module the program has no sound or speech, and each service says why where it
    // would have worked. (Nothing else in this process opens the module.)
    void withoutTheModule()
    {
        QTemporaryDir folder;
        media::openModuleFrom(folder.path());
        const QString missing = "Sound and speech are not available: "
            + QDir::toNativeSeparators(folder.filePath("modules/vellumora-media.so")) + " is missing.";
        const std::unique_ptr<Speech> speech = media::createSpeech();
        QVERIFY(!speech->available());
        QCOMPARE(speech->unavailableReason(), missing);
        const std::unique_ptr<MediaControl> player = media::createMediaControl();
        QSignalSpy unplayable(player.get(), &MediaControl::unplayable);
        player->open(folder.filePath("tune.mp3"));
        QVERIFY(unplayable.wait());
        QCOMPARE(unplayable.constFirst().constFirst().toString(), missing);
        const std::unique_ptr<VoiceRecorder> recorder = media::createVoiceRecorder();
        QSignalSpy failed(recorder.get(), &VoiceRecorder::failed);
        QVERIFY(!recorder->hasMicrophone());
        recorder->record(folder.filePath("calm.ogg"));
        QVERIFY(failed.wait());
        QCOMPARE(failed.constFirst().constFirst().toString(), missing);
    }
};

QTEST_MAIN(VoiceServicesTest)
#include "tst_voiceservices.moc"
