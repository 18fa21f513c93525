#pragma once

#include <QString>

namespace vellumora::gsettings {

// GNOME's settings, and those of the desktops built on them, through GIO. A schema is looked up
// before it is opened: GLib ends the whole program on one that is not installed.

bool hasSchema(const QString& schema);
// Whether what is written reaches a store others read: not so when GIO found none and keeps the
// values in this process's memory alone.
bool reachesStore();
bool hasKey(const QString& schema, const QString& key);

// The value the user set, in GVariant's text form; empty while the default holds.
QString userValue(const QString& schema, const QString& key);

// The value in force, the default when the user set none; empty for a key that is not a string.
QString stringValue(const QString& schema, const QString& key);

// Both return an error text, empty when the value was taken. An empty value gives the key back
// to its default.
QString writeValue(const QString& schema, const QString& key, const QString& printed);
QString writeString(const QString& schema, const QString& key, const QString& value);

// Waits until every value written has reached the settings' store.
void sync();

} // namespace vellumora::gsettings
