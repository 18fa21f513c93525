#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QDataStream>
#include <QFile>
#include <QTest>

using namespace vellumora;

namespace {

// A BMP whose pixels are missing: enough for its size to be read.
QByteArray bmpHeader(int width, int height)
{
    QByteArray bytes;
    QDataStream header(&bytes, QIODevice::WriteOnly);
    header.setByteOrder(QDataStream::LittleEndian);
    // "BM", the file's size and four reserved bytes (neither is read), where the pixels start; then
    // the size of the header that follows, the width and height, one plane and 24 bits a pixel.
    header << quint16(0x4D42) << quint32(0) << quint32(0) << quint32(54) << quint32(40) << qint32(width)
           << qint32(height) << quint16(1) << quint16(24);
    return bytes + QByteArray(24, '\0');
}

} // namespace

class TestPictureLibrary : public QObject {
    Q_OBJECT
private slots:
    // The formats Qt's readers know (BMP in the last row) are copied in and recorded; a file of the
    // same name lying unlisted in the store is replaced.
    void picturesOfEveryFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("PNG") << "a.png" << QByteArray();
        QTest::newRow("WebP") << "a.webp" << QByteArray();
        QTest::newRow("TIFF") << "a.tiff" << QByteArray();
        // Qt reads GIF but does not write it: a 2 x 2 one of one colour.
        QTest::newRow("GIF") << "a.gif"
                             << QByteArray::fromHex("47494638396102000200800000ff00000000002c0000000002000200"
                                                    "0002028451003b");
        QTest::newRow("33 MP, decoded whole before scaling") << "big.bmp" << bmpHeader(6000, 5500);
    }
    void picturesOfEveryFormat()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        Libraries lib;
        const QByteArray stored = "SystemFolder/" + name.toUtf8();
        QVERIFY(lib.write({ stored + "=left behind" }));
        lib.take("load");
        const QString chosen = lib.dir->filePath(name);
        QVERIFY(bytes.isEmpty() ? writeSolidPicture(chosen, Qt::red, 64, 48) : writeBytes(chosen, bytes));
        QVERIFY(lib.pictures.add(chosen));
        QCOMPARE(lib.pictures.paths(), QList<NativePath> { lib.path(stored) });
        const QByteArrayList after { stored + '=' + readBytes(chosen),
            "SystemFolder/record.txt=" + recordOf({ name }) };
        QCOMPARE(lib.read(after), after);
    }

    // What the record is: "" as written, "folder" a folder in its place once loaded (it cannot be
    // replaced), "unreadable" a folder from the start. A record that cannot be read is left alone,
    // and so is every picture it may list.
    void refusedAddLosesNothing_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& chosen, const QByteArray& content,
                             const QString& message, const QString& record = {}) {
            QTest::newRow(name) << chosen << content << record << message;
        };
        const QByteArray photo = jpegBytes();
        row("source vanished", "gone.jpg", {}, "The picture could not be copied");
        row("the stored copy itself", "SystemFolder/unlisted.jpg", {}, "The picture could not be copied");
        row("name with a quote", "say \"cheese\".jpg", photo, "A picture named");
        row("record cannot be written", "new.jpg", photo, "The picture list could not be saved", "folder");
        row("record cannot be read", "beach.jpg", photo, "The picture list could not be read", "unreadable");
        row("text named .jpg", "notes.jpg", "not a picture",
            "\"notes.jpg\" is not a picture Vellumora can read");
        // Decoded whole before scaling: 54 MP would take 216 MB.
        row("BMP too large", "huge.bmp", bmpHeader(9000, 6000),
            "\"huge.bmp\" is too large for Vellumora to show (9000 x 6000 pixels)");
    }
    void refusedAddLosesNothing()
    {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, content);
        QFETCH(QString, record);
        QFETCH(QString, message);
        Libraries lib;
        QVERIFY(lib.write({ "SystemFolder/beach.jpg=beach", "SystemFolder/unlisted.jpg=" + jpegBytes(),
            "SystemFolder/record.txt=" + (record == "unreadable" ? "/" : recordOf({ "beach.jpg" })) }));
        lib.take("load");
        QVERIFY(content.isEmpty() || lib.write({ chosen.toUtf8() + '=' + content }));
        QVERIFY(record != "folder"
            || (QFile::remove(lib.path("SystemFolder/record.txt").toString())
                && lib.write({ "SystemFolder/record.txt=/" })));
        const auto before = lib.snapshot();
        const Outcome outcome = lib.pictures.add(lib.path(chosen.toUtf8()).toString());
        QCOMPARE(outcome.notices().size(), 1);
        QVERIFY2(!outcome && outcome.notices()[0].text.startsWith(message)
                && outcome.notices()[0].icon == MessageIcon::Critical,
            qPrintable(outcome.notices()[0].text));
        QCOMPARE(lib.pictures.count(), record == "unreadable" ? 0 : 1);
        QCOMPARE(lib.snapshot(), before);
    }

    // The record is written first: a delete it cannot record changes nothing. A hostile entry, or
    // one naming the record itself, goes from the record, and nothing outside the store, nor the
    // record, is touched; a blank line or an empty field, as a hand edit leaves them, names nothing.
    // Without a Trash the copy goes to "deleted" beside the library. A library kept on Windows stays
    // so: the record in Windows-1252, a picture's name in the same bytes on disk. Two phones both
    // call a photo IMG_0001.jpg: each is kept, under the first free number; the same photo added
    // again is refused, whichever number it was stored under.
    void deleteRecordsFirstAndNamesStayApart()
    {
        Libraries lib;
        lib.take("no trash");
        const QByteArray record = "SystemFolder/record.txt=\"d\xE9part.jpg\"\r\n\r\n\"../"
                                  "outside.txt\"\r\n\"record.txt\"\r\n\"\"\r\n\"b.jpg\"\r\n";
        QVERIFY(lib.write(
            { "outside.txt=keep", "SystemFolder/d\xE9part.jpg=d", "SystemFolder/b.jpg=b", record }));
        lib.take("load");
        QCOMPARE(lib.pictures.index(0).data().toString(), "départ.jpg");
        QCOMPARE(lib.pictures.paths(),
            (QList<NativePath> {
                lib.path("SystemFolder/d\xE9part.jpg"), {}, {}, lib.path("SystemFolder/b.jpg") }));
        lib.take("full");
        QVERIFY(!lib.take("delete 3"));
        lib.take("room");
        QCOMPARE(
            lib.read({ record, "SystemFolder/b.jpg=b" }), QByteArrayList({ record, "SystemFolder/b.jpg=b" }));
        QVERIFY(
            lib.take("delete 1") && lib.take("delete 1") && lib.take("delete 1") && !lib.take("delete 1"));
        const QString chosen = lib.dir->filePath("Straße.jpg");
        QVERIFY(writeSolidPicture(chosen, Qt::gray) && lib.pictures.add(chosen) && lib.take("delete 0"));
        const QString photo = lib.dir->filePath("IMG_0001.jpg");
        for (const QColor& colour : QList<QColor> { Qt::red, Qt::blue, Qt::green }) {
            QVERIFY(writeSolidPicture(photo, colour) && lib.pictures.add(photo));
        }
        QVERIFY(writeSolidPicture(photo, Qt::blue) && !lib.pictures.add(photo));
        const QByteArrayList after { "outside.txt=keep", "SystemFolder/b.jpg=<missing>", "deleted/b.jpg=b",
            "SystemFolder/d\xE9part.jpg=<missing>", "deleted/d\xE9part.jpg=d",
            "SystemFolder/IMG_0001 (2).jpg=" + readBytes(photo),
            "SystemFolder/record.txt=\"Stra\xDF\x65.jpg\"\r\n"
                + recordOf({ "IMG_0001.jpg", "IMG_0001 (2).jpg", "IMG_0001 (3).jpg" }) };
        QCOMPARE(lib.read(after), after);
    }
};

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
