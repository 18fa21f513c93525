#include "library/LibraryMove.h"
#include "storage/LibraryFiles.h"
#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace vellumora;

namespace {

// A library of three categories, one named in Windows-1252, and two pictures, loaded; Health's
// "calm" has a recording.
std::unique_ptr<Libraries> loaded()
{
    auto lib = std::make_unique<Libraries>();
    lib->write({ "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
        "system/Health.txt=\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n", "system/Work.txt=\"ship\",#TRUE#\r\n",
        "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#TRUE#\r\n", "SystemFolder/a.jpg=a",
        "SystemFolder/b.jpg=b", "SystemFolder/record.txt=\"a.jpg\"\r\n\"b.jpg\"\r\n", "system/Health.voice=/",
        Libraries::recording("calm") + "=voice" });
    lib->take("load");
    return lib;
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
            all + "calm+~|rest / as before");
        row("without a Trash, from the folder beside the library",
            "no trash; choose 2; drop; delete 0; undo; undo", all + "ship+ / as before");
        // Nothing changed, so it can be tried again.
        row("an undo that cannot be written, then can", "choose 1; drop; full; undo; room; undo; undo",
            all + "calm+~|rest / as before", { "The category list could not be saved" });
        row("a picture's undo that cannot be written, then can", "delete 0; full; undo; room; undo",
            all + "naïve+ / as before", { "The picture list could not be saved" });
        // Its affirmation deleted before follows it to the name it comes back under.
        row("a name taken again", "choose 1; pick 0; remove; drop; create Health; undo; undo",
            "Café+|Health (2)|Work+|Health+ / calm+~|rest");
        row("the Trash emptied meanwhile", "choose 1; drop; empty trash; undo; undo", "Café+|Work+ / naïve+",
            { "Vellumora cannot bring back the category \"Health\": its file is no longer" });
        // Recordings: "~" marks an affirmation that has one.
        row("an edit of one of two alike keeps both",
            "choose 1; add x; add calm; pick 0; edit serene; choose 1", all + "serene+~|rest|calm+~");
        row("a delete of one of two alike leaves it", "choose 1; add x; add calm; pick 0; remove",
            all + "rest|calm+~");
        row("a recording removed and brought back", "choose 1; pick 0; unrecord; undo",
            all + "calm+~|rest / as before");
        row("a recording removed, then the Trash emptied", "choose 1; pick 0; unrecord; empty trash; undo",
            all + "calm+|rest", { "Vellumora cannot bring back the recording of \"calm\"" });
        row("recordings imported, one over another",
            "choose 1; pick 1; import take.mp3=mp3; pick 0; import take.wav=wav", all + "calm+~|rest~");
        row("not a sound file", "choose 1; pick 1; import notes.txt=text", all + "calm+~|rest / as before",
            { "Vellumora takes recordings in MP3, WAV, OGG and FLAC files." });
        row("a recording removed by hand", "choose 1; unlink " + Libraries::recording("calm"),
            all + "calm+|rest");
        row("a link in its place is none",
            "link " + Libraries::recording("rest") + "=/etc/hostname; choose 1", all + "calm+~|rest");
        row("the folder a link", "link system/Work.voice=Health.voice; choose 2", all + "ship+");
    }

    void deletesUndone()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, told);
        const auto lib = loaded();
        const auto before = lib->snapshot();
        for (const QString& step : steps) {
            lib->take(step);
        }
        QTEST(lib->shown(lib->categories.rows(), true) + " / " + lib->shownRecorded()
                + (lib->snapshot() == before ? " / as before" : ""),
            "after");
        QVERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
    }

    // Renamed on disk, a category leaves its recordings behind: kept, never taken by another.
    // Dropped, it sits in the desktop's Trash as freedesktop.org lays it out, so the file manager
    // can put it back too.
    void renamedOnDiskThenDropped()
    {
        const auto lib = loaded();
        QVERIFY(QFile::rename(
            lib->path("system/Health.txt").toString(), lib->path("system/Fitness.txt").toString()));
        QVERIFY(
            lib->write({ "item.txt=\"Fitness\",#TRUE#\r\n" }) && lib->take("load") && lib->take("choose 0"));
        QCOMPARE(lib->shownRecorded(), "calm+|rest");
        QCOMPARE(lib->read({ Libraries::recording("calm") + "=" }).constFirst(),
            Libraries::recording("calm") + "=voice");
        QVERIFY(lib->take("drop"));
        QCOMPARE(readBytes(lib->home.filePath("Trash/files/Fitness.txt")),
            "\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n");
        const QByteArray info = readBytes(lib->home.filePath("Trash/info/Fitness.txt.trashinfo"));
        QVERIFY2(
            info.startsWith("[Trash Info]\nPath=" + QFile::encodeName(lib->dir->path()).toPercentEncoding("/")
                + "/system/Fitness.txt\nDeletionDate=20"),
            info.constData());
    }

    // Another program changes the library folder while the program runs: a shell line in that
    // folder ($O is a folder outside it, $P a picture there), then the categories, the affirmations of Health
    // with the one chosen, and the pictures (their count past four), once the change has settled.
    void outsideChanges_data()
    {
        QTest::addColumn<QString>("shell");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("told");
        const auto row = [](const char* name, const QString& shell, const QString& after,
                             const QStringList& told = {}) { QTest::newRow(name) << shell << after << told; };
        const QString categories = "Café+|Health|Work+ / ", pictures = " / a.jpg|b.jpg";
        const QString health = categories + "calm+~|rest *";
        row("a category copied over",
            R"(printf '"rest",#FALSE#\r\n"new",#TRUE#\r\n' > "$O/h" && cp "$O/h" system/Health.txt)",
            categories + "rest *|new+" + pictures);
        row("the index renamed over, as an editor saves",
            R"(printf '"Work",#TRUE#\r\n"Health",#TRUE#\r\n' > item.new && mv item.new item.txt)",
            "Work+|Health+ / calm+~|rest *" + pictures);
        row("kept as a backup while the new one is written",
            R"(mv system/Health.txt system/Health.txt~ && printf '"rest",#TRUE#\r\n' > system/Health.txt && rm system/Health.txt~)",
            categories + "rest+ *" + pictures);
        row("a sync tool with its temporary files",
            R"(mkdir "$O/in" && printf '"sing",#TRUE#\r\n' > "$O/in/Joy.txt" && cp system/Health.txt "$O/in" && printf '"stretch",#TRUE#\r\n' >> "$O/in/Health.txt" && rsync -r "$O/in/" system/)",
            "Café+|Health|Work+|Joy+ / calm+~|rest *|stretch+" + pictures);
        row("a category file removed", "rm system/Work.txt", "Café+|Health / calm+~|rest *" + pictures);
        row("the record edited", R"(printf '"b.jpg"\r\n' > SystemFolder/record.txt)", health + " / b.jpg");
        row("a picture copied in, another removed",
            R"(cp "$P" SystemFolder/new.jpg && rm SystemFolder/a.jpg)", health + " / b.jpg|new.jpg");
        row("a burst of a hundred pictures", R"(for i in $(seq 100); do cp "$P" SystemFolder/p$i.jpg; done)",
            health + " / 102 pictures");
        row("files no library reads",
            R"(cp "$P" SystemFolder/.p.jpg.part && cp "$P" SystemFolder/x.tmp && echo > system/~lock.Work.txt#)",
            health + pictures);
        row("a second version a sync tool kept",
            "cp system/Health.txt system/Health.sync-conflict-20261208-101010-ABCDEFG.txt", health + pictures,
            { "A sync tool kept a second version of a library file" });
        row("a line that names no category", R"(printf '"../x",#TRUE#\r\n"Health",#FALSE#\r\n' > item.txt)",
            "Health / calm+~|rest *" + pictures,
            { "1 line(s) of the category list named no usable category" });
    }

    void outsideChanges()
    {
        QFETCH(QString, shell);
        QFETCH(QString, after);
        QFETCH(QStringList, told);
        const auto lib = loaded();
        // Outside the library: where its Trash is made.
        const QString picture = lib->home.filePath("photo.jpg");
        QVERIFY(writeSolidPicture(picture, Qt::red));
        lib->take("choose 1");
        lib->take("pick 1");
        lib->library->watch();
        QObject::connect(lib->library.get(), &Library::changedOnDisk, [&lib](const Outcome& outcome) {
            for (const Outcome::Notice& notice : outcome.notices()) {
                lib->told.append(notice.text);
            }
        });
        const auto shown = [&lib] {
            QStringList pictures;
            for (int row = 0; row < lib->pictures.count(); ++row) {
                pictures.append(lib->pictures.index(row).data().toString());
            }
            return lib->shown(lib->categories.rows(), true) + " / " + lib->shownRecorded(true) + " / "
                + (pictures.size() > 4 ? QString("%1 pictures").arg(pictures.size()) : pictures.join('|'));
        };
        QProcess process;
        process.setWorkingDirectory(lib->dir->path());
        process.start("sh", { "-c", shell.replace("$P", picture).replace("$O", lib->home.path()) });
        QVERIFY(process.waitForFinished());
        QCOMPARE(process.readAllStandardError(), QByteArray());
        QTRY_COMPARE(shown(), after);
        QTRY_VERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
        // The lists are written as shown; the program's own writes change nothing more.
        lib->take("load");
        lib->take(QString("choose %1").arg(lib->categories.rowNamed("Health")));
        QCOMPARE(shown().remove(" *"), QString(after).remove(" *"));
        QSignalSpy settled(lib->library->findChild<FolderWatch*>(), &FolderWatch::changed);
        QSignalSpy changed(lib->library.get(), &Library::changedOnDisk);
        QVERIFY(lib->take("add x") && lib->take("add one more"));
        QTRY_VERIFY(!settled.isEmpty() && changed.isEmpty());
    }

    // The library's folder renamed away while the program runs: told once, the lists shown as
    // they were, and an edit or a recording makes no library in its place. Renamed back, it is
    // read again in its own order.
    void folderGoneAndBack()
    {
        const auto lib = loaded();
        lib->take("choose 1");
        lib->library->watch();
        QObject::connect(lib->library.get(), &Library::changedOnDisk,
            [&lib](const Outcome& outcome) { lib->told.append(outcome.notices().value(0).text); });
        const QString folder = lib->dir->path(), away = folder + ".away";
        const QString before = lib->shown(lib->categories.rows(), true) + " / " + lib->shownRecorded();
        QVERIFY(QDir().rename(folder, away));
        QTRY_VERIFY(lib->toldBeginning({ "The folder of your library, \"" + folder + "\", has gone." }));
        QVERIFY(!lib->take("create Joy") && !lib->take("import mine.ogg=voice"));
        QVERIFY(!QFileInfo::exists(folder));
        QSignalSpy settled(lib->library->findChild<FolderWatch*>(), &FolderWatch::changed);
        QVERIFY(writeBytes(NativePath(away + "/system/Health.txt"), "\"calm\",#TRUE#\r\n\"new\",#TRUE#\r\n"));
        // Taken while it is away: only a look for the folder finds it back.
        QTRY_VERIFY(!settled.isEmpty());
        QVERIFY(QDir().rename(away, folder));
        QTRY_COMPARE(lib->shown(lib->categories.rows(), true) + " / " + lib->shownRecorded(),
            QString(before).replace("rest", "new+"));
        QVERIFY2(lib->told.filter("has gone").size() == 1, qPrintable(lib->told.join('\n')));
    }

    // Keep My Library In, run without a window: files below a folder of places ("library" is the
    // library's own), the folders chosen there with the answer to each question, then where the
    // library is with the state of the other places, and the beginnings of what the user was asked
    // and told. A library moved or copied is byte for byte the one it was.
    void moved_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QList<MessageAnswer>>("answers");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<int>("cancelAt");
        const auto yes = MessageAnswer::Yes, no = MessageAnswer::No;
        const QString move = "Move your library";
        const auto row = [](const char* name, const QStringList& files, const QStringList& chosen,
                             const QList<MessageAnswer>& answers, const QString& after,
                             const QStringList& told, int cancelAt = -1) {
            QTest::newRow(name) << files << chosen << answers << after << told << cancelAt;
        };
        row("moved", {}, { "Sync" }, { yes }, "Sync, library emptied", { move });
        row("a copy cancelled", {}, { "Sync" }, { yes }, "library", { move }, 2);
        row("copied", {}, { "Sync" }, { no }, "Sync, library kept", { move });
        row("cancelled", {}, { "Sync" }, { MessageAnswer::Cancel }, "library", { move });
        row("moved there and back", {}, { "Sync", "library" }, { yes, yes }, "library, Sync emptied",
            { move, move });
        row("beside other files, in a folder of its own", { "Sync/notes.txt" }, { "Sync" }, { yes },
            "Sync/Vellumora, library emptied", { move });
        row("a copy there cut short", { "Sync/.library.part-0a1b2c3d/system/Joy.txt" }, { "Sync" }, { yes },
            "Sync, library emptied", { move });
        row("a library there taken as it is", { "Sync/system/Joy.txt", "Sync/SystemFolder/record.txt" },
            { "Sync" }, { yes }, "Sync: Joy, library kept", { "The folder" });
        row("not taken", { "Sync/system/Joy.txt", "Sync/SystemFolder/record.txt" }, { "Sync" }, { no },
            "library, Sync its own", { "The folder" });
        row("a part of the library", {}, { "library/system" }, {}, "library",
            { "That folder is part of your library" });
        row("a file in the way", { "Sync" }, { "Sync" }, { yes }, "library",
            { move, "Your library could not be copied" });
    }
    void moved()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, chosen);
        QFETCH(QList<MessageAnswer>, answers);
        QFETCH(QStringList, told);
        QFETCH(int, cancelAt);
        const auto lib = loaded();
        QTemporaryDir places;
        const QString library = places.filePath("library");
        QVERIFY(QDir().rename(lib->dir->path(), library));
        lib->platform.useLibraryFolder(library);
        QVERIFY(lib->library->moveTo(library));
        const auto before = filesBelow(library);
        for (const QString& file : files) {
            QVERIFY(QDir().mkpath(QFileInfo(places.filePath(file)).absolutePath())
                && writeBytes(places.filePath(file), ""));
        }
        lib->platform.answers = answers;
        lib->platform.cancelWorkAfterFiles = { cancelAt };
        for (const QString& folder : chosen) {
            LibraryMove move(lib->platform, *lib->library, places.filePath(folder));
            const LibraryMove::Question question = move.question();
            move.run(question.text.isEmpty()
                        ? MessageAnswer::Yes
                        : lib->platform.message(question.text, MessageIcon::Information, question.buttons))
                .report(lib->platform);
        }
        const QString folder = lib->library->folder();
        QString now = QDir(places.path()).relativeFilePath(folder);
        QCOMPARE(lib->platform.libraryFolder(), folder);
        QCOMPARE(lib->platform.settings.value("Library/Folder", library), folder);
        if (const QString shown = lib->shown(lib->categories.rows()); shown != "Caf\u00e9|Health|Work") {
            now += ": " + shown;
        } else {
            QCOMPARE(filesBelow(folder), before);
        }
        for (const QString& place : { library, places.filePath("Sync") }) {
            if (!folder.startsWith(place) && QFileInfo(place).isDir()) {
                const char* state = filesBelow(place) == before ? " kept"
                    : LibraryFiles(place).foldersExist()        ? " its own"
                                                                : " emptied";
                now += ", " + QFileInfo(place).fileName() + state;
            }
        }
        QTEST(now, "after");
        for (const auto& message : lib->platform.messages) {
            lib->told << message.text;
        }
        QVERIFY2(lib->toldBeginning(told), qPrintable(lib->told.join('\n')));
    }
};

QTEST_GUILESS_MAIN(TestLibrary)
#include "tst_library.moc"
