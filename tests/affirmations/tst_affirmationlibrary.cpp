#include "affirmations/AffirmationImport.h"
#include "support/Libraries.h"

#include <QTest>

using namespace vellumora;

class TestAffirmationLibrary : public QObject {
    Q_OBJECT
private slots:

    // Files before, steps, then the categories shown (the chosen one followed by "*") and, after
    // ": ", the affirmations shown, files after ("<missing>" for none, "/" for a folder) and the
    // messages' beginnings.
    void scenarios_data()
    {
        QTest::addColumn<QByteArrayList>("before");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QByteArrayList>("after");
        QTest::addColumn<QStringList>("told");
        const auto row = [](const char* name, const QByteArrayList& before, const QString& steps,
                             const QString& shown, const QByteArrayList& after = {}, QStringList told = {}) {
            QTest::newRow(name) << before << steps.split("; ") << shown << after << told;
        };
        const QByteArray health = "system/Health.txt=\"calm\",#TRUE#\r\n\"rest\",#FALSE#\r\n";
        const QByteArray stray = "system/Stray.txt=\"x\",#FALSE#\r\n";
        const QByteArray index = "item.txt=\"Health\",#FALSE#\r\n";
        const QByteArray cafe = "system/Health.txt=\"caf\xE9\",#TRUE#\r\n";

        // Before there is an index, the folder's ".txt" files are listed in name order, letter case
        // ignored, and two names in two cases are two categories; after, a file it does not name is
        // left out.
        row("first run",
            { health, "system/Work.txt=", "system/Joy.txt=", "system/joy.txt=", "system/No.TXT=" },
            "load; create Stray; load; create joy", "Health|Joy|joy*|Work|Stray: ",
            { index + "\"Joy\",#FALSE#\r\n\"joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n\"Stray\",#TRUE#\r\n" });
        // A typed name is trimmed; a listed one, in any letter case, is chosen, and a file the
        // index does not name is taken in whole.
        row("typed names", { health, stray, index },
            "load; create  Joy ; create; create    ; create Jo/y; create ..; create stray; create hEALTH",
            "Health*|Joy|Stray: calm|rest",
            { health, stray, "system/Joy.txt=", index + "\"Joy\",#TRUE#\r\n\"Stray\",#TRUE#\r\n" },
            QStringList(3, "A category name"));
        // A category whose file is already missing still goes; the first one left is chosen.
        row("tick and drop",
            { health, "system/Work.txt=\"ship\",#TRUE#\r\n",
                "item.txt=\"Gone\",#TRUE#\r\n\"Health\",#FALSE#\r\n\"Work\",#FALSE#\r\n" },
            "load; choose 2; tick 1; choose 0; drop", "Health*|Work: calm|rest",
            { "item.txt=\"Health\",#TRUE#\r\n\"Work\",#FALSE#\r\n" });
        row("drop everything", { health, index }, "load; drop; drop", ": ",
            { "item.txt=", "system/Health.txt=<missing>" }, { "There Is No Item To Delete" });
        row("affirmations edited, marked and removed", { health },
            "load; pick 1; edit rest, better; mark 0; add; add new; pick 0; remove",
            "Health*: rest, better|new",
            { "system/Health.txt=\"rest, better\",#FALSE#\r\n\"new\",#TRUE#\r\n" });
        // Emptied, a file kept in Windows-1252 stays so.
        row("adding after the last is removed", { cafe }, "load; remove; add; add été; edit", "Health*: été",
            { "system/Health.txt=\"\xE9t\xE9\",#TRUE#\r\n" }, { "Please Enter Text to edit" });
        // Turned UTF-8 for a character Windows-1252 cannot hold, a file stays UTF-8 once it is gone.
        row("a file turned UTF-8 stays so", { cafe }, "load; add; add ✓; pick 1; remove", "Health*: café",
            { "system/Health.txt=\"caf\xC3\xA9\",#TRUE#\r\n" });
        // A name finds its file by the bytes the index spells it in, or the other encoding's when
        // only that file exists; the index is written back in its own encoding.
        const QByteArray latin = "item.txt=\"Caf\xE9\",#TRUE#\r\n";
        const QByteArray utf8 = "item.txt=\"Caf\xC3\xA9\",#TRUE#\r\n";
        const QByteArray latinFile = "system/Caf\xE9.txt=\"1252\"\r\n";
        const QByteArray utf8File = "system/Caf\xC3\xA9.txt=\"UTF-8\"\r\n";
        row("Windows-1252 index, both files", { latin, latinFile, utf8File }, "load", "Café*: 1252",
            { latin });
        row("UTF-8 index, both files", { utf8, latinFile, utf8File }, "load", "Café*: UTF-8", { utf8 });
        row("UTF-8 index, Windows-1252 file", { utf8, latinFile }, "load", "Café*: 1252");
        row("no index, both files: one category", { latinFile, utf8File }, "load", "Café*: UTF-8");
        // A name in any alphabet. The index stays Windows-1252 while every name fits it and turns
        // wholly UTF-8 for one that does not; a new file is named in UTF-8, as names are here, and
        // an old one keeps its bytes.
        row("names Windows-1252 holds", { latinFile, latin }, "load; create Salud y energía; create Grüße",
            "Café|Salud y energía|Grüße*: ",
            { latinFile, "system/Salud y energía.txt=", "system/Grüße.txt=",
                latin + "\"Salud y energ\xED\x61\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n" });
        row("names it cannot hold", { latinFile, latin },
            "load; create Здоровье; create 健康 𠀀; create صحة; create café",
            "Café*|Здоровье|健康 𠀀|صحة: 1252",
            { latinFile, "system/Здоровье.txt=", "system/健康 𠀀.txt=", "system/صحة.txt=",
                utf8 + "\"Здоровье\",#TRUE#\r\n\"健康 𠀀\",#TRUE#\r\n\"صحة\",#TRUE#\r\n" });
        row("failed writes lose nothing", { health, index },
            "load; full; add; add new; pick 0; edit longer text; mark 0; remove; tick 0; create Joy",
            "Health*: calm|rest", { health, index, "system/Joy.txt=<missing>" },
            QStringList(4, "The affirmations could not be saved")
                + QStringList(2, "The category list could not be saved"));
        row("category file cannot be created", { health, index, "system/Joy.txt=/" }, "load; create Joy",
            "Health*: calm|rest", { index, "system/Joy.txt=/" },
            { "The category \"Joy\" could not be created." });
        // A file that exists but cannot be read is never rewritten from the empty list shown for it.
        row("unreadable category file", { "system/Health.txt=/", index }, "load; add; add new",
            "Health*: ", { "system/Health.txt=/" },
            { "The affirmations of \"Health\" could not be read.",
                "The affirmations of \"Health\" could not be read, so" });
        row("unreadable index", { health, "item.txt=/" }, "load; create Joy", ": ",
            { "item.txt=/", "system/Joy.txt=<missing>" },
            { "The category list could not be read, so",
                "The category list could not be read when the program started" });
        // Names that must not form a path are left out, and so is a second row of a name; names in
        // two letter cases are two files. Nothing outside the library is touched.
        row("hostile index",
            { "outside.txt=keep", "system/Health.txt=",
                "item.txt=\"../outside\",#TRUE#\r\n\"Health\",#TRUE#\r\n\"/etc/passwd\",#TRUE#\r\n"
                "\"a\\..\\b\",#TRUE#\r\n\"health\",#FALSE#\r\n\"Health\",#TRUE#\r\n"
                "\"\x01\x02\xFF\",#TRUE#\r\n\"Work\",#FALSE#\r\n"
                    + QByteArray(200000, 'x') + "\r\n" },
            "load; choose 2; drop", "Health*|health: ",
            { "outside.txt=keep", "item.txt=\"Health\",#TRUE#\r\n\"health\",#FALSE#\r\n" },
            { "6 line(s) of the category list named no usable category" });
        // An import writes the category once, in its own encoding; a new category is named after
        // the file, of its letters alone and all but its last extension ("Imported" for none), and
        // numbered when the name is taken. A failed write adds nothing anywhere.
        row("import into the chosen category", { cafe, index },
            "load; bulk list.txt=calm\r\nGrüße\n\n café\r\"rest\",#FALSE#; bulk e.txt= \r\n; bulk "
            "b.txt=\x01\x02x",
            "Health*: café|calm|Grüße|rest",
            { cafe + "\"calm\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n\"rest\",#FALSE#\r\n" },
            { "3 affirmation(s) were added.\n1 line(s) already in the category",
                "The file \"e.txt\" is empty", "The file \"b.txt\" is not a text file" });
        row("import into new categories", { health, index },
            "load; bulknew Health.txt=one\ntwo\none; bulknew my-goals_2027.v2.txt=x; bulknew 2027.txt=y",
            "Health|Health (2)|my goals v|Imported*: y",
            { "system/Health (2).txt=\"one\",#TRUE#\r\n\"two\",#TRUE#\r\n",
                index + "\"Health (2)\",#TRUE#\r\n\"my goals v\",#TRUE#\r\n\"Imported\",#TRUE#\r\n" },
            { "2 affirmation(s) were added.\n1 line(s) already in the category, or earlier in the file, were "
              "passed over.\nThey are in the new category \"Health (2)\".",
                "1 affirmation(s) were added.\nThey are in", "1 affirmation(s) were added.\nThey are in" });
        row("failed imports lose nothing", { health, index }, "load; full; bulk a.txt=new; bulknew Joy.txt=x",
            "Health*: calm|rest", { health, index, "system/Joy.txt=<missing>" },
            { "The affirmations could not be saved", "The category \"Joy\" could not be created." });
        const QByteArray full
            = "system/Health.txt=" + QByteArray("\"x\",#TRUE#\r\n").repeated(CategoryStore::kMaxRows);
        row("full category", { full }, "load; add; add one more",
            "Health*: " + QStringList(CategoryStore::kMaxRows, "x").join('|'), { full },
            { "This category already holds 32766 affirmations" });
    }

