#pragma once

#include "platform/MediaControl.h"

#include <QTimer>

class QAudioOutput;
class QMediaPlayer;

namespace vellumora {

// The music player over QMediaPlayer (GStreamer). "Open" loads the file, "Play" plays it from
// the start, "Stop" stops, "Close" lets go of the file.
class QtMediaControl : public MediaControl {
    Q_OBJECT
public:
    explicit QtMediaControl(QObject* parent = nullptr);
    ~QtMediaControl() override;

    void setFileName(const QString& path) override { m_fileName = path; }
    QString fileName() const override { return m_fileName; }
    void command(const QString& command) override;
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
