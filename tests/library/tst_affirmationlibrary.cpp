#include "library/AffirmationList.h"
#include "library/CategoryIndex.h"
#include "support/ApplicationFolder.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

using namespace vellumora;

namespace {

// The affirmation library as the main window holds it, on a temporary application folder.
struct Library {
    std::unique_ptr<TemporaryFolder> dir = newApplicationFolder();
    CategoryStore store { dir->path() };
    AffirmationList affirmations { store };
    CategoryIndex categories { store, affirmations };
    QSignalSpy field { &affirmations, &AffirmationList::fieldTextSet };

    QString path(const QString& relative) const { return dir->filePath(relative); }
    QString fieldText() const { return field.isEmpty() ? QString() : field.last().at(0).toString(); }
};

QStringList texts(const RowModel& model)
{
    QStringList result;
    for (const Row& row : model.rows()) {
        result.append(row.text);
    }
    return result;
}

QStringList notices(const Outcome& outcome)
{
    QStringList result;
    for (const Outcome::Notice& notice : outcome.notices()) {
        result.append(notice.text);
    }
    return result;
}

} // namespace

class TestAffirmationLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { lib = std::make_unique<Library>(); }

    void firstRunListsTheFolder()
    {
        QVERIFY(writeBytes(lib->path("system/Work.txt"), ""));
        QVERIFY(writeBytes(
            lib->path("system/Health.txt"), crlfLines({ "\"I am calm\",#TRUE#", "\"I rest\",#FALSE#" })));
        QVERIFY(writeBytes(lib->path("system/Joy.txt"), ""));
        QVERIFY(writeBytes(lib->path("system/joy.txt"), ""));
        QVERIFY(lib->categories.load().notices().isEmpty());
        const QByteArray index
            = crlfLines({ "\"Health\",#FALSE#", "\"Joy\",#FALSE#", "\"joy\",#FALSE#", "\"Work\",#FALSE#" });
        QCOMPARE(readBytes(lib->path("item.txt")), index);
        QCOMPARE(texts(lib->categories), (QStringList { "Health", "Joy", "joy", "Work" }));
        QCOMPARE(lib->categories.selected(), 0);
        QCOMPARE(texts(lib->affirmations), (QStringList { "I am calm", "I rest" }));
        QCOMPARE(lib->fieldText(), "I am calm");

        // Once the index exists, a file it does not name stays unlisted and untouched.
        QVERIFY(writeBytes(lib->path("system/Stray.txt"), "\"x\",#TRUE#\r\n"));
        QVERIFY(lib->categories.load().notices().isEmpty());
        QCOMPARE(texts(lib->categories).size(), 4);
        QCOMPARE(readBytes(lib->path("item.txt")), index);
        QCOMPARE(readBytes(lib->path("system/Stray.txt")), "\"x\",#TRUE#\r\n");
        // A name typed again chooses its own category, the one in the same letter case.
        QVERIFY(lib->categories.create("joy"));
        QCOMPARE(lib->categories.selected(), 2);
        QCOMPARE(texts(lib->categories).size(), 4);
    }

    void createNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<int>("told");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("trimmed") << "  Joy "
                                 << "Health,Joy" << 0 << "Joy";
        QTest::newRow("empty field") << ""
                                     << "Health" << 0 << "Health";
        QTest::newRow("spaces only") << "   "
                                     << "Health" << 1 << "Health";
        QTest::newRow("pasted slash") << "Jo/y"
                                      << "Health" << 1 << "Health";
        QTest::newRow("pasted dots") << ".."
                                     << "Health" << 1 << "Health";
        QTest::newRow("same name, other case") << "hEALTH"
                                               << "Health" << 0 << "Health";
        QTest::newRow("unlisted file is taken in") << "stray"
                                                   << "Health,Stray" << 0 << "Stray";
    }

    void createNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(int, told);
        QFETCH(QString, chosen);
        const QByteArray health = crlfLines({ "\"I am calm\",#TRUE#" });
        QVERIFY(writeBytes(lib->path("system/Health.txt"), health));
        QVERIFY(writeBytes(lib->path("system/Stray.txt"), "\"x\",#FALSE#\r\n"));
        QVERIFY(writeBytes(lib->path("item.txt"), crlfLines({ "\"Health\",#FALSE#" })));
        lib->categories.load();
        const Outcome outcome = lib->categories.create(typed);

        QCOMPARE(texts(lib->categories).join(','), listed);
        QCOMPARE(outcome.notices().size(), told);
        QCOMPARE(bool(outcome), told == 0 && !typed.isEmpty());
        QCOMPARE(lib->categories.rows().at(lib->categories.selected()).text, chosen);
        QCOMPARE(readBytes(lib->path("system/Health.txt")), health);
        QCOMPARE(readBytes(lib->path("system/Stray.txt")), "\"x\",#FALSE#\r\n");
        const bool made = typed == "  Joy ";
        if (made) {
            QCOMPARE(readBytes(lib->path("system/Joy.txt")), "");
            QCOMPARE(readBytes(lib->path("item.txt")), crlfLines({ "\"Health\",#FALSE#", "\"Joy\",#TRUE#" }));
            QCOMPARE(texts(lib->affirmations), QStringList());
            QCOMPARE(lib->fieldText(), "");
        }
        QCOMPARE(QDir(lib->path("system")).entryList(QDir::Files).size(), made ? 3 : 2);
    }

    void deleteAndTick()
    {
        QVERIFY(writeBytes(lib->path("system/Health.txt"), crlfLines({ "\"I am calm\",#TRUE#" })));
        QVERIFY(writeBytes(lib->path("system/Work.txt"), crlfLines({ "\"I ship\",#TRUE#" })));
        QVERIFY(writeBytes(lib->path("item.txt"),
            crlfLines({ "\"Gone\",#TRUE#", "\"Health\",#FALSE#", "\"Work\",#FALSE#" })));
        CategoryIndex& categories = lib->categories;
        categories.load();

        // Ticking rewrites the index at once and keeps the choice.
        categories.choose(2);
        QVERIFY(categories.toggleTick(1));
        QCOMPARE(readBytes(lib->path("item.txt")),
            crlfLines({ "\"Gone\",#TRUE#", "\"Health\",#TRUE#", "\"Work\",#FALSE#" }));
        QCOMPARE(categories.selected(), 2);

        // A category whose file is already missing still goes; the first one left is shown.
        categories.choose(0);
        QVERIFY(categories.removeSelected().notices().isEmpty());
        QCOMPARE(texts(categories), (QStringList { "Health", "Work" }));
        QCOMPARE(categories.selected(), 0);
        QCOMPARE(texts(lib->affirmations), QStringList { "I am calm" });
        QVERIFY(categories.removeSelected() && categories.removeSelected());
        QCOMPARE(texts(categories), QStringList());
        QCOMPARE(texts(lib->affirmations), QStringList());
        QCOMPARE(readBytes(lib->path("item.txt")), "");
        QCOMPARE(QDir(lib->path("system")).entryList(QDir::Files), QStringList());
        QCOMPARE(notices(categories.removeSelected()), QStringList { "There Is No Item To Delete" });
    }

    void editingStates()
    {
        QVERIFY(writeBytes(lib->path("system/Health.txt"),
            crlfLines({ "\"one\",#TRUE#", "\"two\",#FALSE#", "\"three\",#TRUE#" })));
        lib->categories.load();
        const QString file = lib->path("system/Health.txt");
        AffirmationList& list = lib->affirmations;
        using Editor = AffirmationList::Editor;

        // Edit keeps the row's place and tick.
        list.choose(1);
        QCOMPARE(lib->fieldText(), "two");
        QVERIFY(list.editSelected("two, better"));
        QCOMPARE(
            readBytes(file), crlfLines({ "\"one\",#TRUE#", "\"two, better\",#FALSE#", "\"three\",#TRUE#" }));
        QCOMPARE(lib->fieldText(), "");
        QCOMPARE(notices(list.editSelected("")), QStringList { "Please Enter Text to edit" });

        // Add composes; while composing, a click offers editing again; Update appends.
        QVERIFY(list.pressAdd("ignored"));
        QVERIFY(list.editor() == Editor::Composing && !list.canEdit() && !list.canDelete());
        list.choose(0);
        QVERIFY(list.canEdit() && list.editor() == Editor::Composing);
        QVERIFY(list.pressAdd("one"));
        QVERIFY(list.editor() == Editor::Idle && list.canEdit() && list.canDelete());
        list.pressAdd("");
        list.pressAdd("");
        QCOMPARE(texts(list), (QStringList { "one", "two, better", "three", "one", "" }));
        QVERIFY(readBytes(file).endsWith("\"one\",#TRUE#\r\n\"\",#TRUE#\r\n"));

        // Delete: Add and Edit wait for the next click, and nothing stays selected.
        list.choose(4);
        QVERIFY(list.removeSelected());
        QVERIFY(!list.canAdd() && !list.canEdit());
        QCOMPARE(list.selected(), -1);
        QVERIFY(!list.removeSelected());
        QCOMPARE(texts(list).size(), 4);
        list.choose(2);
        QVERIFY(list.canAdd() && list.canEdit());

        QVERIFY(list.toggleTick(0));
        QVERIFY(readBytes(file).startsWith("\"one\",#FALSE#\r\n"));
    }

    // Adding stays within reach whenever the chosen category has no affirmation left.
    void addIsNeverADeadEnd()
    {
        QVERIFY(
            writeBytes(lib->path("system/Health.txt"), crlfLines({ "\"one\",#TRUE#", "\"two\",#TRUE#" })));
        QVERIFY(writeBytes(lib->path("system/Empty.txt"), ""));
        QVERIFY(writeBytes(lib->path("item.txt"), crlfLines({ "\"Health\",#TRUE#", "\"Empty\",#TRUE#" })));
        lib->categories.load();
        AffirmationList& list = lib->affirmations;

        QVERIFY(list.removeSelected());
        QVERIFY(!list.canAdd() && !list.canEdit());
        lib->categories.choose(1);
        QVERIFY(list.canAdd() && !list.canEdit());

        lib->categories.choose(0);
        QVERIFY(list.removeSelected());
        QCOMPARE(texts(list), QStringList());
        QVERIFY(list.canAdd() && !list.canEdit());
        QVERIFY(list.pressAdd("") && list.pressAdd("again"));
        QCOMPARE(readBytes(lib->path("system/Health.txt")), crlfLines({ "\"again\",#TRUE#" }));
    }

    // A library kept on Windows: the index and the category files in Windows-1252, the
    // category file's name in the same bytes on disk.
    void windows1252Library()
    {
        const NativePath cafe = NativePath(lib->path("system")).child("Caf\xE9.txt");
        QVERIFY(writeBytes(cafe, "\"na\xEFve\",#TRUE#\r\n"));
        // A quote left open still names its category, and the flag after it counts.
        QVERIFY(writeBytes(lib->path("item.txt"), "\"Caf\xE9\",#FALSE#\r\n\"Plain,#TRUE#\r\n"));
        QVERIFY(writeBytes(lib->path("system/Plain.txt"), ""));
        lib->categories.load();
        QCOMPARE(texts(lib->categories), (QStringList { "Café", "Plain" }));
        QCOMPARE(texts(lib->affirmations), QStringList { "naïve" });

        QVERIFY(lib->affirmations.pressAdd("") && lib->affirmations.pressAdd("Grüße"));
        QCOMPARE(readBytes(cafe), "\"na\xEFve\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n");
        QVERIFY(lib->categories.toggleTick(0));
        QCOMPARE(readBytes(lib->path("item.txt")), "\"Caf\xE9\",#TRUE#\r\n\"Plain\",#TRUE#\r\n");

        QVERIFY(lib->categories.removeSelected().notices().isEmpty());
        QCOMPARE(readBytes(cafe), "<missing>");
        QCOMPARE(texts(lib->categories), QStringList { "Plain" });
        QCOMPARE(readBytes(lib->path("item.txt")), "\"Plain\",#TRUE#\r\n");
    }

    void failedWritesLoseNothing()
    {
        const QByteArray health = crlfLines({ "\"a long affirmation to keep\",#TRUE#" });
        QVERIFY(writeBytes(lib->path("system/Health.txt"), health));
        QVERIFY(writeBytes(lib->path("item.txt"), crlfLines({ "\"Health\",#FALSE#" })));
        lib->categories.load();
        const QByteArray index = readBytes(lib->path("item.txt"));
        {
            const FileSizeLimit limit(8);
            lib->affirmations.pressAdd("");
            QVERIFY(!lib->affirmations.pressAdd("new"));
            QVERIFY(!lib->categories.toggleTick(0));
            QVERIFY(!lib->categories.create("Joy"));
        }
        QCOMPARE(readBytes(lib->path("system/Health.txt")), health);
        QCOMPARE(readBytes(lib->path("item.txt")), index);
        QCOMPARE(texts(lib->affirmations), QStringList { "a long affirmation to keep" });
        QCOMPARE(lib->categories.rows(), (QList<Row> { { "Health", false } }));
        QCOMPARE(readBytes(lib->path("system/Joy.txt")), "<missing>");

        // A category that cannot be created leaves everything as it was.
        QVERIFY(QDir().mkpath(lib->path("system/Joy.txt")));
        QCOMPARE(lib->categories.create("Joy").notices().size(), 1);
        QCOMPARE(texts(lib->categories), QStringList { "Health" });
    }

    // A file that exists but cannot be read is never rewritten from the empty list shown for it.
    void unreadableFilesAreLeftAlone()
    {
        QVERIFY(QDir().mkpath(lib->path("system/Health.txt")));
        QVERIFY(writeBytes(lib->path("system/Work.txt"), ""));
        QVERIFY(writeBytes(lib->path("item.txt"), crlfLines({ "\"Health\",#TRUE#", "\"Work\",#TRUE#" })));
        QCOMPARE(lib->categories.load().notices().size(), 1);
        QCOMPARE(texts(lib->categories), (QStringList { "Health", "Work" }));
        lib->affirmations.pressAdd("");
        QVERIFY(notices(lib->affirmations.pressAdd("new")).constFirst().contains("could not be read"));
        QVERIFY(QFileInfo(lib->path("system/Health.txt")).isDir());

        lib.reset(new Library);
        QVERIFY(QDir().mkpath(lib->path("item.txt")));
        QVERIFY(writeBytes(lib->path("system/Work.txt"), ""));
        QCOMPARE(notices(lib->categories.load()).size(), 1);
        QCOMPARE(texts(lib->categories), QStringList());
        QCOMPARE(notices(lib->categories.create("Joy")),
            QStringList { "The category list could not be read when the program started, so it cannot be "
                          "changed now." });
        QCOMPARE(readBytes(lib->path("system/Joy.txt")), "<missing>");
        QVERIFY(QFileInfo(lib->path("item.txt")).isDir());
    }

    void hostileIndexLoadsWhatItCan()
    {
        QVERIFY(writeBytes(lib->path("outside.txt"), "\"keep\",#TRUE#\r\n"));
        QVERIFY(writeBytes(lib->path("system/Health.txt"), ""));
        QByteArray index = crlfLines({ "\"../outside\",#TRUE#", "\"Health\",#TRUE#", "\"/etc/passwd\",#TRUE#",
            "\"a\\\\..\\\\b\",#TRUE#", "\"health\",#FALSE#" });
        index += QByteArray(200000, 'x') + "\r\n";
        index += QByteArray("\"\x01\x02\xFF\xFE\",#TRUE#\r\n\"Work\",#FALSE#\r\n");
        QVERIFY(writeBytes(lib->path("item.txt"), index));
        QCOMPARE(lib->categories.load().notices().size(), 1);
        // "health" names a file of its own here, missing like that of "Work".
        QCOMPARE(texts(lib->categories), (QStringList { "Health", "health", "Work" }));
        QCOMPARE(readBytes(lib->path("outside.txt")), "\"keep\",#TRUE#\r\n");
        // The missing file of "Work" reads as an empty category, and deleting it is harmless.
        QVERIFY(lib->categories.choose(2));
        QCOMPARE(texts(lib->affirmations), QStringList());
        QVERIFY(lib->categories.removeSelected());
        QCOMPARE(readBytes(lib->path("item.txt")), crlfLines({ "\"Health\",#TRUE#", "\"health\",#FALSE#" }));
    }

    void fullListRefusesOneMore()
    {
        QByteArray many;
        for (int i = 0; i < CategoryStore::kMaxRows; ++i) {
            many += "\"x\",#TRUE#\r\n";
        }
        QVERIFY(writeBytes(lib->path("system/Health.txt"), many));
        lib->categories.load();
        lib->affirmations.pressAdd("");
        QCOMPARE(lib->affirmations.pressAdd("one more").notices().size(), 1);
        QCOMPARE(lib->affirmations.rows().size(), CategoryStore::kMaxRows);
        QCOMPARE(readBytes(lib->path("system/Health.txt")).size(), many.size());
    }

private:
    std::unique_ptr<Library> lib;
};

QTEST_GUILESS_MAIN(TestAffirmationLibrary)
#include "tst_affirmationlibrary.moc"
