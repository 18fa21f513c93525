#include "library/BackupJobs.h"
#include "shell/RestoreDialog.h"
#include "support/Libraries.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <archive.h>
#include <archive_entry.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vellumora;

namespace {

// "name=bytes" files; "link:name=target" a symbolic link entry, "hard:name=target" a hard one.
void writeZip(const QString& path, const QByteArrayList& entries)
{
    archive* zip = archive_write_new();
    archive_write_set_format_zip(zip);
    archive_write_set_format_option(zip, "zip", "hdrcharset", "UTF-8");
    archive_write_open_filename(zip, QFile::encodeName(path).constData());
    for (QByteArray entry : entries) {
        const bool link = entry.startsWith("link:"), hard = entry.startsWith("hard:");
        entry = entry.mid(link || hard ? 5 : 0);
        const QByteArray name = entry.left(entry.indexOf('=')), target = entry.mid(name.size() + 1);
        const QByteArray bytes = link || hard ? QByteArray() : target;
        archive_entry* header = archive_entry_new();
        archive_entry_set_pathname_utf8(header, name.constData());
        archive_entry_set_filetype(header, link ? AE_IFLNK : AE_IFREG);
        if (link || hard) {
            (link ? archive_entry_set_symlink : archive_entry_set_hardlink)(header, target.constData());
        }
        archive_entry_set_size(header, bytes.size());
        archive_write_header(zip, header);
        archive_write_data(zip, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(header);
    }
    archive_write_free(zip);
}

// What a plan tells, change by change or entry by entry.
template <typename List> QStringList texts(const List& list)
{
    QStringList all;
    for (const auto& each : list) {
        all << each.text();
    }
    return all;
}

// Two libraries of a fake platform each: the one backed up and the one it comes back into.
struct Pair {
    Libraries from, into;
    QString archive = from.home.filePath("backup.zip");
    RestorePlan backUpAndPlan()
    {
        from.library->load();
        [&] { QVERIFY(Backup::write(from.dir->path(), from.platform, archive)); }();
        return RestorePlan::make(archive, into.dir->path(), {});
    }
};

QMap<QString, QByteArray> libraryFiles(const Libraries& library)
{
    QMap<QString, QByteArray> files = filesBelow(library.dir->path());
    files.remove("deleted");
    return files;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:

    // Every file comes back into an empty library byte for byte, its name in UTF-8, and the
    // settings with it (but for where this machine keeps its library).
    void roundTripIntoAnEmptyLibrary()
    {
        Pair pair;
        pair.from.write({ "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
            "system/\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C.txt=\"\xCE\xB6\xCF\x89\xCE\xAE\",#TRUE#\r\n",
            "system/\xD8\xAD\xD9\x84\xD9\x85.txt=\"\xE5\xA4\xA2\",#FALSE#\r\n", "system/Health.voice=/",
            Libraries::recording("calm") + "=OggS", "system/Health.txt=\"calm\",#TRUE#\r\n",
            "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Health\",#FALSE#\r\n",
            "SystemFolder/\xE6\x97\xA5\xE6\x9C\xAC.jpg=" + jpegBytes(),
            "SystemFolder/\xC3\xA9t\xC3\xA9.png=png",
            "SystemFolder/record.txt=\"\xE6\x97\xA5\xE6\x9C\xAC.jpg\"\r\n\"\xC3\xA9t\xC3\xA9.png\"\r\n" });
        pair.from.platform.settings = { { "settings/DispOrder", "1" }, { "Library/Folder", "/elsewhere" } };
        QMap<QString, QByteArray> expected = libraryFiles(pair.from);
        // Qt cannot name the file kept in Windows-1252; it comes back under its UTF-8 name.
        expected.removeIf([](const auto& file) { return file.key().contains(QChar::ReplacementCharacter); });
        expected.insert("system/Caf\u00e9.txt", "\"na\xEFve\",#TRUE#\r\n");
        const RestorePlan plan = pair.backUpAndPlan();
        QVERIFY(plan.intoEmptyLibrary() && plan.apply(pair.into.platform, true));
        QCOMPARE(libraryFiles(pair.into), expected);
        QCOMPARE(pair.into.platform.settings, (QMap<QString, QString> { { "settings/DispOrder", "1" } }));
        QByteArray settings;
        readArchive(pair.archive, [&](const ArchiveEntry& entry, const EntryData& data) {
            if (entry.name == Backup::kSettingsName) {
                data([&](const QByteArray& piece) { return !settings.append(piece).isEmpty(); });
            }
        });
        QVERIFY(settings.contains("DispOrder=1") && !settings.contains("elsewhere"));
        // Each record of the central directory tells its entry's flags, sizes and name.
        const QByteArray zip = readBytes(pair.archive);
        int names = 0;
        for (qsizetype at = zip.indexOf("PK\1\2"); at >= 0; at = zip.indexOf("PK\1\2", at + 4), ++names) {
            const QByteArray name = zip.mid(at + 46, quint8(zip[at + 28]) | quint8(zip[at + 29]) << 8);
            // Bit 11 of the flags: the name is UTF-8.
            QVERIFY2(
                zip[at + 9] & 0x08 || std::all_of(name.cbegin(), name.cend(), [](char c) { return c > 0; }),
                name);
        }
        QCOMPARE(names, expected.size() + 1);
    }

    // A full disk: a backup that cannot be written whole leaves no file at all; a restore cut short
    // leaves the lists naming only files that are whole, and no part behind. A restore killed
    // halfway, by the file size limit's own signal: the files it wrote are taken back at the next
    // start, with a word, and the library is as it was.
    void cutShort()
    {
        Pair pair;
        pair.from.write(
            { "SystemFolder/a.jpg=" + jpegBytes(), "SystemFolder/b.jpg=" + jpegBytes().repeated(100),
                "SystemFolder/record.txt=\"a.jpg\"\r\n\"b.jpg\"\r\n", "item.txt=\"Joy\",#TRUE#\r\n",
                "system/Joy.txt=\"sing\",#TRUE#\r\n" });
        pair.into.write(
            { "SystemFolder/own.jpg=mine", "SystemFolder/record.txt=\"own.jpg\"\r\n", "item.txt=" });
        {
            FileSizeLimit limit(4096);
            QVERIFY(!Backup::write(pair.from.dir->path(), pair.from.platform, pair.archive));
        }
        QCOMPARE(QDir(pair.from.home.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        const RestorePlan plan = pair.backUpAndPlan();
        const QMap<QString, QByteArray> before = libraryFiles(pair.into);
        {
            FileSizeLimit limit(jpegBytes().size() * 10);
            const Outcome outcome = plan.apply(pair.into.platform, false);
            QVERIFY(!outcome
                && outcome.notices().constFirst().text.startsWith(
                    "The backup could not be brought back whole."));
        }
        QCOMPARE(libraryFiles(pair.into), before);
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_DFL);
            const rlimit core { 0, 0 }, size { rlim_t(jpegBytes().size() * 10), RLIM_INFINITY };
            ::setrlimit(RLIMIT_CORE, &core);
            ::setrlimit(RLIMIT_FSIZE, &size);
            plan.apply(pair.into.platform, false);
            ::_exit(0);
        }
        int status = 0;
        QVERIFY(::waitpid(child, &status, 0) == child && WIFSIGNALED(status));
        const Outcome loaded = pair.into.library->load();
        QVERIFY(loaded && loaded.notices().value(0).text.startsWith("A restore of a backup was cut short."));
        QCOMPARE(libraryFiles(pair.into), before);
    }

    // What a backup brings into a library with content: the plan's lines, then the files, and the
    // settings only when asked for.
    void merged_data()
    {
        QTest::addColumn<QByteArrayList>("backup");
        QTest::addColumn<QByteArrayList>("library");
        QTest::addColumn<bool>("settings");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QByteArrayList>("after");
        const QByteArray health = "system/Health.txt=\"calm\",#TRUE#\r\n";
        const QByteArray index = "item.txt=\"health\",#TRUE#\r\n";
        const QByteArray own = "system/health.txt=\"rest\",#FALSE#\r\n";
        const auto row = [&](const char* name, QByteArrayList backup, QByteArrayList library, bool settings,
                             const QStringList& changes, const QByteArrayList& after) {
            // The row's own files come after the common ones, and so replace them.
            QTest::newRow(name) << QByteArrayList { "item.txt=\"Health\",#TRUE#\r\n", health } + backup
                                << QByteArrayList { index, own } + library << settings << changes << after;
        };
        const QString addOne = "Add 1 affirmations to \"health\"";
        const QByteArray sing = Libraries::recording("sing", "ogg", "Joy") + "=voice";
        const QByteArray stray = "system/Joy.voice/stray.ogg", calm = Libraries::recording("calm", "ogg");
        const QByteArray calmHere = Libraries::recording("calm", "ogg", "health");
        const QByteArray mine = Libraries::recording("calm", "wav", "health") + "=mine";
        row("a category gains what it lacks, letter case ignored, settings not asked for",
            { "system/Health.txt=\"rest\",#TRUE#\r\n\"calm\",#TRUE#\r\n\"calm\",#FALSE#\r\n" }, {}, false,
            { addOne }, { "system/health.txt=\"rest\",#FALSE#\r\n\"calm\",#TRUE#\r\n", index });
        row("in the file's own encoding, settings asked for", {},
            { "system/health.txt=\"na\xEFve\",#TRUE#\r\n" }, true, { addOne },
            { "system/health.txt=\"na\xEFve\",#TRUE#\r\n\"calm\",#TRUE#\r\n" });
        row("a new category, its tick and its recordings",
            { "item.txt=\"Joy\",#FALSE#\r\n", "system/Joy.txt=\"sing\",#TRUE#\r\n", "system/Joy.voice=/",
                sing, stray + "=x" },
            {}, false,
            { "Add the category \"Joy\" with 1 affirmations",
                "\"" + stray + "\" records no affirmation the backup brings back and is left out." },
            { "item.txt=\"health\",#TRUE#\r\n\"Joy\",#FALSE#\r\n", "system/Joy.txt=\"sing\",#TRUE#\r\n", sing,
                stray + "=<missing>" });
        // Recorded, then the library begun again from its starter: the affirmations it holds
        // already come back with their recordings.
        row("the recordings of affirmations the library has", { "system/Health.voice=/", calm + "=voice" },
            { "system/health.txt=\"calm\",#TRUE#\r\n" }, false, {}, { calmHere + "=voice" });
        row("a recording the library has stays", { "system/Health.voice=/", calm + "=theirs" },
            { "system/health.voice=/", mine }, false,
            { addOne,
                "\"" + calm + "\" is left out: the library keeps its own recording of that affirmation." },
            { mine, calmHere + "=<missing>" });
        row("the same picture under another name is passed over",
            { "SystemFolder/a.jpg=AAA", "SystemFolder/record.txt=\"a.jpg\"\r\n" },
            { "SystemFolder/b.jpg=AAA", "SystemFolder/record.txt=\"b.jpg\"\r\n" }, false,
            { addOne, "Skip the picture \"a.jpg\": the library has it already" },
            { "SystemFolder/record.txt=\"b.jpg\"\r\n", "SystemFolder/a.jpg=<missing>" });
        row("a taken name is numbered",
            { "SystemFolder/a.jpg=XXX", "SystemFolder/c.jpg=CCC",
                "SystemFolder/record.txt=\"a.jpg\"\r\n\"c.jpg\"\r\n" },
            { "SystemFolder/a.jpg=YYY", "SystemFolder/record.txt=\"a.jpg\"\r\n" }, false,
            { addOne, "Add the picture \"a.jpg\" as \"a (2).jpg\"", "Add the picture \"c.jpg\"" },
            { "SystemFolder/a.jpg=YYY", "SystemFolder/a (2).jpg=XXX", "SystemFolder/c.jpg=CCC",
                "SystemFolder/record.txt=\"a.jpg\"\r\n\"a (2).jpg\"\r\n\"c.jpg\"\r\n" });
    }
    void merged()
    {
        QFETCH(QByteArrayList, backup);
        QFETCH(QByteArrayList, library);
        QFETCH(bool, settings);
        QFETCH(QByteArrayList, after);
        Pair pair;
        QVERIFY(pair.from.write(backup) && pair.into.write(library));
        pair.from.platform.settings = { { "settings/DispOrder", "1" }, { "Library/Folder", "/theirs" } };
        pair.into.platform.settings = { { "settings/DispOrder", "0" }, { "Library/Folder", "/mine" } };
        const RestorePlan plan = pair.backUpAndPlan();
        QTEST(texts(plan.changes()) + texts(plan.leftOut()), "changes");
        QVERIFY(!plan.intoEmptyLibrary() && plan.apply(pair.into.platform, settings));
        QCOMPARE(pair.into.read(after), after);
        QCOMPARE(pair.into.platform.settings,
            (QMap<QString, QString> {
                { "settings/DispOrder", settings ? "1" : "0" }, { "Library/Folder", "/mine" } }));
    }

    // Archives made to harm: each is refused, or cut down with a word for each entry left out, and
    // nothing is written outside the library's folder.
    void hostile_data()
    {
        QTest::addColumn<QByteArrayList>("entries");
        QTest::addColumn<QString>("made");
        QTest::addColumn<RestoreRefusal>("refusal");
        QTest::addColumn<QStringList>("leftOut");
        const auto row = [](const char* name, const QByteArrayList& entries, const QString& made,
                             RestoreRefusal refusal, const QStringList& leftOut = {}) {
            QTest::newRow(name) << entries << made << refusal << leftOut;
        };
        const auto none = RestoreRefusal::None;
        const QString outside = "\"%1\" points outside the library and is left out.";
        row("up and out, and from the root", { "system/../../evil.txt=x", "$PARENT/evil.txt=x" }, "", none,
            { outside.arg("system/../../evil.txt"), outside.arg("$PARENT/evil.txt") });
        row("a symbolic link", { "link:SystemFolder/a.jpg=../../evil.txt" }, "", none,
            { "\"SystemFolder/a.jpg\" is a link, not a file, and is left out." });
        // A ZIP has no hard links: the writer leaves an empty file, which is an empty category.
        row("a hard link", { "hard:system/Hard.txt=../../evil.txt" }, "", none);
        // Large enough that libarchive hands out bytes before it reaches the end and sees the lie.
        row("larger than declared", { "system/Big.txt=" + QByteArray(1'000'000, 'a') }, "oversized", none,
            { "\"system/Big.txt\" is larger than the backup says and is left out." });
        row("its size disagrees", { "system/Big.txt=" + QByteArray(5000, 'a') }, "oversized", none,
            { "\"system/Big.txt\" is damaged and is left out." });
        row("outside the layout", { "notes.txt=x", "system/a/b.txt=x" }, "", none,
            { "\"notes.txt\" is no part of a library and is left out.",
                "\"system/a/b.txt\" is no part of a library and is left out." });
        row("a name the store refuses", { "SystemFolder/a\x01.jpg=x" }, "", none,
            { "\"SystemFolder/a\x01.jpg\" has a name the library cannot keep and is left out." });
        row("a name that is not UTF-8", { "system/Cafe.txt=x" }, "latin", none,
            { "A file whose name cannot be read is left out." });
        row("too many entries", {}, "many", RestoreRefusal::TooManyEntries);
        row("more than the disk has free", {}, "full", RestoreRefusal::NoRoom);
        row("damaged", { "system/Big.txt=" + QByteArray(5000, 'a') }, "damaged", RestoreRefusal::Damaged);
        row("no library in it", { "readme.md=x" }, "alone", RestoreRefusal::NotABackup,
            { "\"readme.md\" is no part of a library and is left out." });
    }
    void hostile()
    {
        QFETCH(QByteArrayList, entries);
        QFETCH(QString, made);
        QTemporaryDir parent;
        QVERIFY(QDir(parent.path()).mkpath("lib/system") && QDir(parent.path()).mkpath("lib/SystemFolder"));
        const QString archive = parent.filePath("backup.zip");
        if (made != "alone") {
            entries += QByteArrayList { "item.txt=\"Joy\",#TRUE#\r\n", "system/Joy.txt=\"sing\",#TRUE#\r\n" };
        }
        // One entry more than a backup may hold.
        for (qsizetype i = entries.size(); made == "many" && i <= kMaxArchiveEntries; ++i) {
            entries << "SystemFolder/" + QByteArray::number(i) + ".jpg=";
        }
        for (QByteArray& entry : entries) {
            entry.replace("$PARENT", QFile::encodeName(parent.path()));
        }
        writeZip(archive, entries);
        QByteArray zip = readBytes(archive);
        if (made == "oversized") {
            // Every header declares 3 bytes of the 5000: the local one, the data descriptor and the
            // central directory's.
            for (const char* size : { "\x88\x13\0\0", "\x40\x42\x0f\0" }) {
                zip.replace(QByteArray(size, 4), QByteArray("\3\0\0\0", 4));
            }
        }
        zip.replace("Cafe.txt", "Caf\xE9.txt");
        writeBytes(archive, made == "damaged" ? zip.left(60) : zip);
        const RestorePlan plan = RestorePlan::make(archive, parent.filePath("lib"),
            { kMaxArchiveEntries, [&](const QString&) { return made == "full" ? 10 : 1 << 30; } });
        QTEST(plan.refusal(), "refusal");
        QTEST(texts(plan.leftOut()).replaceInStrings(parent.path(), "$PARENT"), "leftOut");
        FakePlatform platform;
        QCOMPARE(bool(plan.apply(platform, true)), plan.refusal() == RestoreRefusal::None);
        QCOMPARE(QDir(parent.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            (QStringList { "backup.zip", "lib" }));
        const QMap<QString, QByteArray> files = filesBelow(parent.filePath("lib"));
        QCOMPARE(files.value("system/Joy.txt"),
            plan.refusal() == RestoreRefusal::None ? QByteArray("\"sing\",#TRUE#\r\n") : QByteArray());
        QVERIFY(!files.contains("evil.txt") && !files.contains("system/Big.txt"));
    }

    // The menu's two entries on the main window: a backup where the user said, then the plan
    // shown; Cancel writes nothing, then OK brings it back and the panels show it, and the message
    // names what was left out.
    void menuEntries()
    {
        MainWindowFixture fixture;
        fixture.reset();
        fixture.addPictures({ Qt::red, Qt::blue });
        QVERIFY(QDir().mkpath(fixture.path("system/Gone.voice"))
            && writeBytes(fixture.path("system/Gone.voice/x.ogg"), "x"));
        fixture.load();
        const QString archive = fixture.platform->trash.filePath("mine.zip");
        fixture.platform->chosenFiles = QStringList { archive, archive, archive };
        fixture.find<QAction>("mnuBackUp")->trigger();
        QCOMPARE(fixture.platform->saveRequests.constFirst().suggestedPath,
            QDir::home().filePath("Vellumora backup 2026-03-01.zip"));
        QFile::rename(fixture.path("SystemFolder/1.png"), fixture.path("SystemFolder/other.png"));
        QFile::remove(fixture.path("SystemFolder/2.png"));
        writeBytes(fixture.path("SystemFolder/record.txt"), "\"other.png\"\r\n");
        fixture.load();
        const QMap<QString, QByteArray> before = filesBelow(fixture.dir->path());
        const QString gone = QString("\"%1\" records no affirmation the backup brings back and is left out.")
                                 .arg("system/Gone.voice/x.ogg");
        for (const bool accept : { false, true }) {
            QStringList shown;
            QTimer::singleShot(0, fixture.window.get(), [&] {
                auto* dialog = qobject_cast<RestoreDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == "frmRestore");
                auto* list = dialog->findChild<QListWidget*>("lstRestoreChanges");
                for (int row = 0; row < list->count(); ++row) {
                    shown << list->item(row)->text();
                }
                if (auto* leftOut = dialog->findChild<QLabel*>("lblRestoreLeftOut")) {
                    shown << leftOut->text() + " "
                            + dialog->findChild<QListWidget*>("lstRestoreLeftOut")->item(0)->text();
                }
                dialog->findChild<QPushButton*>(accept ? "cmdRestoreOK" : "cmdRestoreCancel")->click();
                // Asked after the click, so that a failure still closes the dialog.
                QVERIFY(!dialog->findChild<QCheckBox*>("chkRestoreSettings")->isChecked());
            });
            fixture.find<QAction>("mnuRestore")->trigger();
            QCOMPARE(shown,
                (QStringList { "Skip the picture \"1.png\": the library has it already",
                    "Add the picture \"2.png\"", "These are not brought back, and why: " + gone }));
            QCOMPARE(fixture.library->pictures().count(), accept ? 2 : 1);
            QCOMPARE(filesBelow(fixture.dir->path()) == before, !accept);
            QCOMPARE(fixture.lastMessage(),
                accept ? "The backup was brought back, all but what was left out:\n" + gone
                       : "The library was backed up in \"" + archive + "\".");
        }
    }

    // Run without a window and cancelled at any stage, a backup leaves an older one at its place
    // as it was, and a restore leaves the library as it was; neither tells anything.
    void cancelled_data()
    {
        QTest::addColumn<QList<int>>("cancelAt");
        QTest::addColumn<QStringList>("works");
        const QString backUp = "Backing up your library...", read = "Reading the backup...";
        QTest::newRow("backing up") << QList<int> { -1, 2 } << QStringList { backUp, backUp };
        QTest::newRow("reading the backup") << QList<int> { -1, 3 } << QStringList { backUp, read };
        QTest::newRow("bringing it back")
            << QList<int> { -1, -1, 5 } << QStringList { backUp, read, "Bringing back the backup..." };
    }
    void cancelled()
    {
        QFETCH(QList<int>, cancelAt);
        QFETCH(QStringList, works);
        Pair pair;
        QVERIFY(pair.from.write(
            { "SystemFolder/1.png=1", "SystemFolder/2.png=2", "SystemFolder/3.png=3", "SystemFolder/4.png=4",
                "SystemFolder/record.txt=\"1.png\"\r\n\"2.png\"\r\n\"3.png\"\r\n\"4.png\"\r\n",
                "system/Health.txt=\"calm\",#TRUE#\r\n", "system/Health.voice=/",
                Libraries::recording("calm") + "=OggS" }));
        QVERIFY(pair.into.write({ "SystemFolder/1.png=1", "SystemFolder/record.txt=\"1.png\"\r\n" }));
        pair.from.library->load();
        pair.into.library->load();
        FakePlatform& platform = pair.into.platform;
        platform.cancelWorkAfterFiles = cancelAt;
        BackupJob::run(platform, *pair.from.library, pair.archive).report(platform);
        const QByteArray backup = readBytes(pair.archive);
        platform.messages.clear();
        const QMap<QString, QByteArray> before = libraryFiles(pair.into);
        RestoreJob job(platform, *pair.into.library);
        if (works.at(1) == works.at(0)) {
            BackupJob::run(platform, *pair.from.library, pair.archive).report(platform);
        } else if (job.read(pair.archive).report(platform)) {
            job.bringBack(false).report(platform);
        }
        QCOMPARE(platform.longWorks.mid(0, works.size()), works);
        QCOMPARE(readBytes(pair.archive), backup);
        QCOMPARE(libraryFiles(pair.into), before);
        QVERIFY(!QFileInfo::exists(pair.into.dir->filePath("system/Health.voice")));
        QCOMPARE(pair.into.library->pictures().count(), 1);
        QCOMPARE(platform.messages.size(), 0);
    }
};

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
