#include "images/PictureDecoder.h"
#include "images/PictureLoader.h"
#include "images/ThumbnailCache.h"
#include "support/TestFiles.h"

#include <QtGui>
#include <QtTest>

using namespace vellumora;

namespace {

// A picture of the original size decoded at the size asked, and the size it comes out; the file
// may carry padding after the picture's end.
struct Decode {
    QSize original;
    bool progressive;
    QSize asked;
    PictureDecoder::Fit fit;
    QSize result;
    qint64 padding = 0;
};

} // namespace

Q_DECLARE_METATYPE(Decode)

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:

    // Headers that would take the process to hundreds of megabytes are refused before any
    // decoding; the photos people take still pass.
    void decodingCostHasALimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("affordable");
        QTest::newRow("9200 x 9200, 4:4:4, progressive: 508 MB")
            << jpegSkeleton(9200, 9200, true, 3, 10) << false;
        QTest::newRow("10000 x 10000, 4:2:0, progressive: 300 MB")
            << jpegSkeleton(10000, 10000, true, 3, 10, 0x22) << false;
        QTest::newRow("100 MP sequential, a scan for each component: 600 MB")
            << jpegSkeleton(10000, 10000, false, 3, 3) << false;
        QTest::newRow("progressive, thousands of scans") << jpegSkeleton(1000, 1000, true, 1, 5000) << false;
        QTest::newRow("24 MP, 4:4:4, progressive") << jpegSkeleton(6000, 4000, true, 3, 10) << true;
        QTest::newRow("50 MP, 4:2:0, progressive") << jpegSkeleton(8660, 5774, true, 3, 10, 0x22) << true;
        QTest::newRow("100 MP sequential, one scan")
            << jpegSkeleton(10000, 10000, false, 3, 1, 0x22, 3) << true;
        QTest::newRow("101 MP sequential, one scan")
            << jpegSkeleton(10050, 10050, false, 3, 1, 0x22, 3) << false;
        // A thumbnail inside an APP1 segment brings its own scans; they are not counted.
        QByteArray app1 = jpegSkeleton(1000, 1000, true, 1, 10);
        app1.insert(
            app1.indexOf("\xFF\xDA"), "\xFF\xE1\x13\x8A" + QByteArray("\xFF\xDA\x00\x02", 4).repeated(1250));
        QTest::newRow("scans inside a segment") << app1 << true;
    }

    void decodingCostHasALimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, affordable);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        const QSize header = QImageReader(&buffer, "jpeg").size();
        QCOMPARE(PictureDecoder::affordable(header, PictureDecoder::jpegCost(bytes)), affordable);
    }

    void badPicturesDecodeToNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("text named .jpg") << QByteArray("This is not a picture.\r\n");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("truncated JPEG") << jpegBytes().left(200);
        QTest::newRow("60000 x 60000 header") << jpegSkeleton(60000, 60000, false, 3, 1);
        QTest::newRow("9200 x 9200, 4:4:4, progressive") << jpegSkeleton(9200, 9200, true, 3, 2);
    }

    void badPicturesDecodeToNothing()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("bad.jpg");
        QVERIFY(writeBytes(path, bytes));
        QVERIFY(PictureDecoder::decode(path, QSize(128, 128), PictureDecoder::Fit::Within).isNull());
        QVERIFY(PictureDecoder::decode(path, QSize(433, 337), PictureDecoder::Fit::Stretch).isNull());

        // Known failures are remembered, so the next start does not try again.
        const ThumbnailCache cache(dir.filePath("thumbnails"));
        QVERIFY(PictureLoader::makeThumbnail(cache, path).isNull());
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::KnownFailure);
    }

    void decodedAtTheSizeAsked_data()
    {
        QTest::addColumn<Decode>("decode");
        const auto stretch = PictureDecoder::Fit::Stretch;
        const auto within = PictureDecoder::Fit::Within;
        QTest::newRow("show, portrait")
            << Decode { { 300, 4000 }, false, { 433, 337 }, stretch, { 433, 337 } };
        QTest::newRow("show, progressive")
            << Decode { { 4000, 3000 }, true, { 433, 337 }, stretch, { 433, 337 } };
        QTest::newRow("thumbnail, progressive")
            << Decode { { 640, 480 }, true, { 128, 128 }, within, { 128, 96 } };
        QTest::newRow("thumbnail, portrait")
            << Decode { { 300, 4000 }, false, { 128, 128 }, within, { 9, 128 } };
        QTest::newRow("thumbnail, small") << Decode { { 50, 40 }, false, { 128, 128 }, within, { 50, 40 } };
        // Too large to read whole, so decoded from the file mapped.
        QTest::newRow("thumbnail, 40 MB file")
            << Decode { { 640, 480 }, false, { 128, 128 }, within, { 128, 96 }, 40ll << 20 };
    }

    void decodedAtTheSizeAsked()
    {
        QFETCH(Decode, decode);
        const auto [original, progressive, asked, fit, result, padding] = decode;
        QTemporaryDir dir;
        const QString path = dir.filePath("p.jpg");
        QImage image(original, QImage::Format_RGB32);
        image.fill(Qt::blue);
        {
            QImageWriter writer(path, "jpeg");
            writer.setProgressiveScanWrite(progressive);
            QVERIFY(writer.write(image));
        }
        // Zeros after the end of the picture, which every reader stops before.
        QFile file(path);
        QVERIFY(padding == 0 || file.resize(file.size() + padding));
        const QImage decoded = PictureDecoder::decode(path, asked, fit);
        QCOMPARE(decoded.size(), result);
        QCOMPARE(QColor(decoded.pixel(result.width() / 2, result.height() / 2)).blue(), 254);
    }

    // A photo tagged to be turned is shown upright, as thumbnail and in the show.
    void orientationTagIsHonoured_data()
    {
        QTest::addColumn<int>("transformation");
        QTest::addColumn<QSize>("thumbnail");
        QTest::addColumn<QColor>("topLeft");
        QTest::newRow("upright") << int(QImageIOHandler::TransformationNone) << QSize(128, 64)
                                 << QColor(Qt::red);
        QTest::newRow("turned right (6)")
            << int(QImageIOHandler::TransformationRotate90) << QSize(64, 128) << QColor(Qt::red);
        QTest::newRow("turned left (8)")
            << int(QImageIOHandler::TransformationRotate270) << QSize(64, 128) << QColor(Qt::blue);
    }

    void orientationTagIsHonoured()
    {
        QFETCH(int, transformation);
        QFETCH(QSize, thumbnail);
        QFETCH(QColor, topLeft);
        QTemporaryDir dir;
        const QString path = dir.filePath("phone.jpg");
        // Stored 800 x 400: red on the left, blue on the right.
        QImage stored(800, 400, QImage::Format_RGB32);
        stored.fill(Qt::red);
        QPainter(&stored).fillRect(400, 0, 400, 400, Qt::blue);
        QImageWriter writer(path, "jpeg");
        writer.setTransformation(QImageIOHandler::Transformations(transformation));
        QVERIFY(writer.write(stored));
        const QImage small = PictureDecoder::decode(path, QSize(128, 128), PictureDecoder::Fit::Within);
        QCOMPARE(small.size(), thumbnail);
        QVERIFY(nearColour(small.pixelColor(4, 4), topLeft));
        const QImage shown = PictureDecoder::decode(path, QSize(433, 337), PictureDecoder::Fit::Stretch);
        QCOMPARE(shown.size(), QSize(433, 337));
        QVERIFY(nearColour(shown.pixelColor(4, 4), topLeft));
    }

    void cacheFollowsThePicture()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("my photo.jpg");
        QVERIFY(writeSolidPicture(path, Qt::red, 400, 300));
        const ThumbnailCache cache(dir.filePath("thumbnails"));
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::Missing);

        QCOMPARE(PictureLoader::makeThumbnail(cache, path).size(), QSize(128, 96));
        // Where every program sharing the cache looks: the MD5 of the picture's URI, private to
        // its owner. A screen of two device pixels per pixel takes the large size, in its own folder.
        const QString uri = "file://" + QString(dir.path()).replace(' ', "%20") + "/my%20photo.jpg";
        const QString name = QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex() + ".png";
        QCOMPARE(int(QFile::permissions(dir.filePath("thumbnails/normal/" + name)) & 0x7077),
            int(QFile::ReadOwner | QFile::WriteOwner));
        QCOMPARE(
            PictureLoader::makeThumbnail(cache, path, ThumbnailCache::Size::Large).size(), QSize(256, 192));
        QCOMPARE(QImage(dir.filePath("thumbnails/large/" + name)).size(), QSize(256, 192));
        const ThumbnailCache::Entry found = cache.lookup(path);
        QCOMPARE(found.status, ThumbnailCache::Status::Found);
        QCOMPARE(found.image.text("Thumb::URI"), uri);

        // A picture changed since is made again, in its new colour.
        QVERIFY(writeSolidPicture(path, Qt::blue, 400, 300));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(
            file.fileTime(QFile::FileModificationTime).addSecs(60), QFile::FileModificationTime));
        file.close();
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::Missing);
        QCOMPARE(QColor(PictureLoader::makeThumbnail(cache, path).pixel(10, 10)).blue(), 254);
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::Found);
    }

    void loaderAnswersWithTheTicket()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("p.bmp");
        QVERIFY(writeSolidPicture(path, Qt::yellow, 800, 600));
        PictureLoader loader(dir.filePath("thumbnails"));
        QSignalSpy thumbnails(&loader, &PictureLoader::thumbnailLoaded);
        QSignalSpy pictures(&loader, &PictureLoader::pictureLoaded);
        loader.loadThumbnail(7, path, QSize(113, 90));
        loader.loadThumbnail(8, dir.filePath("missing.jpg"), QSize(113, 90));
        loader.loadPicture(9, path, QSize(433, 337));
        // Boxes drawn at twice the pixels come from the large thumbnail.
        loader.loadThumbnail(10, path, QSize(226, 180));
        QTRY_COMPARE(thumbnails.size(), 3);
        QTRY_COMPARE(pictures.size(), 1);
        QMap<quint64, QSize> sizes;
        for (const auto& answer : thumbnails) {
            sizes.insert(answer.at(0).toULongLong(), answer.at(1).value<QImage>().size());
        }
        QCOMPARE(sizes.value(7), QSize(113, 90));
        QCOMPARE(sizes.value(10), QSize(226, 180));
        QCOMPARE(ThumbnailCache(dir.filePath("thumbnails")).lookup(path, ThumbnailCache::Size::Large).status,
            ThumbnailCache::Status::Found);
        QVERIFY(sizes.value(8).isEmpty());
        QCOMPARE(pictures.first().at(0).toULongLong(), 9u);
        QCOMPARE(pictures.first().at(1).value<QImage>().size(), QSize(433, 337));
    }
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
