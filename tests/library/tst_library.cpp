#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>

using namespace vellumora;

namespace {

// A library of three categories, one named in Windows-1252, and two pictures, loaded.
std::unique_ptr<Libraries> loaded(bool usableTrash)
{
    auto lib = std::make_unique<Libraries>(usableTrash);
    lib->write({ "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
        "system/Health.txt=\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n", "system/Work.txt=\"ship\",#TRUE#\r\n",
        "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n", "SystemFolder/a.jpg=a",
        "SystemFolder/b.jpg=b", "SystemFolder/record.txt=\"a.jpg\"\r\n\"b.jpg\"\r\n" });
    lib->take("load");
    return lib;
}

} // namespace

class TestLibrary : public QObject {
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
        row("a category, its name in Windows-1252", true, "choose 0; drop; undo", all, "naïve+", true);
        // Left empty, the file reads as either encoding when its category is shown again.
        row("an affirmation in Windows-1252", true, "choose 0; pick 0; remove; choose 2; undo", all, "naïve+",
            true);
        row("a picture", true, "delete 0; undo", all, "naïve+", true);
        // An affirmation deleted before its category comes back after it.
        row("a chain, in reverse", true,
            "choose 1; pick 1; remove; drop; delete 1; delete 0; undo; undo; undo; undo", all, "calm+|rest",
            true);
        row("without a Trash, from the folder beside the library", false,
            "choose 2; drop; delete 0; undo; undo", all, "ship+", true);
        row("an undo that cannot be written, then can", true, "choose 1; drop; full; undo; room; undo", all,
            "calm+|rest", true, false, { "The category list could not be saved" });
        row("a picture whose undo cannot be written stays deleted", true, "delete 0; full; undo; room", all,
            "naïve+", false, true, { "The picture list could not be saved" });
        // Its affirmation deleted before follows it to the name it comes back under.
        row("a name taken again", true, "choose 1; pick 0; remove; drop; create Health; undo; undo",
            "Café+|Health (2)|Work+|Health+", "calm+|rest", false);
        row("the Trash emptied meanwhile", true, "choose 1; drop; empty trash; undo", "Café+|Work+", "naïve+",
            false, false, { "Vellumora cannot bring back the category \"Health\": its file is no longer" });
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
        const auto lib = loaded(usableTrash);
        const auto before = lib->snapshot();
        for (const QString& step : steps) {
            lib->take(step);
        }
        QCOMPARE(lib->shown(lib->categories, true), categories);
        QCOMPARE(lib->shown(lib->affirmations, true), affirmations);
        QCOMPARE(lib->snapshot() == before, asBefore);
        QCOMPARE(lib->history.canUndo(), undoLeft);
        QVERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
        // What came back left nothing behind in the Trash.
        if (asBefore) {
            for (const char* folder : { "Trash/files", "Trash/info" }) {
                QVERIFY(nativeFileNames(NativePath(lib->home.filePath(folder))).isEmpty());
            }
            QVERIFY(nativeFileNames(lib->path("deleted")).isEmpty());
        }
    }

    // Deleted files sit in the desktop's Trash as freedesktop.org lays it out, so the file
    // manager can put them back too.
    void trashAsTheDesktopKeepsIt()
    {
        const auto lib = loaded(true);
        lib->take("choose 1");
        lib->take("drop");
        QCOMPARE(readBytes(NativePath(lib->home.filePath("Trash/files/Health.txt"))),
            "\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n");
        const QByteArray info = readBytes(NativePath(lib->home.filePath("Trash/info/Health.txt.trashinfo")));
        QVERIFY2(
            info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(lib->dir->path()).toPercentEncoding("/")
                + "/system/Health.txt\nDeletionDate=20"),
            info.constData());
        QCOMPARE(lib->history.nextUndo(), "the category \"Health\"");
    }

    // What the show says: the ticked affirmations of the ticked categories, in list and file
    // order; a category whose file cannot be read gives none, and the others still count.
    void tickedAffirmations()
    {
        const auto lib = loaded(true);
        lib->take("tick 1");
        lib->take("create Lost");
        const QString lost = lib->path("system/Lost.txt").toString();
        QVERIFY(QFile::remove(lost) && QDir().mkpath(lost));
        QCOMPARE(lib->library->tickedAffirmations(), (QStringList { "na\u00EFve", "calm", "ship" }));
    }

private:
    static void row(const char* name, bool usableTrash, const QString& steps, const QString& categories,
        const QString& affirmations, bool asBefore, bool undoLeft = false, const QStringList& told = {})
    {
        QTest::newRow(name) << usableTrash << steps.split("; ") << categories << affirmations << asBefore
                            << undoLeft << told;
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
