#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace vellumora;

using Rows = QList<Row>;

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
        // A name in any alphabet. The index stays Windows-1252 while every name fits it and turns
        // wholly UTF-8 for one that does not; a new file is named in UTF-8, as names are here, and
        // an old one keeps its bytes.
        const QByteArray cafe = "system/Caf\xE9.txt=";
        const QByteArray cafeIndex = "item.txt=\"Caf\xE9\",#TRUE#\r\n";
        row("names Windows-1252 holds", { cafe, cafeIndex }, "load; create Salud y energía; create Grüße",
            "Café|Salud y energía|Grüße", "", "Grüße",
            { cafe, "system/Salud y energía.txt=", "system/Grüße.txt=",
                "item.txt=\"Caf\xE9\",#TRUE#\r\n\"Salud y energ\xED"
                "a\",#TRUE#\r\n\"Gr\xFC\xDF"
                "e\",#TRUE#\r\n" });
        row("names it cannot hold", { cafe, cafeIndex },
            "load; create Здоровье; create 健康 𠀀; create صحة; create café", "Café|Здоровье|健康 𠀀|صحة", "",
            "Café",
            { cafe, "system/Здоровье.txt=", "system/健康 𠀀.txt=", "system/صحة.txt=",
                "item.txt=\"Café\",#TRUE#\r\n\"Здоровье\",#TRUE#\r\n\"健康 "
                "𠀀\",#TRUE#\r\n\"صحة\",#TRUE#\r\n" });
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
        QCOMPARE(lib.shown(lib.categories), categories);
        QCOMPARE(lib.shown(lib.affirmations), affirmations);
        const int selected = lib.categories.selected();
        QCOMPARE(selected < 0 ? QString() : lib.categories.rows().at(selected).text, chosen);
        QCOMPARE(lib.read(after), after);
        QVERIFY2(lib.toldBeginning(told), qPrintable(lib.told.join('\n')));
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

    // The category files on their own: their bytes, encodings, hand edits and names.
    void init()
    {
        folder = newApplicationFolder();
        store = std::make_unique<CategoryStore>(folder->path());
    }

    void bytes_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("two rows, a comma in one")
            << Rows { { "I am calm", true }, { "I act now, not later", false } }
            << QByteArray("\"I am calm\",#TRUE#\r\n\"I act now, not later\",#FALSE#\r\n");
        QTest::newRow("empty text") << Rows { { "", true } } << QByteArray("\"\",#TRUE#\r\n");
        QTest::newRow("empty list") << Rows {} << QByteArray();
        QTest::newRow("not ASCII") << Rows { { "Ich bin ruhig ☀", false } }
                                   << QByteArray("\"Ich bin ruhig \xE2\x98\x80\",#FALSE#\r\n");
        // Only a hand-written row without quotes holds a double quote; it is written back so.
        QTest::newRow("double quote, bare")
            << Rows { { "He said \"go\"", true } } << QByteArray("He said \"go\",#TRUE#\r\n");
    }

    void bytes()
    {
        QFETCH(Rows, rows);
        QFETCH(QByteArray, bytes);
        QCOMPARE(CategoryStore::encodeRows(rows), bytes);
        QCOMPARE(CategoryStore::decodeRows(bytes), rows);

        const NativePath path = store->categoryPath("Health");
        QVERIFY(store->writeRows(path, rows));
        QCOMPARE(readBytes(path), bytes);
        QCOMPARE(store->readRows(path), rows);
    }

    // A file is rewritten in its own encoding, so rows nobody touched keep their bytes.
    void rewriteKeepsTheEncoding_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QByteArray>("after");
        const QByteArray naive("\"na\xEFve caf\xE9\",#TRUE#\r\n");
        QTest::newRow("Windows-1252, ASCII added") << naive << "I rest" << naive + "\"I rest\",#TRUE#\r\n";
        QTest::newRow("Windows-1252, a character it holds")
            << naive << "Grüße, 5 €" << naive + "\"Gr\xFC\xDF\x65, 5 \x80\",#TRUE#\r\n";
        QTest::newRow("Windows-1252, a character it cannot hold: all UTF-8")
            << naive << "✓ done"
            << QByteArray("\"na\xC3\xAFve caf\xC3\xA9\",#TRUE#\r\n\"\xE2\x9C\x93 done\",#TRUE#\r\n");
        QTest::newRow("UTF-8 stays UTF-8")
            << QByteArray("\"caf\xC3\xA9\",#FALSE#\r\n") << "naïve"
            << QByteArray("\"caf\xC3\xA9\",#FALSE#\r\n\"na\xC3\xAFve\",#TRUE#\r\n");
        QTest::newRow("byte-order mark and junk dropped, Windows-1252 kept")
            << QByteArray("\xEF\xBB\xBF\"caf\xE9\",#TRUE# x\n") << "a"
            << QByteArray("\"caf\xE9\",#TRUE#\r\n\"a\",#TRUE#\r\n");
        // Left in Windows-1252, "Ã©" would come back as "é" on the next read.
        QTest::newRow("Windows-1252 bytes that would read as UTF-8")
            << QByteArray("\"\xC3\xA9\",#TRUE#\r\nx,\xFF\r\n") << ""
            << QByteArray("\"\xC3\x83\xC2\xA9\",#TRUE#\r\n\"x\",#TRUE#\r\n\"\",#TRUE#\r\n");
    }

    void rewriteKeepsTheEncoding()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, added);
        QFETCH(QByteArray, after);
        const NativePath path = store->categoryPath("Health");
        QVERIFY(writeBytes(path, before));
        TextEncoding encoding;
        Rows rows = store->readRows(path, &encoding).value();
        rows.append({ added, true });
        QVERIFY(store->writeRows(path, rows, &encoding));
        QCOMPARE(readBytes(path), after);
        QCOMPARE(store->readRows(path), rows);
    }

    void handEdited_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("missing flag")
            << QByteArray("\"a\"\r\n\"b\",\r\n") << Rows { { "a", true }, { "b", true } };
        QTest::newRow("flag in lower case, without signs")
            << QByteArray("\"a\",#false#\n\"b\",False\n\"c\",#true#\n")
            << Rows { { "a", false }, { "b", false }, { "c", true } };
        QTest::newRow("byte-order mark")
            << QByteArray("\xEF\xBB\xBF\"a\",#FALSE#\r\n") << Rows { { "a", false } };
        QTest::newRow("text after the flag")
            << QByteArray("\"a\",#FALSE#,whatever \"x\"\r\n\"b\" junk,#FALSE# trailing\r\n")
            << Rows { { "a", false }, { "b", false } };
        QTest::newRow("quote left open before the flag")
            << QByteArray("\"Beta,#TRUE#\r\n\"Gamma,#false#  \r\n\"a,#TRUE#,#FALSE#\r\n")
            << Rows { { "Beta", true }, { "Gamma", false }, { "a,#TRUE#", false } };
        QTest::newRow("NUL bytes") << QByteArray("\"a\0b\",#FALSE#\r\n", 14)
                                   << Rows { { QString("a") + QChar(0) + "b", false } };
        QTest::newRow("Windows-1252 text that opens like a byte-order mark")
            << QByteArray("\xEF\xBB\xBF \xEF\xBB\xBFx\"y\xFF\r\n")
            << Rows { { QString::fromUtf8("\u00EF\u00BB\u00BFx\"y\u00FF"), true } };
        QTest::newRow("UTF-8 text that opens with U+FEFF") << QByteArray(
            "\xEF\xBB\xBF\xEF\xBB\xBFx\"y\r\n") << Rows { { QChar(0xFEFF) + QString("x\"y"), true } };
        QTest::newRow("Windows-1252, bytes Windows leaves unassigned")
            << QByteArray("\"\x80\x81\x9D\xFF\",#TRUE#\r\n")
            << Rows { { QString::fromUtf8("\u20AC\u0081\u009D\u00FF"), true } };
    }

    void handEdited()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Rows, rows);
        TextEncoding encoding;
        QCOMPARE(CategoryStore::decodeRows(bytes, &encoding), rows);
        // Whatever is read is written back so that it reads the same.
        QCOMPARE(CategoryStore::decodeRows(CategoryStore::encodeRows(rows, encoding)), rows);
    }

    void names_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<bool>("usable");
        QTest::newRow("letters and spaces") << "Good Health" << true << true;
        QTest::newRow("spaces only") << "   " << false << false;
        QTest::newRow("digit") << "Goals 2027" << false << true;
        QTest::newRow("punctuation") << "Joy!" << false << true;
        QTest::newRow("accented") << "Santé" << true << true;
        QTest::newRow("accent typed apart") << "Sante\u0301" << true << true;
        QTest::newRow("an accent alone") << "\u0301" << false << true;
        QTest::newRow("Cyrillic, Greek") << "Здоровье Αγάπη" << true << true;
        QTest::newRow("Chinese, beyond the first 65536") << "健康𠀀" << true << true;
        QTest::newRow("Arabic") << "صحة" << true << true;
        QTest::newRow("Devanagari vowel signs") << "स्वास्थ्य" << true << true;
        QTest::newRow("control character") << "Jo\ty" << false << false;
        QTest::newRow("climbs out") << "../item" << false << false;
        QTest::newRow("too long for a file name") << QString(252, 'a') << true << false;
        QTest::newRow("too long in UTF-8") << QString(100, u'健') << true << false;
        QTest::newRow("251 é: too long in UTF-8, not in Windows-1252") << QString(251, u'é') << true << true;
    }

    void names()
    {
        QFETCH(QString, name);
        QFETCH(bool, typed);
        QFETCH(bool, usable);
        QCOMPARE(CategoryStore::isTypedName(name), typed);
        QCOMPARE(CategoryStore::isUsableName(name), usable);
        QCOMPARE(CategoryStore("/app").categoryPath(name).isEmpty(), !usable);
    }

    // A name finds its file by the bytes the index spells it in, or the other encoding's when
    // only that file exists.
    void namesReachTheirFiles_data()
    {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QByteArrayList>("files");
        QTest::addColumn<QByteArray>("reached");
        const QByteArray latin("\"Caf\xE9\",#TRUE#\r\n");
        const QByteArray utf8("\"Caf\xC3\xA9\",#TRUE#\r\n");
        QTest::newRow("Windows-1252 index, Windows-1252 file")
            << latin << QByteArrayList { "Caf\xE9.txt" } << QByteArray("Caf\xE9.txt");
        QTest::newRow("Windows-1252 index, UTF-8 file")
            << latin << QByteArrayList { "Caf\xC3\xA9.txt" } << QByteArray("Caf\xC3\xA9.txt");
        QTest::newRow("UTF-8 index, Windows-1252 file")
            << utf8 << QByteArrayList { "Caf\xE9.txt" } << QByteArray("Caf\xE9.txt");
        QTest::newRow("Windows-1252 index, both files")
            << latin << QByteArrayList { "Caf\xC3\xA9.txt", "Caf\xE9.txt" } << QByteArray("Caf\xE9.txt");
        QTest::newRow("UTF-8 index, both files")
            << utf8 << QByteArrayList { "Caf\xC3\xA9.txt", "Caf\xE9.txt" } << QByteArray("Caf\xC3\xA9.txt");
        QTest::newRow("no file yet: UTF-8") << latin << QByteArrayList {} << QByteArray("Caf\xC3\xA9.txt");
    }

    void namesReachTheirFiles()
    {
        QFETCH(QByteArray, index);
        QFETCH(QByteArrayList, files);
        QFETCH(QByteArray, reached);
        const NativePath system(folder->filePath("system"));
        for (const QByteArray& file : files) {
            QVERIFY(writeBytes(system.child(file), "\"" + file + "\",#TRUE#\r\n"));
        }
        QVERIFY(writeBytes(store->indexPath(), index));
        QCOMPARE(store->readIndex(), (Rows { { "Café", true } }));
        QCOMPARE(store->categoryPath("Café"), system.child(reached));
        QCOMPARE(store->listCategoryNames(), files.isEmpty() ? QStringList() : QStringList { "Café" });
        QVERIFY(store->removeCategory("Café"));
        QCOMPARE(readBytes(system.child(reached)), "<missing>");
        QCOMPARE(nativeFileNames(system).size(), qMax(0, int(files.size()) - 1));
        // The index is rewritten in the encoding it came in.
        QVERIFY(store->writeIndex({ { "Café", false } }));
        QCOMPARE(readBytes(store->indexPath()), index.replace("#TRUE#", "#FALSE#"));
    }

    void filesAreNeverLostByAccident()
    {
        const NativePath health = store->categoryPath("Health");
        QVERIFY(writeBytes(health, "\"keep\",#TRUE#\r\n"));
        QVERIFY(!store->createCategory("Health"));
        QCOMPARE(store->readRows(health), (Rows { { "keep", true } }));
        QCOMPARE(store->findCategoryFile("hEALTH"), "Health");

        // Missing files read as empty and delete as done; an unreadable one reads as nothing.
        QCOMPARE(store->readRows(store->categoryPath("Gone")), Rows {});
        QVERIFY(store->removeCategory("Gone"));
        QVERIFY(QDir().mkpath(store->categoryPath("Folder").toString()));
        QString error;
        QVERIFY(!store->readRows(store->categoryPath("Folder"), nullptr, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!store->indexExists());
        QVERIFY(store->createCategory("New"));
        QCOMPARE(QFileInfo(store->categoryPath("New").toString()).size(), 0);
        // Only ".txt" files, in name order whatever the letter case; two names in two cases
        // are two files here.
        QVERIFY(writeBytes(store->categoryPath("health"), ""));
        QVERIFY(writeBytes(NativePath(folder->filePath("system/Other.TXT")), ""));
        QCOMPARE(store->listCategoryNames(), (QStringList { "Health", "health", "New" }));
    }

private:
    std::unique_ptr<TemporaryFolder> folder;
    std::unique_ptr<CategoryStore> store;

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
