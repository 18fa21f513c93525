#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace vellumora::Language {

namespace {

const QString kPrefix = QStringLiteral("vellumora_");
const QString kSuffix = QStringLiteral(".qm");

} // namespace

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

QStringList catalogues(const QString& folder)
{
    QStringList languages;
    for (const QString& file :
        QDir(folder).entryList({ kPrefix + QLatin1Char('*') + kSuffix }, QDir::Files)) {
        languages << file.mid(kPrefix.size(), file.size() - kPrefix.size() - kSuffix.size());
    }
    return languages;
}

QString install(const QLocale& locale, const QString& folder)
{
    const QString language = pick(locale, catalogues(folder));
    if (language.isEmpty()) {
        return {};
    }
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(kPrefix + language, folder) || !QCoreApplication::installTranslator(own)) {
        delete own;
        return {};
    }
    // Qt's catalogue only in the program's language: a dialog in a third language would be odd.
    // qt_<language> gathers the catalogues of every Qt module.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (!qt->load(QLocale(language), QStringLiteral("qt"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || !QCoreApplication::installTranslator(qt)) {
        delete qt;
    }
    return language;
}

} // namespace vellumora::Language
