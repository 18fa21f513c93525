#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "show/ShowLauncher.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

// The image library panel: the list, the thumbnail strip and its scroll bar follow the library.
class TestImageLibrary : public QObject {
    Q_OBJECT
private slots:
    void init() { f.reset(); }

    void scrollBarReachesTheLastThumbnail_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::newRow("empty") << 0;
        QTest::newRow("three") << 3;
        QTest::newRow("four") << 4;
        // Past 32767 pixels the bar still reaches the end.
        QTest::newRow("four hundred") << 400;
    }

    void scrollBarReachesTheLastThumbnail()
    {
        QFETCH(int, pictures);
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf(numbered(pictures))));
        f.load();
        QCOMPARE(strip()->count(), pictures);
        QCOMPARE(bar()->isVisibleTo(f.find<QWidget>("fraImageLibrary")), pictures >= 4);
        QCOMPARE(bar()->isEnabled(), pictures >= 4);
        if (pictures >= 4) {
            // At the end, the last thumbnail ends 19 px above the holder's bottom.
            bar()->setValue(bar()->maximum());
            const QPoint end = ThumbnailStrip::thumbnailRect(pictures).bottomLeft();
            QCOMPARE(f.find<QWidget>("picHolder")->height()
                    - strip()->mapTo(f.find<QWidget>("picHolder"), end).y(),
                20);
        }
    }

    // A picture that cannot be read is marked so in its box, never left blank; the boxes after
    // it keep their places.
    void picturesAndUnreadableMarksKeepTheirPlaces()
    {
        const QString store = f.path("SystemFolder/");
        QVERIFY(writeSolidPicture(store + "red.jpg", Qt::red));
        QVERIFY(writeBytes(store + "text.jpg", "not a picture"));
        QVERIFY(writeSolidPicture(store + "blue.bmp", Qt::blue));
        QVERIFY(writeBytes(store + "huge.jpg", jpegSkeleton(60000, 60000, false, 3, 1)));
        QVERIFY(writeSolidPicture(store + "green.jpg", Qt::green));
        const QStringList names { "red.jpg", "missing.jpg", "text.jpg", "blue.bmp", "../outside.txt",
            "huge.jpg", "green.jpg" };
        QVERIFY(writeBytes(store + "record.txt", recordOf(names)));
        f.load();
        QTRY_COMPARE(strip()->waitingCount(), 0);
        const QImage drawn = strip()->grab().toImage();
        const QColor marked(240, 240, 240);
        const QList<QColor> expected { Qt::red, marked, marked, Qt::blue, marked, marked, Qt::green };
        for (int i = 1; i <= names.size(); ++i) {
            QCOMPARE(strip()->unreadable(i), expected[i - 1] == marked);
            QVERIFY2(nearColour(drawn.pixelColor(ThumbnailStrip::thumbnailRect(i).topLeft() + QPoint(3, 3)),
                         expected[i - 1]),
                qPrintable(QString::number(i)));
        }
        // The thumbnails after a deleted one move up with their pictures, decoded once.
        select(5);
        deletePicture();
        QCOMPARE(strip()->waitingCount(), 0);
        QCOMPARE(QColor(strip()->thumbnail(6).pixel(50, 40)).green(), 255);
    }

    // A screen reader walks the strip box by box, each named after its picture.
    void thumbnailsAreAccessibleItems()
    {
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf({ "sea.jpg", "../outside.txt" })));
        f.load();
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(this->strip());
        QVERIFY(strip);
        QCOMPARE(strip->childCount(), 2);
        QCOMPARE(strip->child(0)->text(QAccessible::Name), "sea.jpg");
        QCOMPARE(strip->child(1)->text(QAccessible::Name), "Picture 2, cannot be read");
        QCOMPARE(strip->child(0)->rect().size(), ThumbnailStrip::thumbnailRect(1).size());
        QCOMPARE(strip->indexOfChild(strip->child(1)), 1);
    }

    // Scrolled far while the first are being made, the boxes in view are made next; only the
    // boxes near the view keep their pixels, so memory does not grow with the library; a change
    // decodes only the new picture.
    void thumbnailsNearTheView()
    {
        f.addPictures(QList<QColor>(80, Qt::darkCyan));
        f.load();
        QList<int> order;
        connect(strip(), &ThumbnailStrip::thumbnailReady, this, [&order](int i) { order.append(i); });
        auto* loader = f.window->findChild<PictureLoader*>();
        const int threads = loader->threadCount();
        const int askedBefore = strip()->count() - strip()->waitingCount() + threads;
        bar()->setValue(bar()->maximum());
        QTRY_COMPARE(strip()->waitingCount(), 0);
        // Those asked for before the scroll may finish any time, and one asked for after the four
        // in view overtakes them only while one of them is still being decoded.
        qsizetype lastInView = 0;
        for (int i = 77; i <= 80; ++i) {
            lastInView = std::max(lastInView, order.indexOf(i));
        }
        const auto early = std::count_if(order.cbegin(), order.cbegin() + lastInView,
            [askedBefore](int i) { return i > askedBefore && i < 77; });
        QVERIFY2(early < threads, qPrintable(QString("%1 came before those in view").arg(early)));
        const auto kept = [this] {
            int held = 0;
            for (int i = 1; i <= strip()->count(); ++i) {
                held += strip()->thumbnail(i).isNull() ? 0 : 1;
            }
            return held;
        };
        QVERIFY(strip()->thumbnail(1).isNull() && !strip()->thumbnail(80).isNull());
        QVERIFY(kept() <= 4 + ThumbnailStrip::kKeptMargin + 1);
        QSignalSpy decoded(loader, &PictureLoader::thumbnailLoaded);
        QVERIFY(writeSolidPicture(f.path("new.jpg"), Qt::red));
        f.platform->chosenFiles << f.path("new.jpg");
        addPicture();
        select(3);
        deletePicture();
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(decoded.size(), 1);
        bar()->setValue(0);
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QVERIFY(!strip()->thumbnail(1).isNull() && strip()->thumbnail(80).isNull());
    }

    void addAsksTheDialog()
    {
        f.load();
        const QString chosen = f.path("Holiday.JPG");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen;
        addPicture();
        QCOMPARE(f.listed("lvwDisplay"), QStringList { "Holiday.JPG" });
        QTRY_VERIFY(!strip()->thumbnail(1).isNull());
        // The dialog offers the picture types with JPG chosen.
        QCOMPARE(f.platform->fileRequests.at(0).filters.value(1).pattern, "*.jpg");
        QCOMPARE(f.platform->fileRequests.at(0).selectedFilter, 1);
        addPicture(); // cancelled
        QCOMPARE(f.platform->fileRequests.at(1).initialPath, chosen);
        f.platform->chosenFiles << chosen;
        addPicture();
        QCOMPARE(f.lastMessage(), "This Picture is Already available Please Select Another Picture ");
        QCOMPARE(f.listed("lvwDisplay").size(), 1);

        // With a record that cannot be read, the dialog does not even open.
        QVERIFY(QFile::remove(f.path("SystemFolder/record.txt")));
        QVERIFY(QDir().mkpath(f.path("SystemFolder/record.txt")));
        f.load();
        const qsizetype asks = f.platform->fileRequests.size();
        addPicture();
        QCOMPARE(f.platform->fileRequests.size(), asks);
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Critical);
    }

    // Files dropped from a file manager are added in the order dropped; one message names each
    // that could not be; anything but a local file is passed over without a word.
    void picturesByDragAndDrop()
    {
        f.load();
        for (const char* name : { "a.jpg", "b.jpg" }) {
            QVERIFY(writeSolidPicture(f.path(name), Qt::green));
        }
        const auto drop = [this](const QList<QUrl>& urls) {
            auto* panel = f.find<QWidget>("fraImageLibrary");
            QMimeData data;
            data.setUrls(urls);
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &enter);
            if (!enter.isAccepted()) {
                return false;
            }
            QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &dropped);
            return true;
        };
        QVERIFY(!drop({ QUrl("https://example.com/x.jpg") }));
        QVERIFY(drop({ QUrl::fromLocalFile(f.path("b.jpg")), QUrl("https://example.com/x.jpg"),
            QUrl::fromLocalFile(f.path("a.jpg")), QUrl::fromLocalFile(f.path("gone.jpg")),
            QUrl::fromLocalFile(f.path("b.jpg")) }));
        QCOMPARE(f.listed("lvwDisplay"), (QStringList { "b.jpg", "a.jpg" }));
        QCOMPARE(readBytes(f.path("SystemFolder/record.txt")), recordOf({ "b.jpg", "a.jpg" }));
        QCOMPARE(f.platform->messages.size(), 1);
        QVERIFY(f.lastMessage().contains("gone.jpg: ")
            && f.lastMessage().contains("b.jpg: This Picture is Already"));
        QTRY_COMPARE(strip()->waitingCount(), 0);
    }

    // Deleted down to three, the strip loses its bar and comes back into view; a press with
    // nothing selected deletes nothing, and nothing stays selected after a delete.
    void deletesDownToThree()
    {
        f.addPictures(QList<QColor>(5, Qt::gray));
        f.load();
        bar()->setValue(bar()->maximum());
        deletePicture();
        for (const int left : { 4, 3 }) {
            select(1);
            deletePicture();
            deletePicture();
            QCOMPARE(strip()->count(), left);
            QCOMPARE(bar()->isEnabled(), left >= 4);
        }
        QCOMPARE(f.listed("lvwDisplay"), (QStringList { "3.png", "4.png", "5.png" }));
        QCOMPARE(strip()->y(), 0);
        QCOMPARE(QDir(f.path("SystemFolder")).entryList(QDir::Files).size(), 4);
    }

    // The wheel scrolls by the bar's step; the strip goes back to its top when the user comes
    // back from the program's own windows, not from another program or a dialog.
    void wheelAndReturnToTheTop()
    {
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf(numbered(8))));
        f.load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        const auto wheel = [this](int angle) {
            QWheelEvent event(QPointF(40, 40), QPointF(), QPoint(), QPoint(0, angle), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(strip(), &event);
        };
        wheel(-120);
        QCOMPARE(bar()->value(), bar()->singleStep());
        wheel(-60);
        wheel(-60);
        QCOMPARE(strip()->y(), -2 * bar()->singleStep());
        wheel(+240);
        QCOMPARE(bar()->value(), 0);

        bar()->setValue(200);
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QCOMPARE(strip()->y(), -200);
        // The show ends: back at the top.
        QVERIFY(writeSolidPicture(f.path("SystemFolder/1.jpg"), Qt::red));
        f.find<QPushButton>("cmdDisplayAffirmations")->click();
        f.window->findChild<ShowLauncher*>()->back();
        QCOMPARE(strip()->y(), 0);
    }

private:
    static QStringList numbered(int count)
    {
        QStringList names;
        for (int i = 1; i <= count; ++i) {
            names << QString("%1.jpg").arg(i);
        }
        return names;
    }
    ThumbnailStrip* strip() { return f.window->findChild<ThumbnailStrip*>(); }
    QScrollBar* bar() { return f.find<QScrollBar>("ScrollBar1"); }
    QTreeView* list() { return f.find<QTreeView>("lvwDisplay"); }
    void select(int entry) { list()->setCurrentIndex(list()->model()->index(entry - 1, 0)); }
    void addPicture() { f.find<QPushButton>("cmdAddPicture")->click(); }
    void deletePicture() { f.find<QPushButton>("cmdDeletePicture")->click(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestImageLibrary)
#include "tst_imagelibrary.moc"