    void scenarios()
    {
        QFETCH(QByteArrayList, before);
        QFETCH(QStringList, steps);
        QFETCH(QString, shown);
        QFETCH(QByteArrayList, after);
        QFETCH(QStringList, told);
        Libraries lib;
        QVERIFY(lib.write(before));
        for (const QString& step : steps) {
            lib.take(step);
        }
        lib.limit.reset();
        QStringList names = lib.shown(lib.categories.rows()).split('|');
        if (const int chosen = lib.categories.selected(); chosen >= 0) {
            names[chosen] += '*';
        }
        QCOMPARE(names.join('|') + ": " + lib.shown(lib.affirmations.rows()), shown);
        QCOMPARE(lib.read(after), after);
        QVERIFY2(lib.toldBeginning(told), qPrintable(lib.told.join('\n')));
    }

    // Add composes with an empty field; a click offers editing again; Update stores. After a
    // delete, Add and Edit wait for the next click and nothing stays selected; with the last one
    // gone there is nothing to click, so Add is offered at once.
    void editorStates()
    {
        Libraries lib;
        QVERIFY(lib.write({ "system/Health.txt=\"one\",#TRUE#\r\n\"two\",#FALSE#\r\n" }));
        const AffirmationList& list = lib.affirmations;
        QStringList states;
        for (const QString& step :
            QString("load; add; pick 1; add two; remove; remove; pick 0; remove; pick 0; remove")
                .split("; ")) {
            lib.take(step);
            states << QString(list.editor() == AffirmationList::Editor::Composing ? "composing " : "")
                    + (list.canAdd() ? "A" : "-") + (list.canEdit() ? "E" : "-")
                    + (list.canDelete() ? "D" : "-") + " " + lib.shown(list.rows()) + " @"
                    + QString::number(list.selected()) + " " + lib.fieldText();
        }
        QCOMPARE(states,
            (QStringList { "AED one|two @0 one", "composing A-- one|two @0 ", "composing AE- one|two @1 two",
                "AED one|two|two @1 ", "--D one|two @-1 ", "--D one|two @-1 ", "AED one|two @0 one",
                "--D two @-1 ", "AED two @0 two", "A-D  @-1 " }));
    }

