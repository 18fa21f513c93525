#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vellumora::Language {

QString pick(const QLocale& locale, const QStringList& available)
{
    for (const QString& asked : locale.uiLanguages()) {
        // "de-Latn-DE" stands for de_DE, then de.
        const QStringList parts = asked.split(QLatin1Char('-'));
        QStringList candidates { parts.join(QLatin1Char('_')) };
        if (parts.size() > 2) {
            candidates << parts.first() + QLatin1Char('_') + parts.last();
        }
        candidates << parts.first();
        for (const QString& candidate : candidates) {
            if (available.contains(candidate)) {
                return candidate;
            }
        }
    }
    return {};
}

QString install(const QLocale& locale, const QString& folder)
{
    // Under every other: the English plural forms, for English and for a language with no
    // catalogue of its own.
    auto* plurals = new QTranslator(QCoreApplication::instance());
    if (!plurals->load(QStringLiteral("vellumora_en"), folder)
        || !QCoreApplication::installTranslator(plurals)) {
        delete plurals;
    }
    // The user's languages in their order, each with its country first: a catalogue for a
    // language and country (pt_BR) is taken only for that country.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("vellumora"), QStringLiteral("_"), folder)
        || own->language().startsWith(QStringLiteral("en")) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return {};
    }
    // Qt's catalogue only in the program's language: a dialog in a third language would be odd.
    // qt_<language> gathers the catalogues of every Qt module.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QLocale(own->language()), QStringLiteral("qt"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(qt)) {
        delete qt;
    }
    return own->language();
}

} // namespace vellumora::Language
