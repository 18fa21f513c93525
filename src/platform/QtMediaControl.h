#pragma once

#include "platform/MediaControl.h"

#include <QTimer>

class QAudioOutput;
class QMediaPlayer;

namespace vellumora {

// The music player over QMediaPlayer (GStreamer).
class QtMediaControl : public MediaControl {
    Q_OBJECT
public:
    explicit QtMediaControl(QObject* parent = nullptr);
    ~QtMediaControl() override;

    void open(const QString& path) override;
    QString fileName() const override { return m_fileName; }
    void play() override;
    void stop() override;
    void close() override;
    void setLooping(bool on) override;
    void setVolume(double volume) override;
    qint64 position() const override;
    qint64 length() const override;

private:
    void refuse(const QString& reason);

    QMediaPlayer* m_player = nullptr;
    QAudioOutput* m_output = nullptr;
    QString m_fileName;
    QTimer m_status;
};

} // namespace vellumora
