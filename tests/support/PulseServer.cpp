#include "support/PulseServer.h"

#include "support/TestFiles.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numbers>
#include <numeric>

using namespace vellumora;

namespace {

// The microphone is a remapped monitor of a sink a sine plays into, not module-sine-source: that
// source hands out two seconds at a time, and GStreamer's pulsesrc, asking for ten milliseconds,
// would then get its sound in bursts seconds late.
const char* const MicrophoneModule = "module-remap-source master=tone.monitor source_name=microphone";

// The default sink set before the sine plays: setting it moves every stream that has not asked for
// a sink of its own there, module-sine's included.
const char* const Script = R"(load-module module-native-protocol-unix auth-anonymous=1 socket=%1/native
load-module module-pipe-sink sink_name=speakers file=%1/speakers format=s16le rate=44100 channels=1 use_system_clock_for_timing=yes
load-module module-null-sink sink_name=tone
set-default-sink speakers
load-module module-sine sink=tone frequency=440
load-module %2
set-default-source microphone
)";

QList<float> fromSigned16(const QByteArray& raw)
{
    QList<float> result(raw.size() / 2);
    for (qsizetype i = 0; i < result.size(); ++i) {
        result[i] = qFromLittleEndian<qint16>(raw.constData() + 2 * i) / 32768.0F;
    }
    return result;
}

} // namespace

PulseServer::PulseServer()
{
    const QString program = QStandardPaths::findExecutable("pulseaudio");
    if (program.isEmpty() || QStandardPaths::findExecutable("pactl").isEmpty()
        || QStandardPaths::findExecutable("sox").isEmpty()) {
        m_problem = "PulseAudio is needed: install the packages pulseaudio, pulseaudio-utils and sox.";
        return;
    }
    const QString dir = m_folder.path(), script = dir + "/server.pa";
    if (!writeBytes(NativePath(script), QString(Script).arg(dir, MicrophoneModule).toUtf8())) {
        m_problem = "Cannot write the server's script.";
        return;
    }

    // The test's own clients, its children included, find this server and only it; the user's
    // home is left alone (the server keeps its cookie and state under HOME).
    qputenv("XDG_RUNTIME_DIR", dir.toUtf8());
    qputenv("PULSE_RUNTIME_PATH", dir.toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + dir + "/native").toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir);
    environment.insert("XDG_CONFIG_HOME", dir + "/config");
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const QString options = "-n --daemonize=no --exit-idle-time=-1 --disable-shm=yes --log-level=error "
                            "--use-pid-file=no --system=no -F";
    m_server.start(program, options.split(' ') << script);
    const auto answers = [this] { return m_server.state() != QProcess::Running || pactl({ "info" }); };
    if (!m_server.waitForStarted(5000) || !QTest::qWaitFor(answers, 10000)
        || m_server.state() != QProcess::Running) {
        m_problem = "PulseAudio's server did not start and answer. " + m_server.errorString();
        return;
    }
    // All the speakers play, kept from the start: a capture is a stretch of it, and fails to start
    // when this does.
    m_speakers.setStandardOutputFile(dir + "/speakers.raw");
    m_speakers.start("cat", { dir + "/speakers" });
}

// Asked to end; one that will not is killed as its QProcess goes.
PulseServer::~PulseServer()
{
    for (QProcess* process : { &m_server, &m_speakers }) {
        process->terminate();
        process->waitForFinished(3000);
    }
}

bool PulseServer::pactl(const QStringList& arguments)
{
    QProcess process;
    process.start("pactl", arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

bool PulseServer::removeMicrophone()
{
    return pactl({ "unload-module", "module-remap-source" });
}

bool PulseServer::addMicrophone()
{
    return pactl(QString("load-module %1").arg(MicrophoneModule).split(' '))
        && pactl({ "set-default-source", "microphone" });
}

bool PulseServer::startCapture()
{
    m_captureFrom = QFileInfo(m_folder.filePath("speakers.raw")).size() & ~qint64(1);
    return m_speakers.state() == QProcess::Running;
}

QList<float> PulseServer::captured() const
{
    return fromSigned16(readBytes(NativePath(m_folder.filePath("speakers.raw"))).mid(m_captureFrom));
}

QList<float> PulseServer::samples(const QString& path)
{
    QProcess sox;
    sox.start(
        "sox", QStringList { path } + QString("-t raw -e signed -b 16 -c 1 -r %1 -").arg(Rate).split(' '));
    return sox.waitForFinished(10000) && sox.exitCode() == 0 ? fromSigned16(sox.readAllStandardOutput())
                                                             : QList<float>();
}

double PulseServer::loudest(const QList<float>& all, int windowMs)
{
    const qsizetype window = qsizetype(Rate) * windowMs / 1000;
    double loudest = 0;
    for (qsizetype start = 0; window > 0 && start + window <= all.size(); start += window) {
        const double sum = std::transform_reduce(all.begin() + start, all.begin() + start + window, 0.0,
            std::plus<>(), [](float sample) { return double(sample) * sample; });
        loudest = std::max(loudest, std::sqrt(sum / double(window)));
    }
    return loudest;
}

double PulseServer::amplitude(const QList<float>& all, double frequency)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / Rate);
    double previous = 0, beforePrevious = 0;
    for (const float sample : all) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power
        = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return all.isEmpty() ? 0 : 2 * std::sqrt(std::max(0.0, power)) / double(all.size());
}
