#include "platform/QtMediaControl.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <cmath>

using namespace vellumora;

namespace {

// Three seconds of a 440 Hz tone, 16-bit mono.
bool writeWav(const QString& path, int seconds)
{
    constexpr int kRate = 22050;
    QByteArray pcm;
    for (int i = 0; i < kRate * seconds; ++i) {
        const auto sample = qToLittleEndian(qint16(8000 * std::sin(2 * M_PI * 440 * i / kRate)));
        pcm.append(reinterpret_cast<const char*>(&sample), 2);
    }
    QByteArray wav("RIFF");
    const auto u32 = [&wav](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 4);
    };
    const auto u16 = [&wav](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char*>(&v), 2);
    };
    u32(36 + quint32(pcm.size()));
    wav.append("WAVEfmt ");
    u32(16), u16(1), u16(1), u32(kRate), u32(kRate * 2), u16(2), u16(16);
    wav.append("data");
    u32(quint32(pcm.size()));
    wav.append(pcm);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size();
}

// The same tone as a constant-bitrate MP3, made by GStreamer's own encoder.
bool writeMp3(const QString& path, int seconds)
{
    const int buffers = seconds * 44100 / 1024;
    const int exitCode = QProcess::execute(QStringLiteral("gst-launch-1.0"),
        { "-q", "audiotestsrc", QStringLiteral("num-buffers=%1").arg(buffers), "samplesperbuffer=1024", "!",
            "audio/x-raw,rate=44100,channels=1", "!", "audioconvert", "!", "lamemp3enc", "target=bitrate",
            "cbr=true", "bitrate=64", "!", "filesink", "location=" + path });
    return exitCode == 0 && QFileInfo(path).size() > 0;
}

// Whether this process holds the file open.
bool heldOpen(const QString& path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QString& fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(fd)).symLinkTarget() == target) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestMusic : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void playsAndLetsGo_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("truth");
        QTest::newRow("WAV") << "tone.wav" << qint64(3000);
        // 129 buffers of 1024 samples at 44.1 kHz.
        QTest::newRow("MP3") << "tone.mp3" << qint64(129 * 1024 * 1000 / 44100);
    }

    void playsAndLetsGo()
    {
        QFETCH(QString, name);
        QFETCH(qint64, truth);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        QVERIFY(name.endsWith(".wav") ? writeWav(path, 3) : writeMp3(path, 3));

        QtMediaControl player;
        QSignalSpy status(&player, &MediaControl::statusUpdate);
        player.setFileName(path);
        player.command("Open");
        player.command("Play");
        QTRY_VERIFY_WITH_TIMEOUT(player.length() > 0 && player.position() > 300, 10000);
        QVERIFY2(qAbs(player.length() - truth) <= 100, qPrintable(QString::number(player.length())));
        const qint64 earlier = player.position();
        QTRY_VERIFY(player.position() > earlier);
        QTRY_VERIFY_WITH_TIMEOUT(status.size() >= 1, 3000);
        QVERIFY(heldOpen(path));

        player.command("Stop");
        player.command("Close");
        QTRY_VERIFY(!heldOpen(path));
    }
};

QTEST_MAIN(TestMusic)
#include "tst_music.moc"
