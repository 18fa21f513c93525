#pragma once

#include "platform/VoiceServices.h"

#include <QStringList>
#include <memory>

class QTextToSpeech;

namespace vellumora {

// Speech over Qt TextToSpeech: the first of the preferred engines that loads.
class QtSpeech : public Speech {
    Q_OBJECT
public:
    // Engines tried in this order; an engine the system lacks is passed over.
    explicit QtSpeech(QStringList engines = { QStringLiteral("speechd"), QStringLiteral("flite") },
        QObject* parent = nullptr);
    ~QtSpeech() override;

    bool available() const override;
    QString unavailableReason() const override;
    QList<SpeechVoice> voices() const override;
    void say(const QString& text, const QString& voiceId, double rate) override;
    void stop() override;
    bool speaking() const override;

private:
    QStringList m_engines;
    std::unique_ptr<QTextToSpeech> m_speech;
};

} // namespace vellumora
