#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QTest>

using namespace vellumora;

namespace {

// A library of three categories, one named in Windows-1252, and two pictures, loaded.
std::unique_ptr<Libraries> loaded()
{
    auto lib = std::make_unique<Libraries>();
    lib->write({ "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
        "system/Health.txt=\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n", "system/Work.txt=\"ship\",#TRUE#\r\n",
        "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n", "SystemFolder/a.jpg=a",
        "SystemFolder/b.jpg=b", "SystemFolder/record.txt=\"a.jpg\"\r\n\"b.jpg\"\r\n" });
    lib->take("load");
    return lib;
}

// The recording of an affirmation of "Health", as the program names it.
QByteArray recording(const QString& text, const char* suffix = "ogg")
{
    return "system/Health.voice/" + Recordings::stem(text) + '.' + suffix;
}

} // namespace

class TestLibrary : public QObject {
    Q_OBJECT
private slots:

    // Steps, then the categories and affirmations shown (a tick as "+"), followed by "as before"
    // when the library, the Trash and the folder beside the library are byte for byte as they
    // were before the steps, and the messages' beginnings. An undo left over shows in an undo
    // too many.
    void deletesUndone_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("told");
        const auto row
            = [](const char* name, const QString& steps, const QString& after, const QStringList& told = {}) {
                  QTest::newRow(name) << steps.split("; ") << after << told;
              };
        const QString all = "Café+|Health|Work+ / ";
        row("a category, its name in Windows-1252", "choose 0; drop; undo", all + "naïve+ / as before");
        // Left empty, the file reads as either encoding when its category is shown again.
        row("an affirmation in Windows-1252", "choose 0; pick 0; remove; choose 2; undo",
            all + "naïve+ / as before");
        // An affirmation deleted before its category comes back after it.
        row("a chain, in reverse",
            "choose 1; pick 1; remove; drop; delete 1; delete 0; undo; undo; undo; undo; undo",
            all + "calm+|rest / as before");
        row("without a Trash, from the folder beside the library",
            "no trash; choose 2; drop; delete 0; undo; undo", all + "ship+ / as before");
        // Nothing changed, so it can be tried again.
        row("an undo that cannot be written, then can", "choose 1; drop; full; undo; room; undo; undo",
            all + "calm+|rest / as before", { "The category list could not be saved" });
        row("a picture's undo that cannot be written, then can", "delete 0; full; undo; room; undo",
            all + "naïve+ / as before", { "The picture list could not be saved" });
        // Its affirmation deleted before follows it to the name it comes back under.
        row("a name taken again", "choose 1; pick 0; remove; drop; create Health; undo; undo",
            "Café+|Health (2)|Work+|Health+ / calm+|rest");
        row("the Trash emptied meanwhile", "choose 1; drop; empty trash; undo; undo", "Café+|Work+ / naïve+",
            { "Vellumora cannot bring back the category \"Health\": its file is no longer" });
    }

    // Steps on a library whose "calm" has a recording; then Health's affirmations (a tick as "+",
    // a recording as "~"), "as before" as above, and the messages' beginnings.
    void recordingsFollow_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("told");
        const auto row
            = [](const char* name, const QString& steps, const QString& after, const QStringList& told = {}) {
                  QTest::newRow(name) << steps.split("; ") << after << told;
              };
        row("shown marked", "choose 1", "calm+~|rest / as before");
        row("an edit keeps it", "choose 1; pick 0; edit serene", "serene+~|rest");
        row("an edit of one of two alike keeps both",
            "choose 1; add x; add calm; pick 0; edit serene; choose 1", "serene+~|rest|calm+~");
        row("a delete takes it along, undo brings it back", "choose 1; pick 0; remove; refresh; undo",
            "calm+~|rest / as before");
        row("a delete of one of two alike leaves it", "choose 1; add x; add calm; pick 0; remove",
            "rest|calm+~");
        row("a category's delete takes them along", "choose 1; drop; undo", "calm+~|rest / as before");
        row("removed and brought back", "choose 1; pick 0; unrecord; refresh; undo",
            "calm+~|rest / as before");
        row("removed, then the Trash emptied", "choose 1; pick 0; unrecord; empty trash; undo", "calm+|rest",
            { "Vellumora cannot bring back the recording of \"calm\"" });
        row("imported over the one it has",
            "choose 1; pick 1; import take.mp3=mp3; pick 0; import take.wav=wav", "calm+~|rest~");
        row("not a sound file", "choose 1; pick 1; import notes.txt=text", "calm+~|rest / as before",
            { "Vellumora takes recordings in MP3, WAV, OGG and FLAC files." });
        row("removed by hand", "choose 1; unlink " + recording("calm") + "; refresh", "calm+|rest");
        row("a link in its place is none", "link " + recording("rest") + "=/etc/hostname; choose 1",
            "calm+~|rest");
        row("the folder a link", "link system/Work.voice=Health.voice; choose 2", "ship+");
    }

    void recordingsFollow()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QFETCH(QStringList, told);
        const auto lib = loaded();
        lib->write({ "system/Health.voice=/", recording("calm") + "=voice" });
        const auto before = lib->snapshot();
        for (const QString& step : steps) {
            lib->take(step);
        }
        QCOMPARE(lib->shownRecorded() + (lib->snapshot() == before ? " / as before" : ""), after);
        QVERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
    }

    // Renamed on disk, a category leaves its recordings behind: kept, never taken by another.
    void recordingsOfACategoryRenamedOnDisk()
    {
        const auto lib = loaded();
        lib->write({ "system/Health.voice=/", recording("calm") + "=voice" });
        QVERIFY(QFile::rename(
            lib->path("system/Health.txt").toString(), lib->path("system/Fitness.txt").toString()));
        lib->write({ "item.txt=\"Fitness\",#TRUE#\r\n" });
        lib->take("load");
        lib->take("choose 0");
        QCOMPARE(lib->shownRecorded(), "calm+|rest");
        QCOMPARE(lib->read({ recording("calm") + "=" }), QByteArrayList { recording("calm") + "=voice" });
    }

    void deletesUndone()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, after);
        QFETCH(QStringList, told);
        const auto lib = loaded();
        const auto before = lib->snapshot();
        for (const QString& step : steps) {
            lib->take(step);
        }
        QCOMPARE(lib->shown(lib->categories.rows(), true) + " / " + lib->shown(lib->affirmations.rows(), true)
                + (lib->snapshot() == before ? " / as before" : ""),
            after);
        QVERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
    }

    // Deleted files sit in the desktop's Trash as freedesktop.org lays it out, so the file
    // manager can put them back too.
    void trashAsTheDesktopKeepsIt()
    {
        const auto lib = loaded();
        QVERIFY(lib->take("choose 1") && lib->take("drop"));
        QCOMPARE(readBytes(NativePath(lib->home.filePath("Trash/files/Health.txt"))),
            "\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n");
        const QByteArray info = readBytes(NativePath(lib->home.filePath("Trash/info/Health.txt.trashinfo")));
        QVERIFY2(
            info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(lib->dir->path()).toPercentEncoding("/")
                + "/system/Health.txt\nDeletionDate=20"),
            info.constData());
    }

    // What the show says: the ticked affirmations of the ticked categories, in list and file
    // order; a category whose file cannot be read gives none, and the others still count.
    void tickedAffirmations()
    {
        const auto lib = loaded();
        lib->take("tick 1");
        lib->take("create Lost");
        const QString lost = lib->path("system/Lost.txt").toString();
        QVERIFY(QFile::remove(lost) && QDir().mkpath(lost));
        QCOMPARE(lib->library->tickedAffirmations(), (QStringList { "na\u00EFve", "calm", "ship" }));
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
