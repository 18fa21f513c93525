#include "platform/QtMediaControl.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"
#include "support/PulseServer.h"

#include <QDir>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <numeric>

using namespace vellumora;

namespace {

// Windows of the capture with sound in them, quieter ones being the edges of the clip.
QList<double> soundingLevels(const QString& capture)
{
    QList<double> levels = PulseServer::levels(capture, 100);
    levels.removeIf([](double level) { return level < 0.01; });
    return levels;
}

double mean(const QList<double>& values)
{
    return values.isEmpty() ? 0 : std::accumulate(values.begin(), values.end(), 0.0) / double(values.size());
}

} // namespace

class VoiceServicesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsTheMicrophoneWhole();
    void playsTheRecordingToTheSpeakers();
    void volumeScalesTheSound_data();
    void volumeScalesTheSound();
    void speaksWithFlite();
    void speechWithoutEngineExplainsAndKeepsQuiet();
    void recordingThatCannotStartFails_data();
    void recordingThatCannotStartFails();

private:
    // Plays the recording with the speakers captured into m_capture, left empty if it failed.
    void playCaptured(const std::function<void(QtMediaControl&)>& whilePlaying = {});

    std::unique_ptr<PulseServer> m_pulse;
    QTemporaryDir m_folder;
    QString m_recording;
    QString m_capture;
};

void VoiceServicesTest::initTestCase()
{
    // Before anything of Qt Multimedia: it keeps the server it first finds.
    m_pulse = std::make_unique<PulseServer>();
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) {
        QSKIP(qPrintable(m_pulse->problem()));
    }
    QVERIFY2(m_pulse->problem().isEmpty(), qPrintable(m_pulse->problem()));
    QVERIFY(m_folder.isValid());
}

void VoiceServicesTest::recordsTheMicrophoneWhole()
{
    QtVoiceRecorder recorder;
    QVERIFY(recorder.hasMicrophone());
    m_recording = m_folder.filePath(QStringLiteral("voice.") + recorder.fileSuffix());
    QSignalSpy started(&recorder, &VoiceRecorder::started);
    QSignalSpy finished(&recorder, &VoiceRecorder::finished);
    QSignalSpy failed(&recorder, &VoiceRecorder::failed);
    recorder.record(m_recording);
    QTRY_COMPARE_WITH_TIMEOUT(started.size() + failed.size(), 1, 8000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
    QTRY_VERIFY_WITH_TIMEOUT(recorder.duration() >= 2000, 5000);
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size() + failed.size(), 1, 8000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));
    QVERIFY(recorder.duration() >= 2000);

    // Under exactly that name, and nothing else beside it.
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList { QFileInfo(m_recording).fileName() });
    QVERIFY2(qAbs(PulseServer::seconds(m_recording) - 2.0) <= 0.5,
        qPrintable(QString::number(PulseServer::seconds(m_recording))));
    QCOMPARE_LE(qAbs(PulseServer::strongestFrequency(m_recording) - 440), 20);
}

void VoiceServicesTest::playCaptured(const std::function<void(QtMediaControl&)>& whilePlaying)
{
    const QString capture = m_folder.filePath(QStringLiteral("capture.wav"));
    QFile::remove(capture);
    m_capture.clear();
    QtMediaControl player;
    QSignalSpy finished(&player, &MediaControl::finished);
    QSignalSpy unplayable(&player, &MediaControl::unplayable);
    player.open(m_recording);
    QVERIFY(m_pulse->startCapture(capture));
    player.play();
    if (whilePlaying) {
        whilePlaying(player);
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.size() + unplayable.size(), 1, 8000);
    m_pulse->stopCapture();
    QVERIFY2(unplayable.isEmpty(), qPrintable(unplayable.value(0).value(0).toString()));
    m_capture = capture;
}

