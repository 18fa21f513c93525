#include "platform/QtMediaControl.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"
#include "support/PulseServer.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextToSpeech>
#include <QtTest>
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
    void playsTheRecordingAtItsVolume_data();
    void playsTheRecordingAtItsVolume();
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
    QSignalSpy started(&recorder, &VoiceRecorder::started);
    QSignalSpy finished(&recorder, &VoiceRecorder::finished);
    QSignalSpy failed(&recorder, &VoiceRecorder::failed);
    recorder.record(path);
    QTRY_COMPARE_WITH_TIMEOUT(started.size() + failed.size(), 1, 8000);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.duration() >= 2000 || !failed.isEmpty(), 5000);
    recorder.stop();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size() + failed.size(), 1, 8000);
    QVERIFY2(failed.isEmpty(), qPrintable(failed.value(0).value(0).toString()));

    // Under exactly that name, nothing beside it, and the two seconds heard since started().
    QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), QStringList { QFileInfo(path).fileName() });
    const double seconds = double(PulseServer::samples(path).size()) / PulseServer::Rate;
    QVERIFY2(qAbs(seconds - 2.0) <= 0.5, qPrintable(QString::number(seconds)));
    QCOMPARE_LE(qAbs(PulseServer::strongestFrequency(path) - 440), 20);
    m_recording = path;
}

void VoiceServicesTest::playsTheRecordingAtItsVolume_data()
{
    QTest::addColumn<double>("volume");
    QTest::newRow("full") << 1.0;
    QTest::newRow("a third, as while a voice speaks over music") << 1.0 / 3;
}

void VoiceServicesTest::playsTheRecordingAtItsVolume()
{
    QFETCH(double, volume);
    if (m_recording.isEmpty()) {
        QSKIP("Nothing was recorded.");
    }
    const QString capture = m_folder.filePath(QStringLiteral("played.wav"));
    QtMediaControl player;
    QSignalSpy finished(&player, &MediaControl::finished);
    QSignalSpy unplayable(&player, &MediaControl::unplayable);
    player.open(m_recording);
    QVERIFY(m_pulse->startCapture(capture));
    player.play();
    // Full for the first second, then set.
    QTRY_VERIFY_WITH_TIMEOUT(player.position() >= 1000 || !unplayable.isEmpty(), 5000);
    player.setVolume(volume);
    QTRY_COMPARE_WITH_TIMEOUT(finished.size() + unplayable.size(), 1, 5000);
    m_pulse->stopCapture();
    QVERIFY2(unplayable.isEmpty(), qPrintable(unplayable.value(0).value(0).toString()));

    QList<double> sounding = PulseServer::levels(capture, 100);
    sounding.removeIf([](double level) { return level < 0.01; });
    QCOMPARE_GE(sounding.size(), 15);
    // The windows about the change left out: what the player had buffered plays on as it was.
    const double before = median(sounding.first(sounding.size() / 4));
    QCOMPARE_GT(before, 0.1);
    QCOMPARE_LE(qAbs(median(sounding.last(sounding.size() / 4)) / before - volume), 0.1);
    QCOMPARE_LE(qAbs(PulseServer::strongestFrequency(capture) - 440), 20);
}

void VoiceServicesTest::speaksWithTheFirstEngineThatLoads()
{
    QtSpeech none({ QStringLiteral("no-such-engine") });
    QVERIFY(!none.available());
    QVERIFY(!none.unavailableReason().isEmpty());
    none.say(QStringLiteral("Nobody hears this."), {}, 0);
    QVERIFY(!none.speaking());

    if (!QTextToSpeech::availableEngines().contains(QStringLiteral("flite"))) {
        QSKIP("Qt's flite engine is missing: install the package qt6-speech-flite-plugin.");
    }
    QtSpeech speech({ QStringLiteral("no-such-engine"), QStringLiteral("flite") });
    QVERIFY(speech.available());
    QVERIFY(speech.unavailableReason().isEmpty());
    const QList<SpeechVoice> voices = speech.voices();
    QVERIFY(!voices.isEmpty());
    QVERIFY(voices.first().id.startsWith(QStringLiteral("flite/")));

    QStringList heard;
    connect(&speech, &Speech::started, this,
        [&] { heard << QStringLiteral("started") << QVariant(speech.speaking()).toString(); });
    connect(&speech, &Speech::finished, this, [&] { heard << QStringLiteral("finished"); });
    const QString capture = m_folder.filePath(QStringLiteral("spoken.wav"));
    QVERIFY(m_pulse->startCapture(capture));
    speech.say(QStringLiteral("You are doing well."), voices.first().id, 2);
    QTRY_COMPARE_WITH_TIMEOUT(heard,
        QStringList({ QStringLiteral("started"), QStringLiteral("true"), QStringLiteral("finished") }),
        10000);
    // Heard: the engine is done once its sound is with the sink, which plays it a moment later.
    const auto heardSomething = [&] {
        m_pulse->stopCapture();
        const QList<double> levels = PulseServer::levels(capture, 100);
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
    QSignalSpy started(&recorder, &VoiceRecorder::started);
    QSignalSpy failed(&recorder, &VoiceRecorder::failed);
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
