#include "support/Translated.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace vellumora {

Translated::Translated(const QString& language)
{
    m_installed
        = language == QLatin1String("en") || Language::install(QLocale(language), folder()) == language;
}

Translated::~Translated()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QString Translated::folder()
{
    return QStringLiteral(VELLUMORA_TRANSLATIONS_DIR);
}

QStringList Translated::languages()
{
    QStringList languages { QStringLiteral("en") };
    for (const QString& file : QDir(folder()).entryList({ QStringLiteral("vellumora_*.qm") })) {
        languages << file.mid(10).chopped(3);
    }
    return languages;
}

} // namespace vellumora
