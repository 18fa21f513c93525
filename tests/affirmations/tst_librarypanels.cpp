#include "affirmations/RowModel.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "voice/Recordings.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

// The library panels' wiring: clicks and keys reach the library, and what it decides shows.
class TestLibraryPanels : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        f.reset();
        QVERIFY(
            writeBytes(f.path("system/Health.txt"), crlfLines({ "\"calm\",#TRUE#", "\"rest\",#FALSE#" })));
        QVERIFY(writeBytes(f.path("system/Work.txt"), crlfLines({ "\"ship\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"Health\",#FALSE#", "\"Work\",#FALSE#" })));
        f.load();
        f.window->show();
        f.find<QPushButton>("cmdAffirmationLibrary")->click();
    }

    void categoryClicksAndKeys()
    {
        QTreeView* categories = f.find<QTreeView>("lvFile");
        // A tick box ticks its row, writes the index, and leaves the choice where it was.
        click(categories, 1, true);
        QCOMPARE(readBytes(f.path("item.txt")), crlfLines({ "\"Health\",#FALSE#", "\"Work\",#TRUE#" }));
        QCOMPARE(categories->currentIndex().row(), 0);
        QCOMPARE(f.listed("lvFileContent"), (QStringList { "calm", "rest" }));
        // A click on a row shows its category; a click below the rows keeps the choice.
        click(categories, 1, false);
        QCOMPARE(f.listed("lvFileContent"), QStringList { "ship" });
        QTest::mouseClick(categories->viewport(), Qt::LeftButton, {}, QPoint(60, categories->height() - 30));
        QCOMPARE(categories->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(f.listed("lvFileContent"), QStringList { "ship" });
        // The keyboard shows the category it moves to, and Space ticks.
        categories->setFocus();
        QTest::keyClick(categories, Qt::Key_Up);
        QCOMPARE(f.listed("lvFileContent"), (QStringList { "calm", "rest" }));
        QTest::keyClick(categories, Qt::Key_Space);
        QCOMPARE(readBytes(f.path("item.txt")), crlfLines({ "\"Health\",#TRUE#", "\"Work\",#TRUE#" }));
        QVERIFY(f.platform->messages.isEmpty());
    }

    // Record, Stop, the mark, Listen, a replacement asked first, Remove and Undo, as the user
    // finds them under the list.
    void recordingButtons()
    {
        auto* record = f.find<QPushButton>("cmdRecord");
        auto* listen = f.find<QPushButton>("cmdListen");
        QAction* remove = f.find<QAction>("mnuRemoveRecording");
        QVERIFY(record->isEnabled() && !listen->isEnabled() && !remove->isEnabled());
        record->click();
        QCOMPARE(record->text(), "Sto&p");
        QVERIFY(!listen->isEnabled() && !f.find<QPushButton>("cmdRecordingMore")->isEnabled());
        record->click();
        QCOMPARE(record->text(), "&Record");
        const QModelIndex calm = f.find<QTreeView>("lvFileContent")->model()->index(0, 0);
        QVERIFY(calm.data(AffirmationList::RecordedRole).toBool() && !calm.data(Qt::DecorationRole).isNull());
        QCOMPARE(calm.data(Qt::AccessibleTextRole).toString(), "calm (recorded)");
        QVERIFY(listen->isEnabled() && remove->isEnabled());
        listen->click();
        FakeMediaControl* player = f.platform->players.value(0);
        QVERIFY(player && player->name.endsWith(Recordings::stem("calm") + ".ogg"));
        // Recording again asks first; No keeps the one it has.
        f.platform->answers << MessageAnswer::No;
        record->click();
        QCOMPARE(f.lastMessage().left(44), "This affirmation already has a recording. Re");
        remove->trigger();
        f.find<QPushButton>("cmdUndo")->click();
        QVERIFY(listen->isEnabled());
        // Gone by hand, it is unmarked when the user tries it.
        QVERIFY(QFile::remove(player->name));
        listen->click();
        QCOMPARE(f.lastMessage(), "This affirmation has no recording any more.");
        QVERIFY(!listen->isEnabled());
        // Stop acts while the microphone is still opening, and keeps nothing.
        f.platform->microphoneSlow = true;
        record->click();
        record->click();
        QVERIFY(record->text() == "&Record" && f.lastMessage().startsWith("The recording was stopped"));
    }

    void typedKeysAreFiltered()
    {
        QLineEdit* name = f.find<QLineEdit>("txtAddFile");
        // Letters beyond ASCII come as a keyboard layout gives them: a key with its text.
        for (const QChar letter : QString("Jó yß")) {
            QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, QString(letter), Qt::NoModifier);
        }
        QTest::keyClick(name, '7');
        // Pasted text holding anything else is refused whole.
        QGuiApplication::clipboard()->setText("Joy 2");
        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(name->text(), "Jó yß");
        QCOMPARE(f.platform->messages.size(), 2);
        QCOMPARE(f.lastMessage(), "Please Enter only Letters");
        QCOMPARE(f.platform->messages.last().icon, MessageIcon::Information);
        f.find<QPushButton>("cmdCreateFile")->click();
        QCOMPARE(name->text(), "");
        QCOMPARE(f.listed("lvFile"), (QStringList { "Health", "Work", "Jó yß" }));

        // Affirmations take anything but a double quote.
        QLineEdit* text = f.find<QLineEdit>("txtAddFileContent");
        QTest::keyClicks(text, "I'm 100% in!");
        QTest::keyClick(text, '"');
        QCOMPARE(text->text(), "I'm 100% in!");
        QCOMPARE(f.platform->messages.size(), 3);
        text->selectAll();
        text->insert("say \"yes\"");
        emit text->textEdited(text->text());
        QCOMPARE(text->text(), QString::fromUtf8("say \xE2\x80\x9Cyes\xE2\x80\x9D"));
    }

    // Each "&Delete" answers only in its own frame: Alt+A, then Alt+D twice, deletes nothing, as the
    // lists at the end show. Enter stores what is typed, Escape gives a new affirmation up, and
    // Delete deletes a letter.
    void keysActWhereTheUserWorks()
    {
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QPushButton* add = f.find<QPushButton>("cmdAddContent");
        QLineEdit* text = f.find<QLineEdit>("txtAddFileContent");
        QTest::keyClick(f.window.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(add->text(), "&Update");
        QVERIFY(!f.find<QPushButton>("cmdEditContent")->isEnabled());
        QTest::keyClick(f.window.get(), Qt::Key_D, Qt::AltModifier);
        QTest::keyClick(f.window.get(), Qt::Key_D, Qt::AltModifier);

        QTest::keyClicks(text, "given up");
        QTest::keyClick(text, Qt::Key_Escape);
        QCOMPARE(add->text() + '|' + text->text(), "&Add|calm");
        QVERIFY(add->hasFocus());
        QTest::keyClick(f.window.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_VERIFY(text->hasFocus());
        QTest::keyClicks(text, "kept");
        QTest::keyClick(text, Qt::Key_Return);
        QTRY_COMPARE(f.listed("lvFileContent"), (QStringList { "calm", "rest", "kept" }));
        // With nothing typed, Enter asks for text to edit; a tick box ticks its affirmation.
        QTest::keyClick(text, Qt::Key_Return);
        QTRY_COMPARE(f.lastMessage(), "Please Enter Text to edit");
        click(f.find<QTreeView>("lvFileContent"), 1, true);

        QLineEdit* name = f.find<QLineEdit>("txtAddFile");
        name->setFocus();
        QTest::keyClicks(name, "Joyx");
        QTest::keyClick(name, Qt::Key_Left);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Delete, QChar(0x7F), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Click, name, Qt::Key_Escape, QChar(0x1B), Qt::NoModifier);
        QCOMPARE(name->text(), "Joy");
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(f.listed("lvFile"), (QStringList { "Health", "Work", "Joy" }));
        // In the category frame, Alt+D deletes the chosen category, and Ctrl+Z, with nothing
        // typed to take back, brings it back.
        QTest::keyClick(f.window.get(), Qt::Key_D, Qt::AltModifier);
        QTRY_COMPARE(f.listed("lvFile"), (QStringList { "Health", "Work" }));
        QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.listed("lvFile"), (QStringList { "Health", "Work", "Joy" }));
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(readBytes(f.path("system/Health.txt")),
            crlfLines({ "\"calm\",#TRUE#", "\"rest\",#TRUE#", "\"kept\",#TRUE#" }));
    }

    // A text file dropped from a file manager goes into the chosen category; anything else cannot
    // be dropped. Exported, the category comes back through Import as a new category.
    void dropExportAndImport()
    {
        QWidget* viewport = f.find<QTreeView>("lvFileContent")->viewport();
        const QString dropped = f.path("goals.txt");
        QVERIFY(writeBytes(NativePath(dropped), "calm\r\nbreathe\r\n"));
        for (const auto& [file, accepted] : { std::pair { f.path("goals.png"), false }, { dropped, true } }) {
            QMimeData data;
            data.setUrls({ QUrl::fromLocalFile(file) });
            QDragEnterEvent enter({ 20, 20 }, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(viewport, &enter);
            QCOMPARE(enter.isAccepted(), accepted);
            QDropEvent drop({ 20, 20 }, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(viewport, &drop);
        }
        QCOMPARE(f.listed("lvFileContent"), (QStringList { "calm", "rest", "breathe" }));
        QCOMPARE(f.lastMessage().left(29), "1 affirmation(s) were added.\n");

        const QString exported = f.path("out/Health.txt");
        QVERIFY(QDir().mkpath(f.path("out")));
        f.platform->chosenFiles = { f.path("missing/Health.txt"), exported, exported };
        QAction* exportAction = f.find<QAction>("mnuExportAffirmations");
        exportAction->trigger();
        QVERIFY(f.lastMessage().startsWith("The affirmations could not be written to"));
        QVERIFY(!QFile::exists(f.path("missing")));
        exportAction->trigger();
        QCOMPARE(f.platform->saveRequests.last().suggestedPath, QDir::home().filePath("Health.txt"));
        QCOMPARE(readBytes(NativePath(exported)), "calm\nrest\nbreathe\n");
        f.platform->answers << MessageAnswer::No;
        f.find<QAction>("mnuImportAffirmations")->trigger();
        QCOMPARE(f.platform->fileRequests.last().filters.value(0).pattern, "*.txt");
        QCOMPARE(f.listed("lvFile"), (QStringList { "Health", "Work", "Health (2)" }));
        QCOMPARE(f.listed("lvFileContent"), (QStringList { "calm", "rest", "breathe" }));
        // With no category left, Export has nothing to write, there is nothing to add an affirmation
        // to, and the category list says how to make one.
        for (int i = 0; i < 3; ++i) {
            f.find<QPushButton>("cmdDelete")->click();
        }
        QVERIFY(f.listed("lvFile").isEmpty() && !exportAction->isEnabled() && !hinted() && hinted("lvFile"));
    }

    // An empty category says in its list how to add an affirmation, until one is added.
    void emptyListsHint()
    {
        QVERIFY(!hinted() && !hinted("lvFile"));
        f.find<QLineEdit>("txtAddFile")->setText("Joy");
        f.find<QPushButton>("cmdCreateFile")->click();
        QVERIFY(f.listed("lvFileContent").isEmpty() && hinted());
        QPushButton* add = f.find<QPushButton>("cmdAddContent");
        add->click();
        f.find<QLineEdit>("txtAddFileContent")->setText("glad");
        add->click();
        QCOMPARE(f.listed("lvFileContent"), QStringList { "glad" });
        QVERIFY(!hinted());
    }

    // A text longer than the field holds is shown shortened and never put into the field, where
    // "&Edit" would store it cut. An affirmation that begins in Arabic or Hebrew reads right to left
    // in the list, as in the show, which draws the same text: laid out as the window lays out its
    // text, left to right, it looks as it does laid out right to left, its full stop at its left
    // end and a number in its place.
    void longAndRightToLeftTexts()
    {
        const QStringList texts { QString(100000, 'x'), "أتقدم كل يوم 10 خطوات.", "אני מתקדם כל יום.",
            "I say مرحبا." };
        QVERIFY(writeBytes(f.path("system/Health.txt"), ('"' + texts.join("\"\r\n\"") + "\"\r\n").toUtf8()));
        f.load();
        QLineEdit* field = f.find<QLineEdit>("txtAddFileContent");
        QTreeView* list = f.find<QTreeView>("lvFileContent");
        QVERIFY(field->text().isEmpty() && !field->placeholderText().isEmpty());
        QVERIFY(f.listed("lvFileContent").constFirst().size() < 2000);
        click(list, 3, false);
        QVERIFY(field->text() == texts[3] && field->placeholderText().isEmpty());
        for (const auto& [row, reading] :
            { std::pair { 1, Qt::RightToLeft }, { 2, Qt::RightToLeft }, { 3, Qt::LeftToRight } }) {
            QCOMPARE(
                drawn(list->model()->index(row, 0).data().toString(), list->layoutDirection(), list->font()),
                drawn(texts[row], reading, list->font()));
        }
    }

private:
    // A hint is drawn where the rows of a short list never reach.
    bool hinted(const char* list = "lvFileContent") const
    {
        QWidget* rows = f.find<QTreeView>(list)->viewport();
        return drawnBetween(rows, rows->height() / 3, rows->height() * 2 / 3);
    }

    // The text laid out in one direction, from the left edge of a white line.
    static QImage drawn(const QString& text, Qt::LayoutDirection direction, const QFont& font)
    {
        QImage image(600, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
        option.setTextDirection(direction);
        painter.drawText(QRectF(image.rect()), text, option);
        return image;
    }

    static void click(QTreeView* list, int row, bool onTickBox)
    {
        const QRect place = list->visualRect(list->model()->index(row, 0));
        const QPoint at = onTickBox ? QPoint(place.left() + 10, place.center().y()) : place.center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    MainWindowFixture f;
};

QTEST_MAIN(TestLibraryPanels)
#include "tst_librarypanels.moc"
