#pragma once

#include "platform/VoiceServices.h"

#include <memory>

namespace vellumora {

// The recorder over Qt Multimedia (GStreamer): the default microphone into an Ogg Vorbis file.
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
    struct Session;
    std::unique_ptr<Session> m_session;
};

} // namespace vellumora
