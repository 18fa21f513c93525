#include "ExifWriter.h"
#include "images/PictureDecoder.h"
#include "images/PictureLoader.h"
#include "images/ShownPictureCache.h"
#include "images/ThumbnailCache.h"
#include "support/TestFiles.h"

#include <QtGui>
#include <QtTest>

using namespace vellumora;

// A picture, red on its left half and blue on its right, stored as the sensor saw it with the
// orientation tag a camera writes (6: to be turned right, 8: left), decoded at the size asked, and
// the size it comes out; its top left is red unless it is turned left. The file may carry
// megabytes of padding after the picture's end.
struct Decode {
    QSize original;
    bool progressive;
    QSize asked;
    PictureDecoder::Fit fit;
    QSize result;
    int orientation = 0;
    int padding = 0;
};

// A 1600 x 1200 photo, red on its left half and blue on its right, with a preview in its EXIF data,
// green and yellow; the thumbnail asked of it, and whether it comes from the preview.
struct Preview {
    QSize preview;
    int orientation = 1;
    ThumbnailCache::Size size = ThumbnailCache::Size::Normal;
    QSize result;
    bool fromPreview = true;
    // Cuts the preview this many bytes into its picture data, or the photo this many bytes after
    // its header.
    int previewBytes = -1;
    int photoBytes = -1;
};

namespace {

QImage halves(const QSize& size, const QColor& left, const QColor& right)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(left);
    QPainter(&image).fillRect(size.width() / 2, 0, size.width(), size.height(), right);
    return image;
}

const QSize kShown(433, 337);
constexpr auto kStretch = PictureDecoder::Fit::Stretch;

// What happens to a picture, or to its copy at the size shown, once the copy is stored.
enum class Change { None, PictureTouched, PictureResized, CopyCutShort, CopyResized };

bool setModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(time, QFile::FileModificationTime);
}

} // namespace

class TestPictureLoader : public QObject {
    Q_OBJECT
private slots:
    // A folder of its own for each test and row, the thumbnails in it.
    void init() { dir.emplace(); }

