#include "images/PictureLoader.h"
#include "images/ThumbnailStrip.h"
#include "show/ShowLauncher.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QStandardPaths>
#include <QtTest>
#include <QtWidgets>
#include <ranges>

using namespace vellumora;

// The image library panel: the list, the thumbnail strip and its scroll bar follow the library.
class TestImageLibrary : public QObject {
    Q_OBJECT
private slots:
    // The dialogs open there, where it is.
    void initTestCase() { QDir().mkpath(picturesFolder); }
    void init() { f.reset(); }

    void stripScrolls_data()
    {
        QTest::addColumn<int>("pictures");
        QTest::newRow("empty") << 0;
        QTest::newRow("four") << 4;
        // Past 32767 pixels the bar still reaches the end.
        QTest::newRow("four hundred") << 400;
    }

    // From four pictures on, the bar and the wheel scroll the strip, a notch the bar's step (a
    // touchpad's parts of one add up), until the last thumbnail ends 19 px above the holder's
    // bottom; when the show ends, the strip is back at its top.
    void stripScrolls()
    {
        QFETCH(int, pictures);
        f.addPictures(QList<QColor>(pictures, Qt::red));
        f.load();
        QCOMPARE(bar()->isVisibleTo(f.find<QWidget>("fraImageLibrary")), pictures >= 4);
        // Each turn of the wheel, and the notches down the strip after it.
        for (const QPoint turn : { QPoint(-120, 1), QPoint(-60, 1), QPoint(-60, 2), QPoint(240, 0) }) {
            QWheelEvent wheel(QPointF(40, 40), QPointF(), QPoint(), QPoint(0, turn.x()), Qt::NoButton,
                Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(strip(), &wheel);
            QCOMPARE(strip()->y(), -std::min(turn.y() * bar()->singleStep(), bar()->maximum()));
        }
        if (pictures >= 4) {
            bar()->setValue(bar()->maximum());
            auto* holder = f.find<QWidget>("picHolder");
            const QPoint end = ThumbnailStrip::thumbnailRect(pictures).bottomLeft();
            QCOMPARE(holder->height() - strip()->mapTo(holder, end).y(), 20);
        }
        if (pictures == 4) {
            // Deleted down to three, the strip loses its bar and comes back into view; a press
            // with nothing selected deletes nothing, and nothing stays selected after a delete.
            deletePicture();
            select(1);
            deletePicture();
            deletePicture();
            QCOMPARE(f.listed("lvwDisplay"), (QStringList { "2.png", "3.png", "4.png" }));
            QVERIFY(!bar()->isEnabled());
        } else if (pictures > 4) {
            f.window->findChild<ShowLauncher*>()->back();
        }
        QCOMPARE(strip()->y(), 0);
    }

    // A picture that cannot be read is marked so in its box, never left blank, and told so to a
    // screen reader, which walks the strip box by box; the boxes after it keep their places.
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
        QAccessibleInterface* boxes = QAccessible::queryAccessibleInterface(strip());
        QCOMPARE(boxes->childCount(), names.size());
        QStringList spoken;
        for (int i = 1; i <= names.size(); ++i) {
            const QColor colour = drawn.pixelColor(ThumbnailStrip::thumbnailRect(i).topLeft() + QPoint(3, 3));
            spoken << boxes->child(i - 1)->text(QAccessible::Name)
                    + (nearColour(colour, expected[i - 1]) ? "" : " drawn " + colour.name());
        }
        QCOMPARE(spoken,
            (QStringList { "red.jpg", "missing.jpg, cannot be read", "text.jpg, cannot be read", "blue.bmp",
                "Picture 5, cannot be read", "huge.jpg, cannot be read", "green.jpg" }));
        QCOMPARE(boxes->child(1)->rect().size(), ThumbnailStrip::thumbnailRect(2).size());
        QCOMPARE(boxes->indexOfChild(boxes->child(1)), 1);
        // The thumbnails after a deleted one move up with their pictures, decoded once.
        select(5);
        deletePicture();
        QCOMPARE(strip()->waitingCount(), 0);
        QCOMPARE(QColor(strip()->thumbnail(6).pixel(50, 40)).green(), 255);
        // Another program writes a picture over and puts the list in another order: the picture
        // is made again where it went, and the one selected stays selected.
        select(6);
        QVERIFY(writeSolidPicture(store + "red.jpg", Qt::yellow, 200, 150));
        QVERIFY(writeBytes(store + "record.txt", recordOf({ "green.jpg", "blue.bmp", "red.jpg" })));
        f.library->takeChanges({ f.library->folder() + "/SystemFolder" });
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(list()->currentIndex().data().toString(), "green.jpg");
        QCOMPARE(QColor(strip()->thumbnail(3).pixel(50, 40)), QColor(Qt::yellow));
    }

