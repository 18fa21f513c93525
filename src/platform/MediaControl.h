#pragma once

#include <QObject>

namespace vellumora {

// The music player "mmcAudio": it opens a file, plays it from the start, stops, and lets go of it
// again; it reports position and length in milliseconds, and while a file is open tells of its
// status once a second. A call that fails does nothing; a file it finds it cannot play (no sound
// in it, or a kind it cannot read) it reports once, soon after open().
class MediaControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void open(const QString& path) = 0;
    // The file last opened.
    virtual QString fileName() const = 0;
    virtual void play() = 0;
    virtual void stop() = 0;
    virtual void close() = 0;
    // Played again from the start at its end, without telling of the end, until switched off.
    virtual void setLooping(bool on) = 0;
    // 0 (silent) to 1 (as loud as the file); the music is lowered while a voice speaks.
    virtual void setVolume(double volume) = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;

signals:
    void statusUpdate();
    void unplayable(const QString& reason);
    // The file has played to its end.
    void finished();
};

} // namespace vellumora
