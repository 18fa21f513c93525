#pragma once

#include "platform/VoiceServices.h"

namespace vellumora {

// The recorder over Qt Multimedia (GStreamer): the default microphone into an Ogg Vorbis file.
// started() comes once sound reaches the file, not when the recorder says it records: Qt's
// GStreamer pipeline opens the microphone only then, and the first half second or more would be
// lost on someone who starts speaking at the word.
class QtVoiceRecorder : public VoiceRecorder {
    Q_OBJECT
public:
    explicit QtVoiceRecorder(QObject* parent = nullptr);
    ~QtVoiceRecorder() override;

    QString fileSuffix() const override;
    bool hasMicrophone() const override;
    void record(const QString& path) override;
    void stop() override;
    qint64 duration() const override;

private:
    class Session;
    void refuseLater(const QString& reason);
    void fail(const QString& reason);
    void stopped();
    void end();

    Session* m_session = nullptr;
    qint64 m_duration = 0;
};

} // namespace vellumora
