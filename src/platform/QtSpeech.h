#pragma once

#include "platform/VoiceServices.h"

#include <QStringList>
#include <memory>

class QTextToSpeech;
class QThread;

namespace vellumora {

// Speech over Qt TextToSpeech: the first of the preferred engines that loads. The engine loads on
// first use, not at construction: speech-dispatcher's may take seconds while its daemon starts, and
// a program that never speaks should not pay for it.
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
    void findVoices() override;
    void say(const QString& text, const QString& voiceId, double rate) override;
    void stop() override;
    bool speaking() const override;

private:
    struct Known;
    // The first of the engines that loads and has voices, and its name.
    static std::unique_ptr<QTextToSpeech> open(const QStringList& engines, QString* name);
    static Known list(QTextToSpeech& speech, const QString& engine);
    QTextToSpeech* engine() const;
    void load();
    void listVoices();
    void take(const Known& known);
    // Waits for the search, and takes its voices.
    void takeFound();
    void stateChanged(int state);

    QStringList m_engines;
    bool m_loaded = false;
    bool m_speaking = false;
    std::unique_ptr<QTextToSpeech> m_speech;
    QString m_engine;
    // The engine's own description of each voice, by id, once listed.
    std::unique_ptr<Known> m_known;
    // The search for the engine and its voices, while it runs.
    struct Found;
    std::unique_ptr<QThread> m_finder;
    std::shared_ptr<Found> m_found;
};

} // namespace vellumora
