#include "support/Libraries.h"
#include "support/TestFiles.h"
#include "voice/RecordingSession.h"
#include "voice/Voice.h"

#include <QDir>
#include <QTest>

using namespace vellumora;

class TestVoice : public QObject {
    Q_OBJECT
private slots:

    // How a recording ends: what the affirmation's recording is then, the session's message, and
    // whether the one it had went to the Trash. Nothing half-written is ever left in the folder.
    void recordingEnds_data()
    {
        QTest::addColumn<QString>("how");
        // Recorded anew, the old recording in the Trash; or the old one kept where it was.
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<QString>("told");
        QTest::newRow("stopped") << "stop" << true << "";
        QTest::newRow("a minute long") << "minute" << true << "";
        QTest::newRow("no microphone") << "no microphone" << false << "No microphone was found.";
        QTest::newRow("refused device")
            << "refused" << false << "The recording could not be made.\nDevice busy";
        QTest::newRow("disk full midway")
            << "full" << false << "The recording could not be made.\nNo space left";
        QTest::newRow("silence") << "silence" << false << "Nothing was recorded";
    }
    void recordingEnds()
    {
        QFETCH(QString, how);
        QFETCH(bool, recorded);
        QFETCH(QString, told);
        Libraries lib;
        QVERIFY(lib.write({ "system/Health.txt=\"calm\",#TRUE#\r\n", "item.txt=\"Health\",#TRUE#\r\n",
            "system/Health.voice=/", Libraries::recording("calm", "wav") + "=before" }));
        lib.platform.microphone = how != "no microphone";
        lib.platform.microphoneRefusal = how == "refused" ? "Device busy" : "";
        RecordingSession session(lib.platform, lib.library->recordings());
        QSignalSpy done(&session, &RecordingSession::done);
        const Outcome started = session.start({ "Health", "calm" });
        if (started && session.state() == RecordingSession::State::Recording) {
            FakeVoiceRecorder* recorder = lib.platform.recorder;
            if (how == "full") {
                emit recorder->failed("No space left");
            } else if (how == "minute") {
                auto* limit = session.findChild<QTimer*>();
                QVERIFY(limit && limit->isActive() && limit->interval() == RecordingSession::kLongestMs);
                limit->setInterval(1);
            } else {
                recorder->heard = how == "silence" ? QByteArray() : recorder->heard;
                session.stop();
            }
            QTRY_COMPARE(done.size(), 1);
        }
        const Outcome ended = done.isEmpty() ? started : done.first().first().value<Outcome>();
        QCOMPARE(
            ended.notices().isEmpty() ? QString() : ended.notices().first().text.left(told.size()), told);
        QCOMPARE(session.state(), RecordingSession::State::Idle);
        const std::optional<NativePath> now = lib.library->recordings().find("Health", "calm");
        QCOMPARE(readBytes(now.value_or(NativePath())), recorded ? "OggS recorded" : "before");
        // Hidden files too: a part still being written may be one.
        QCOMPARE(
            QDir(lib.path("system/Health.voice").toString()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QCOMPARE(QDir(lib.home.filePath("Trash/files")).entryList(QDir::Files).size(), int(recorded));
    }

    // What a voice says of an affirmation, by what it has and what the user chose; a voice that is
    // still speaking gives way without the music coming back between the two.
    void voiceChooses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readAloud");
        QTest::addColumn<bool>("engine");
        QTest::addColumn<int>("source");
        QTest::newRow("recorded, though reading is on")
            << "calm" << true << true << int(Voice::Source::Recording);
        QTest::newRow("read aloud") << "rest" << true << true << int(Voice::Source::ReadAloud);
        QTest::newRow("not wanted read") << "rest" << false << true << int(Voice::Source::None);
        QTest::newRow("no engine") << "rest" << true << false << int(Voice::Source::None);
    }
    void voiceChooses()
    {
        QFETCH(QString, text);
        QFETCH(bool, readAloud);
        QFETCH(bool, engine);
        QFETCH(int, source);
        Libraries lib;
        QVERIFY(lib.write({ "system/Health.voice=/", Libraries::recording("calm") + "=OggS" }));
        lib.platform.settings.insert({ { "Voice/ReadAloud", readAloud ? "1" : "0" },
            { "Voice/Voice", "fake/Ben" }, { "Voice/Rate", "-0.5" } });
        lib.platform.speaker.engine = engine;
        lib.library->load();
        Voice voice(lib.platform, lib.library->recordings(), lib.library->voice());
        QSignalSpy speaking(&voice, &Voice::speakingChanged);
        QCOMPARE(int(voice.say({ "Health", text })), source);
        // The engine is only asked for when a sentence without a recording is to be read.
        QCOMPARE(lib.platform.speechAsked > 0, readAloud && text == "rest");
        if (source == int(Voice::Source::ReadAloud)) {
            const FakeSpeech::Said& said = lib.platform.speaker.said.constLast();
            QVERIFY(said.text == text && said.voice == "fake/Ben" && said.rate == -0.5);
        }
        if (source != int(Voice::Source::None)) {
            // Said again while it speaks, it goes on; another one takes its place at once.
            QCOMPARE(int(voice.say({ "Health", text })), source);
            voice.say({ "Health", text == "calm" ? "rest" : "calm" });
            QVERIFY(!lib.platform.speaker.talking || text == "calm");
        }
        QCOMPARE(speaking.size(), source == int(Voice::Source::None) ? 0 : 1);
        voice.stop();
        QCOMPARE(speaking.size(), source == int(Voice::Source::None) ? 0 : 2);
    }
};

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
