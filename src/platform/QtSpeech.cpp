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
        // speech-dispatcher with no synthesiser behind it loads, and then says nothing.
        if (speech->state() == QTextToSpeech::Error || speech->availableVoices().isEmpty()) {
            continue;
        }
        m_engine = name;
        m_speech = std::move(speech);
        connect(m_speech.get(), &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { stateChanged(state); });
        return;
    }
}

void QtSpeech::listVoices()
{
    // Every voice of every language, the program's own first: only when asked, since an engine
    // with a hundred languages takes seconds to go through them. The engine's locale is put back.
    QTextToSpeech* speech = engine();
    if (!speech || !m_known->voices.isEmpty()) {
        return;
    }
    const QLocale initial = speech->locale();
    const QLocale::Language ours = QLocale().language();
    QList<SpeechVoice> own;
    QList<SpeechVoice> others;
    for (const QLocale& locale : speech->availableLocales()) {
        speech->setLocale(locale);
        for (const QVoice& voice : speech->availableVoices()) {
            const QString id = m_engine + u'/' + voice.name();
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
    m_voices = own + others;
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
    const_cast<QtSpeech*>(this)->listVoices();
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
    // The chosen voice is most often one of the language's; the others are looked through only
    // when it is not.
    const QString voiceName = voiceId.section(u'/', 1);
    if (!voiceId.isEmpty() && voiceId.section(u'/', 0, 0) == m_engine) {
        const QList<QVoice> near = speech->availableVoices();
        const auto found = std::find_if(
            near.begin(), near.end(), [&](const QVoice& voice) { return voice.name() == voiceName; });
        if (found != near.end()) {
            speech->setVoice(*found);
        } else if (listVoices(); m_known->voices.contains(voiceId)) {
            speech->setVoice(m_known->voices.value(voiceId));
        }
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
