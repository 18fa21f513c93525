#include "platform/QtSpeech.h"

#include <QHash>
#include <QTextToSpeech>
#include <QThread>
#include <QVoice>
#include <algorithm>
#include <optional>

namespace vellumora {

struct QtSpeech::Known {
    QHash<QString, QVoice> voices;
    // Those of the program's language first.
    QList<SpeechVoice> listed;
};

QtSpeech::QtSpeech(QStringList engines, QObject* parent)
    : Speech(parent)
    , m_engines(std::move(engines))
{
}

struct QtSpeech::Found {
    std::optional<Known> known;
};

QtSpeech::~QtSpeech()
{
    // Inside the engine's plugin, the search must not outlive the program.
    if (m_finder) {
        m_finder->wait();
    }
    if (m_speech) {
        m_speech->disconnect(this);
        m_speech->stop();
    }
}

QTextToSpeech* QtSpeech::engine() const
{
    if (!m_loaded) {
        // One engine at a time: the search's own is let go first.
        auto* self = const_cast<QtSpeech*>(this);
        if (m_finder) {
            self->takeFound();
            // Whoever asked for the voices is still told, once this is done.
            QMetaObject::invokeMethod(
                self, [self] { emit self->voicesFound(self->voices()); }, Qt::QueuedConnection);
        }
        self->load();
    }
    return m_speech.get();
}

std::unique_ptr<QTextToSpeech> QtSpeech::open(const QStringList& engines, QString* name)
{
    const QStringList present = QTextToSpeech::availableEngines();
    for (const QString& engine : engines) {
        if (!present.contains(engine)) {
            continue;
        }
        auto speech = std::make_unique<QTextToSpeech>(engine);
        // speech-dispatcher with no synthesiser behind it loads, and then says nothing.
        if (speech->state() != QTextToSpeech::Error && !speech->availableVoices().isEmpty()) {
            *name = engine;
            return speech;
        }
    }
    return nullptr;
}

void QtSpeech::load()
{
    m_loaded = true;
    m_speech = open(m_engines, &m_engine);
    if (m_speech) {
        connect(m_speech.get(), &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { stateChanged(state); });
    }
}

QtSpeech::Known QtSpeech::list(QTextToSpeech& speech, const QString& engine)
{
    // Every voice of every language, the program's own first: an engine with a hundred languages
    // takes seconds to go through them. The engine's locale is put back.
    Known known;
    const QLocale initial = speech.locale();
    const QLocale::Language ours = QLocale().language();
    QList<SpeechVoice> others;
    for (const QLocale& locale : speech.availableLocales()) {
        speech.setLocale(locale);
        for (const QVoice& voice : speech.availableVoices()) {
            const QString id = engine + u'/' + voice.name();
            if (known.voices.contains(id)) {
                continue;
            }
            known.voices.insert(id, voice);
            const bool own = voice.locale().language() == ours;
            const SpeechVoice entry { id,
                QStringLiteral("%1 (%2)").arg(
                    voice.name(), QLocale::languageToString(voice.locale().language())),
                own };
            (own ? known.listed : others).append(entry);
        }
    }
    speech.setLocale(initial);
    // The others by language, so that one is found where its name would be.
    std::stable_sort(others.begin(), others.end(), [](const SpeechVoice& a, const SpeechVoice& b) {
        return a.label.section(u'(', -1).localeAwareCompare(b.label.section(u'(', -1)) < 0;
    });
    known.listed += others;
    return known;
}

void QtSpeech::listVoices()
{
    if (QTextToSpeech* speech = engine(); speech && !m_known) {
        take(list(*speech, m_engine));
    }
}

void QtSpeech::take(const Known& known)
{
    if (!m_known) {
        m_known = std::make_unique<Known>(known);
    }
}

void QtSpeech::findVoices()
{
    if (m_finder) {
        return;
    }
    if (m_loaded) {
        emit voicesFound(voices());
        return;
    }
    // An engine of the thread's own starts the speech server and goes through its languages,
    // which takes seconds; the one that speaks is loaded here afterwards, at once. Engines of
    // one plugin share state, so the two never live at the same time.
    auto found = std::make_shared<Found>();
    m_found = found;
    m_finder.reset(QThread::create([engines = m_engines, found] {
        QString name;
        if (std::unique_ptr<QTextToSpeech> speech = open(engines, &name)) {
            found->known = list(*speech, name);
        }
    }));
    connect(m_finder.get(), &QThread::finished, this, [this] {
        if (m_finder) {
            takeFound();
            emit voicesFound(voices());
        }
    });
    m_finder->start();
}

void QtSpeech::takeFound()
{
    m_finder->wait();
    m_finder.reset();
    const std::shared_ptr<Found> found = std::move(m_found);
    if (found->known) {
        take(*found->known);
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
    const_cast<QtSpeech*>(this)->listVoices();
    return m_known ? m_known->listed : QList<SpeechVoice>();
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
        } else if (listVoices(); m_known && m_known->voices.contains(voiceId)) {
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
