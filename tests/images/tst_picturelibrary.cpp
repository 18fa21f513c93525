#include "images/PictureDecoder.h"
#include "images/PictureLibrary.h"
#include "images/PictureStore.h"
#include "support/ApplicationFolder.h"
#include "support/FileSizeLimit.h"
#include "support/Libraries.h"
#include "support/TestFiles.h"
#include "support/UnprivilegedFileAccess.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>
#include <cstdio>
#include <sys/stat.h>

using namespace vellumora;

namespace {

QByteArray bigEndian32(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// A PNG chunk with its CRC-32, which the reader checks.
QByteArray pngChunk(const QByteArray& typeAndData)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : typeAndData) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
    }
    return bigEndian32(typeAndData.size() - 4) + typeAndData + bigEndian32(~crc);
}

// A PNG whose pixel data is empty: enough for its size to be read.
QByteArray pngHeader(int width, int height)
{
    return "\x89PNG\r\n\x1a\n"
        + pngChunk("IHDR" + bigEndian32(width) + bigEndian32(height) + QByteArray("\x08\x02\0\0\0", 5))
        + pngChunk("IDAT") + pngChunk("IEND");
}

// An extended WebP whose canvas header is followed by nothing.
QByteArray webpHeader(int width, int height)
{
    QByteArray canvas("VP8X\x0a\0\0\0\0\0\0\0", 12);
    for (int value : { width - 1, height - 1 }) {
        canvas += char(value & 0xFF);
        canvas += char((value >> 8) & 0xFF);
        canvas += char((value >> 16) & 0xFF);
    }
    const QByteArray body = "WEBP" + canvas;
    QByteArray size(4, '\0');
    qToLittleEndian(quint32(body.size()), size.data());
    return "RIFF" + size + body;
}

// A 2 x 2 GIF of one colour, which Qt reads but does not write.
QByteArray gifBytes()
{
    return QByteArray::fromHex("47494638396102000200800000ff00000000002c000000000200020000020284510"
                               "03b");
}

} // namespace

