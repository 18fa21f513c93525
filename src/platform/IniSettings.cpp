#include "platform/IniSettings.h"

#include <QSettings>

namespace vellumora {

IniSettings::IniSettings(QString iniPath)
    : m_path(std::move(iniPath))
{
}

QString IniSettings::value(const QString& section, const QString& key) const
{
    QSettings store(m_path, QSettings::IniFormat);
    store.beginGroup(section);
    return store.value(key).toString();
}

bool IniSettings::setValue(const QString& section, const QString& key, const QString& value)
{
    QSettings store(m_path, QSettings::IniFormat);
    store.beginGroup(section);
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QList<SettingValue> IniSettings::values() const
{
    QSettings store(m_path, QSettings::IniFormat);
    QList<SettingValue> result;
    for (const QString& section : store.childGroups()) {
        store.beginGroup(section);
        for (const QString& key : store.childKeys()) {
            result.append({ section, key, store.value(key).toString() });
        }
        store.endGroup();
    }
    return result;
}

} // namespace vellumora
