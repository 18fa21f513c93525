#include "platform/QtVoiceRecorder.h"

namespace vellumora {

struct QtVoiceRecorder::Session { };

QtVoiceRecorder::QtVoiceRecorder(QObject* parent)
    : VoiceRecorder(parent)
{
}

QtVoiceRecorder::~QtVoiceRecorder() = default;

QString QtVoiceRecorder::fileSuffix() const
{
    return QStringLiteral("ogg");
}
bool QtVoiceRecorder::hasMicrophone() const
{
    return false;
}
void QtVoiceRecorder::record(const QString&)
{
    emit failed(QStringLiteral("not yet"));
}
void QtVoiceRecorder::stop() { }
qint64 QtVoiceRecorder::duration() const
{
    return 0;
}

} // namespace vellumora
