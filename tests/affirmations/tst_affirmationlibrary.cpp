#include "support/Libraries.h"
#include "support/Listing.h"
#include "support/TestFiles.h"

#include <QTest>

using namespace vellumora;

namespace {

QByteArray many(int rows)
{
    QByteArray bytes;
    for (int i = 0; i < rows; ++i) {
        bytes += "\"x\",#TRUE#\r\n";
    }
    return bytes;
}

} // namespace

class TestAffirmationLibrary : public QObject {
    Q_OBJECT
private slots:

    // Files before, steps, then the categories and affirmations shown, the one chosen, files
    // after ("<missing>" for none, "/" for a folder) and the messages' beginnings.
    void scenarios_data()
    {
        QTest::addColumn<QByteArrayList>("before");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("categories");
        QTest::addColumn<QString>("affirmations");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<QStringList>("told");
        const QByteArray health = "system/Health.txt=\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n";
        const QByteArray stray = "system/Stray.txt=\"x\",#FALSE#\r\n";
        const QByteArray index = "item.txt=\"Health\",#FALSE#\r\n";

        // Before there is an index, the folder is listed in name order, letter case ignored,
        // and two names in two cases are two categories; after, a file it does not name is left out.
        QTest::newRow("first run")
            << QByteArrayList { health, "system/Work.txt=", "system/Joy.txt=", "system/joy.txt=" }
            << QStringList { "load", "create Stray", "load", "create joy" } << "Health|Joy|joy|Work|Stray"
            << ""
            << "joy"
            << QByteArrayList { "item.txt=\"Health\",#FALSE#\r\n\"Joy\",#FALSE#\r\n"
                                "\"joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n\"Stray\",#TRUE#\r\n" }
            << QStringList {};
        QTest::newRow("typed name trimmed")
            << QByteArrayList { health, index } << QStringList { "load", "create  Joy " } << "Health|Joy"
            << ""
            << "Joy"
            << QByteArrayList { "system/Joy.txt=", "item.txt=\"Health\",#FALSE#\r\n\"Joy\",#TRUE#\r\n" }
            << QStringList {};
        QTest::newRow("typed names refused")
            << QByteArrayList { health, index }
            << QStringList { "load", "create", "create    ", "create Jo/y", "create .." } << "Health"
            << "calm|rest"
            << "Health" << QByteArrayList { index }
            << QStringList { "A category name", "A category name", "A category name" };
        QTest::newRow("listed name in other case chosen, unlisted file taken in whole")
            << QByteArrayList { health, stray, index }
            << QStringList { "load", "create stray", "create hEALTH" } << "Health|Stray"
            << "calm|rest"
            << "Health" << QByteArrayList { health, stray } << QStringList {};
        // A category whose file is already missing still goes; the first one left is chosen.
        QTest::newRow("tick and drop")
            << QByteArrayList { health, "system/Work.txt=\"ship\",#TRUE#\r\n",
                   "item.txt=\"Gone\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#FALSE#\r\n" }
            << QStringList { "load", "choose 2", "tick 1", "choose 0", "drop" } << "Health|Work"
            << "calm|rest"
            << "Health" << QByteArrayList { "item.txt=\"Health\",#TRUE#\r\n\"Work\",#FALSE#\r\n" }
            << QStringList {};
        QTest::newRow("drop everything")
            << QByteArrayList { health, index } << QStringList { "load", "drop", "drop" } << ""
            << ""
            << "" << QByteArrayList { "item.txt=", "system/Health.txt=<missing>" }
            << QStringList { "There Is No Item To Delete" };
        QTest::newRow("affirmations edited, marked and removed")
            << QByteArrayList { health }
            << QStringList { "load", "pick 1", "edit rest, better", "mark 0", "add", "add new", "pick 0",
                   "remove" }
            << "Health"
            << "rest, better|new"
            << "Health"
            << QByteArrayList { "system/Health.txt=\"rest, better\",#FALSE#\r\n\"new\",#TRUE#\r\n" }
            << QStringList {};
        QTest::newRow("adding after the last is removed")
            << QByteArrayList { "system/Health.txt=\"one\",#TRUE#\r\n" }
            << QStringList { "load", "remove", "add", "add again", "edit" } << "Health"
            << "again"
            << "Health" << QByteArrayList { "system/Health.txt=\"again\",#TRUE#\r\n" }
            << QStringList { "Please Enter Text to edit" };
        // A library kept on Windows: both files in Windows-1252, the file's name in the same bytes.
        QTest::newRow("Windows-1252")
            << QByteArrayList { "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
                   "system/Plain.txt=", "item.txt=\"Caf\xE9\",#FALSE#\r\n\"Plain,#TRUE#\r\n" }
            << QStringList { "load", "add", "add Grüße", "tick 0", "choose 1", "tick 1" } << "Café|Plain"
            << ""
            << "Plain"
            << QByteArrayList { "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n",
                   "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Plain\",#FALSE#\r\n" }
            << QStringList {};
        QTest::newRow("failed writes lose nothing")
            << QByteArrayList { health, index }
            << QStringList { "load", "full", "add", "add new", "pick 0", "edit longer text", "mark 0",
                   "remove", "tick 0", "create Joy" }
            << "Health"
            << "calm|rest"
            << "Health" << QByteArrayList { health, index, "system/Joy.txt=<missing>" }
            << QStringList { "The affirmations could not be saved", "The affirmations could not be saved",
                   "The affirmations could not be saved", "The affirmations could not be saved",
                   "The category list could not be saved", "The category list could not be saved" };
        QTest::newRow("category file cannot be created")
            << QByteArrayList { health, index, "system/Joy.txt=/" } << QStringList { "load", "create Joy" }
            << "Health"
            << "calm|rest"
            << "Health" << QByteArrayList { index, "system/Joy.txt=/" }
            << QStringList { "The category \"Joy\" could not be created." };
        // A file that exists but cannot be read is never rewritten from the empty list shown for it.
        QTest::newRow("unreadable category file")
            << QByteArrayList { "system/Health.txt=/", index } << QStringList { "load", "add", "add new" }
            << "Health"
            << ""
            << "Health" << QByteArrayList { "system/Health.txt=/" }
            << QStringList { "The affirmations of \"Health\" could not be read.",
                   "The affirmations of \"Health\" could not be read, so" };
        QTest::newRow("unreadable index")
            << QByteArrayList { health, "item.txt=/" } << QStringList { "load", "create Joy" } << ""
            << ""
            << "" << QByteArrayList { "item.txt=/", "system/Joy.txt=<missing>" }
            << QStringList { "The category list could not be read, so",
                   "The category list could not be read when the program started" };
        // Names that must not form a path are left out, and so is a second row of a name; names in
        // two letter cases are two files. Nothing outside the library is touched.
        QTest::newRow("hostile index") << QByteArrayList { "outside.txt=keep", "system/Health.txt=",
            "item.txt=\"../outside\",#TRUE#\r\n\"Health\",#TRUE#\r\n\"/etc/passwd\",#TRUE#\r\n"
            "\"a\\..\\b\",#TRUE#\r\n\"health\",#FALSE#\r\n\"Health\",#TRUE#\r\n\"\x01\x02\xFF\",#TRUE#\r\n"
            "\"Work\",#FALSE#\r\n"
                + QByteArray(200000, 'x') + "\r\n" }
                                       << QStringList { "load", "choose 2", "drop" } << "Health|health"
                                       << ""
                                       << "Health"
                                       << QByteArrayList { "outside.txt=keep",
                                              "item.txt=\"Health\",#TRUE#\r\n\"health\",#FALSE#\r\n" }
                                       << QStringList {
                                              "6 line(s) of the category list named no usable category"
                                          };
        QTest::newRow("full category")
            << QByteArrayList { "system/Health.txt=" + many(CategoryStore::kMaxRows) }
            << QStringList { "load", "add", "add one more" } << "Health"
            << QString(QStringList(CategoryStore::kMaxRows, "x").join('|')) << "Health"
            << QByteArrayList { "system/Health.txt=" + many(CategoryStore::kMaxRows) }
            << QStringList { "This category already holds 32766 affirmations" };
    }

