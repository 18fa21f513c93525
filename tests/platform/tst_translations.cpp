#include "platform/Language.h"
#include "show/ShowArithmetic.h"
#include "support/ApplicationFolder.h"
#include "support/Translated.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace vellumora;

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or each plural form
    bool finished = true;
    bool plural = false; // its translations are the numerusform elements
};

// Reads the text of the element the reader stands on, the CR lupdate writes as <byte value="xd"/>
// included.
QString elementText(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            text += QChar(xml.attributes().value("value").mid(1).toUShort(nullptr, 16));
        }
    }
    return text;
}

QList<Message> readCatalogue(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            messages.append(
                { context, {}, {}, true, xml.attributes().value("numerus") == QLatin1String("yes") });
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = elementText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            messages.last().finished = xml.attributes().value("type").isEmpty();
            if (!messages.last().plural) {
                messages.last().translations << elementText(xml);
            }
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << elementText(xml);
        }
    }
    return messages;
}

QStringList placeholders(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression("%(L?\\d|n)").globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    return found;
}

int mnemonics(const QString& text)
{
    return int(text.count(QRegularExpression("&[^& ]")));
}

// The file patterns of a filter "Name|*.a|Name|*.b;*.c": every second part.
QStringList patterns(const QString& filter)
{
    QStringList found;
    const QStringList parts = filter.split('|');
    for (int i = 1; i < parts.size(); i += 2) {
        found << parts[i];
    }
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    // The catalogue brought up to date with the sources, in a copy, holds a finished translation
    // of every text that keeps the text's placeholders, its one Alt+letter and its file patterns.
    void everyTextIsTranslated_data()
    {
        QTest::addColumn<QString>("catalogue");
        const QDir folder(QStringLiteral(VELLUMORA_TS_DIR));
        for (const QString& name : folder.entryList({ "vellumora_*.ts" })) {
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
        }
    }

    void everyTextIsTranslated()
    {
        QFETCH(QString, catalogue);
        TemporaryFolder dir;
        const QString copy = dir.filePath(QFileInfo(catalogue).fileName());
        QVERIFY(QFile::copy(catalogue, copy));
        QProcess lupdate;
        lupdate.start(QStringLiteral(VELLUMORA_LUPDATE),
            { "-silent", "-no-obsolete", "-locations", "none", QStringLiteral(VELLUMORA_SOURCE_DIR), "-ts",
                copy });
        QVERIFY(lupdate.waitForFinished(60000));
        QCOMPARE(lupdate.exitCode(), 0);

        const QList<Message> messages = readCatalogue(copy);
        QVERIFY(messages.size() > 100);
        QStringList faults;
        for (const Message& message : messages) {
            const QString where = message.context + " \"" + message.source + "\": ";
            if (!message.finished || message.translations.isEmpty()) {
                faults << where
                        + "not translated (cmake --build build --target update_translations, then translate "
                          "it)";
                continue;
            }
            for (const QString& translation : message.translations) {
                if (translation.trimmed().isEmpty()) {
                    faults << where + "empty";
                } else if (placeholders(translation) != placeholders(message.source)) {
                    faults << where + "placeholders differ in \"" + translation + "\"";
                } else if (mnemonics(translation) != mnemonics(message.source)) {
                    faults << where + "Alt+letters differ in \"" + translation + "\"";
                } else if (patterns(translation) != patterns(message.source)) {
                    faults << where + "file patterns differ in \"" + translation + "\"";
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The user's languages in their order; a country's catalogue only for that country.
    void languagePicked_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("picked");
        QTest::newRow("German in Germany") << "de_DE"
                                           << "de";
        QTest::newRow("German in Austria") << "de_AT"
                                           << "de";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "pt_BR";
        QTest::newRow("Portuguese in Portugal") << "pt_PT"
                                                << "";
        QTest::newRow("French in Canada") << "fr_CA"
                                          << "fr";
        QTest::newRow("Serbian, Latin script") << "sr_Latn_RS"
                                               << "";
        QTest::newRow("Japanese") << "ja_JP"
                                  << "";
        QTest::newRow("C") << "C"
                           << "";
    }

    void languagePicked()
    {
        QFETCH(QString, locale);
        QFETCH(QString, picked);
        QCOMPARE(Language::pick(QLocale(locale), { "de", "es", "fr", "pt_BR" }), picked);
        // The program's own catalogue follows the same rule; English takes the catalogue away again.
        const Translated english("en");
        QCOMPARE(Language::install(QLocale(locale), Translated::folder()), picked);
    }

    // The program's catalogue comes with Qt's own in the same language, for its dialogs; numbers
    // are written as the locale writes them.
    void qtSpeaksTheSameLanguage()
    {
        QCOMPARE(Translated::languages(), (QStringList { "en", "de", "es", "fr", "pt_BR" }));
        {
            const Translated german("de");
            QVERIFY(german.installed());
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
            QLocale::setDefault(QLocale("de_DE"));
            QCOMPARE(show::musicStatus("/music/Calm.mp3", 1234000, 2345000),
                "Calm läuft\r\n1.234 von 2.345 Sekunden");
            QLocale::setDefault(QLocale::c());
        }
        const Translated none("ja");
        QVERIFY(!none.installed());
        QCOMPARE(show::musicStatus("/music/Calm.mp3", 0, 0), "Playing Calm");
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
