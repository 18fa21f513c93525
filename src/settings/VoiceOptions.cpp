#include "settings/VoiceOptions.h"

#include "platform/Platform.h"

#include <algorithm>

namespace vellumora {

namespace {

const QString kSection = QStringLiteral("Voice");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

VoiceOptions::VoiceOptions(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

void VoiceOptions::load()
{
    const auto value = [this](const char* key) { return m_platform.setting(kSection, QLatin1String(key)); };
    m_settings.say = value("Say") == QLatin1String("1");
    m_settings.readAloud = value("ReadAloud") == QLatin1String("1");
    m_settings.voice = value("Voice");
    bool ok = false;
    const double rate = value("Rate").toDouble(&ok);
    m_settings.rate = ok && rate >= -1.0 && rate <= 1.0 ? rate : 0.0;
    m_settings.sayReminders = value("SayReminders") == QLatin1String("1");
    emit changed();
}

bool VoiceOptions::save(const VoiceSettings& settings)
{
    m_settings = settings;
    m_settings.rate = std::clamp(settings.rate, -1.0, 1.0);
    bool saved = true;
    for (const auto& [key, value] :
        { std::pair { "Say", flag(settings.say) }, { "ReadAloud", flag(settings.readAloud) },
            { "Voice", settings.voice }, { "Rate", QString::number(m_settings.rate, 'f', 1) },
            { "SayReminders", flag(settings.sayReminders) } }) {
        saved = m_platform.setSetting(kSection, QLatin1String(key), value) && saved;
    }
    emit changed();
    return saved;
}

} // namespace vellumora
