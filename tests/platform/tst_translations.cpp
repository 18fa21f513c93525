#include "affirmations/AffirmationImport.h"
#include "platform/Language.h"
#include "show/ShowArithmetic.h"
#include "support/ApplicationFolder.h"
#include "support/TestFiles.h"
#include "support/Translated.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

using namespace vellumora;

namespace {

// What a translation keeps of its text: the placeholders, the number of Alt+letters, and the file
// patterns of a filter "Name|*.a|Name|*.b;*.c" (every second part).
QString kept(const QString& text)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression("%(L?\\d|n)").globalMatch(text)) {
        found << match.captured();
    }
    found.sort();
    found << QString("%1 Alt+letter(s)").arg(text.count(QRegularExpression("&[^& ]")));
    const QStringList parts = text.split('|');
    for (int i = 1; i < parts.size(); i += 2) {
        found << parts[i];
    }
    return found.join(' ');
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
        // English is written in the sources; its catalogue has the plural forms alone.
        const bool pluralsOnly = catalogue.endsWith("_en.ts");
        QStringList options { "-silent", "-no-obsolete", "-locations", "none", VELLUMORA_SOURCE_DIR, "-ts",
            copy };
        if (pluralsOnly) {
            options.prepend("-pluralonly");
        }
        QCOMPARE(QProcess::execute(VELLUMORA_LUPDATE, options), 0);

        QXmlStreamReader xml(readBytes(NativePath(copy)));
        // The CR lupdate writes as <byte value="xd"/> is left out of the text; no check looks at it.
        const auto text = [&xml] { return xml.readElementText(QXmlStreamReader::IncludeChildElements); };
        QString context, source;
        bool plural = false;
        int messages = 0;
        QStringList faults;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            const QString where = context + " \"" + source + "\": ";
            if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"message") {
                plural = xml.attributes().value("numerus") == u"yes";
                ++messages;
            } else if (xml.name() == u"source") {
                source = text();
            } else if (xml.name() == u"translation" && !xml.attributes().value("type").isEmpty()) {
                faults << where + "not translated (build the target update_translations, then translate it)";
            } else if (xml.name() == (plural ? u"numerusform" : u"translation")) {
                // Each plural form is a translation of its own.
                const QString translation = text();
                if (translation.trimmed().isEmpty() || kept(translation) != kept(source)) {
                    faults << where + "\"" + translation + "\" does not keep " + kept(source);
                }
            }
        }
        QVERIFY(messages > (pluralsOnly ? 5 : 100));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // The user's languages in their order; a language with its country before the language alone,
    // and a country's catalogue only for that country. The program's catalogue comes with Qt's own
    // in the same language, for its dialogs; numbers are written as the locale writes them.
    void languages()
    {
        for (const auto& [locale, picked] :
            { std::pair { "de_DE", "de" }, { "de_AT", "de" }, { "fr_CA", "fr" }, { "pt_BR", "pt_BR" },
                { "pt_PT", "" }, { "sr_Latn_RS", "" }, { "ja_JP", "" }, { "C", "" } }) {
            QCOMPARE(Language::pick(QLocale(locale), { "de", "es", "fr", "pt_BR" }), QString(picked));
            // The program's own catalogue follows the same rule; English takes it away again.
            const Translated english("en");
            QCOMPARE(Language::install(QLocale(locale), Translated::folder()), QString(picked));
        }
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
        // English, and a language without a catalogue, count in English.
        ImportedAffirmations imported;
        imported.rows = { { "calm", true } };
        imported.blank = { 2, 3 };
        QCOMPARE(AffirmationImport::summary(imported),
            "1 affirmation was added.\n2 blank lines were passed over.");
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
