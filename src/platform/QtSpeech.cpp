#include "platform/QtSpeech.h"

#include <QHash>
#include <QTextToSpeech>
#include <QVoice>
#include <algorithm>

namespace vellumora {

struct QtSpeech::Known {
    QHash<QString, QVoice> voices;
};

QtSpeech::QtSpeech(QStringList engines, QObject* parent)
    : Speech(parent)
    , m_engines(std::move(engines))
    , m_known(std::make_unique<Known>())
{
}

QtSpeech::~QtSpeech()
{
    if (m_speech) {
        m_speech->disconnect(this);
        m_speech->stop();
    }
}

QTextToSpeech* QtSpeech::engine() const
{
    if (!m_loaded) {
        const_cast<QtSpeech*>(this)->load();
    }
    return m_speech.get();
}

void QtSpeech::load()
{
    m_loaded = true;
    const QStringList present = QTextToSpeech::availableEngines();
    for (const QString& name : m_engines) {
        if (!present.contains(name)) {
            continue;
        }
        auto speech = std::make_unique<QTextToSpeech>(name);
        if (speech->state() == QTextToSpeech::Error) {
            continue;
        }
        // Every voice of every language, the program's own first; the engine's locale put back.
        const QLocale initial = speech->locale();
        const QLocale::Language ours = QLocale().language();
        QList<SpeechVoice> own;
        QList<SpeechVoice> others;
        for (const QLocale& locale : speech->availableLocales()) {
            speech->setLocale(locale);
            for (const QVoice& voice : speech->availableVoices()) {
                const QString id = name + u'/' + voice.name();
                if (m_known->voices.contains(id)) {
                    continue;
                }
                m_known->voices.insert(id, voice);
                const SpeechVoice entry { id,
                    QStringLiteral("%1 (%2)").arg(
                        voice.name(), QLocale::languageToString(voice.locale().language())) };
                (voice.locale().language() == ours ? own : others).append(entry);
            }
        }
        speech->setLocale(initial);
        if (m_known->voices.isEmpty()) {
            // speech-dispatcher with no synthesiser behind it loads, and then says nothing.
            continue;
        }
        m_voices = own + others;
        m_speech = std::move(speech);
        connect(m_speech.get(), &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { stateChanged(state); });
        return;
    }
}

bool QtSpeech::available() const
{
    return engine() != nullptr;
}

QString QtSpeech::unavailableReason() const
{
    if (available()) {
        return {};
    }
    return tr("No speech engine could be loaded. Install the package qt6-speech-speechd-plugin (with "
              "speech-dispatcher-espeak-ng) or qt6-speech-flite-plugin to hear affirmations read aloud.");
}

QList<SpeechVoice> QtSpeech::voices() const
{
    engine();
    return m_voices;
}

void QtSpeech::say(const QString& text, const QString& voiceId, double rate)
{
    QTextToSpeech* speech = engine();
    if (!speech) {
        return;
    }
    stop();
    const QLocale wanted;
    const QList<QLocale> locales = speech->availableLocales();
    if (locales.contains(wanted)) {
        speech->setLocale(wanted);
    } else {
        const auto sameLanguage = std::find_if(locales.begin(), locales.end(),
            [&](const QLocale& locale) { return locale.language() == wanted.language(); });
        if (sameLanguage != locales.end()) {
            speech->setLocale(*sameLanguage);
        }
    }
    const auto voice = m_known->voices.constFind(voiceId);
    if (voice != m_known->voices.constEnd()) {
        speech->setVoice(*voice);
    }
    speech->setRate(std::clamp(rate, -1.0, 1.0));
    speech->say(text);
}

void QtSpeech::stop()
{
    if (!m_speech) {
        return;
    }
    m_speech->stop();
    // Some engines report Ready only later, or not at all when stopped early.
    if (m_speaking) {
        m_speaking = false;
        emit finished();
    }
}

bool QtSpeech::speaking() const
{
    return m_speaking;
}

void QtSpeech::stateChanged(int state)
{
    if (state == QTextToSpeech::Speaking && !m_speaking) {
        m_speaking = true;
        emit started();
    } else if ((state == QTextToSpeech::Ready || state == QTextToSpeech::Error) && m_speaking) {
        m_speaking = false;
        emit finished();
    }
}

} // namespace vellumora
