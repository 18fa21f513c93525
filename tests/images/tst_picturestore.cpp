#include "images/PictureStore.h"
#include "support/ApplicationFolder.h"
#include "support/TestFiles.h"

#include <QTest>

using namespace vellumora;

class TestPictureStore : public QObject {
    Q_OBJECT
private slots:

    void recordBytes_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two pictures") << QStringList { "beach.jpg", "My Trip.bmp" }
                                      << QByteArray::fromHex("2262656163682E6A7067220D0A"
                                                             "224D7920547269702E626D70220D0A");
        QTest::newRow("comma in a name") << QStringList { "a,b.jpg" } << QByteArray("\"a,b.jpg\"\r\n");
        QTest::newRow("empty library") << QStringList {} << QByteArray();
        QTest::newRow("not ASCII") << QStringList { "Fjäll.jpg" } << QByteArray("\"Fj\xC3\xA4ll.jpg\"\r\n");
        // Only a hand-written unquoted field holds a double quote; it is written back so.
        QTest::newRow("double quote, bare")
            << QStringList { "say\"cheese\".jpg" } << QByteArray("say\"cheese\".jpg\r\n");
    }

    void recordBytes()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, bytes);
        QCOMPARE(PictureStore::encodeRecord(names), bytes);
        QCOMPARE(PictureStore::decodeRecord(bytes), names);

        const auto folder = newApplicationFolder();
        PictureStore store(folder->path());
        QVERIFY(store.writeRecord(names));
        QCOMPARE(readBytes(store.recordPath()), bytes);
        QCOMPARE(store.readRecord(), names);
    }

    void handEditedRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("blank lines and empty fields")
            << QByteArray("\r\n\"\"\r\n\r\n\"a.jpg\"\r\n\r\n") << QStringList { "a.jpg" };
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBF\"a.jpg\"\r\n") << QStringList { "a.jpg" };
    }

    void handEditedRecords()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, names);
        TextEncoding encoding;
        QCOMPARE(PictureStore::decodeRecord(bytes, &encoding), names);
        // Whatever is read is written back so that it reads the same.
        QCOMPARE(PictureStore::decodeRecord(PictureStore::encodeRecord(names, encoding)), names);
    }

    void namesNeverLeaveTheStore_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("usable");
        QTest::newRow("plain") << "Holiday.JPG" << true;
        QTest::newRow("climbs out") << "../item.txt" << false;
        QTest::newRow("the record itself") << "record.txt" << false;
    }

    void namesNeverLeaveTheStore()
    {
        QFETCH(QString, name);
        QFETCH(bool, usable);
        const PictureStore store("/app");
        QCOMPARE(store.pathOf(name).isEmpty(), !usable);
        if (usable) {
            QCOMPARE(store.pathOf(name), NativePath("/app/SystemFolder/" + name));
        }
    }
};

QTEST_GUILESS_MAIN(TestPictureStore)
#include "tst_picturestore.moc"
