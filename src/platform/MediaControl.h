#pragma once

#include <QObject>

namespace vellumora {

// The music player "mmcAudio": it takes a file name and the commands "Open", "Play", "Stop" and
// "Close", reports position and length in milliseconds, and while a file is open tells of its
// status once a second. A command that fails does nothing; a file it finds it cannot play (no
// sound in it, or a kind it cannot read) it reports once, soon after "Open".
class MediaControl : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void setFileName(const QString& path) = 0;
    virtual QString fileName() const = 0;
    virtual void command(const QString& command) = 0;
    virtual qint64 position() const = 0;
    virtual qint64 length() const = 0;

signals:
    void statusUpdate();
    void unplayable(const QString& reason);
};

} // namespace vellumora
