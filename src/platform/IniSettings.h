#pragma once

#include "platform/Platform.h"

#include <QString>

namespace vellumora {

// One application's settings store: an INI file whose sections and keys keep their letter case.
class IniSettings {
public:
    explicit IniSettings(QString iniPath);

    QString value(const QString& section, const QString& key) const;
    // False when the store could not be written.
    bool setValue(const QString& section, const QString& key, const QString& value);
    // Every value kept in a section, section by section.
    QList<SettingValue> values() const;

private:
    QString m_path;
};

} // namespace vellumora
