#include "platform/QtSpeech.h"

#include <QTextToSpeech>

namespace vellumora {

QtSpeech::QtSpeech(QStringList engines, QObject* parent)
    : Speech(parent)
    , m_engines(std::move(engines))
{
}

QtSpeech::~QtSpeech() = default;

bool QtSpeech::available() const
{
    return false;
}
QString QtSpeech::unavailableReason() const
{
    return {};
}
QList<SpeechVoice> QtSpeech::voices() const
{
    return {};
}
void QtSpeech::say(const QString&, const QString&, double) { }
void QtSpeech::stop() { }
bool QtSpeech::speaking() const
{
    return false;
}

} // namespace vellumora
