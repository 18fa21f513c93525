#include "session/GnomeSettings.h"

#include "platform/LateLibrary.h"

#include <QCoreApplication>

// Qt's keywords would rewrite GLib's declarations (GDBus has a field named signals); nothing
// here is a Qt object.
#undef signals
#undef slots
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#include <memory>

namespace vellumora::gsettings {

namespace {

// GIO's settings, and GObject below them; GLib itself is in every process Qt runs.
struct Gio {
    LateLibrary library { "libgio-2.0.so.0" };
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_source_get_default);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_source_lookup);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_unref);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_has_key);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_get_key);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_key_unref);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_key_get_value_type);
    VELLUMORA_LATE_FUNCTION(library, g_settings_schema_key_range_check);
    VELLUMORA_LATE_FUNCTION(library, g_settings_new_full);
    VELLUMORA_LATE_FUNCTION(library, g_settings_is_writable);
    VELLUMORA_LATE_FUNCTION(library, g_settings_reset);
    VELLUMORA_LATE_FUNCTION(library, g_settings_set_value);
    VELLUMORA_LATE_FUNCTION(library, g_settings_get_value);
    VELLUMORA_LATE_FUNCTION(library, g_settings_get_user_value);
    VELLUMORA_LATE_FUNCTION(library, g_settings_sync);
    VELLUMORA_LATE_FUNCTION(library, g_settings_backend_get_default);
    VELLUMORA_LATE_FUNCTION(library, g_object_unref);
    VELLUMORA_LATE_FUNCTION(library, g_type_name);
};

// Null where GIO cannot be opened: then no schema is found and no store reached.
const Gio* gio()
{
    static const Gio opened;
    return opened.library.ready() ? &opened : nullptr;
}

template <typename T, void (*Free)(T*)> struct Freer {
    void operator()(T* pointer) const { Free(pointer); }
};
void unrefSchema(GSettingsSchema* schema)
{
    gio()->g_settings_schema_unref(schema);
}
void unrefKey(GSettingsSchemaKey* key)
{
    gio()->g_settings_schema_key_unref(key);
}
void unrefObject(GSettings* settings)
{
    gio()->g_object_unref(settings);
}
using Schema = std::unique_ptr<GSettingsSchema, Freer<GSettingsSchema, unrefSchema>>;
using SchemaKey = std::unique_ptr<GSettingsSchemaKey, Freer<GSettingsSchemaKey, unrefKey>>;
using Variant = std::unique_ptr<GVariant, Freer<GVariant, g_variant_unref>>;
using Text = std::unique_ptr<gchar, Freer<void, g_free>>;
using Settings = std::unique_ptr<GSettings, Freer<GSettings, unrefObject>>;

Schema lookup(const QString& schema)
{
    if (!gio()) {
        return {};
    }
    GSettingsSchemaSource* source = gio()->g_settings_schema_source_get_default();
    if (!source) {
        return {};
    }
    return Schema(gio()->g_settings_schema_source_lookup(source, schema.toUtf8().constData(), TRUE));
}

// Why the key cannot be written when the schema lacks it; empty when it has it.
QString missingKey(const Schema& found, const QString& key, const QString& schema)
{
    return found && gio()->g_settings_schema_has_key(found.get(), key.toUtf8().constData())
        ? QString()
        : QCoreApplication::translate("vellumora::GnomeWallpaper", "The desktop has no setting %1 in %2.")
              .arg(key, schema);
}