class TestPictureLibrary : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = newApplicationFolder();
        m_pictures = std::make_unique<PictureLibrary>(dir->path());
    }

    void addCopiesAndRecords()
    {
        // A file of the same name lying unlisted in the store is replaced.
        QVERIFY(writeBytes(path("SystemFolder/Holiday.JPG"), "left behind"));
        QVERIFY(pictures().load());
        const QString chosen = path("Holiday.JPG");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        QVERIFY(pictures().add(chosen));
        QCOMPARE(readBytes(path("SystemFolder/Holiday.JPG")), readBytes(chosen));
        QCOMPARE(readBytes(path("SystemFolder/record.txt")), recordOf({ "Holiday.JPG" }));
        QCOMPARE(pictures().paths(), QList<NativePath> { NativePath(path("SystemFolder/Holiday.JPG")) });
    }

    // The formats Qt's readers know are added and decoded at the size asked for.
    void picturesOfEveryFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("PNG") << "a.png";
        QTest::newRow("WebP") << "a.webp";
        QTest::newRow("TIFF") << "a.tiff";
        QTest::newRow("GIF") << "a.gif";
        QTest::newRow("BMP") << "a.bmp";
    }
    void picturesOfEveryFormat()
    {
        QFETCH(QString, name);
        pictures().load();
        const QString chosen = path(name);
        QVERIFY(name.endsWith("gif") ? writeBytes(chosen, gifBytes())
                                     : writeSolidPicture(chosen, Qt::red, 64, 48));
        QVERIFY(pictures().add(chosen));
        const QImage shown = PictureDecoder::decode(
            pictures().paths().constLast(), QSize(32, 24), PictureDecoder::Fit::Stretch);
        QCOMPARE(shown.size(), QSize(32, 24));
        QVERIFY(nearColour(shown.pixelColor(16, 12), Qt::red));
        QCOMPARE(readBytes(path("SystemFolder/record.txt")), recordOf({ name }));
        // A 32 MP picture is still taken.
        QVERIFY(PictureDecoder::affordable(QSize(6000, 5500), std::nullopt));
    }

    // Two phones both call a photo IMG_0001.jpg: each is kept, under the first free number; the
    // same photo added again is refused, whichever number it was stored under.
    void sameNameDifferentPicture()
    {
        pictures().load();
        const QList<QColor> phones { Qt::red, Qt::blue, Qt::green };
        for (const QColor& colour : phones) {
            QVERIFY(writeSolidPicture(path("IMG_0001.jpg"), colour));
            QVERIFY(pictures().add(path("IMG_0001.jpg")));
        }
        QVERIFY(writeSolidPicture(path("IMG_0001.jpg"), Qt::blue));
        QCOMPARE(pictures().add(path("IMG_0001.jpg")).notices().value(0).text,
            "This Picture is Already available Please Select Another Picture ");
        QCOMPARE(readBytes(path("SystemFolder/record.txt")),
            recordOf({ "IMG_0001.jpg", "IMG_0001 (2).jpg", "IMG_0001 (3).jpg" }));
        QCOMPARE(readBytes(path("SystemFolder/IMG_0001 (2).jpg")), readBytes(path("IMG_0001.jpg")));
    }

    void refusedAddLosesNothing_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("recordWritable");
        QTest::addColumn<QString>("message");
        const QByteArray photo = jpegBytes();
        QTest::newRow("the same picture again")
            << "beach.jpg" << QByteArray("<stored>") << true
            << "This Picture is Already available Please Select Another Picture ";
        QTest::newRow("source vanished")
            << "gone.jpg" << QByteArray() << true << "The picture could not be copied";
        QTest::newRow("the stored copy itself")
            << "SystemFolder/unlisted.jpg" << QByteArray() << true << "The picture could not be copied";
        QTest::newRow("name with a quote") << "say \"cheese\".jpg" << photo << true << "A picture named";
        QTest::newRow("record cannot be written")
            << "new.jpg" << photo << false << "The picture list could not be saved";
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("not a picture") << true
                                         << "\"notes.jpg\" is not a picture Vellumora can read";
        QTest::newRow("cut off in its header")
            << "cut.jpg" << photo.left(100) << true << "\"cut.jpg\" is not a picture Vellumora can read";
        const QByteArray heic = QByteArray(3, '\0') + "\x18" + "ftypheic" + QByteArray(4, '\0') + "mif1heic";
        QTest::newRow("a format no reader knows")
            << "phone.jpg" << heic << true << "\"phone.jpg\" is not a picture Vellumora can read";
        QTest::newRow("too large")
            << "huge.jpg" << jpegSkeleton(60000, 60000, false, 3, 1) << true
            << "\"huge.jpg\" is too large for Vellumora to show (60000 x 60000 pixels)";
        // Decoded whole before scaling: 54 MP would take 216 MB.
        QTest::newRow("PNG too large")
            << "huge.png" << pngHeader(9000, 6000) << true
            << "\"huge.png\" is too large for Vellumora to show (9000 x 6000 pixels)";
        QTest::newRow("WebP too large")
            << "huge.webp" << webpHeader(9000, 6000) << true
            << "\"huge.webp\" is too large for Vellumora to show (9000 x 6000 pixels)";
    }

    void refusedAddLosesNothing()
    {
        QFETCH(QString, chosen);
        QFETCH(QByteArray, content);
        QFETCH(bool, recordWritable);
        QFETCH(QString, message);
        QVERIFY(writeSolidPicture(path("SystemFolder/beach.jpg"), Qt::yellow));
        const QByteArray stored = readBytes(path("SystemFolder/beach.jpg"));
        QVERIFY(writeSolidPicture(path("SystemFolder/unlisted.jpg"), Qt::cyan));
        const QByteArray unlisted = readBytes(path("SystemFolder/unlisted.jpg"));
        QVERIFY(writeBytes(path("SystemFolder/record.txt"), recordOf({ "beach.jpg" })));
        pictures().load();
        if (!content.isEmpty()) {
            QVERIFY(writeBytes(path(chosen), content == "<stored>" ? stored : content));
        }
        if (!recordWritable) {
            // A folder where the record's temporary file would go keeps the record from being replaced.
            QVERIFY(QFile::remove(path("SystemFolder/record.txt")));
            QVERIFY(QDir().mkpath(path("SystemFolder/record.txt")));
        }
        const Outcome outcome = pictures().add(path(chosen));
        QVERIFY(!outcome);
        QCOMPARE(outcome.notices().size(), 1);
        QVERIFY2(outcome.notices()[0].text.startsWith(message), qPrintable(outcome.notices()[0].text));
        QCOMPARE(outcome.notices()[0].icon, MessageIcon::Critical);
        QCOMPARE(pictures().count(), 1);
        QCOMPARE(readBytes(path("SystemFolder/beach.jpg")), stored);
        QCOMPARE(readBytes(path("SystemFolder/unlisted.jpg")), unlisted);
        QCOMPARE(QDir(path("SystemFolder")).entryList(QDir::Files).size(), recordWritable ? 3 : 2);
        if (recordWritable) {
            QCOMPARE(readBytes(path("SystemFolder/record.txt")), recordOf({ "beach.jpg" }));
        }
    }

    void deleteRecordsFirst()
    {
        Libraries lib(false);
        const QByteArray record
            = "SystemFolder/record.txt=" + recordOf({ "a long name.jpg", "../outside.txt", "b.jpg" });
        QVERIFY(lib.write(
            { "outside.txt=keep", "SystemFolder/a long name.jpg=a", "SystemFolder/b.jpg=b", record }));
        lib.take("load");
        QVERIFY(lib.pictures.paths().at(1).isEmpty());
        lib.take("full");
        QVERIFY(!lib.take("delete 2"));
        lib.take("room");
        QCOMPARE(
            lib.read({ record, "SystemFolder/b.jpg=b" }), QByteArrayList({ record, "SystemFolder/b.jpg=b" }));
        QCOMPARE(lib.pictures.count(), 3);

        // A hostile entry goes from the record; nothing outside the store is touched. Without a
        // Trash the copy goes to "deleted" beside the library.
        QVERIFY(lib.take("delete 1") && lib.take("delete 1") && !lib.take("delete 1"));
        const QByteArrayList after { "outside.txt=keep", "SystemFolder/b.jpg=<missing>", "deleted/b.jpg=b",
            "SystemFolder/record.txt=" + recordOf({ "a long name.jpg" }) };
        QCOMPARE(lib.read(after), after);
    }

    // A library kept on Windows: the record in Windows-1252, a picture whose name is in the same
    // bytes on disk.
    void windows1252Library()
    {
        const NativePath store(path("SystemFolder"));
        const NativePath depart = store.child("d\xE9part.jpg");
        QVERIFY(writeBytes(depart, "d"));
        const QByteArray before("\"d\xE9part.jpg\"\r\n\"beach.jpg\"\r\n");
        QVERIFY(writeBytes(store.child("record.txt"), before));
        pictures().load();
        QCOMPARE(pictures().index(0).data().toString(), "départ.jpg");
        QCOMPARE(pictures().paths().constFirst(), depart);

        const QString chosen = path("Straße.jpg");
        QVERIFY(writeSolidPicture(chosen, Qt::gray));
        QVERIFY(pictures().add(chosen));
        QCOMPARE(readBytes(store.child("record.txt")), before + "\"Stra\xDF\x65.jpg\"\r\n");
        QVERIFY(pictures().remove(0));
        QCOMPARE(readBytes(depart), "<missing>");
        QCOMPARE(readBytes(NativePath(path("deleted")).child("d\xE9part.jpg")), "d");
        QCOMPARE(readBytes(store.child("record.txt")), "\"beach.jpg\"\r\n\"Stra\xDF\x65.jpg\"\r\n");
    }

    void unreadableRecordIsLeftAlone_data()
    {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("a folder in its place") << true;
        QTest::newRow("no read permission") << false;
    }

    void unreadableRecordIsLeftAlone()
    {
        QFETCH(bool, folderInItsPlace);
        const QString recordFile = path("SystemFolder/record.txt");
        const QByteArray names = recordOf({ "a.jpg", "b.jpg" });
        // The whole folder open to "nobody", all but the record.
        for (const QString& folder : { dir->path(), path("system"), path("SystemFolder") }) {
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
        }
        if (folderInItsPlace) {
            QVERIFY(QDir().mkpath(recordFile));
        } else {
            QVERIFY(writeBytes(recordFile, names));
            QCOMPARE(::chmod(QFile::encodeName(recordFile).constData(), 0200), 0);
        }
        {
            const UnprivilegedFileAccess nobody;
            QCOMPARE(pictures().load().notices().size(), 1);
        }
        QCOMPARE(pictures().count(), 0);
        QVERIFY(writeBytes(path("new.jpg"), "picture"));
        QVERIFY(!pictures().changeable());
        QCOMPARE(pictures().add(path("new.jpg")).notices().constFirst().text,
            "The picture list could not be read when the program started, so it cannot be changed now.");
        QCOMPARE(pictures().count(), 0);
        QCOMPARE(readBytes(path("SystemFolder/new.jpg")), "<missing>");
        if (!folderInItsPlace) {
            QCOMPARE(readBytes(recordFile), names);
        }
    }

    // The record file on its own: its bytes, hand edits, and the names it may hold.
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

private:
    QString path(const QString& relative) const { return dir->filePath(relative); }

    PictureLibrary& pictures() { return *m_pictures; }

    std::unique_ptr<TemporaryFolder> dir;
    std::unique_ptr<PictureLibrary> m_pictures;
};

QTEST_GUILESS_MAIN(TestPictureLibrary)
#include "tst_picturelibrary.moc"