    void scenarios()
    {
        QFETCH(QByteArrayList, before);
        QFETCH(QStringList, steps);
        QFETCH(QString, categories);
        QFETCH(QString, affirmations);
        QFETCH(QString, chosen);
        QFETCH(QByteArrayList, after);
        QFETCH(QStringList, told);
        Libraries lib;
        QVERIFY(lib.write(before));
        for (const QString& step : steps) {
            lib.take(step);
        }
        lib.limit.reset();
        QCOMPARE(rowTexts(lib.categories), categories);
        QCOMPARE(rowTexts(lib.affirmations), affirmations);
        const int selected = lib.categories.selected();
        QCOMPARE(selected < 0 ? QString() : lib.categories.rows().at(selected).text, chosen);
        QCOMPARE(lib.read(after), after);
        QVERIFY2(beginEach(lib.told, told), qPrintable(lib.told.join('\n')));
    }

    void editorStates()
    {
        Libraries lib;
        QVERIFY(writeBytes(lib.path("system/Health.txt"), "\"one\",#TRUE#\r\n\"two\",#FALSE#\r\n"));
        lib.take("load");
        AffirmationList& list = lib.affirmations;
        const auto buttons = [&list] {
            return QString("%1%2%3%4")
                .arg(list.editor() == AffirmationList::Editor::Composing ? "composing " : "")
                .arg(list.canAdd() ? "A" : "-")
                .arg(list.canEdit() ? "E" : "-")
                .arg(list.canDelete() ? "D" : "-");
        };
        QCOMPARE(lib.fieldText(), "one");
        QCOMPARE(buttons(), "AED");
        // Add composes with an empty field; a click offers editing again; Update stores.
        lib.take("add");
        QCOMPARE(buttons(), "composing A--");
        QCOMPARE(lib.fieldText(), "");
        lib.take("pick 1");
        QCOMPARE(lib.fieldText(), "two");
        QCOMPARE(buttons(), "composing AE-");
        lib.take("add two");
        QCOMPARE(buttons(), "AED");
        // After a delete, Add and Edit wait for the next click and nothing stays selected.
        lib.take("remove");
        QCOMPARE(buttons(), "--D");
        QCOMPARE(list.selected(), -1);
        QVERIFY(!lib.take("remove"));
        lib.take("pick 0");
        QCOMPARE(buttons(), "AED");
        // With the last one gone there is nothing to click: Add is offered at once.
        while (!list.rows().isEmpty()) {
            lib.take("pick 0");
            lib.take("remove");
        }
        QCOMPARE(buttons(), "A-D");
    }
};

QTEST_GUILESS_MAIN(TestAffirmationLibrary)
#include "tst_affirmationlibrary.moc"
