#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A PulseAudio server of the test's own, which this process and its children talk to: a sink
// "speakers" that writes what it plays to a file in real time as the default output,
// and a "microphone" that hears a steady 440 Hz tone as the default input. Made before Qt
// Multimedia is first used, since Qt connects to the server it finds then for good.
class PulseServer {
public:
    PulseServer();
    ~PulseServer();

    // Empty when the server runs; else why not, for QSKIP or QFAIL.
    QString problem() const { return m_problem; }
    bool pactl(const QStringList& arguments);

    bool removeMicrophone();
    bool addMicrophone();

    // What the speakers played since the capture started, as mono samples from -1 to 1 at `Rate`.
    bool startCapture();
    QList<float> captured() const;

    // Any sound file sox reads, as such samples.
    static constexpr int Rate = 44100;
    static QList<float> samples(const QString& path);
    // The highest root mean square of a window of this many milliseconds, 0 (silence) to about 0.7.
    static double loudest(const QList<float>& samples, int windowMs);
    // The amplitude of one frequency in the samples (Goertzel's filter).
    static double amplitude(const QList<float>& samples, double frequency);

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    QProcess m_speakers;
    qint64 m_captureFrom = 0;
    QString m_problem;
};