    // Headers that would take the process to hundreds of megabytes are refused before any
    // decoding; the photos people take still pass. Nothing is decoded from a refused picture, and
    // the failure is remembered so that the next start does not try again.
    void refusedFromTheHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("affordable");
        QTest::newRow("text named .jpg") << QByteArray("This is not a picture.\r\n") << false;
        QTest::newRow("4:4:4 progressive, 508 MB") << jpegSkeleton(9200, 9200, true, 3, 10) << false;
        QTest::newRow("a scan a component, 600 MB") << jpegSkeleton(10000, 10000, false, 3, 3) << false;
        QTest::newRow("thousands of scans") << jpegSkeleton(1000, 1000, true, 1, 5000) << false;
        QTest::newRow("24 MP, 4:4:4, progressive") << jpegSkeleton(6000, 4000, true, 3, 10) << true;
        QTest::newRow("50 MP, 4:2:0, progressive") << jpegSkeleton(8660, 5774, true, 3, 10, 0x22) << true;
        QTest::newRow("100 MP, one scan") << jpegSkeleton(10000, 10000, false, 3, 1, 0x22, 3) << true;
        QTest::newRow("101 MP, one scan") << jpegSkeleton(10050, 10050, false, 3, 1, 0x22, 3) << false;
        // A thumbnail inside an APP1 segment brings its own scans; they are not counted.
        QByteArray app1 = jpegSkeleton(1000, 1000, true, 1, 10);
        app1.insert(
            app1.indexOf("\xFF\xDA"), "\xFF\xE1\x13\x8A" + QByteArray("\xFF\xDA\x00\x02", 4).repeated(1250));
        QTest::newRow("scans inside a segment") << app1 << true;
    }

    void refusedFromTheHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, affordable);
        const QString path = dir->filePath("p.jpg");
        QVERIFY(writeBytes(path, bytes));
        const QSize header = QImageReader(path, "jpeg").size();
        QCOMPARE(PictureDecoder::affordable(header, PictureDecoder::jpegCost(bytes)), affordable);
        if (!affordable) {
            QVERIFY(PictureDecoder::decode(path, QSize(433, 337), PictureDecoder::Fit::Stretch).isNull());
            const ThumbnailCache cache(dir->filePath("thumbnails"));
            QVERIFY(PictureLoader::makeThumbnail(cache, path).isNull());
            QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::KnownFailure);
        }
    }

    void decodedAtTheSizeAsked_data()
    {
        QTest::addColumn<Decode>("decode");
        using enum PictureDecoder::Fit;
        const QSize show(433, 337), box(128, 128);
        QTest::newRow("show, progressive") << Decode { { 4000, 3000 }, true, show, Stretch, show };
        QTest::newRow("thumbnail, portrait") << Decode { { 300, 4000 }, false, box, Within, { 9, 128 } };
        QTest::newRow("thumbnail, small") << Decode { { 50, 40 }, false, box, Within, { 50, 40 } };
        // A phone photo is shown upright.
        QTest::newRow("turned left (8)") << Decode { { 800, 400 }, false, box, Within, { 64, 128 }, 8 };
        // Too large to read whole, so decoded from the file mapped.
        QTest::newRow("40 MB file") << Decode { { 640, 480 }, false, box, Within, { 128, 96 }, 0, 40 };
    }

    void decodedAtTheSizeAsked()
    {
        QFETCH(Decode, decode);
        const auto [original, progressive, asked, fit, result, orientation, padding] = decode;
        const QString path = dir->filePath("p.jpg");
        {
            QImageWriter writer(path, "jpeg");
            writer.setProgressiveScanWrite(progressive);
            QVERIFY(writer.write(halves(original, Qt::red, Qt::blue)));
        }
        QVERIFY(orientation == 0 || writeBytes(path, bench::withExif(readBytes(path), {}, orientation)));
        // Zeros after the end of the picture, which every reader stops before.
        QVERIFY(padding == 0 || QFile::resize(path, QFileInfo(path).size() + (qint64(padding) << 20)));
        const QImage decoded = PictureDecoder::decode(path, asked, fit);
        QCOMPARE(decoded.size(), result);
        QVERIFY(nearColour(decoded.pixelColor(1, 1), orientation == 8 ? Qt::blue : Qt::red));
    }

    void thumbnailFromPreview_data()
    {
        QTest::addColumn<Preview>("preview");
        using enum ThumbnailCache::Size;
        // A camera's preview: nothing of the photo is read beyond its header.
        QTest::newRow("photo cut after its header")
            << Preview { { 160, 120 }, 1, Normal, { 128, 96 }, true, -1, 2000 };
        QTest::newRow("turned right (6)") << Preview { { 160, 120 }, 6, Normal, { 96, 128 } };
        QTest::newRow("turned left (8)") << Preview { { 160, 120 }, 8, Normal, { 96, 128 } };
        QTest::newRow("mirrored (2)") << Preview { { 160, 120 }, 2, Normal, { 128, 96 } };
        // Letterboxed, or left from before the photo was cropped.
        QTest::newRow("other proportions") << Preview { { 160, 107 }, 1, Normal, { 128, 96 }, false };
        QTest::newRow("large thumbnail") << Preview { { 160, 120 }, 1, Large, { 256, 192 }, false };
        QTest::newRow("damaged: cut short") << Preview { { 160, 120 }, 1, Normal, { 128, 96 }, false, 40 };
    }

    void thumbnailFromPreview()
    {
        QFETCH(Preview, preview);
        const QString path = dir->filePath("camera.jpg");
        QByteArray previewJpeg = bench::jpegBytes(halves(preview.preview, Qt::green, Qt::yellow));
        if (preview.previewBytes > 0) {
            previewJpeg.truncate(previewJpeg.indexOf("\xFF\xDA") + preview.previewBytes);
        }
        QByteArray photo = bench::withExif(bench::jpegBytes(halves({ 1600, 1200 }, Qt::red, Qt::blue), 90),
            previewJpeg, preview.orientation);
        if (preview.photoBytes > 0) {
            photo.truncate(photo.indexOf("\xFF\xE1") + previewJpeg.size() + preview.photoBytes);
        }
        QVERIFY(writeBytes(path, photo));
        const ThumbnailCache cache(dir->filePath("thumbnails"));
        const QImage thumbnail = PictureLoader::makeThumbnail(cache, path, preview.size);
        QCOMPARE(thumbnail.size(), preview.result);
        // The top left as the photo is shown: its left half, or its right turned to the top left
        // when it is turned left or mirrored.
        const bool right = preview.orientation == 8 || preview.orientation == 2;
        QVERIFY2(nearColour(thumbnail.pixelColor(2, 2),
                     preview.fromPreview ? (right ? Qt::yellow : Qt::green) : (right ? Qt::blue : Qt::red)),
            qPrintable(thumbnail.pixelColor(2, 2).name()));
        // Kept in the cache as a decoded one is.
        QCOMPARE(cache.lookup(path, preview.size).image.size(), preview.result);
    }

    void cacheFollowsThePicture()
    {
        const QString path = dir->filePath("my photo.jpg");
        QVERIFY(writeSolidPicture(path, Qt::red, 400, 300));
        const ThumbnailCache cache(dir->filePath("thumbnails"));
        QCOMPARE(PictureLoader::makeThumbnail(cache, path).size(), QSize(128, 96));
        // Where every program sharing the cache looks: the MD5 of the picture's URI, private to
        // its owner. A screen of two device pixels per pixel takes the large size, in its own folder.
        const QString uri = "file://" + QString(dir->path()).replace(' ', "%20") + "/my%20photo.jpg";
        const QString name = QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex() + ".png";
        QCOMPARE(int(QFile::permissions(dir->filePath("thumbnails/normal/" + name)) & 0x7077),
            int(QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(!PictureLoader::makeThumbnail(cache, path, ThumbnailCache::Size::Large).isNull());
        QCOMPARE(QImage(dir->filePath("thumbnails/large/" + name)).size(), QSize(256, 192));
        // Only a thumbnail found up to date comes with its picture.
        QCOMPARE(cache.lookup(path).image.text("Thumb::URI"), uri);

        // A picture changed since is made again, in its new colour.
        QVERIFY(writeSolidPicture(path, Qt::blue, 400, 300));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite)
            && file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFile::FileModificationTime));
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::Missing);
        QCOMPARE(QColor(PictureLoader::makeThumbnail(cache, path).pixel(10, 10)).blue(), 254);
        QCOMPARE(cache.lookup(path).status, ThumbnailCache::Status::Found);

        // The loader's answers each carry the ticket asked with; thumbnails come at the size of
        // their box.
        PictureLoader loader(dir->filePath("thumbnails"));
        loader.keepShownPicturesIn(dir->filePath("shown"));
        QSignalSpy thumbnails(&loader, &PictureLoader::thumbnailLoaded);
        QSignalSpy pictures(&loader, &PictureLoader::pictureLoaded);
        loader.loadThumbnail(7, path, QSize(113, 90));
        loader.loadPicture(9, path, QSize(433, 337));
        // Boxes drawn at twice the pixels come from the large thumbnail, made again for the change.
        loader.loadThumbnail(10, path, QSize(226, 180));
        QTRY_COMPARE(thumbnails.size() + pictures.size(), 3);
        QMap<quint64, QSize> sizes;
        for (const QList<QVariant>& answer : thumbnails + pictures) {
            sizes.insert(answer.at(0).toULongLong(), answer.at(1).value<QImage>().size());
        }
        QCOMPARE(
            sizes, (QMap<quint64, QSize> { { 7, { 113, 90 } }, { 9, { 433, 337 } }, { 10, { 226, 180 } } }));
        QCOMPARE(cache.lookup(path, ThumbnailCache::Size::Large).status, ThumbnailCache::Status::Found);

        // The show's next request is answered from the copy the first left; a picture that cannot
        // be decoded leaves none.
        QVERIFY(writeBytes(dir->filePath("broken.jpg"), "This is not a picture."));
        loader.loadPicture(11, dir->filePath("broken.jpg"), kShown);
        loader.loadPicture(12, path, kShown);
        QTRY_COMPARE(pictures.size(), 3);
        QCOMPARE(pictures[2].at(1).value<QImage>().size(), kShown);
        QCOMPARE(loader.shownCacheStats().hits, 1u);
        QCOMPARE(loader.shownCacheStats().misses, 2u);
        QCOMPARE(copies().size(), 1);
    }

    // The show's copy of a picture is taken while the picture's path, size and time are as they
    // were, and while the copy is whole and of the size asked; else it is made again. Photos are
    // kept as JPEG, other pictures without loss.
    void shownCopyTakenWhileCurrentAndWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Change>("change");
        QTest::newRow("photo") << "photo.jpg" << Change::None;
        QTest::newRow("drawing, kept without loss") << "drawing.png" << Change::None;
        QTest::newRow("photo touched") << "photo.jpg" << Change::PictureTouched;
        QTest::newRow("photo of another size, same time") << "photo.jpg" << Change::PictureResized;
        QTest::newRow("copy cut short") << "photo.jpg" << Change::CopyCutShort;
        QTest::newRow("copy of another size") << "photo.jpg" << Change::CopyResized;
    }

    void shownCopyTakenWhileCurrentAndWhole()
    {
        QFETCH(QString, name);
        QFETCH(Change, change);
        const QString path = picture(name);
        ShownPictureCache cache(dir->filePath("shown"));
        const QImage decoded = PictureDecoder::decode(path, kShown, kStretch);
        QVERIFY(cache.store(path, kShown, kStretch, decoded));
        const QString copy = copies().value(0);
        QCOMPARE(QFileInfo(copy).suffix(), name.endsWith(".jpg") ? "jpg" : "png");
        const QDateTime modified = QFileInfo(path).lastModified();
        if (change == Change::PictureTouched) {
            QVERIFY(setModified(path, modified.addSecs(60)));
        } else if (change == Change::PictureResized) {
            QVERIFY(QFile::resize(path, QFileInfo(path).size() + 1) && setModified(path, modified));
        } else if (change == Change::CopyCutShort) {
            QVERIFY(QFile::resize(copy, QFileInfo(copy).size() / 2));
        } else if (change == Change::CopyResized) {
            QVERIFY(QImage(200, 100, QImage::Format_RGB32).save(copy, "jpeg"));
        }
        QImage found = cache.lookup(path, kShown, kStretch);
        QCOMPARE(found.isNull(), change != Change::None);
        if (found.isNull()) {
            // Made again, and taken from then on.
            QVERIFY(cache.store(path, kShown, kStretch, PictureDecoder::decode(path, kShown, kStretch)));
            found = cache.lookup(path, kShown, kStretch);
        }
        for (const QPoint& at : { QPoint(5, 5), QPoint(428, 330) }) {
            QVERIFY(nearColour(found.pixelColor(at), decoded.pixelColor(at)));
        }
    }

    // Past the limit, the copies shown longest ago go until well under it; files the cache did
    // not make stay, however old.
    void shownCopiesLeastRecentlyShownGoFirst()
    {
        ShownPictureCache cache(dir->filePath("shown"));
        const QDateTime now = QDateTime::currentDateTime();
        QStringList made;
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg" }) {
            const QString path = picture(name);
            QVERIFY(cache.store(path, kShown, kStretch, PictureDecoder::decode(path, kShown, kStretch)));
            // The newest, the others having been put in the past.
            made.append(copies().first());
            QVERIFY(setModified(made.last(), now.addSecs(made.size() * 100 - 1000)));
        }
        const QStringList foreign { dir->filePath("shown/notes.txt"), dir->filePath("shown/0123abcdef.jpg") };
        for (const QString& path : foreign) {
            QVERIFY(writeBytes(path, QByteArray(1 << 20, 'x')) && setModified(path, now.addDays(-9)));
        }
        ShownPictureCache limited(dir->filePath("shown"), QFileInfo(made[0]).size() * 7 / 2);
        QVERIFY(!limited.lookup(dir->filePath("a.jpg"), kShown, kStretch).isNull());
        const QString d = picture("d.jpg");
        QVERIFY(limited.store(d, kShown, kStretch, PictureDecoder::decode(d, kShown, kStretch)));
        const QStringList kept = copies();
        QCOMPARE(kept.size(), 5);
        QVERIFY(!kept.contains(made[1]) && kept.contains(made[0]) && kept.contains(made[2]));
        QVERIFY(kept.contains(foreign[0]) && kept.contains(foreign[1]));
    }

private:
    // A photo, or a drawing, red on its left half and blue on its right.
    QString picture(const QString& name) const
    {
        const QString path = dir->filePath(name);
        return halves({ 1600, 1200 }, Qt::red, Qt::blue).save(path) ? path : QString();
    }
    // The files of the copies' folder, the newest first.
    QStringList copies() const
    {
        QStringList paths;
        for (const QFileInfo& info : QDir(dir->filePath("shown")).entryInfoList(QDir::Files, QDir::Time)) {
            paths.append(info.filePath());
        }
        return paths;
    }

    std::optional<QTemporaryDir> dir;
};

QTEST_MAIN(TestPictureLoader)
#include "tst_pictureloader.moc"