QString write(const QString& schema, const QString& key, GVariant* value)
{
    const Variant held(value ? g_variant_take_ref(value) : nullptr);
    const Schema found = lookup(schema);
    const QByteArray name = key.toUtf8();
    if (const QString missing = missingKey(found, key, schema); !missing.isEmpty()) {
        return missing;
    }
    const Settings settings(gio()->g_settings_new_full(found.get(), nullptr, nullptr));
    if (!gio()->g_settings_is_writable(settings.get(), name.constData())) {
        return QCoreApplication::translate(
            "vellumora::GnomeWallpaper", "The desktop's setting %1 in %2 is locked.")
            .arg(key, schema);
    }
    if (!held) {
        gio()->g_settings_reset(settings.get(), name.constData());
        return {};
    }
    const SchemaKey schemaKey(gio()->g_settings_schema_get_key(found.get(), name.constData()));
    if (!g_variant_is_of_type(held.get(), gio()->g_settings_schema_key_get_value_type(schemaKey.get()))
        || !gio()->g_settings_schema_key_range_check(schemaKey.get(), held.get())) {
        const Text printed(g_variant_print(held.get(), TRUE));
        return QCoreApplication::translate(
            "vellumora::GnomeWallpaper", "The desktop's setting %1 in %2 does not take the value %3.")
            .arg(key, schema, QString::fromUtf8(printed.get()));
    }
    if (!gio()->g_settings_set_value(settings.get(), name.constData(), held.get())) {
        return QCoreApplication::translate(
            "vellumora::GnomeWallpaper", "The desktop refused the new value of %1 in %2.")
            .arg(key, schema);
    }
    return {};
}

} // namespace

bool hasSchema(const QString& schema)
{
    return bool(lookup(schema));
}

bool reachesStore()
{
    if (!gio()) {
        return false;
    }
    GSettingsBackend* backend = gio()->g_settings_backend_get_default();
    const bool memory
        = qstrcmp(gio()->g_type_name(G_TYPE_FROM_INSTANCE(backend)), "GMemorySettingsBackend") == 0;
    gio()->g_object_unref(backend);
    return !memory;
}

bool hasKey(const QString& schema, const QString& key)
{
    const Schema found = lookup(schema);
    return found && gio()->g_settings_schema_has_key(found.get(), key.toUtf8().constData());
}

QString userValue(const QString& schema, const QString& key)
{
    if (!hasKey(schema, key)) {
        return {};
    }
    const Settings settings(gio()->g_settings_new_full(lookup(schema).get(), nullptr, nullptr));
    const Variant value(gio()->g_settings_get_user_value(settings.get(), key.toUtf8().constData()));
    if (!value) {
        return {};
    }
    const Text printed(g_variant_print(value.get(), TRUE));
    return QString::fromUtf8(printed.get());
}

QString stringValue(const QString& schema, const QString& key)
{
    if (!hasKey(schema, key)) {
        return {};
    }
    const Settings settings(gio()->g_settings_new_full(lookup(schema).get(), nullptr, nullptr));
    const Variant value(gio()->g_settings_get_value(settings.get(), key.toUtf8().constData()));
    return value && g_variant_is_of_type(value.get(), G_VARIANT_TYPE_STRING)
        ? QString::fromUtf8(g_variant_get_string(value.get(), nullptr))
        : QString();
}

QString writeValue(const QString& schema, const QString& key, const QString& printed)
{
    if (printed.isEmpty()) {
        return write(schema, key, nullptr);
    }
    const Schema found = lookup(schema);
    const QByteArray name = key.toUtf8();
    if (const QString missing = missingKey(found, key, schema); !missing.isEmpty()) {
        return missing;
    }
    const SchemaKey schemaKey(gio()->g_settings_schema_get_key(found.get(), name.constData()));
    GError* error = nullptr;
    GVariant* value = g_variant_parse(gio()->g_settings_schema_key_get_value_type(schemaKey.get()),
        printed.toUtf8().constData(), nullptr, nullptr, &error);
    if (!value) {
        const QString reason = QString::fromUtf8(error->message);
        g_error_free(error);
        return QCoreApplication::translate(
            "vellumora::GnomeWallpaper", "The value %1 of the desktop's setting %2 in %3 cannot be read: %4")
            .arg(printed, key, schema, reason);
    }
    return write(schema, key, value);
}

QString writeString(const QString& schema, const QString& key, const QString& value)
{
    return write(schema, key, g_variant_new_string(value.toUtf8().constData()));
}

void sync()
{
    if (gio()) {
        gio()->g_settings_sync();
    }
}

} // namespace vellumora::gsettings
