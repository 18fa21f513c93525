#include "support/PulseServer.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>
#include <cmath>
#include <numbers>

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
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty()) {
        m_problem = QStringLiteral("PulseAudio's server, its pactl and sox are needed: install the "
                                   "packages pulseaudio, pulseaudio-utils and sox.");
        return;
    }
    const QString dir = m_folder.path();
    QFile script(dir + QStringLiteral("/server.pa"));
    if (!script.open(QIODevice::WriteOnly)
        || script.write(QString::fromLatin1(Script).arg(dir, QLatin1String(MicrophoneModule)).toUtf8()) < 0) {
        m_problem = QStringLiteral("Cannot write the server's script.");
        return;
    }
    script.close();

    // The test's own clients, its children included, find this server and only it; the user's
    // home is left alone (the server keeps its cookie and state under HOME).
    qputenv("XDG_RUNTIME_DIR", dir.toUtf8());
    qputenv("PULSE_RUNTIME_PATH", dir.toUtf8());
    qputenv("PULSE_SERVER", ("unix:" + dir + "/native").toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), dir);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), dir + QStringLiteral("/config"));
    m_server.setProcessEnvironment(environment);
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(program,
        { QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-level=error"),
            QStringLiteral("--use-pid-file=no"), QStringLiteral("--system=no"), QStringLiteral("-F"),
            script.fileName() });
    if (!m_server.waitForStarted(5000)) {
        m_problem = QStringLiteral("PulseAudio's server did not start: ") + m_server.errorString();
        return;
    }
    if (!QTest::qWaitFor(
            [this] { return m_server.state() != QProcess::Running || pactl({ QStringLiteral("info") }); },
            10000)
        || m_server.state() != QProcess::Running) {
        m_problem = QStringLiteral("PulseAudio's server did not answer.");
        return;
    }
    // All the speakers play, kept from the start: a capture is a stretch of it.
    m_speakersFile = dir + QStringLiteral("/speakers.raw");
    m_speakers.setStandardOutputFile(m_speakersFile);
    m_speakers.start(QStringLiteral("cat"), { dir + QStringLiteral("/speakers") });
    if (!m_speakers.waitForStarted(5000)) {
        m_problem = QStringLiteral("Cannot read what the speakers play: ") + m_speakers.errorString();
    }
}

PulseServer::~PulseServer()
{
    for (QProcess* process : { &m_server, &m_speakers }) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000)) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }
}

bool PulseServer::pactl(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
}

bool PulseServer::removeMicrophone()
{
    return pactl({ QStringLiteral("unload-module"), QStringLiteral("module-remap-source") });
}

bool PulseServer::addMicrophone()
{
    return pactl(QStringList { QStringLiteral("load-module") }
               + QString::fromLatin1(MicrophoneModule).split(u' '))
        && pactl({ QStringLiteral("set-default-source"), QStringLiteral("microphone") });
}

bool PulseServer::startCapture()
{
    m_captureFrom = QFileInfo(m_speakersFile).size() & ~qint64(1);
    return m_speakers.state() == QProcess::Running;
}

QList<float> PulseServer::captured() const
{
    QFile played(m_speakersFile);
    return played.open(QIODevice::ReadOnly) && played.seek(m_captureFrom) ? fromSigned16(played.readAll())
                                                                          : QList<float>();
}

QList<float> PulseServer::samples(const QString& path)
{
    QProcess sox;
    sox.start(QStringLiteral("sox"),
        { path, QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-e"), QStringLiteral("signed"),
            QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-c"), QStringLiteral("1"),
            QStringLiteral("-r"), QString::number(Rate), QStringLiteral("-") });
    return sox.waitForFinished(10000) && sox.exitCode() == 0 ? fromSigned16(sox.readAllStandardOutput())
                                                             : QList<float>();
}

QList<double> PulseServer::levels(const QList<float>& all, int windowMs)
{
    const qsizetype window = qsizetype(Rate) * windowMs / 1000;
    QList<double> result;
    for (qsizetype start = 0; window > 0 && start + window <= all.size(); start += window) {
        double sum = 0;
        for (qsizetype i = start; i < start + window; ++i) {
            sum += double(all[i]) * all[i];
        }
        result.append(std::sqrt(sum / double(window)));
    }
    return result;
}

double PulseServer::amplitude(const QList<float>& all, double frequency)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / Rate);
    double previous = 0;
    double beforePrevious = 0;
    for (const float sample : all) {
        const double current = sample + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power
        = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return all.isEmpty() ? 0 : 2 * std::sqrt(std::max(0.0, power)) / double(all.size());
}

double PulseServer::strongestFrequency(const QList<float>& all)
{
    // Across the band a voice or a test tone lies in, to 5 Hz. Whole seconds of a tone make its
    // peak far above any leakage.
    double best = 50;
    for (double frequency = 50; frequency <= 2000; frequency += 5) {
        best = amplitude(all, frequency) > amplitude(all, best) ? frequency : best;
    }
    return best;
}
