#include "platform/QtMediaControl.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"
#include "show/Show.h"
#include "support/MainWindowFixture.h"
#include "support/PulseServer.h"
#include "support/TestFiles.h"
#include "voice/Recordings.h"
#include "voice/Voice.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QtTest>
#include <QtWidgets>
#include <memory>

using namespace vellumora;

namespace {

// Of a stretch of windows: a window only partly in the clip at either end does not count.
double median(QList<double> values)
{
    std::ranges::sort(values);
    return values.value(values.size() / 2);
}

} // namespace

class VoiceServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsTheMicrophoneWhole();
    void showSpeaksOverLoweredMusic();
    void speaksWithTheFirstEngineThatLoads();
    void recordingThatCannotStartFails_data();
    void recordingThatCannotStartFails();

private:
    std::unique_ptr<PulseServer> m_pulse;
    QTemporaryDir m_folder;
    QString m_recording;
};

void VoiceServicesTest::initTestCase()
{
    // Before anything of Qt Multimedia: it keeps the server it first finds.
    m_pulse = std::make_unique<PulseServer>();
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) {
        QSKIP(qPrintable(m_pulse->problem()));
    }
    QVERIFY2(m_pulse->problem().isEmpty(), qPrintable(m_pulse->problem()));
}

void VoiceServicesTest::recordsTheMicrophoneWhole()
{
    QtVoiceRecorder recorder;
    QVERIFY(recorder.hasMicrophone());
    const QString path = m_folder.filePath(QStringLiteral("voice.") + recorder.fileSuffix());
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
    const double seconds = double(recorded.size()) / PulseServer::Rate;
    QVERIFY2(qAbs(seconds - shown) <= 0.5, qPrintable(QStringLiteral("%1 s of %2").arg(seconds).arg(shown)));
    QCOMPARE_LE(qAbs(PulseServer::strongestFrequency(recorded) - 440), 20);
    m_recording = path;
}