    // Scrolled far while the first are being made, the boxes in view are made next; only the
    // boxes near the view keep their pixels, so memory does not grow with the library; a change
    // decodes only the new picture. The dialog offers the picture types with JPG chosen, and
    // opens again where the last was chosen.
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
        const qsizetype lastInView
            = std::max({ order.indexOf(77), order.indexOf(78), order.indexOf(79), order.indexOf(80) });
        const auto early = std::count_if(order.cbegin(), order.cbegin() + lastInView,
            [askedBefore](int i) { return i > askedBefore && i < 77; });
        QVERIFY2(early < threads, qPrintable(QString("%1 came before those in view").arg(early)));
        const auto kept = std::ranges::count_if(std::views::iota(1, strip()->count() + 1),
            [this](int i) { return !strip()->thumbnail(i).isNull(); });
        QVERIFY(strip()->thumbnail(1).isNull() && !strip()->thumbnail(80).isNull());
        QVERIFY(kept <= 4 + ThumbnailStrip::kKeptMargin + 1);

        QSignalSpy decoded(loader, &PictureLoader::thumbnailLoaded);
        const QString chosen = f.path("Holiday.JPG");
        QVERIFY(writeSolidPicture(chosen, Qt::red));
        f.platform->chosenFiles << chosen << chosen;
        addPicture();
        select(3);
        deletePicture();
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QCOMPARE(decoded.size(), 1);
        QVERIFY(nearColour(strip()->thumbnail(80).pixelColor(50, 40), Qt::red));
        const OpenFileRequest& first = f.platform->fileRequests.at(0);
        // Every kind it reads first, chosen; then each kind of its own.
        QVERIFY(first.title == "Add Pictures" && first.initialPath == picturesFolder
            && first.selectedFilter == 0);
        QCOMPARE(first.filters.at(2), (FileFilter { "JPG File(*.jpg)", "*.jpg" }));
        QCOMPARE(first.filters.at(0).label, "All Pictures");
        for (const char* kind : { "*.jpg", "*.jpeg", "*.png", "*.bmp", "*.gif", "*.webp", "*.tiff" }) {
            QVERIFY(first.filters.at(0).pattern.split(';').contains(kind));
        }
        addPicture();
        QCOMPARE(f.platform->fileRequests.at(1).initialPath, chosen);
        QCOMPARE(f.lastMessage(), "This Picture is Already available Please Select Another Picture ");
        bar()->setValue(0);
        QTRY_COMPARE(strip()->waitingCount(), 0);
        QVERIFY(!strip()->thumbnail(1).isNull() && strip()->thumbnail(80).isNull());
    }

    // Files dropped from a file manager, or chosen in Add together, are added in that order; one
    // message names each that could not be, a folder by its empty name; anything but a local file
    // is passed over without a word. Until then the empty strip says how to add one, and there is nothing to
    // delete. With a record that cannot be read, the dialog does not even open.
    void picturesByDragAndDrop()
    {
        f.load();
        // Below the thumbnails, down to the holder's bottom.
        const auto hinted = [this] {
            return drawnBetween(
                strip(), strip()->count() * ThumbnailStrip::kPitch, f.find<QWidget>("picHolder")->height());
        };
        QVERIFY(hinted() && !f.find<QPushButton>("cmdDeletePicture")->isEnabled());
        for (const char* name : { "a.jpg", "b.jpg", "c.jpg" }) {
            QVERIFY(writeSolidPicture(f.path(name), Qt::green));
        }
        const QUrl web("https://example.com/x.jpg");
        QVERIFY(!drop({ web }));
        QVERIFY(drop({ local("b.jpg"), web, local("a.jpg"), local("gone.jpg"), local("b.jpg"),
            local("SystemFolder/") }));
        QCOMPARE(f.listed("lvwDisplay"), (QStringList { "b.jpg", "a.jpg" }));
        QVERIFY(!hinted() && f.find<QPushButton>("cmdDeletePicture")->isEnabled());
        QCOMPARE(f.platform->messages.size(), 1);
        QVERIFY(f.lastMessage().contains("gone.jpg: ")
            && f.lastMessage().contains("b.jpg: This Picture is Already")
            && f.lastMessage().contains("A picture named \"\" cannot be kept"));
        // Several chosen in Add at once are added so too.
        f.platform->chosenFiles = { f.path("c.jpg") + '\n' + f.path("gone.jpg") };
        addPicture();
        QCOMPARE(f.listed("lvwDisplay"), (QStringList { "b.jpg", "a.jpg", "c.jpg" }));
        QVERIFY(f.platform->messages.size() == 2 && f.lastMessage().contains("gone.jpg: "));
        // A folder's pictures in the order of their names, but for one there already; a cancel
        // leaves the library as it was.
        QVERIFY(QDir().mkpath(f.path("Photos/sub")) && QFile::copy(f.path("a.jpg"), f.path("Photos/a.jpg")));
        for (const char* name : { "Photos/y.PNG", "Photos/x.jpg", "Photos/sub/z.jpg" }) {
            QVERIFY(writeSolidPicture(f.path(name), Qt::blue));
        }
        QVERIFY(writeBytes(f.path("Photos/notes.txt"), "not a picture"));
        const auto before = filesBelow(f.path("SystemFolder"));
        f.platform->chosenFiles = { f.path("Photos"), f.path("Photos") };
        f.platform->cancelWorkAfterFiles = { 2 };
        addFolder();
        QCOMPARE(filesBelow(f.path("SystemFolder")), before);
        addFolder();
        QCOMPARE(f.listed("lvwDisplay"), (QStringList { "b.jpg", "a.jpg", "c.jpg", "x.jpg", "y.PNG" }));
        QCOMPARE(f.lastMessage(),
            "These pictures could not be added:\n"
            "a.jpg: This Picture is Already available Please Select Another Picture ");
        QCOMPARE(f.platform->folderRequests,
            (QStringList { "Add Folder|" + picturesFolder, "Add Folder|" + f.path("Photos") }));

        QVERIFY(QFile::remove(f.path("SystemFolder/record.txt"))
            && QDir().mkpath(f.path("SystemFolder/record.txt")));
        f.load();
        addPicture();
        QCOMPARE(f.platform->fileRequests.size(), 1);
        QCOMPARE(f.lastMessage(),
            "The picture list could not be read when the program started, so it cannot be changed now.");
    }