    // Bytes read, the rows they hold, a row added, and the bytes written back in the file's own
    // encoding, so rows nobody touched keep their bytes (the same bytes when none are given).
    void bytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QList<Row>>("added");
        QTest::addColumn<QByteArray>("written");
        const auto bytesRow = [](const char* name, const QByteArray& bytes, const QString& rows,
                                  const QList<Row>& added = {}, const QByteArray& written = {}) {
            QTest::newRow(name) << bytes << rows << added << written;
        };
        // Only a hand-written row without quotes holds a double quote; it is written back so.
        bytesRow("as the program writes them",
            "\"I am calm\",#TRUE#\r\n\"I act now, not later\",#FALSE#\r\n\"\",#TRUE#\r\n"
            "\"Ich bin ruhig \xE2\x98\x80\",#FALSE#\r\nHe said \"go\",#TRUE#\r\n",
            "I am calm+|I act now, not later|+|Ich bin ruhig ☀|He said \"go\"+");
        bytesRow("empty list", "", "");
        // Lines end in CR LF, LF or CR alone; blank lines, and blanks around a bare field, go.
        bytesRow("hand-written lines",
            "\r\n  \r\n\"a\"\r\n\"b\",\r\"c\",#false#\n\"d\",False\n  k  ,\t#FALSE# \n\"e\",#true#\n"
            "\"f\",#FALSE#,whatever \"x\"\r\n\"g\" junk,#FALSE# trailing\r\n\"i,#TRUE#\r\n\"j,#false#  \r\n"
            "\"h,#TRUE#,#FALSE#\r\n",
            "a+|b+|c|d|k|e+|f|g|i+|j|h,#TRUE#", {},
            "\"a\",#TRUE#\r\n\"b\",#TRUE#\r\n\"c\",#FALSE#\r\n\"d\",#FALSE#\r\n\"k\",#FALSE#\r\n"
            "\"e\",#TRUE#\r\n\"f\",#FALSE#\r\n\"g\",#FALSE#\r\n\"i\",#TRUE#\r\n\"j\",#FALSE#\r\n\"h,#TRUE#\","
            "#FALSE#\r\n");
        bytesRow("NUL bytes", QByteArray("\"a\0b\",#FALSE#\r\n", 15), QString("a") + QChar(0) + "b");
        const QByteArray naive("\"na\xEFve caf\xE9\",#TRUE#\r\n");
        bytesRow("Windows-1252, a character it holds", naive, "naïve café+", { { "Grüße, 5 €", true } },
            naive + "\"Gr\xFC\xDF\x65, 5 \x80\",#TRUE#\r\n");
        bytesRow("Windows-1252, bytes Windows leaves unassigned", "\"\x80\x81\x9D\xFF\",#TRUE#\r\n",
            "€\u0081\u009D\u00FF+");
        bytesRow("byte-order mark and junk dropped, Windows-1252 kept", "\xEF\xBB\xBF\"caf\xE9\",#TRUE# x\n",
            "café+", { { "a", true } }, "\"caf\xE9\",#TRUE#\r\n\"a\",#TRUE#\r\n");
        // Left in Windows-1252, "Ã©" would come back as "é" on the next read, and a mark at the
        // start would be skipped.
        bytesRow("Windows-1252 bytes that would read as UTF-8", "\"\xC3\xA9\",#TRUE#\r\nx,\xFF\r\n", "Ã©+|x+",
            {}, "\"\xC3\x83\xC2\xA9\",#TRUE#\r\n\"x\",#TRUE#\r\n");
        bytesRow("Windows-1252 text that opens like a byte-order mark",
            "\xEF\xBB\xBF \xEF\xBB\xBFx\"y\xFF\r\n", "ï»¿x\"yÿ+", {},
            "\xC3\xAF\xC2\xBB\xC2\xBFx\"y\xC3\xBF,#TRUE#\r\n");
        bytesRow("UTF-8 text that opens with U+FEFF", "\xEF\xBB\xBF\xEF\xBB\xBFx\"y\r\n",
            QChar(0xFEFF) + QString("x\"y+"), {}, "\xEF\xBB\xBF\xEF\xBB\xBFx\"y,#TRUE#\r\n");
    }

    void bytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, rows);
        QFETCH(QList<Row>, added);
        QFETCH(QByteArray, written);
        TextEncoding encoding;
        QList<Row> read = CategoryStore::decodeRows(bytes, &encoding);
        QCOMPARE(Libraries::shown(read, true), rows);
        read += added;
        const QByteArray out = CategoryStore::encodeRows(read, encoding);
        QCOMPARE(out, written.isNull() ? bytes : written);
        QCOMPARE(CategoryStore::decodeRows(out), read);
    }

    // The lines of a text file, read for a category holding `existing`: the lines passed over
    // (repeated, too long, beyond the row limit: how many and the first), or "binary" for a file
    // that is no text, and after ": " the rows new to it.
    void importedLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("existing");
        QTest::addColumn<QString>("seen");
        const auto add = [](const char* name, const QByteArray& bytes, const QString& rows,
                             const QString& skipped = "0@0 0@0 0@0", int existing = 0) {
            QTest::newRow(name) << bytes << existing << skipped + ": " + rows;
        };
        add("byte-order mark", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\n", "été+");
        add("Windows-1252", "caf\xE9\r\nna\xEFve 5 \x80\r\n", "café+|naïve 5 €+");
        add("blank lines and blanks", "\r\n  \t \n  calm  \n\n", "calm+");
        add("category file lines",
            "\"I am calm\",#TRUE#\r\n\"I rest, too\",#false#\r\n\"\",#TRUE#\r\n\"open,#FALSE#\r\n",
            "I am calm+|I rest, too|open");
        add("CSV columns", "\"He said \"\"go\"\"\",12,x\n\"a\",TRUE\n\"b\" , #FALSE#", "He said “go”+|a+|b");
        add("stray quotes", "say \"yes\"\n\"Yes\" I can\n\"\n", "say “yes”+|“Yes” I can+");
        add("too long",
            "ok\n" + QByteArray(32768, 'a') + "\n" + QByteArray(32767, 'b') + "\n" + QByteArray(40000, 'c'),
            "ok+|" + QString(32767, 'b') + "+", "0@0 2@2 0@0");
        add("beyond the row limit", "a\nb\nx\nc\n", "a+", "1@3 0@0 2@2", CategoryStore::kMaxRows - 1);
        add("NUL bytes", QByteArray("calm\0\nrest\n", 11), "", "binary");
    }

    void importedLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, existing);
        QFETCH(QString, seen);
        const auto imported = AffirmationImport::read(bytes, QList<Row>(existing, { "x", true }));
        // The lines passed over.
        QString passed;
        for (const ImportedAffirmations::Skipped& lines :
            { imported.repeated, imported.tooLong, imported.beyondLimit }) {
            passed += QString("%1@%2 ").arg(lines.count).arg(lines.firstLine);
        }
        const bool binary = imported.refusal == ImportedAffirmations::Refusal::Binary;
        QCOMPARE((binary ? "binary" : passed.trimmed()) + ": " + Libraries::shown(imported.rows, true), seen);
    }

    // Whether each name may be typed ("T"), and whether it is usable ("U") and so has a path ("P").
    // A category's file is only ever made new, never over one already there.
    void names()
    {
        // Spaces only; a digit; an accent alone; Devanagari vowel signs; a control character; dots;
        // dots inside; too long for a file name; too long in UTF-8; and 251 "é", too long in UTF-8
        // but not in Windows-1252.
        const QStringList names { "   ", "Goals 2027", "\u0301", "स्वास्थ्य", "Jo\ty", "..", "Joy..Work",
            QString(252, 'a'), QString(100, u'健'), QString(251, u'é') };
        QStringList seen;
        for (const QString& name : names) {
            seen << QString(CategoryStore::isTypedName(name) ? "T" : "-")
                    + (CategoryStore::isUsableName(name) ? "U" : "-")
                    + (CategoryStore("/app").categoryPath(name).isEmpty() ? "-" : "P");
        }
        QCOMPARE(seen.join(' '), "--- -UP -UP TUP --- --- -UP T-- T-- TUP");
        Libraries lib;
        QVERIFY(
            lib.write({ "system/Joy.txt=keep" }) && !CategoryStore(lib.dir->path()).createCategory("Joy"));
        QCOMPARE(lib.read({ "system/Joy.txt=" }), QByteArrayList { "system/Joy.txt=keep" });
    }
};

QTEST_GUILESS_MAIN(TestAffirmationLibrary)
#include "tst_affirmationlibrary.moc"
