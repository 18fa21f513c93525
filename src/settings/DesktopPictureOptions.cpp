#include "settings/DesktopPictureOptions.h"

#include "platform/Platform.h"

namespace vellumora {

namespace {

const QString kSection = QStringLiteral("Desktop");

} // namespace

DesktopPictureOptions::DesktopPictureOptions(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
{
}

void DesktopPictureOptions::load()
{
    const auto value = [this](const char* key) { return m_platform.setting(kSection, QLatin1String(key)); };
    bool ok = false;
    const int change = value("Change").toInt(&ok);
    m_change = ok && change >= 0 && change <= int(DesktopChange::WithReminder) ? DesktopChange(change)
                                                                               : DesktopChange::Never;
    m_lockScreen = value("LockScreen") == QLatin1String("1");
    m_content = value("Content") == QLatin1String("board") ? DesktopContent::Board
                                                           : DesktopContent::PictureWithAffirmation;
    m_lastPicture = value("Picture");
    m_lastAffirmation = value("Affirmation");
    m_lastChanged = QDateTime::fromString(value("Changed"), Qt::ISODate);
    emit changed();
}

bool DesktopPictureOptions::save(DesktopChange change, bool lockScreen, DesktopContent content)
{
    m_change = change;
    m_lockScreen = lockScreen;
    m_content = content;
    bool saved = m_platform.setSetting(kSection, QStringLiteral("Change"), QString::number(int(change)));
    saved = m_platform.setSetting(kSection, QStringLiteral("LockScreen"),
                lockScreen ? QStringLiteral("1") : QStringLiteral("0"))
        && saved;
    saved = m_platform.setSetting(kSection, QStringLiteral("Content"),
                content == DesktopContent::Board ? QStringLiteral("board") : QStringLiteral("picture"))
        && saved;
    emit changed();
    return saved;
}

bool DesktopPictureOptions::saveLast(
    const QString& picture, const QString& affirmation, const QDateTime& when)
{
    m_lastPicture = picture;
    m_lastAffirmation = affirmation;
    m_lastChanged = when;
    bool saved = true;
    for (const auto& [key, value] : { std::pair { "Picture", picture }, { "Affirmation", affirmation },
             { "Changed", when.toString(Qt::ISODateWithMs) } }) {
        saved = m_platform.setSetting(kSection, QLatin1String(key), value) && saved;
    }
    return saved;
}

} // namespace vellumora
