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
    PulseServer(const PulseServer&) = delete;
    PulseServer& operator=(const PulseServer&) = delete;

    // Empty when the server runs; else why not, for QSKIP or QFAIL.
    QString problem() const { return m_problem; }
    bool pactl(const QStringList& arguments);

    bool removeMicrophone();
    bool addMicrophone();

    // What the speakers play from now on, into a mono 16-bit WAV file once the capture stops; a
    // second stop writes the file again with what played since.
    bool startCapture(const QString& wavPath);
    void stopCapture();

    // Any sound file sox reads, as mono samples from -1 to 1 at `Rate`.
    static constexpr int Rate = 44100;
    static QList<float> samples(const QString& path);
    // The root mean square of each window of this many milliseconds, 0 (silence) to about 0.7.
    static QList<double> levels(const QString& path, int windowMs);
    static double strongestFrequency(const QString& path);

private:
    QTemporaryDir m_folder;
    QProcess m_server;
    QProcess m_speakers;
    QString m_speakersFile;
    QString m_capturePath;
    qint64 m_captureFrom = 0;
    QString m_problem;
};
