#pragma once

#include <QList>
#include <QObject>
#include <QString>

namespace vellumora {

// Records the default microphone into a file, in the one format this recorder writes (its
// suffix names it). The file is complete only when finished() comes; after failed() whatever
// was written is the caller's to remove.
class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // "ogg", "wav": the suffix of the files this recorder writes.
    virtual QString fileSuffix() const = 0;
    // Whether the system offers any microphone at all.
    virtual bool hasMicrophone() const = 0;
    // Starts recording into `path` (a file that does not exist yet). Either started() or failed()
    // follows.
    virtual void record(const QString& path) = 0;
    // Ends the recording; finished() follows once the file is written whole.
    virtual void stop() = 0;
    // Milliseconds recorded so far.
    virtual qint64 duration() const = 0;

signals:
    void started();
    void finished();
    // The device refused, vanished, or the file could not be written.
    void failed(const QString& reason);
};

struct SpeechVoice {
    // What the settings keep: "engine/voice name".
    QString id;
    // As the user reads it in a list: the voice's name and language.
    QString label;
    // Whether it speaks the program's language.
    bool ownLanguage = false;
    bool operator==(const SpeechVoice&) const = default;
};

// Reads a text aloud with the system's speech engine.
class Speech : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // False when no engine loads; then unavailableReason() tells the user what to install.
    virtual bool available() const = 0;
    virtual QString unavailableReason() const = 0;
    // The voices of every engine that loads, those of the program's language first.
    virtual QList<SpeechVoice> voices() const = 0;
    // Looks for the engine and its voices on a thread of its own: an engine may take seconds to
    // start, and a window must not wait for it. voicesFound() follows with what voices() gives,
    // at once when they are known already.
    virtual void findVoices() = 0;
    // Stops what is spoken and says the text in the program's language, with the voice of this id
    // (the engine's default for that language when empty or unknown), at a rate from -1 (slowest)
    // through 0 (normal) to 1 (fastest). started() follows as sound begins, then finished().
    virtual void say(const QString& text, const QString& voiceId, double rate) = 0;
    // Silence at once; finished() follows if something was spoken.
    virtual void stop() = 0;
    virtual bool speaking() const = 0;

signals:
    void started();
    void finished();
    void voicesFound(const QList<vellumora::SpeechVoice>& voices);
};

} // namespace vellumora
