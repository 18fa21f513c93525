#include "shell/DeleteHistory.h"
#include "support/ApplicationFolder.h"
#include "support/FileSizeLimit.h"
#include "support/Listing.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

using namespace vellumora;

namespace {

using Snapshot = QMap<QByteArray, QByteArray>;

// The libraries as the main window holds them, with a Trash of their own.
struct Libraries {
    explicit Libraries(bool usableTrash)
    {
        // A file where the Trash would be made leaves only the folder beside the library.
        if (!usableTrash) {
            writeBytes(trash, "no trash here");
        }
        QVERIFY(writeBytes(path("system/Caf\xE9.txt"), "\"na\xEFve\",#TRUE#\r\n"));
        QVERIFY(writeBytes(path("system/Health.txt"), "\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n"));
        QVERIFY(writeBytes(path("system/Work.txt"), "\"ship\",#TRUE#\r\n"));
        QVERIFY(
            writeBytes(path("item.txt"), "\"Caf\xE9\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n"));
        QVERIFY(writeBytes(path("SystemFolder/a.jpg"), "a"));
        QVERIFY(writeBytes(path("SystemFolder/b.jpg"), "b"));
        QVERIFY(writeBytes(path("SystemFolder/record.txt"), recordOf({ "a.jpg", "b.jpg" })));
        before = snapshot();
        categories.load();
        pictures.load();
    }

    NativePath path(const QByteArray& relative) const { return NativePath(dir->path()).child(relative); }

    // Every file of the library, by its bytes.
    Snapshot snapshot() const
    {
        Snapshot files;
        for (const QByteArray folder : { "", "system", "SystemFolder" }) {
            const NativePath at = folder.isEmpty() ? NativePath(dir->path()) : path(folder);
            for (const QByteArray& name : nativeFileNames(at)) {
                files.insert(folder + '/' + name, readBytes(at.child(name)));
            }
        }
        return files;
    }

    // One step: "choose 1" (a category), "pick 0" (an affirmation), "remove" (it), "drop" (the
    // chosen category), "delete 0" (a picture), "create Joy", "undo", "full" and "room" (writes
    // fail from here, and work again), "empty trash".
    void take(const QString& step)
    {
        const QString verb = step.section(' ', 0, 0);
        const int number = step.section(' ', 1).toInt();
        Outcome outcome;
        if (verb == "choose") {
            outcome = categories.choose(number);
        } else if (verb == "pick") {
            affirmations.choose(number);
        } else if (verb == "remove") {
            outcome = affirmations.removeSelected();
        } else if (verb == "drop") {
            outcome = categories.removeSelected();
        } else if (verb == "delete") {
            outcome = pictures.remove(number);
        } else if (verb == "create") {
            outcome = categories.create(step.section(' ', 1));
        } else if (verb == "undo") {
            outcome = history.undo();
        } else if (verb == "full") {
            limit.emplace(8);
        } else if (verb == "room") {
            limit.reset();
        } else if (verb == "empty") {
            QVERIFY(QDir(home.filePath("Trash")).removeRecursively());
            QVERIFY(QDir(dir->filePath("deleted")).removeRecursively());
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
        for (const Outcome::Notice& notice : outcome.notices()) {
            told.append(notice.text);
        }
    }

    std::unique_ptr<TemporaryFolder> dir = newApplicationFolder();
    QTemporaryDir home;
    NativePath trash { home.filePath("Trash") };
    CategoryStore store { dir->path(), trash };
    AffirmationList affirmations { store };
    CategoryIndex categories { store, affirmations };
    PictureLibrary pictures { dir->path(), trash };
    DeleteHistory history { categories, affirmations, pictures };
    std::optional<FileSizeLimit> limit;
    Snapshot before;
    QStringList told;
};

} // namespace

class TestDeleteHistory : public QObject {
    Q_OBJECT
private slots:

