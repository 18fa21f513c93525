#include "library/AffirmationLibraryPanel.h"
#include "support/FileSizeLimit.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTreeWidget>

using namespace vellumora;

class TestAffirmationLibrary : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f.reset(); }
    void cleanup() { f.window.reset(); }

    void firstRunListsTheFolder()
    {
        QVERIFY(writeBytes(f.path("system/Work.txt"), ""));
        QVERIFY(writeBytes(
            f.path("system/Health.txt"), crlfLines({ "\"I am calm\",#TRUE#", "\"I rest\",#FALSE#" })));
        QVERIFY(writeBytes(f.path("system/Joy.txt"), ""));
        QVERIFY(writeBytes(f.path("system/joy.txt"), ""));
        f.load();
        const QByteArray index
            = crlfLines({ "\"Health\",#FALSE#", "\"Joy\",#FALSE#", "\"joy\",#FALSE#", "\"Work\",#FALSE#" });
        QCOMPARE(readBytes(f.path("item.txt")), index);
        QCOMPARE(categoryTexts(), (QStringList { "Health", "Joy", "joy", "Work" }));
        QCOMPARE(categories()->currentItem()->text(0), "Health");
        QCOMPARE(affirmationTexts(), (QStringList { "I am calm", "I rest" }));
        QCOMPARE(field("txtAddFileContent")->text(), "I am calm");

        // Once the index exists, a file it does not name stays unlisted and untouched; the
        // next start lists what the first did.
        QVERIFY(writeBytes(f.path("system/Stray.txt"), "\"x\",#TRUE#\r\n"));
        f.load();
        QCOMPARE(categoryTexts(), (QStringList { "Health", "Joy", "joy", "Work" }));
        QCOMPARE(readBytes(f.path("item.txt")), index);
        QCOMPARE(readBytes(f.path("system/Stray.txt")), "\"x\",#TRUE#\r\n");
        QVERIFY(f.platform->messages.isEmpty());
        // A name typed again selects its own category, the one in the same letter case.
        field("txtAddFile")->setText("joy");
        press("cmdCreateFile");
        QCOMPARE(categories()->currentItem()->text(0), "joy");
        QCOMPARE(categoryTexts().size(), 4);
    }

    void emptyIndexGivesAnEmptyList()
    {
        QVERIFY(writeBytes(f.path("system/Health.txt"), ""));
        QVERIFY(writeBytes(f.path("item.txt"), ""));
        f.load();
        QCOMPARE(categoryTexts(), QStringList());
        QCOMPARE(readBytes(f.path("item.txt")), "");
        press("cmdDelete");
        QCOMPARE(lastMessage(), "There Is No Item To Delete");
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Critical);
    }

    void createNames_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("listed");
        QTest::addColumn<bool>("told");
        QTest::newRow("trimmed") << "  Joy "
                                 << "Health,Joy" << false;
        QTest::newRow("empty field") << ""
                                     << "Health" << false;
        QTest::newRow("spaces only") << "   "
                                     << "Health" << true;
        QTest::newRow("pasted slash") << "Jo/y"
                                      << "Health" << true;
        QTest::newRow("pasted dots") << ".."
                                     << "Health" << true;
        QTest::newRow("same name, other case") << "hEALTH"
                                               << "Health" << false;
        QTest::newRow("unlisted file is taken in") << "stray"
                                                   << "Health,Stray" << false;
    }

    void createNames()
    {
        QFETCH(QString, typed);
        QFETCH(QString, listed);
        QFETCH(bool, told);
        const QByteArray health = crlfLines({ "\"I am calm\",#TRUE#" });
        QVERIFY(writeBytes(f.path("system/Health.txt"), health));
        QVERIFY(writeBytes(f.path("system/Stray.txt"), "\"x\",#FALSE#\r\n"));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"Health\",#FALSE#" })));
        f.load();
        field("txtAddFile")->setText(typed);
        press("cmdCreateFile");

        QCOMPARE(categoryTexts().join(','), listed);
        QCOMPARE(f.platform->messages.size(), told ? 1 : 0);
        QCOMPARE(readBytes(f.path("system/Health.txt")), health);
        QCOMPARE(readBytes(f.path("system/Stray.txt")), "\"x\",#FALSE#\r\n");
        if (typed == "  Joy ") {
            QCOMPARE(QFileInfo(f.path("system/Joy.txt")).size(), 0);
            QCOMPARE(readBytes(f.path("item.txt")), crlfLines({ "\"Health\",#FALSE#", "\"Joy\",#TRUE#" }));
            QCOMPARE(categories()->currentItem()->text(0), "Joy");
            QCOMPARE(affirmationTexts(), QStringList());
            QCOMPARE(field("txtAddFile")->text(), "");
            QCOMPARE(field("txtAddFileContent")->text(), "");
        } else if (typed == "hEALTH") {
            QCOMPARE(categories()->currentItem()->text(0), "Health");
            QCOMPARE(affirmationTexts(), QStringList { "I am calm" });
        }
        QCOMPARE(QDir(f.path("system")).entryList(QDir::Files).size(), typed == "  Joy " ? 3 : 2);
    }

    void typedKeysAreFiltered()
    {
        f.load();
        QLineEdit* name = field("txtAddFile");
        QTest::keyClicks(name, "Jo y");
        QVERIFY(f.platform->messages.isEmpty());
        QTest::keyClick(name, '7');
        // Ctrl+V arrives with its control character, as from a real keyboard.
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_V, QChar(0x16), Qt::ControlModifier);
        QCOMPARE(name->text(), "Jo y");
        QCOMPARE(f.platform->messages.size(), 2);
        QCOMPARE(lastMessage(), "Please Enter only Letters");
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Information);

        // Affirmations take anything but a double quote.
        QLineEdit* text = field("txtAddFileContent");
        QTest::keyClicks(text, "I'm 100% in!");
        QTest::keyClick(text, '"');
        QCOMPARE(text->text(), "I'm 100% in!");
        QCOMPARE(f.platform->messages.size(), 3);
        text->selectAll();
        text->insert(QStringLiteral("say \"yes\""));
        emit text->textEdited(text->text());
        QCOMPARE(text->text(), QString::fromUtf8("say \xE2\x80\x9Cyes\xE2\x80\x9D"));
    }

    void deleteAndTick()
    {
        QVERIFY(writeBytes(f.path("system/Health.txt"), crlfLines({ "\"I am calm\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("system/Work.txt"), crlfLines({ "\"I ship\",#TRUE#" })));
        QVERIFY(writeBytes(
            f.path("item.txt"), crlfLines({ "\"Gone\",#TRUE#", "\"Health\",#FALSE#", "\"Work\",#FALSE#" })));
        f.load();

        // Ticking rewrites the index at once and keeps the selection.
        categories()->setCurrentItem(categories()->topLevelItem(2));
        clickTickBox(categories(), 1);
        QCOMPARE(readBytes(f.path("item.txt")),
            crlfLines({ "\"Gone\",#TRUE#", "\"Health\",#TRUE#", "\"Work\",#FALSE#" }));
        QCOMPARE(categories()->currentItem()->text(0), "Work");

        // A category whose file is already missing still goes; the first one left is shown.
        categories()->setCurrentItem(categories()->topLevelItem(0));
        press("cmdDelete");
        QCOMPARE(categoryTexts(), (QStringList { "Health", "Work" }));
        QCOMPARE(categories()->currentItem()->text(0), "Health");
        QCOMPARE(affirmationTexts(), QStringList { "I am calm" });
        press("cmdDelete");
        press("cmdDelete");
        QVERIFY(f.platform->messages.isEmpty());
        QCOMPARE(categoryTexts(), QStringList());
        QCOMPARE(affirmationTexts(), QStringList());
        QCOMPARE(readBytes(f.path("item.txt")), "");
        QCOMPARE(QDir(f.path("system")).entryList(QDir::Files), QStringList());
    }

    void editingStates()
    {
        QVERIFY(writeBytes(f.path("system/Health.txt"),
            crlfLines({ "\"one\",#TRUE#", "\"two\",#FALSE#", "\"three\",#TRUE#" })));
        f.load();
        const QString file = f.path("system/Health.txt");
        QPushButton* add = button("cmdAddContent");
        QPushButton* edit = button("cmdEditContent");
        QPushButton* remove = button("cmdDeleteContent");
        QLineEdit* text = field("txtAddFileContent");

        // Edit keeps the row's place and tick.
        clickAffirmation(1);
        QCOMPARE(text->text(), "two");
        text->setText("two, better");
        edit->click();
        QCOMPARE(
            readBytes(file), crlfLines({ "\"one\",#TRUE#", "\"two, better\",#FALSE#", "\"three\",#TRUE#" }));
        QCOMPARE(text->text(), "");
        edit->click();
        QCOMPARE(lastMessage(), "Please Enter Text to edit");

        // Add, Update with an empty field: an empty ticked row.
        add->click();
        QCOMPARE(add->text(), "&Update");
        QVERIFY(!edit->isEnabled());
        QVERIFY(!remove->isEnabled());
        // While composing, a click fills the field; Update appends a copy.
        clickAffirmation(0);
        QVERIFY(edit->isEnabled());
        add->click();
        add->click();
        text->clear();
        add->click();
        QCOMPARE(add->text(), "&Add");
        QVERIFY(edit->isEnabled() && remove->isEnabled());
        QCOMPARE(affirmationTexts(), (QStringList { "one", "two, better", "three", "one", "" }));
        QVERIFY(readBytes(file).endsWith("\"one\",#TRUE#\r\n\"\",#TRUE#\r\n"));

        // Delete: Add and Edit wait for the next click.
        clickAffirmation(4);
        remove->click();
        QCOMPARE(affirmationTexts().size(), 4);
        QVERIFY(!add->isEnabled() && !edit->isEnabled());
        remove->click(); // nothing selected
        QCOMPARE(affirmationTexts().size(), 4);
        clickAffirmation(2);
        QVERIFY(add->isEnabled() && edit->isEnabled());

        // Unticking rewrites the file; the text field keeps what the last click put there.
        clickTickBox(affirmations(), 0);
        QVERIFY(readBytes(file).startsWith("\"one\",#FALSE#\r\n"));
        QCOMPARE(text->text(), "three");
    }

    // "&Add" stays within reach whenever the selected category has no affirmation left.
    void addIsNeverADeadEnd()
    {
        QVERIFY(writeBytes(f.path("system/Health.txt"), crlfLines({ "\"one\",#TRUE#", "\"two\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("system/Empty.txt"), ""));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"Health\",#TRUE#", "\"Empty\",#TRUE#" })));
        f.load();
        QPushButton* add = button("cmdAddContent");
        QPushButton* edit = button("cmdEditContent");

        press("cmdDeleteContent");
        QVERIFY(!add->isEnabled() && !edit->isEnabled());
        categories()->setCurrentItem(categories()->topLevelItem(1));
        QVERIFY(add->isEnabled() && !edit->isEnabled());

        categories()->setCurrentItem(categories()->topLevelItem(0));
        clickAffirmation(0);
        press("cmdDeleteContent");
        QCOMPARE(affirmationTexts(), QStringList());
        QVERIFY(add->isEnabled() && !edit->isEnabled());
        add->click();
        field("txtAddFileContent")->setText("again");
        add->click();
        QCOMPARE(readBytes(f.path("system/Health.txt")), crlfLines({ "\"again\",#TRUE#" }));
    }

    // A library kept on Windows: the index and the category files in Windows-1252, the
    // category file's name in the same bytes on disk.
    void windows1252Library()
    {
        const NativePath cafe = NativePath(f.path("system")).child("Caf\xE9.txt");
        QVERIFY(writeBytes(cafe, "\"na\xEFve\",#TRUE#\r\n"));
        // A quote left open still names its category, and the flag after it counts.
        QVERIFY(writeBytes(f.path("item.txt"), "\"Caf\xE9\",#FALSE#\r\n\"Plain,#TRUE#\r\n"));
        QVERIFY(writeBytes(f.path("system/Plain.txt"), ""));
        f.load();
        QCOMPARE(categoryTexts(), (QStringList { "Café", "Plain" }));
        QCOMPARE(affirmationTexts(), QStringList { "naïve" });

        button("cmdAddContent")->click();
        field("txtAddFileContent")->setText("Grüße");
        button("cmdAddContent")->click();
        QCOMPARE(readBytes(cafe), "\"na\xEFve\",#TRUE#\r\n\"Gr\xFC\xDF\x65\",#TRUE#\r\n");
        clickTickBox(categories(), 0);
        QCOMPARE(readBytes(f.path("item.txt")), "\"Caf\xE9\",#TRUE#\r\n\"Plain\",#TRUE#\r\n");

        categories()->setCurrentItem(categories()->topLevelItem(0));
        press("cmdDelete");
        QCOMPARE(readBytes(cafe), "<missing>");
        QCOMPARE(categoryTexts(), QStringList { "Plain" });
        QCOMPARE(readBytes(f.path("item.txt")), "\"Plain\",#TRUE#\r\n");
        QVERIFY(f.platform->messages.isEmpty());
    }

    void failedWritesLoseNothing()
    {
        const QByteArray health = crlfLines({ "\"a long affirmation to keep\",#TRUE#" });
        QVERIFY(writeBytes(f.path("system/Health.txt"), health));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"Health\",#FALSE#" })));
        f.load();
        const QByteArray index = readBytes(f.path("item.txt"));
        {
            const FileSizeLimit limit(8);
            button("cmdAddContent")->click();
            field("txtAddFileContent")->setText("new");
            button("cmdAddContent")->click();
            categories()->topLevelItem(0)->setCheckState(0, Qt::Checked);
            field("txtAddFile")->setText("Joy");
            press("cmdCreateFile");
        }
        QCOMPARE(f.platform->messages.size(), 3);
        QCOMPARE(readBytes(f.path("system/Health.txt")), health);
        QCOMPARE(readBytes(f.path("item.txt")), index);
        QCOMPARE(affirmationTexts(), QStringList { "a long affirmation to keep" });
        QCOMPARE(categories()->topLevelItem(0)->checkState(0), Qt::Unchecked);
        QCOMPARE(categoryTexts(), QStringList { "Health" });
        QVERIFY(!QFile::exists(f.path("system/Joy.txt")));

        // A category that cannot be created leaves everything as it was.
        QVERIFY(QDir().mkpath(f.path("system/Joy.txt")));
        field("txtAddFile")->setText("Joy");
        press("cmdCreateFile");
        QCOMPARE(f.platform->messages.size(), 4);
        QCOMPARE(categoryTexts(), QStringList { "Health" });
    }

    void hostileIndexLoadsWhatItCan()
    {
        QVERIFY(writeBytes(f.path("outside.txt"), "\"keep\",#TRUE#\r\n"));
        QVERIFY(writeBytes(f.path("system/Health.txt"), ""));
        QByteArray index = crlfLines({ "\"../outside\",#TRUE#", "\"Health\",#TRUE#", "\"/etc/passwd\",#TRUE#",
            "\"a\\\\..\\\\b\",#TRUE#", "\"health\",#FALSE#" });
        index += QByteArray(200000, 'x') + "\r\n";
        index += QByteArray("\"\x01\x02\xFF\xFE\",#TRUE#\r\n\"Work\",#FALSE#\r\n");
        QVERIFY(writeBytes(f.path("item.txt"), index));
        f.load();
        // "health" names a file of its own here, missing like that of "Work".
        QCOMPARE(categoryTexts(), (QStringList { "Health", "health", "Work" }));
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(readBytes(f.path("outside.txt")), "\"keep\",#TRUE#\r\n");
        // The missing file of "Work" reads as an empty category, and deleting it is harmless.
        categories()->setCurrentItem(categories()->topLevelItem(2));
        QCOMPARE(affirmationTexts(), QStringList());
        press("cmdDelete");
        QCOMPARE(readBytes(f.path("item.txt")), crlfLines({ "\"Health\",#TRUE#", "\"health\",#FALSE#" }));
    }

    // A text longer than the field holds is kept whole, shown shortened, and never put into the
    // field, where "&Edit" would store it cut.
    void hugeAffirmationStaysWhole()
    {
        const QString huge(100000, QLatin1Char('x'));
        QVERIFY(writeBytes(
            f.path("system/Health.txt"), crlfLines({ "\"" + huge + "\",#TRUE#", "\"b\",#TRUE#" })));
        f.load();
        QLineEdit* text = field("txtAddFileContent");
        QCOMPARE(text->text(), QString());
        QVERIFY(!text->placeholderText().isEmpty());
        QVERIFY(affirmationTexts().constFirst().size() < 2000);
        press("cmdEditContent");
        QCOMPARE(lastMessage(), "Please Enter Text to edit");
        clickTickBox(affirmations(), 1);
        QCOMPARE(readBytes(f.path("system/Health.txt")),
            crlfLines({ "\"" + huge + "\",#TRUE#", "\"b\",#FALSE#" }));
        clickAffirmation(1);
        QCOMPARE(text->text(), "b");
        QCOMPARE(text->placeholderText(), QString());
    }

    void fullListRefusesOneMore()
    {
        QByteArray many;
        for (int i = 0; i < CategoryStore::kMaxRows; ++i) {
            many += "\"x\",#TRUE#\r\n";
        }
        QVERIFY(writeBytes(f.path("system/Health.txt"), many));
        f.load();
        button("cmdAddContent")->click();
        button("cmdAddContent")->click();
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(affirmationTexts().size(), CategoryStore::kMaxRows);
        QCOMPARE(readBytes(f.path("system/Health.txt")).size(), many.size());
    }

private:
    QTreeWidget* categories() const { return f.find<QTreeWidget>("lvFile"); }
    QTreeWidget* affirmations() const { return f.find<QTreeWidget>("lvFileContent"); }
    QLineEdit* field(const char* name) const { return f.find<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return f.find<QPushButton>(name); }
    void press(const char* name) const { button(name)->click(); }
    QString lastMessage() const
    {
        return f.platform->messages.isEmpty() ? QString() : f.platform->messages.last().text;
    }

    static QStringList texts(const QTreeWidget* list)
    {
        QStringList result;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            result.append(list->topLevelItem(i)->text(0));
        }
        return result;
    }
    QStringList categoryTexts() const { return texts(categories()); }
    QStringList affirmationTexts() const { return texts(affirmations()); }

    static void clickTickBox(QTreeWidget* list, int row)
    {
        const QRect place = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, QPoint(place.left() + 10, place.center().y()));
    }

    void clickAffirmation(int row) const
    {
        QTreeWidget* list = affirmations();
        const QRect place = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center() + QPoint(30, 0));
    }

    MainWindowFixture f;
};

QTEST_MAIN(TestAffirmationLibrary)
#include "tst_affirmationlibrary.moc"
