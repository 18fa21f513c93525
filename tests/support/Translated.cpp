#include "support/Translated.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>

namespace vellumora {

Translated::Translated(const QString& language)
{
    const QString installed = Language::install(QLocale(language), folder());
    m_installed = installed == language || (installed.isEmpty() && language == QLatin1String("en"));
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
        if (file != QLatin1String("vellumora_en.qm")) {
            languages << file.mid(10).chopped(3);
        }
    }
    return languages;
}

QSet<QString> Translated::translatedAway(const QString& language)
{
    QFile catalogue(QStringLiteral(VELLUMORA_TS_DIR "/vellumora_%1.ts").arg(language));
    if (!catalogue.open(QIODevice::ReadOnly)) {
        return {};
    }
    QSet<QString> away, kept;
    QXmlStreamReader xml(&catalogue);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            (translation == source ? kept : away).insert(source);
        }
    }
    return away - kept;
}

} // namespace vellumora
