#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "platform/DataFile.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTreeView>

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

        QCOMPARE(strip()->count(), pictures);
        QCOMPARE(bar()->isVisibleTo(f.find<QWidget>("fraImageLibrary")), barShown);
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

        // The thumbnails after a deleted one move up with their pictures, decoded once.
        select(5);
        deletePicture();
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
        const int threads = f.window->findChild<PictureLoader*>()->threadCount();
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

        QSignalSpy decoded(f.window->findChild<PictureLoader*>(), &PictureLoader::thumbnailLoaded);
        const QString chosen = f.path("new.jpg");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen;
        addPicture();
        select(3);
        deletePicture();
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(decoded.size(), 1);
    }

    void addAsksTheDialog()
    {
        load();
        const QString chosen = f.path("Holiday.JPG");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen;
        addPicture();
        QCOMPARE(shownNames(), QStringList { "Holiday.JPG" });
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
        QCOMPARE(shownNames().size(), 1);
        f.platform->chosenFiles << chosen;
        addPicture(); // the same again
        QCOMPARE(f.lastMessage(), "This Picture is Already available Please Select Another Picture ");

        // With a record that cannot be read, the dialog does not even open.
        QVERIFY(QFile::remove(f.path("SystemFolder/record.txt")));
        QVERIFY(QDir().mkpath(f.path("SystemFolder/record.txt")));
        load();
        const qsizetype asks = f.platform->fileRequests.size();
        addPicture();
        QCOMPARE(f.platform->fileRequests.size(), asks);
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Critical);
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
        QCOMPARE(strip()->count(), 6);
        QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record(names));

        for (int left = 5; left >= 0; --left) {
            select(1);
            deletePicture();
            names.removeFirst();
            QCOMPARE(strip()->count(), left);
            QCOMPARE(shownNames(), names);
            QCOMPARE(bar()->isVisibleTo(f.find<QWidget>("fraImageLibrary")), left >= 4);
            QCOMPARE(bar()->isEnabled(), left >= 4);
            QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), record(names));
        }
        QCOMPARE(strip()->y(), 0);
        QCOMPARE(QDir(f.path("SystemFolder")).entryList(QDir::Files), QStringList { "record.txt" });
        QVERIFY(f.platform->messages.isEmpty());
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
    ThumbnailStrip* strip() { return f.window->findChild<ThumbnailStrip*>(); }
    QScrollBar* bar() { return f.find<QScrollBar>("ScrollBar1"); }
    QWidget* holder() { return f.find<QWidget>("picHolder"); }
    QTreeView* list() { return f.find<QTreeView>("lvwDisplay"); }
    QStringList shownNames()
    {
        QStringList names;
        for (int row = 0; row < list()->model()->rowCount(); ++row) {
            names.append(list()->model()->index(row, 0).data().toString());
        }
        return names;
    }
    void select(int entry) { list()->setCurrentIndex(list()->model()->index(entry - 1, 0)); }
    void addPicture() { f.find<QPushButton>("cmdAddPicture")->click(); }
    void deletePicture() { f.find<QPushButton>("cmdDeletePicture")->click(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestImageLibrary)
#include "tst_imagelibrary.moc"