void VoiceServicesTest::playsTheRecordingToTheSpeakers()
{
    if (m_recording.isEmpty()) {
        QSKIP("Nothing was recorded.");
    }
    playCaptured();
    const QString capture = m_capture;
    QVERIFY(!capture.isEmpty());
    // The tone sounds clearly for most of the two seconds.
    const QList<double> sounding = soundingLevels(capture);
    QVERIFY2(sounding.size() >= 12, qPrintable(QString::number(sounding.size())));
    QCOMPARE_GT(mean(sounding), 0.1);
    QCOMPARE_LE(qAbs(PulseServer::strongestFrequency(capture) - 440), 20);
}

void VoiceServicesTest::volumeScalesTheSound_data()
{
    QTest::addColumn<double>("volume");
    QTest::newRow("a third, as while a voice speaks over music") << 1.0 / 3;
    QTest::newRow("two thirds") << 2.0 / 3;
}

void VoiceServicesTest::volumeScalesTheSound()
{
    if (m_recording.isEmpty()) {
        QSKIP("Nothing was recorded.");
    }
    QFETCH(double, volume);
    // Full for the first half, then turned down.
    playCaptured([volume](QtMediaControl& player) {
        QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 1000, 5000);
        player.setVolume(volume);
    });
    const QString capture = m_capture;
    QVERIFY(!capture.isEmpty());
    const QList<double> sounding = soundingLevels(capture);
    QCOMPARE_GE(sounding.size(), 12);
    // The windows about the change left out: the player's buffer plays on at the old volume.
    const qsizetype quarter = sounding.size() / 4;
    const double ratio = mean(sounding.last(quarter)) / mean(sounding.first(quarter));
    QVERIFY2(qAbs(ratio - volume) <= 0.1, qPrintable(QString::number(ratio)));
}

void VoiceServicesTest::speaksWithFlite()
{
    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite"))) {
        QSKIP("Qt's flite engine is missing: install the package qt6-speech-flite-plugin.");
    }
    QtSpeech speech({ QStringLiteral("flite") });
    QVERIFY(speech.available());
    QVERIFY(speech.unavailableReason().isEmpty());
    const QList<SpeechVoice> voices = speech.voices();
    QVERIFY(!voices.isEmpty());
    QVERIFY(voices.first().id.startsWith(QStringLiteral("flite/")));

    QStringList heard;
    connect(&speech, &Speech::started, this, [&] { heard << QStringLiteral("started"); });
    connect(&speech, &Speech::finished, this, [&] { heard << QStringLiteral("finished"); });
    const QString capture = m_folder.filePath(QStringLiteral("speech.wav"));
    QVERIFY(m_pulse->startCapture(capture));
    speech.say(QStringLiteral("You are doing well."), voices.first().id, 0.5);
    QTRY_VERIFY_WITH_TIMEOUT(speech.speaking(), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(
        heard, (QStringList { QStringLiteral("started"), QStringLiteral("finished") }), 10000);
    QVERIFY(!speech.speaking());
    m_pulse->stopCapture();
    QCOMPARE_GE(soundingLevels(capture).size(), 3);
}

void VoiceServicesTest::speechWithoutEngineExplainsAndKeepsQuiet()
{
    QtSpeech speech({ QStringLiteral("no-such-engine") });
    QSignalSpy started(&speech, &Speech::started);
    QVERIFY(!speech.available());
    QVERIFY(!speech.unavailableReason().isEmpty());
    QVERIFY(speech.voices().isEmpty());
    speech.say(QStringLiteral("Nobody hears this."), {}, 0);
    speech.stop();
    QVERIFY(!speech.speaking());
    QCoreApplication::processEvents();
    QCOMPARE(started.size(), 0);
}

void VoiceServicesTest::recordingThatCannotStartFails_data()
{
    QTest::addColumn<bool>("microphone");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no folder") << true << QStringLiteral("missing");
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
    const QString path = QDir(empty.path()).filePath(folder + QStringLiteral("/voice.ogg"));
    QSignalSpy started(&recorder, &VoiceRecorder::started);
    QSignalSpy failed(&recorder, &VoiceRecorder::failed);
    recorder.record(path);
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