void VoiceServicesTest::showSpeaksOverLoweredMusic()
{
    if (m_recording.isEmpty()) {
        QSKIP("Nothing was recorded.");
    }
    // Music of 660 Hz; the affirmation "heard" has the 440 Hz recording, "quiet" none.
    MainWindowFixture f;
    f.reset();
    f.addPictures({ Qt::red });
    const QString music = f.path("music.wav");
    QVERIFY(
        QProcess::execute("sox", { "-n", "-r", "44100", music, "synth", "20", "sine", "660", "vol", "0.5" })
        == 0);
    QVERIFY(QDir().mkpath(f.path("system/Joy.voice"))
        && QFile::copy(m_recording, f.path("system/Joy.voice/" + Recordings::stem("heard") + ".ogg")));
    QVERIFY(writeBytes(f.path("system/Joy.txt"), "\"quiet\",#TRUE#\r\n\"heard\",#TRUE#\r\n")
        && writeBytes(f.path("item.txt"), "\"Joy\",#TRUE#\r\n"));
    f.platform->settings.insert("Settings/MusicPath", music);
    f.platform->settings.insert("Voice/Say", "1");
    f.platform->realPlayers = true;
    f.load();
    auto* voice = f.window->findChild<Voice*>();
    QSignalSpy speaking(voice, &Voice::speakingChanged);
    QVERIFY(m_pulse->startCapture());
    f.find<QPushButton>("cmdDisplayAffirmations")->click();

    // The music's level in windows of 100 ms, before the voice is heard, while it is, and after.
    // The waits are on what the speakers have played: under load the sound lags the players.
    struct Heard {
        QList<double> before, during, after;
    };
    const auto heard = [this] {
        const QList<float> played = m_pulse->captured();
        const qsizetype window = PulseServer::Rate / 10;
        Heard parts;
        for (qsizetype start = 0; start + window <= played.size(); start += window) {
            const QList<float> part = played.mid(start, window);
            const double tune = PulseServer::amplitude(part, 660);
            const bool voiced = PulseServer::amplitude(part, 440) > 0.05;
            if (voiced) {
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
    QTRY_VERIFY_WITH_TIMEOUT(heard().after.size() >= 15, 8000);
    const auto [before, during, after] = heard();
    f.window.reset();
    QVERIFY2(during.size() >= 8, qPrintable(QString::number(during.size())));
    const double whole = median(before.mid(2));
    QCOMPARE_GT(whole, 0.2);
    QCOMPARE_LE(qAbs(median(during.mid(2, during.size() - 4)) / whole - 1.0 / 3), 0.1);
    QCOMPARE_LE(qAbs(median(after.mid(3)) / whole - 1), 0.1);
}

void VoiceServicesTest::speaksWithTheFirstEngineThatLoads()
{
    QtSpeech none({ QStringLiteral("no-such-engine") });
    QVERIFY(!none.available() && !none.unavailableReason().isEmpty());
    none.say(QStringLiteral("Nobody hears this."), {}, 0);
    QVERIFY(!none.speaking());

    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite"))) {
        QSKIP("Qt's flite engine is missing: install the package qt6-speech-flite-plugin.");
    }
    QtSpeech speech({ QStringLiteral("no-such-engine"), QStringLiteral("flite") });
    // Found on a thread of their own, they are the voices the engine that speaks gives.
    QSignalSpy found(&speech, &Speech::voicesFound);
    speech.findVoices();
    QVERIFY(found.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(found.size(), 1, 10000);
    QVERIFY(speech.available() && speech.unavailableReason().isEmpty());
    const QList<SpeechVoice> voices = speech.voices();
    QVERIFY(voices.value(0).id.startsWith(QStringLiteral("flite/")));
    QCOMPARE(found.constFirst().constFirst().value<QList<SpeechVoice>>(), voices);

    QStringList heard;
    connect(&speech, &Speech::started, this,
        [&] { heard << QStringLiteral("started") << QVariant(speech.speaking()).toString(); });
    connect(&speech, &Speech::finished, this, [&] { heard << QStringLiteral("finished"); });
    QVERIFY(m_pulse->startCapture());
    speech.say(QStringLiteral("You are doing well."), voices.first().id, 2);
    QTRY_COMPARE_WITH_TIMEOUT(heard,
        QStringList({ QStringLiteral("started"), QStringLiteral("true"), QStringLiteral("finished") }),
        10000);
    // Heard: the engine is done once its sound is with the sink, which plays it a moment later.
    const auto heardSomething = [&] {
        const QList<double> levels = PulseServer::levels(m_pulse->captured(), 100);
        return std::ranges::any_of(levels, [](double level) { return level > 0.01; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(heardSomething(), 3000);
}

void VoiceServicesTest::recordingThatCannotStartFails_data()
{
    QTest::addColumn<bool>("microphone");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no folder") << true << QStringLiteral("missing/");
    QTest::newRow("no microphone") << false << QString();
}

void VoiceServicesTest::recordingThatCannotStartFails()
{
    QFETCH(bool, microphone);
    QFETCH(QString, folder);
    QtVoiceRecorder recorder;
    if (!microphone) {
        QVERIFY(m_pulse->removeMicrophone());
        QTRY_VERIFY_WITH_TIMEOUT(!recorder.hasMicrophone(), 5000);
    }
    QTemporaryDir empty;
    QSignalSpy started(&recorder, &VoiceRecorder::started), failed(&recorder, &VoiceRecorder::failed);
    recorder.record(empty.filePath(folder + QStringLiteral("voice.ogg")));
    QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 3000);
    QVERIFY(!failed.first().first().toString().isEmpty());
    QCOMPARE(started.size(), 0);
    QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    if (!microphone) {
        QVERIFY(m_pulse->addMicrophone());
    }
}

QTEST_MAIN(VoiceServicesTest)
#include "tst_voiceservices.moc"
