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
        row("first run", { health, "system/Work.txt=", "system/Joy.txt=", "system/joy.txt=" },
            "load; create Stray; load; create joy", "Health|Joy|joy|Work|Stray", "", "joy",
            { "item.txt=\"Health\",#FALSE#\r\n\"Joy\",#FALSE#\r\n\"joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n"
              "\"Stray\",#TRUE#\r\n" });
        row("typed name trimmed", { health, index }, "load; create  Joy ", "Health|Joy", "", "Joy",
            { "system/Joy.txt=", "item.txt=\"Health\",#FALSE#\r\n\"Joy\",#TRUE#\r\n" });
        row("typed names refused", { health, index }, "load; create; create    ; create Jo/y; create ..",
            "Health", "calm|rest", "Health", { index },
            { "A category name", "A category name", "A category name" });
        row("listed name in other case chosen, unlisted file taken in whole", { health, stray, index },
            "load; create stray; create hEALTH", "Health|Stray", "calm|rest", "Health", { health, stray });
        // A category whose file is already missing still goes; the first one left is chosen.
        row("tick and drop",
            { health, "system/Work.txt=\"ship\",#TRUE#\r\n",
                "item.txt=\"Gone\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#FALSE#\r\n" },
            "load; choose 2; tick 1; choose 0; drop", "Health|Work", "calm|rest", "Health",
            { "item.txt=\"Health\",#TRUE#\r\n\"Work\",#FALSE#\r\n" });
        row("drop everything", { health, index }, "load; drop; drop", "", "", "",
            { "item.txt=", "system/Health.txt=<missing>" }, { "There Is No Item To Delete" });
        row("affirmations edited, marked and removed", { health },
            "load; pick 1; edit rest, better; mark 0; add; add new; pick 0; remove", "Health",
            "rest, better|new", "Health",
            { "system/Health.txt=\"rest, better\",#FALSE#\r\n\"new\",#TRUE#\r\n" });
        row("adding after the last is removed", { "system/Health.txt=\"one\",#TRUE#\r\n" },
            "load; remove; add; add again; edit", "Health", "again", "Health",
            { "system/Health.txt=\"again\",#TRUE#\r\n" }, { "Please Enter Text to edit" });
        // A library kept on Windows: both files in Windows-1252, the file's name in the same bytes.
        row("Windows-1252",
            { "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n",
                "system/Plain.txt=", "item.txt=\"Caf\xE9\",#FALSE#\r\n\"Plain,#TRUE#\r\n" },
            "load; add; add Grüße; tick 0; choose 1; tick 1", "Café|Plain", "", "Plain",
            { "system/Caf\xE9.txt=\"na\xEFve\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n",
                "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Plain\",#FALSE#\r\n" });
        row("failed writes lose nothing", { health, index },
            "load; full; add; add new; pick 0; edit longer text; mark 0; remove; tick 0; create Joy",
            "Health", "calm|rest", "Health", { health, index, "system/Joy.txt=<missing>" },
            { "The affirmations could not be saved", "The affirmations could not be saved",
                "The affirmations could not be saved", "The affirmations could not be saved",
                "The category list could not be saved", "The category list could not be saved" });
        row("category file cannot be created", { health, index, "system/Joy.txt=/" }, "load; create Joy",
            "Health", "calm|rest", "Health", { index, "system/Joy.txt=/" },
            { "The category \"Joy\" could not be created." });
        // A file that exists but cannot be read is never rewritten from the empty list shown for it.
        row("unreadable category file", { "system/Health.txt=/", index }, "load; add; add new", "Health", "",
            "Health", { "system/Health.txt=/" },
            { "The affirmations of \"Health\" could not be read.",
                "The affirmations of \"Health\" could not be read, so" });
        row("unreadable index", { health, "item.txt=/" }, "load; create Joy", "", "", "",
            { "item.txt=/", "system/Joy.txt=<missing>" },
            { "The category list could not be read, so",
                "The category list could not be read when the program started" });
        // Names that must not form a path are left out, and so is a second row of a name; names in
        // two letter cases are two files. Nothing outside the library is touched.
        row("hostile index",
            { "outside.txt=keep", "system/Health.txt=",
                "item.txt=\"../outside\",#TRUE#\r\n\"Health\",#TRUE#\r\n\"/etc/passwd\",#TRUE#\r\n"
                "\"a\\..\\b\",#TRUE#\r\n\"health\",#FALSE#\r\n\"Health\",#TRUE#\r\n\"\x01\x02\xFF\",#TRUE#"
                "\r\n"
                "\"Work\",#FALSE#\r\n"
                    + QByteArray(200000, 'x') + "\r\n" },
            "load; choose 2; drop", "Health|health", "", "Health",
            { "outside.txt=keep", "item.txt=\"Health\",#TRUE#\r\n\"health\",#FALSE#\r\n" },
            { "6 line(s) of the category list named no usable category" });
        const QByteArray full = "system/Health.txt=" + many(CategoryStore::kMaxRows);
        row("full category", { full }, "load; add; add one more", "Health",
            QStringList(CategoryStore::kMaxRows, "x").join('|'), "Health", { full },
            { "This category already holds 32766 affirmations" });
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

private:
    static void row(const char* name, const QByteArrayList& before, const QString& steps,
        const QString& categories, const QString& affirmations, const QString& chosen,
        const QByteArrayList& after, const QStringList& told = {})
    {
        QTest::newRow(name) << before << steps.split("; ") << categories << affirmations << chosen << after
                            << told;
    }
};

QTEST_GUILESS_MAIN(TestAffirmationLibrary)
#include "tst_affirmationlibrary.moc"
