#include "images/ImageLibraryPanel.h"
#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "platform/DataFile.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "support/UnprivilegedFileAccess.h"

#include <QFile>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <sys/stat.h>

using namespace vellumora;

namespace {

const QColor kEmptyBox(192, 192, 255);

QByteArray record(const QStringList& names)
{
    QByteArray bytes;
    for (const QString& name : names) {
        bytes += '"' + name.toUtf8() + "\"\r\n";
    }
    return bytes;
}

} // namespace

class TestImageLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() { f.reset(); }
    void cleanup() { f.window.reset(); }

    void stripArithmetic_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::addColumn<bool>("barShown");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("stripHeight");
        QTest::newRow("empty") << 0 << false << 0 << 0;
        QTest::newRow("three") << 3 << false << 0 << 276;
        QTest::newRow("four") << 4 << true << 13 << 368;
        QTest::newRow("five") << 5 << true << 105 << 460;
        // Past 32767 the bar still reaches the end.
        QTest::newRow("four hundred") << 400 << true << 36445 << 36800;
    }

    void stripArithmetic()
    {
        QFETCH(int, pictures);
        QFETCH(bool, barShown);
        QFETCH(int, maximum);
        QFETCH(int, stripHeight);
        QStringList names;
        for (int i = 1; i <= pictures; ++i) {
            names << QStringLiteral("picture %1.jpg").arg(i);
        }
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record(names)));
        load();

        QCOMPARE(panel()->intImageCount(), pictures);
        QCOMPARE(strip()->count(), pictures);
        QCOMPARE(bar()->isVisibleTo(panel()), barShown);
        QCOMPARE(bar()->maximum(), maximum);
        if (pictures == 0) {
            return;
        }
        QCOMPARE(strip()->height(), stripHeight);
        QCOMPARE(ThumbnailStrip::thumbnailRect(pictures), QRect(8, (pictures - 1) * 92, 113, 90));
        if (barShown) {
            QVERIFY(bar()->isEnabled());
            QCOMPARE(bar()->pageStep(), maximum);
            QCOMPARE(bar()->singleStep(), 40);
            // At the end, the last thumbnail ends 19 px above the holder's bottom.
            bar()->setValue(bar()->maximum());
            QCOMPARE(strip()->y(), -maximum);
            const int bottom
                = strip()->mapTo(holder(), ThumbnailStrip::thumbnailRect(pictures).bottomLeft()).y() + 1;
            QCOMPARE(holder()->height() - bottom, 19);
        }
    }

    void picturesAndEmptyBoxesKeepTheirPlaces()
    {
        const QString store = f.path("SystemFolder/");
        QVERIFY(writeSolidPicture(store + "red.jpg", Qt::red));
        QVERIFY(writeBytes(store + "text.jpg", "not a picture"));
        QVERIFY(writeSolidPicture(store + "blue.bmp", Qt::blue));
        QVERIFY(writeBytes(store + "huge.jpg", jpegSkeleton(60000, 60000, false, 3, 1)));
        QVERIFY(writeSolidPicture(store + "green.jpg", Qt::green));
        QVERIFY(writeBytes(f.path("outside.txt"), "keep"));
        const QStringList names { "red.jpg", "missing.jpg", "text.jpg", "blue.bmp", "../outside.txt",
            "huge.jpg", "green.jpg" };
        QVERIFY(writeDataFile(store + "record.txt", record(names)));
        load();
        QTRY_COMPARE(strip()->waitingCount(), 0);

        const QImage drawn = strip()->grab().toImage();
        const QList<QColor> expected { Qt::red, kEmptyBox, kEmptyBox, Qt::blue, kEmptyBox, kEmptyBox,
            Qt::green };
        for (int i = 1; i <= names.size(); ++i) {
            const QColor seen = drawn.pixelColor(ThumbnailStrip::thumbnailRect(i).center());
            QVERIFY2(qAbs(seen.red() - expected[i - 1].red()) < 8
                    && qAbs(seen.green() - expected[i - 1].green()) < 8
                    && qAbs(seen.blue() - expected[i - 1].blue()) < 8,
                qPrintable(QStringLiteral("thumbnail %1 is %2").arg(i).arg(seen.name())));
        }
        QCOMPARE(panel()->intImageCount(), names.size());
        QCOMPARE(panel()->picturePath(5), QString());

        // Deleting the hostile entry rewrites the record and touches nothing outside the store.
        select(5);
        deletePicture();
        QCOMPARE(readBytes(f.path("outside.txt")), "keep");
        QCOMPARE(readBytes(store + "record.txt"), record(QStringList(names).mid(0, 4) + names.mid(5)));
        // The thumbnails after it move up with their pictures, decoded once.
        QCOMPARE(strip()->waitingCount(), 0);
        QCOMPARE(QColor(strip()->thumbnail(6).pixel(50, 40)).green(), 255);
    }

    void thumbnailsInViewComeFirstAndChangesDecodeOnlyTheNew()
    {
        QStringList names;
        for (int i = 1; i <= 40; ++i) {
            names << QStringLiteral("%1.jpg").arg(i);
            QVERIFY(writeSolidPicture(f.path("SystemFolder/" + names.last()), Qt::darkCyan));
        }
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record(names)));
        load();
        QList<int> order;
        connect(strip(), &ThumbnailStrip::thumbnailReady, this, [&order](int i) { order.append(i); });
        // The user scrolls to the end while the first are being decoded.
        const int threads = f.window->pictureLoader().threadCount();
        const int askedBefore = strip()->count() - strip()->waitingCount() + threads;
        bar()->setValue(bar()->maximum());
        QTRY_COMPARE(strip()->waitingCount(), 0);
        // The four in view are the next asked for. Those asked for before the scroll may finish
        // any time, and one asked for after the four can overtake them only while one of them
        // is still being decoded.
        qsizetype lastInView = 0;
        for (int i = 37; i <= 40; ++i) {
            lastInView = std::max(lastInView, order.indexOf(i));
        }
        const QList<int> overtakers = order.mid(0, lastInView);
        const auto early = std::count_if(overtakers.cbegin(), overtakers.cend(),
            [askedBefore](int i) { return i > askedBefore && i < 37; });
        QVERIFY2(early < threads, qPrintable(QStringLiteral("%1 came before those in view").arg(early)));

        QSignalSpy decoded(&f.window->pictureLoader(), &PictureLoader::thumbnailLoaded);
        const QString chosen = f.path("new.jpg");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen;
        addPicture();
        select(3);
        deletePicture();
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(decoded.size(), 1);
    }

    void addCopiesAndRecords()
    {
        // A file of the same name lying unlisted in the store is replaced.
        QVERIFY(writeBytes(f.path("SystemFolder/Holiday.JPG"), "left behind"));
        load();
        const QString chosen = f.path("Holiday.JPG");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen;
        addPicture();

        QCOMPARE(readBytes(f.path("SystemFolder/Holiday.JPG")), readBytes(chosen));
        QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), QByteArray("\"Holiday.JPG\"\r\n"));
        QCOMPARE(list()->topLevelItem(0)->text(0), "Holiday.JPG");
        QCOMPARE(panel()->intImageCount(), 1);
        QTRY_VERIFY(!strip()->thumbnail(1).isNull());

        const OpenFileRequest& asked = f.platform->fileRequests.at(0);
        QCOMPARE(asked.title, "Vellumora");
        const QList<FileFilter> filters { { "BMP File (*.bmp*)", "*.bmp" }, { "JPG File(*.jpg)", "*.jpg" },
            { "JPEG Files (*.jpeg)", "*.jpeg" } };
        QCOMPARE(asked.filters, filters);
        QCOMPARE(asked.selectedFilter, 1);
        QCOMPARE(asked.initialPath, QString());
        addPicture(); // cancelled
        QCOMPARE(f.platform->fileRequests.at(1).initialPath, chosen);
        QCOMPARE(list()->topLevelItemCount(), 1);
        QVERIFY(f.platform->messages.isEmpty());
    }

    void duplicateRule_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("duplicate");
        QTest::newRow("same name") << "beach.jpg" << true;
        QTest::newRow("other case") << "Beach.jpg" << false;
        QTest::newRow("trailing blank") << "beach.jpg " << false;
    }

    void duplicateRule()
    {
        QFETCH(QString, name);
        QFETCH(bool, duplicate);
        QVERIFY(writeBytes(f.path("SystemFolder/beach.jpg"), "stored"));
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record({ "beach.jpg" })));
        load();
        QVERIFY(QDir(f.dir->path()).mkdir("elsewhere"));
        const QString chosen = f.path("elsewhere/" + name);
        QVERIFY(writeBytes(chosen, "chosen"));
        f.platform->chosenFiles << chosen;
        addPicture();

        QCOMPARE(readBytes(f.path("SystemFolder/beach.jpg")), "stored");
        QCOMPARE(list()->topLevelItemCount(), duplicate ? 1 : 2);
        QCOMPARE(f.platform->messages.size(), duplicate ? 1 : 0);
        if (duplicate) {
            QCOMPARE(f.platform->messages[0].text,
                "This Picture is Already available Please Select Another Picture ");
            QCOMPARE(f.platform->messages[0].icon, MessageIcon::Critical);
            QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record({ "beach.jpg" }));
        }
    }

    void failedAddLosesNothing_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("recordWritable");
        QTest::newRow("source vanished") << "gone.jpg" << true;
        QTest::newRow("name with a quote") << "say \"cheese\".jpg" << true;
        QTest::newRow("record cannot be written") << "new.jpg" << false;
    }

    void failedAddLosesNothing()
    {
        QFETCH(QString, chosen);
        QFETCH(bool, recordWritable);
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record({ "a.jpg" })));
        load();
        if (chosen != "gone.jpg") {
            QVERIFY(writeBytes(f.path(chosen), "picture"));
        }
        if (!recordWritable) {
            // A folder where the record's temporary file would go keeps the record from being replaced.
            QVERIFY(QFile::remove(f.path("SystemFolder/record.txt")));
            QVERIFY(QDir(f.dir->path()).mkpath("SystemFolder/record.txt"));
        }
        f.platform->chosenFiles << f.path(chosen);
        addPicture();

        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(f.platform->messages[0].icon, MessageIcon::Critical);
        QCOMPARE(list()->topLevelItemCount(), 1);
        QVERIFY(!QFile::exists(f.path("SystemFolder/" + chosen)));
        if (recordWritable) {
            QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record({ "a.jpg" }));
        }
    }

    void deleteFromSixDownToNothing()
    {
        QStringList names;
        for (int i = 1; i <= 6; ++i) {
            names << QStringLiteral("%1.jpg").arg(i);
            QVERIFY(writeSolidPicture(f.path("SystemFolder/" + names.last()), Qt::gray));
        }
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record(names)));
        load();
        bar()->setValue(bar()->maximum());

        deletePicture(); // nothing selected
        QCOMPARE(panel()->intImageCount(), 6);
        QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record(names));

        for (int left = 5; left >= 0; --left) {
            select(1);
            deletePicture();
            names.removeFirst();
            QCOMPARE(panel()->intImageCount(), left);
            QCOMPARE(strip()->count(), left);
            QCOMPARE(bar()->isVisibleTo(panel()), left >= 4);
            QCOMPARE(bar()->isEnabled(), left >= 4);
            QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record(names));
        }
        QCOMPARE(strip()->y(), 0);
        QCOMPARE(QDir(f.path("SystemFolder")).entryList(QDir::Files), QStringList { "record.txt" });
        QVERIFY(f.platform->messages.isEmpty());
    }

    void failedDeleteKeepsThePicture()
    {
        const QStringList names { "a long picture name.jpg", "b.jpg" };
        QVERIFY(writeBytes(f.path("SystemFolder/b.jpg"), "picture"));
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record(names)));
        load();
        select(2);
        {
            const FileSizeLimit limit(8);
            deletePicture();
        }
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record(names));
        QCOMPARE(readBytes(f.path("SystemFolder/b.jpg")), "picture");
        QCOMPARE(list()->topLevelItemCount(), 2);
    }

    // A library kept on Windows: the record in Windows-1252, a picture whose name is in the same
    // bytes on disk.
    void windows1252Library()
    {
        const NativePath store(f.path("SystemFolder"));
        const NativePath depart = store.child("d\xE9part.jpg");
        QVERIFY(writeSolidPicture(f.path("SystemFolder/red.jpg"), Qt::red));
        QCOMPARE(std::rename(store.child("red.jpg").bytes(), depart.bytes()), 0);
        QVERIFY(writeSolidPicture(f.path("SystemFolder/beach.jpg"), Qt::blue));
        const QByteArray before("\"d\xE9part.jpg\"\r\n\"beach.jpg\"\r\n");
        QVERIFY(writeBytes(store.child("record.txt"), before));
        load();
        QCOMPARE(list()->topLevelItem(0)->text(0), "départ.jpg");
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(QColor(strip()->thumbnail(1).pixel(50, 40)).red(), 254);

        const QString chosen = f.path("Straße.jpg");
        QVERIFY(writeSolidPicture(chosen, Qt::green));
        f.platform->chosenFiles << chosen;
        addPicture();
        QCOMPARE(readBytes(store.child("record.txt")), before + "\"Stra\xDF\x65.jpg\"\r\n");
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(QColor(strip()->thumbnail(3).pixel(50, 40)).green(), 255);

        select(1);
        deletePicture();
        QCOMPARE(readBytes(depart), "<missing>");
        QCOMPARE(readBytes(store.child("record.txt")), "\"beach.jpg\"\r\n\"Stra\xDF\x65.jpg\"\r\n");
        QVERIFY(f.platform->messages.isEmpty());
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
        const QString record = f.path("SystemFolder/record.txt");
        const QByteArray names = "\"a.jpg\"\r\n\"b.jpg\"\r\n";
        // The whole folder open to "nobody", all but the record.
        for (const QString& folder : { f.dir->path(), f.path("system"), f.path("SystemFolder") }) {
            QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
        }
        if (folderInItsPlace) {
            QVERIFY(QDir().mkpath(record));
        } else {
            QVERIFY(writeBytes(record, names));
            QCOMPARE(::chmod(QFile::encodeName(record).constData(), 0200), 0);
        }
        {
            const UnprivilegedFileAccess nobody;
            load();
        }
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(list()->topLevelItemCount(), 0);

        f.platform->chosenFiles << f.path("new.jpg");
        QVERIFY(writeSolidPicture(f.path("new.jpg"), Qt::red));
        addPicture();
        deletePicture();
        QCOMPARE(f.platform->messages.size(), 2);
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Critical);
        QVERIFY(f.platform->fileRequests.isEmpty());
        QCOMPARE(list()->topLevelItemCount(), 0);
        QCOMPARE(readBytes(f.path("SystemFolder/new.jpg")), "<missing>");
        if (!folderInItsPlace) {
            QCOMPARE(readBytes(record), names);
        }
    }

    void activationReturnsToTheTop()
    {
        QStringList names;
        for (int i = 1; i <= 8; ++i) {
            names << QStringLiteral("%1.jpg").arg(i);
        }
        QVERIFY(writeDataFile(f.path("SystemFolder/record.txt"), record(names)));
        load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        bar()->setValue(200);
        QCOMPARE(strip()->y(), -200);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(strip()->y(), -200);
        f.window->activateWindow();
        QTRY_COMPARE(strip()->y(), 0);
        QCOMPARE(bar()->value(), 0);
    }

private:
    void load() { f.load(); }
    ImageLibraryPanel* panel() const { return f.window->imageLibrary(); }
    ThumbnailStrip* strip() const { return panel()->findChild<ThumbnailStrip*>(); }
    QScrollBar* bar() const { return panel()->findChild<QScrollBar*>(QStringLiteral("ScrollBar1")); }
    QWidget* holder() const { return panel()->findChild<QWidget*>(QStringLiteral("picHolder")); }
    QTreeWidget* list() const { return panel()->findChild<QTreeWidget*>(QStringLiteral("lvwDisplay")); }
    void select(int entry) { list()->topLevelItem(entry - 1)->setSelected(true); }
    void addPicture() { panel()->findChild<QPushButton*>(QStringLiteral("cmdAddPicture"))->click(); }
    void deletePicture() { panel()->findChild<QPushButton*>(QStringLiteral("cmdDeletePicture"))->click(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestImageLibrary)
#include "tst_imagelibrary.moc"