    // Steps, then the categories and affirmations shown (a tick as "+"), whether the library is
    // byte for byte as it was before the steps, whether an undo is left, and the messages' beginnings.
    void deletesUndone_data()
    {
        QTest::addColumn<bool>("usableTrash");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("categories");
        QTest::addColumn<QString>("affirmations");
        QTest::addColumn<bool>("asBefore");
        QTest::addColumn<bool>("undoLeft");
        QTest::addColumn<QStringList>("told");
        const QString all = "Café+|Health|Work+";

        QTest::newRow("a category, its name in Windows-1252")
            << true << QStringList { "choose 0", "drop", "undo" } << all << "naïve+" << true << false
            << QStringList {};
        // Left empty, the file reads as either encoding when its category is shown again.
        QTest::newRow("an affirmation in Windows-1252")
            << true << QStringList { "choose 0", "pick 0", "remove", "choose 2", "undo" } << all << "naïve+"
            << true << false << QStringList {};
        QTest::newRow("a picture") << true << QStringList { "delete 0", "undo" } << all << "naïve+" << true
                                   << false << QStringList {};
        // An affirmation deleted before its category comes back after it.
        QTest::newRow("a chain, in reverse") << true
                                             << QStringList { "choose 1", "pick 1", "remove", "drop",
                                                    "delete 1", "delete 0", "undo", "undo", "undo", "undo" }
                                             << all << "calm+|rest" << true << false << QStringList {};
        QTest::newRow("without a Trash, from the folder beside the library")
            << false << QStringList { "choose 2", "drop", "delete 0", "undo", "undo" } << all << "ship+"
            << true << false << QStringList {};
        QTest::newRow("an undo that cannot be written, then can")
            << true << QStringList { "choose 1", "drop", "full", "undo", "room", "undo" } << all
            << "calm+|rest" << true << false << QStringList { "The category list could not be saved" };
        QTest::newRow("a picture whose undo cannot be written stays deleted")
            << true << QStringList { "delete 0", "full", "undo", "room" } << all << "naïve+" << false << true
            << QStringList { "The picture list could not be saved" };
        // Its affirmation deleted before follows it to the name it comes back under.
        QTest::newRow("a name taken again")
            << true << QStringList { "choose 1", "pick 0", "remove", "drop", "create Health", "undo", "undo" }
            << "Café+|Health (2)|Work+|Health+"
            << "calm+|rest" << false << false << QStringList {};
        QTest::newRow("the Trash emptied meanwhile")
            << true << QStringList { "choose 1", "drop", "empty trash", "undo" } << "Café+|Work+"
            << "naïve+" << false << false
            << QStringList { "Vellumora cannot bring back the category \"Health\": its file is no longer" };
    }

    void deletesUndone()
    {
        QFETCH(bool, usableTrash);
        QFETCH(QStringList, steps);
        QFETCH(QString, categories);
        QFETCH(QString, affirmations);
        QFETCH(bool, asBefore);
        QFETCH(bool, undoLeft);
        QFETCH(QStringList, told);
        Libraries lib(usableTrash);
        for (const QString& step : steps) {
            lib.take(step);
        }
        QCOMPARE(rowTexts(lib.categories, true), categories);
        QCOMPARE(rowTexts(lib.affirmations, true), affirmations);
        QCOMPARE(lib.snapshot() == lib.before, asBefore);
        QCOMPARE(lib.history.canUndo(), undoLeft);
        QVERIFY2(beginEach(lib.told, told), qPrintable(lib.told.join('\n')));
        // What came back left nothing behind in the Trash.
        if (asBefore) {
            for (const char* folder : { "Trash/files", "Trash/info" }) {
                QVERIFY(nativeFileNames(NativePath(lib.home.filePath(folder))).isEmpty());
            }
            QVERIFY(nativeFileNames(lib.path("deleted")).isEmpty());
        }
    }

    // Deleted files sit in the desktop's Trash as freedesktop.org lays it out, so the file
    // manager can put them back too.
    void trashAsTheDesktopKeepsIt()
    {
        Libraries lib(true);
        lib.take("choose 1");
        lib.take("drop");
        QCOMPARE(readBytes(NativePath(lib.home.filePath("Trash/files/Health.txt"))),
            "\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n");
        const QByteArray info = readBytes(NativePath(lib.home.filePath("Trash/info/Health.txt.trashinfo")));
        QVERIFY2(
            info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(lib.dir->path()).toPercentEncoding("/")
                + "/system/Health.txt\nDeletionDate=20"),
            info.constData());
        QCOMPARE(lib.history.nextUndo(), "the category \"Health\"");
    }
};

QTEST_GUILESS_MAIN(TestDeleteHistory)
#include "tst_deletehistory.moc"
