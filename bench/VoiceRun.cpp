#include "VoiceRun.h"

#include "BenchPlatform.h"
#include "Figures.h"
#include "Measuring.h"
#include "library/Library.h"
#include "show/Playlist.h"
#include "voice/Voice.h"

#include <QAudioSource>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QTemporaryDir>
#include <cstdio>

namespace vellumora::bench {

namespace {

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(30000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

// A sine of this long into an Ogg Vorbis file, the recorder's own kind.
bool makeTone(const QString& path, int seconds, int hertz)
{
    QStringList arguments
        = QStringLiteral("-q audiotestsrc samplesperbuffer=4410 ! audioconvert ! vorbisenc ! oggmux")
              .split(QLatin1Char(' '));
    arguments.insert(2, QStringLiteral("num-buffers=%1").arg(seconds * 10));
    arguments.insert(3, QStringLiteral("freq=%1").arg(hertz));
    return run(QStringLiteral("gst-launch-1.0"),
        arguments << QStringLiteral("!") << QStringLiteral("filesink") << QStringLiteral("location=") + path);
}

// What the speakers play, heard through their monitor: when sound first comes out, the monitor's
// own latency included.
class Ear {
public:
    Ear()
    {
        for (const QAudioDevice& device : QMediaDevices::audioInputs()) {
            if (device.id() == "ear") {
                QAudioFormat format;
                format.setSampleRate(44100);
                format.setChannelCount(1);
                format.setSampleFormat(QAudioFormat::Int16);
                m_source = std::make_unique<QAudioSource>(device, format);
                m_source->setBufferSize(44100 * 2 / 100);
                m_input = m_source->start();
            }
        }
    }
    bool listening() const { return m_input != nullptr; }
    // Whether anything above a whisper came since the last call.
    bool heard()
    {
        const QByteArray bytes = m_input ? m_input->readAll() : QByteArray();
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        return std::any_of(samples, samples + bytes.size() / 2, [](qint16 s) { return std::abs(s) > 300; });
    }

private:
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr;
};

} // namespace

void measureVoice(Figures& figures)
{
    QTemporaryDir root;
    // A server with speakers that play into nothing, as fast as real ones.
    const QString runtime = root.filePath(QStringLiteral("pulse"));
    QDir().mkpath(runtime);
    qputenv("PULSE_RUNTIME_PATH", runtime.toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + runtime + "/native").toUtf8());
    QProcess server;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), root.path());
    server.setProcessEnvironment(environment);
    server.start(QStringLiteral("pulseaudio"),
        { QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("--use-pid-file=no"), QStringLiteral("--log-level=error"), QStringLiteral("-L"),
            QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + runtime + "/native",
            QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=speakers"),
            // Qt lists no monitor among the inputs; remapped, the speakers' monitor is one.
            QStringLiteral("-L"),
            QStringLiteral("module-remap-source master=speakers.monitor source_name=ear") });
    server.waitForStarted(5000);
    QElapsedTimer wait;
    wait.start();
    while (!run(QStringLiteral("pactl"), { QStringLiteral("info") })) {
        if (server.state() != QProcess::Running || wait.elapsed() > 10000) {
            std::printf("voice: no sound server of its own could be started; left out\n");
            return;
        }
    }
    const QString folder = prepareApplicationFolder(root, {});
    const QString music = root.filePath(QStringLiteral("music.ogg"));
    BenchPlatform platform(folder, root.filePath(QStringLiteral("thumbnails")));
    std::unique_ptr<Library> library = Library::open(folder, platform);
    library->load();
    library->voice().save({ true, true, {}, 0.0, false });
    const QList<Affirmation> ticked = library->tickedAffirmationsWithCategories();
    const QString voiceFolder = library->recordings().folder(ticked.value(0).category).toString();
    QDir().mkpath(voiceFolder);
    if (ticked.size() < 2 || !makeTone(music, 60, 660)
        || !makeTone(voiceFolder + '/' + Recordings::stem(ticked.first().text) + ".ogg", 2, 440)) {
        std::printf("voice: the test sounds could not be made; left out\n");
        return;
    }
    Voice voice(platform, library->recordings(), library->voice());
    Speech& speech = platform.speech();
    // The engine loads at its first use, its daemon with it; the show loads it as it starts.
    QElapsedTimer clock;
    clock.start();
    const bool engine = speech.available();
    std::printf("speech engine %s loaded in %.0f ms\n",
        engine ? qPrintable(speech.voices().value(0).id.section(QLatin1Char('/'), 0, 0)) : "(none)",
        double(clock.elapsed()));
    Ear ear;
    if (!ear.listening()) {
        std::printf("voice: the speakers cannot be heard; left out\n");
        return;
    }
    QList<double> recorded;
    QList<double> read;
    // Each voice heard alone first, for its first sound; then over music, for the CPU.
    for (int i = 0; i < 2 * kRepeats; ++i) {
        const bool fromRecording = i % 2 == 0;
        if (!fromRecording && !engine) {
            continue;
        }
        waitUntil([&] { return !ear.heard(); });
        QElapsedTimer turn;
        turn.start();
        voice.say(ticked.at(fromRecording ? 0 : 1));
        // A voice never heard is told of, not waited for.
        waitUntil([&] { return ear.heard() || turn.elapsed() > 5000; });
        if (turn.elapsed() > 5000) {
            std::printf("voice: nothing was heard of the %s\n", fromRecording ? "recording" : "reading");
            continue;
        }
        (fromRecording ? recorded : read).append(double(turn.nsecsElapsed()) / 1e6);
        waitUntil([&] { return voice.speaking() == Voice::Source::None || turn.elapsed() > 20000; });
    }
    Playlist playlist(platform);
    QObject::connect(&voice, &Voice::speakingChanged, &playlist, &Playlist::duck);
    playlist.play(music, MusicSource::File, true);
    const double cpuBefore = cpuSeconds();
    clock.restart();
    for (int i = 0; i < 2 * kRepeats; ++i) {
        QElapsedTimer turn;
        turn.start();
        voice.say(ticked.at(i % 2));
        waitUntil([&] { return voice.speaking() == Voice::Source::None || turn.elapsed() > 20000; });
    }
    figures.voiceCpu = (cpuSeconds() - cpuBefore) * 100 / (double(clock.elapsed()) / 1000);
    playlist.stop();
    figures.voiceRecordingMs = median(recorded);
    figures.voiceReadAloudMs = median(read);
    report("voice: an affirmation's turn to the first sound of its recording", figures.voiceRecordingMs, "ms",
        "under 150 ms");
    report("voice: to the first sound read aloud", figures.voiceReadAloudMs, "ms", "under 400 ms");
    report("voice: CPU while it speaks over music, share of one core", figures.voiceCpu, "%", "");
    server.terminate();
    server.waitForFinished(3000);
}

} // namespace vellumora::bench
