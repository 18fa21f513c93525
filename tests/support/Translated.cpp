#include "support/Translated.h"

#include "platform/Language.h"

#include <QCoreApplication>
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
    return QStringList { QStringLiteral("en") } + Language::catalogues(folder());
}

} // namespace vellumora
