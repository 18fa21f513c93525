#include "library/CategoryStore.h"
#include "support/ApplicationFolder.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>

using namespace vellumora;

using Rows = QList<Row>;

class TestCategoryStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void bytes_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two rows, a comma in one")
            << Rows { { "I am calm", true }, { "I act now, not later", false } }
            << QByteArray("\"I am calm\",#TRUE#\r\n\"I act now, not later\",#FALSE#\r\n");
        QTest::newRow("empty text") << Rows { { "", true } } << QByteArray("\"\",#TRUE#\r\n");
        QTest::newRow("empty list") << Rows {} << QByteArray();
        QTest::newRow("not ASCII") << Rows { { "Ich bin ruhig ☀", false } }
                                   << QByteArray("\"Ich bin ruhig \xE2\x98\x80\",#FALSE#\r\n");
    }

    void bytes()
    {
        QFETCH(Rows, rows);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CategoryStore::encodeRows(rows), bytes);
        QCOMPARE(CategoryStore::decodeRows(bytes), rows);

        const auto folder = newApplicationFolder();
        const CategoryStore store(folder->path());
        const QString path = store.categoryPath(QStringLiteral("Health"));
        QVERIFY(store.writeRows(path, rows));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QCOMPARE(store.readRows(path), rows);
    }

    void handEdited_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("blank lines") << QByteArray("\r\n\"a\",#TRUE#\r\n\r\n  \r\n\"b\",#FALSE#\r\n\r\n")
                                     << Rows { { "a", true }, { "b", false } };
        QTest::newRow("unquoted text") << QByteArray("  I am calm  \r\nI act, now\r\n")
                                       << Rows { { "I am calm", true }, { "I act", true } };
        QTest::newRow("missing flag")
            << QByteArray("\"a\"\r\n\"b\",\r\n") << Rows { { "a", true }, { "b", true } };
        QTest::newRow("flag in lower case, without signs")
            << QByteArray("\"a\",#false#\n\"b\",False\n\"c\",#true#\n")
            << Rows { { "a", false }, { "b", false }, { "c", true } };
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF\"a\",#FALSE#\r\n") << Rows { { "a", false } };
        QTest::newRow("CR only") << QByteArray("\"a\",#FALSE#\r\"b\",#TRUE#")
                                 << Rows { { "a", false }, { "b", true } };
        QTest::newRow("text after the flag")
            << QByteArray("\"a\",#FALSE#,whatever \"x\"\r\n\"b\" junk,#FALSE# trailing\r\n")
            << Rows { { "a", false }, { "b", false } };
        QTest::newRow("quote left open") << QByteArray("\"a, b\r\n") << Rows { { "a, b", true } };
        QTest::newRow("quotes inside unquoted text") << QByteArray(
            "He said \"go\",#TRUE#\r\n") << Rows { { QString::fromUtf8("He said \u201Cgo\u201D"), true } };
        QTest::newRow("NUL bytes") << QByteArray("\"a\0b\",#FALSE#\r\n", 14)
                                   << Rows { { QString("a") + QChar(0) + "b", false } };
    }

    void handEdited()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        QCOMPARE(CategoryStore::decodeRows(bytes), rows);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("usable");
        QTest::newRow("letters and spaces") << "Good Health" << true << true;
        QTest::newRow("spaces only") << "   " << false << false;
        QTest::newRow("digit") << "Goals 2027" << false << true;
        QTest::newRow("accented") << "Santé" << false << true;
        QTest::newRow("separator") << "a/b" << false << false;
        QTest::newRow("climbs out") << "../item" << false << false;
        QTest::newRow("backslash") << "..\\item" << false << false;
        QTest::newRow("control character") << "a\x01" << false << false;
        QTest::newRow("too long for a file name") << QString(252, 'a') << true << false;
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, typed);
        QFETCH(bool, usable);
        QCOMPARE(CategoryStore::isTypedName(name), typed);
        QCOMPARE(CategoryStore::isUsableName(name), usable);
        QCOMPARE(CategoryStore(QStringLiteral("/app")).categoryPath(name).isEmpty(), !usable);
    }

    void filesAreNeverLostByAccident()
    {
        const auto folder = newApplicationFolder();
        const CategoryStore store(folder->path());
        const QString health = store.categoryPath(QStringLiteral("Health"));
        QVERIFY(writeBytes(health, "\"keep\",#TRUE#\r\n"));
        QVERIFY(!store.createCategory(QStringLiteral("Health")));
        QCOMPARE(store.readRows(health), (Rows { { "keep", true } }));
        QCOMPARE(store.findCategoryFile(QStringLiteral("hEALTH")), QStringLiteral("Health"));

        // Missing files read as empty and delete as done.
        QCOMPARE(store.readRows(store.categoryPath(QStringLiteral("Gone"))), Rows {});
        QVERIFY(store.removeCategory(QStringLiteral("Gone")));
        QVERIFY(!store.indexExists());
        QVERIFY(store.createCategory(QStringLiteral("New")));
        QCOMPARE(QFileInfo(store.categoryPath(QStringLiteral("New"))).size(), 0);
        QCOMPARE(store.listCategoryNames(), (QStringList { "Health", "New" }));
    }
};

QTEST_GUILESS_MAIN(TestCategoryStore)
#include "tst_categorystore.moc"
