#include "storage/NativePath.h"
#include "storage/QuotedFields.h"

#include <QTest>

using namespace vellumora;

// The reader and the name rule every data file of the program goes through.
class TestStorage : public QObject {
    Q_OBJECT
private slots:
    // Each line read, its fields joined by '|'; a quote left open shows as a leading '<'.
    void fieldsOfHandWrittenLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, LF and CR")
            << "\"a\",x\r\n\"b\"\n\"c\"\r\"d\"" << QStringList { "a|x", "b", "c", "d" };
        QTest::newRow("blank lines left out") << "\r\n  \r\n\"a\"\r\n\r\n" << QStringList { "a" };
        QTest::newRow("blanks around a bare field")
            << "  I am calm  ,\t#TRUE# " << QStringList { "I am calm|#TRUE#" };
        QTest::newRow("a comma ends a bare field") << "I act, now" << QStringList { "I act|now" };
        QTest::newRow("text after the closing quote")
            << "\"b\" junk,#FALSE# trailing" << QStringList { "b|#FALSE# trailing" };
        QTest::newRow("quote left open to the line's end")
            << "\"a, b\r\n\"c\"" << QStringList { "<a, b", "c" };
        QTest::newRow("quote inside a bare field")
            << "  say\"cheese\".jpg ,x" << QStringList { "say\"cheese\".jpg|x" };
        QTest::newRow("empty fields") << "\"\",," << QStringList { "||" };
    }

    void fieldsOfHandWrittenLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QStringList read;
        for (QStringView line : textLines(text)) {
            QStringList fields;
            for (const QuotedField& field : splitFields(line)) {
                fields << (field.closed ? field.text : '<' + field.text);
            }
            read << fields.join('|');
        }
        QCOMPARE(read, lines);
    }

    // A field is written so that it reads back as it was; one that holds both a comma and a
    // double quote, which no form can hold, gets typographic quotes.
    void fieldsReadBackAsWritten()
    {
        for (const QString field : { "a, b", "He said \"go\"", "\"a, b\"", "" }) {
            const QString kept
                = field.contains(',') && field.contains('"') ? withoutDoubleQuotes(field) : field;
            QCOMPARE(splitFields(quoteField(field)).value(0).text, kept);
        }
    }

    // A name read from a file names a file in its own folder, or nothing.
    void namesStayInTheirFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "Holiday.JPG" << true;
        QTest::newRow("dots inside") << "my..trip.jpg" << true;
        QTest::newRow("accented") << "Santé" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("separator") << "a/b" << false;
        QTest::newRow("climbs out") << "../item.txt" << false;
        QTest::newRow("backslash") << "..\\item.txt" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
        QTest::newRow("control character") << "a\tb.jpg" << false;
        QTest::newRow("too long for a file name") << QString(256, 'a') << false;
    }

    void namesStayInTheirFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeFileName(name), safe);
    }
};

QTEST_GUILESS_MAIN(TestStorage)
#include "tst_storage.moc"