private:
    ThumbnailStrip* strip() { return f.window->findChild<ThumbnailStrip*>(); }
    QScrollBar* bar() { return f.find<QScrollBar>("ScrollBar1"); }
    QTreeView* list() { return f.find<QTreeView>("lvwDisplay"); }
    void select(int entry) { list()->setCurrentIndex(list()->model()->index(entry - 1, 0)); }
    void addPicture() { f.find<QPushButton>("cmdAddPicture")->click(); }
    void addFolder() { f.find<QAction>("mnuAddFolder")->trigger(); }
    void deletePicture() { f.find<QPushButton>("cmdDeletePicture")->click(); }
    QUrl local(const QString& name) { return QUrl::fromLocalFile(f.path(name)); }
    // Drags the files over the panel and, if it takes them, drops them there.
    bool drop(const QList<QUrl>& urls)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.find<QWidget>("fraImageLibrary"), &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        const bool taken
            = enter.isAccepted() && QApplication::sendEvent(f.find<QWidget>("fraImageLibrary"), &dropped);
        // The files are added once the drop has ended.
        QCoreApplication::sendPostedEvents(f.find<QWidget>("fraImageLibrary"), QEvent::MetaCall);
        return taken;
    }

    MainWindowFixture f;
    // Where the dialogs open first.
    const QString picturesFolder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
};

QTEST_MAIN(TestImageLibrary)
#include "tst_imagelibrary.moc"
