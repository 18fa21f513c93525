#include "desktoppicture/DesktopChanger.h"
#include "desktoppicture/DesktopPictureDialog.h"
#include "platform/FontColourDialog.h"
#include "settings/VoiceDialog.h"
#include "shell/AboutDialog.h"
#include "shell/Program.h"
#include "shell/UpdateReminder.h"
#include "shell/WebLinks.h"
#include "show/ShowGeometry.h"
#include "show/SlideshowWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "support/Translated.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

static const QString kReminderKey = UpdateReminder::kSection + QLatin1Char('/') + UpdateReminder::kKey;

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        f.reset();
        f.load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    }

    // The panels share one place; switching by their keys neither reloads nor loses what was
    // typed. A mnemonic presses its button visibly, then clicks it. A delete made in a panel is
    // undone from the window, whichever panel is in front: the button beside Start, or Ctrl+Z.
    void panelsAndKeys()
    {
        // The strip's holder stands where it is designed; the list beside it ends where it ends.
        const QRect holder = f.find<QWidget>("picHolder")->geometry();
        QCOMPARE(holder.topLeft(), QPoint(16, 24));
        QCOMPARE(f.find<QWidget>("lvwDisplay")->geometry().bottom(), holder.bottom());
        // Made larger, the window gives the room to the lists and the strip; the buttons stay
        // beside them, the navigation at the right and Start under the panels.
        const QStringList names { "picHolder", "lvwDisplay", "cmdAddPicture", "Frame7",
            "cmdDisplayAffirmations" };
        const auto place = [this](const QString& name) {
            const QWidget* control = f.find<QWidget>(name);
            return QRect(control->mapTo(f.window.get(), QPoint()), control->size());
        };
        QList<QRect> before;
        std::ranges::transform(names, std::back_inserter(before), place);
        f.window->resize(f.window->size() + QSize(200, 100));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QStringList moved;
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QRect now = place(names[i]), was = before[i];
            moved << QString::asprintf("%s %d,%d %dx%d", qPrintable(names[i]), now.x() - was.x(),
                now.y() - was.y(), now.width() - was.width(), now.height() - was.height());
        }
        QCOMPARE(moved.join("; "),
            "picHolder 0,0 0x100; lvwDisplay 0,0 200x100; cmdAddPicture 200,0 0x0; Frame7 200,0 0x0; "
            "cmdDisplayAffirmations 0,100 200x0");
        QVERIFY(writeSolidPicture(f.path("sea.jpg"), Qt::blue));
        f.platform->chosenFiles << f.path("sea.jpg");
        f.find<QPushButton>("cmdAddPicture")->click();
        auto* undo = f.find<QPushButton>("cmdUndo");
        QVERIFY(!undo->isEnabled());
        auto* pictures = f.find<QTreeView>("lvwDisplay");
        pictures->setCurrentIndex(pictures->model()->index(0, 0));
        f.find<QPushButton>("cmdDeletePicture")->click();
        QCOMPARE(pictures->model()->rowCount(), 0);
        QVERIFY(undo->isEnabled() && undo->toolTip().startsWith("Bring back the picture \"sea.jpg\""));
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* panels = f.find<QStackedWidget>("panelArea");
        QCOMPARE(panels->currentWidget()->objectName(), "fraImageLibrary");
        // Both lists only grow, so together they are as they were only if each is.
        const QStringList storedBefore = f.platform->settingsRead + f.platform->settingsWritten;
        f.find<QPushButton>("cmdAffirmationLibrary")->click();
        // Each library list takes half the room; its rows are as wide as it is.
        auto* affirmations = f.find<QTreeView>("lvFileContent");
        QCOMPARE(affirmations->width(), twipsToPixels(3015) + 100);
        // Its buttons stay spread over the designed width.
        for (const char* button : { "cmdDeleteContent", "cmdRecordingMore" }) {
            QCOMPARE(
                f.find<QWidget>(button)->geometry().right() + 1 - affirmations->x(), twipsToPixels(3015));
        }
        QCOMPARE(affirmations->header()->sectionSize(0), affirmations->viewport()->width());
        QTest::keyClicks(f.find<QLineEdit>("txtAddFile"), "Half a thought");
        for (const auto& [key, panel] : { std::pair(Qt::Key_T, "fraMusicSettings"),
                 std::pair(Qt::Key_L, "fraImageLibrary"), std::pair(Qt::Key_B, "fraAffirmationLibrary") }) {
            QTest::keyClick(f.window.get(), key, Qt::AltModifier);
            QTRY_COMPARE(panels->currentWidget()->objectName(), panel);
        }
        QCOMPARE(f.find<QLineEdit>("txtAddFile")->text(), "Half a thought");
        QCOMPARE(f.platform->settingsRead + f.platform->settingsWritten, storedBefore);
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pictures->model()->rowCount(), 1);
        QCOMPARE(panels->currentWidget()->objectName(), "fraImageLibrary");
        QVERIFY(
            !undo->isEnabled() && !f.find<QAction>("mnuUndo")->isEnabled() && f.platform->messages.isEmpty());
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.platform->openedUrls, QList<QUrl> { WebLinks::onlineHelpPage(*f.platform) });
    }

    // The window opens at the size the user left it at, within the screen's available area
    // (below and beside a panel in some rows) but never smaller than its contents need, centred
    // on that area; on an area smaller than that (a screen at 2x) it fills the area, its contents
    // scroll, and Start is in view. A size of 0 stands for the least the contents need, a place
    // of -1 for centred.
    void placedOnScreen_data()
    {
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QRect>("placed");
        const QRect large(0, 0, 1600, 1200), centred(-1, -1, 0, 0);
        QTest::newRow("never resized") << large << QStringList() << centred;
        QTest::newRow("kept") << large << QStringList { "1000", "800" } << QRect(-1, -1, 1000, 800);
        QTest::newRow("smaller than the contents") << large << QStringList { "300", "200" } << centred;
        QTest::newRow("larger than the screen")
            << QRect(100, 50, 1000, 700) << QStringList { "2000", "1500" } << QRect(100, 50, 1000, 700);
        QTest::newRow("a screen too small for the contents")
            << QRect(40, 30, 600, 400) << QStringList() << QRect(40, 30, 600, 400);
    }

    void placedOnScreen()
    {
        QFETCH(QRect, area);
        QFETCH(QStringList, stored);
        QFETCH(QRect, placed);
        // Stored empty reads as never stored.
        f.platform->settings.insert("settings/WindowWidth", stored.value(0));
        f.platform->settings.insert("settings/WindowHeight", stored.value(1));
        // The window's frame comes round the size kept.
        const QSize frame = f.window->frameGeometry().size() - f.window->size();
        const QSize least = f.window->minimumSize() + frame;
        f.window->placeOnScreen(area);
        if (placed.isEmpty()) {
            placed.setSize(least);
        } else if (placed.size() != area.size()) {
            placed.setSize(placed.size() + frame);
        }
        if (placed.x() < 0) {
            placed.moveCenter(area.center());
        }
        QCOMPARE(f.window->frameGeometry(), placed);
        auto* start = f.find<QPushButton>("cmdDisplayAffirmations");
        QVERIFY(f.window->rect().contains(QRect(start->mapTo(f.window.get(), QPoint()), start->size())));
        // The size is kept once the user has changed it, and only then, as the window's own size.
        f.platform->settingsWritten.clear();
        f.window->hide();
        f.window->show();
        QVERIFY(f.platform->settingsWritten.isEmpty());
        const QSize resized = f.window->size() + QSize(120, 80);
        f.window->resize(resized);
        QTRY_COMPARE(
            f.platform->settingsWritten, QStringList({ "settings/WindowWidth", "settings/WindowHeight" }));
        f.window->hide();
        QCOMPARE(f.platform->settingsWritten.size(), 2);
        QCOMPARE(f.platform->settings.value("settings/WindowWidth").toInt(), resized.width());
        QCOMPARE(f.platform->settings.value("settings/WindowHeight").toInt(), resized.height());
    }

    // The help menu, the banner and the About window's link open the guide installed with the
    // program, at its section: the banner by the mouse or, reached with Tab, by Enter or Space; the
    // About window from its button and from the menu. Help never fails in silence: without a
    // program to show it, the user is told where the guide is.
    void linksOpenTheGuide()
    {
        // The window opens with the focus in the picture list: Enter opens no page.
        QCOMPARE(f.window->focusWidget(), f.find<QWidget>("lvwDisplay"));
        QTest::keyClick(f.window->focusWidget(), Qt::Key_Return);
        for (const char* item : { "mnuOnline", "mnuVisit", "mnuUpdate" }) {
            f.find<QAction>(item)->trigger();
        }
        // The banner looks like a link: the link colour, underlined and the hand under the pointer.
        auto* banner = f.find<QLabel>("Label14");
        QVERIFY(banner->foregroundRole() == QPalette::Link && !banner->font().underline());
        QTest::mouseMove(banner);
        QVERIFY(banner->cursor().shape() == Qt::PointingHandCursor && banner->font().underline());
        // A click leaves the focus where it was.
        f.find<QPushButton>("cmdAbout")->setFocus();
        QTest::mouseClick(banner, Qt::LeftButton);
        QVERIFY(!banner->hasFocus() && banner->focusPolicy() == Qt::TabFocus);
        QTest::mouseMove(banner, QPoint(1, 1));
        QVERIFY(banner->cursor().shape() != Qt::PointingHandCursor && !banner->font().underline());
        // Tab reaches it; Space and Return follow it.
        banner->setFocus(Qt::TabFocusReason);
        QTest::keyClick(banner, Qt::Key_Space);
        QTest::keyClick(banner, Qt::Key_Return);
        // After the link, Return closes the about window (OK is the default) and opens nothing.
        std::optional<bool> closedByReturn;
        for (const auto& open : std::initializer_list<std::function<void()>> {
                 [this] { f.find<QPushButton>("cmdAbout")->click(); },
                 [this] { f.find<QAction>("mnuAbout")->trigger(); } }) {
            QTimer::singleShot(0, this, [&] {
                auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
                QVERIFY(about && about->windowTitle() == "Vellumora v1.0"
                    && !about->findChild<QLabel*>("picIcon")->pixmap().isNull());
                QTest::mouseClick(about->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
                if (!closedByReturn) {
                    about->activateWindow();
                    QTRY_COMPARE(QApplication::activeWindow(), about);
                    QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Return);
                    closedByReturn = !about->isVisible();
                }
                if (about->isVisible()) {
                    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
                }
            });
            open();
        }
        QVERIFY(closedByReturn == true);
        QStringList sections;
        for (const QUrl& opened : f.platform->openedUrls) {
            QVERIFY(opened.toLocalFile().endsWith("/share/doc/vellumora/user-guide.html"));
            sections << opened.fragment();
        }
        QCOMPARE(sections, QStringList({ "", "welcome", "updating" }) + QStringList(5, "welcome"));
        f.platform->browserFound = false;
        f.find<QAction>("mnuOnline")->trigger();
        QCOMPARE(f.platform->messages.size(), 1);
        QVERIFY(f.lastMessage().startsWith("The user guide could not be opened")
            && f.lastMessage().endsWith("\n" + f.platform->openedUrls.constLast().toLocalFile()));
    }

    // Every window at the default font, and again at a large one (see tests/CMakeLists.txt): laid
    // out by their contents, they grow until every text is whole, and never shrink below the
    // designed size. No two controls a key can reach answer to the same Alt+letter.
    void everyTextIsWholeAndNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("panel");
        for (const QString& language : Translated::languages()) {
            // The panels by their buttons, the affirmation library again while one is written, the
            // settings where the desktop places the windows, and the windows.
            for (const char* panel :
                { "cmdImageLibrary", "cmdAffirmationLibrary", "cmdAddContent", "cmdMusicSettings",
                    "cmdMusicSettings on Wayland", "about", "font", "show", "desktop", "voice" }) {
                QTest::addRow("%s, %s", qPrintable(language), panel) << language << panel;
            }
        }
    }

    void everyTextIsWholeAndNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, panel);
        const Translated translated(language);
        QVERIFY(translated.installed());
        f.reset();
        f.platform->windowsPlaced = !panel.endsWith("on Wayland");
        const QString longer = QString("I keep going, one small step after another. ").repeated(6);
        QVERIFY(writeBytes(f.path("system/Goals.txt"), crlfLines({ "\"" + longer + "\",#TRUE#" })));
        f.load();
        // The dialogs stand alone; a panel is shown in the main window.
        QSize designed = panel.startsWith("cmd") ? QSize(644, 566) : QSize();
        DesktopChanger changer(*f.platform, *f.library, f.random);
        std::unique_ptr<QWidget> dialog;
        if (panel == "about") {
            dialog = std::make_unique<AboutDialog>(*f.platform);
            designed = QSize(472, 267);
        } else if (panel == "font") {
            dialog = std::make_unique<FontColourDialog>(FontChoice {});
        } else if (panel == "desktop") {
            dialog = std::make_unique<DesktopPictureDialog>(*f.platform, f.library->desktop(), changer);
        } else if (panel == "voice") {
            dialog = std::make_unique<VoiceDialog>(*f.platform, f.library->voice());
        } else if (panel == "show") {
            const ShowGeometry small = ShowGeometry::of(ShowSize::Small, QSize(1280, 1024));
            dialog = std::make_unique<SlideshowWindow>();
            static_cast<SlideshowWindow*>(dialog.get())->setShowGeometry(small);
            dialog->resize(small.window);
        }
        QWidget* window = dialog ? dialog.get() : f.window.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (panel == "cmdAddContent") {
            f.find<QPushButton>("cmdAffirmationLibrary")->click();
        }
        if (!dialog) {
            f.find<QPushButton>(panel.section(' ', 0, 0))->click();
            // A caption changed by the click is laid out as the event loop goes on.
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
        // In English at the default font a designed window is exactly as designed; the line that
        // tells why the place options are greyed makes it taller.
        const QSize client = dialog ? window->size() : f.window->centralWidget()->size();
        const bool asDesigned = language == "en" && !qEnvironmentVariableIsSet("QT_FONT_DPI")
            && designed.isValid() && f.platform->windowsPlaced;
        QVERIFY2(asDesigned ? client == designed : client.expandedTo(designed) == client,
            qPrintable(QString("%1 x %2").arg(client.width()).arg(client.height())));

        QStringList faults;
        // Each key with the control that answers to it.
        QMap<QString, QString> keys;
        const auto claim = [&](const QString& key, const QString& owner) {
            if (keys.contains(key) && panel != "font") {
                faults << key + " is the key of both " + keys[key] + " and " + owner;
            }
            keys.insert(key, owner);
        };
        const QSet<QString> english = Translated::translatedAway(language);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // The show's frame and strips reach past its edges by design; its texts may not.
            if (!control->isVisible() || (panel == "show" && !qobject_cast<QAbstractButton*>(control))) {
                continue;
            }
            checkPlace(control, faults);
            for (const QString& text : shownTexts(control)) {
                if (english.contains(text)) {
                    faults << name(control) + " shows \"" + text + "\" in English";
                }
            }
            // Every control a user can reach has a name a screen reader can say.
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            if (control->focusPolicy() != Qt::NoFocus && accessible
                && accessible->text(QAccessible::Name).trimmed().isEmpty()) {
                faults << name(control) + " has no name";
            }
            if (auto* button = qobject_cast<QAbstractButton*>(control);
                button && !button->shortcut().isEmpty()) {
                claim(button->shortcut().toString(), button->objectName());
            }
        }
        for (QAction* menu : dialog ? QList<QAction*>() : f.window->menuBar()->actions()) {
            claim(QKeySequence::mnemonic(menu->text()).toString(), menu->text());
            const QList<QAction*> items = menu->menu()->actions() << menu;
            for (const QAction* item : items) {
                if (english.contains(item->text())) {
                    faults << "the menu item " + item->text() + " is in English";
                }
            }
        }
        // Qt's font dialog keeps its own keys and Tab order; the show has one control.
        if (panel != "font" && panel != "show") {
            checkTabOrder(window, faults);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        // A long affirmation's whole text is its row's tip.
        const QModelIndex row = f.find<QTreeView>("lvFileContent")->model()->index(0, 0);
        QCOMPARE(row.data(Qt::ToolTipRole).toString(), longer);
    }

    // Text on the program's fixed backgrounds stands out on them, whatever the desktop's palette:
    // each text colour starts as its background's own.
    void fixedBackgroundsKeepTheirTextLegible()
    {
        for (const auto& [background, text, fill] :
            { std::tuple(QPalette::Window, QPalette::WindowText, kLightBlue),
                std::tuple(QPalette::Base, QPalette::Text, kLightBlue),
                std::tuple(QPalette::Button, QPalette::ButtonText, QColor(Qt::black)) }) {
            QWidget frame;
            QPalette palette;
            palette.setColor(text, fill);
            frame.setPalette(palette);
            setColour(&frame, background, fill);
            QCOMPARE(frame.palette().color(text), QColor(fill == kLightBlue ? Qt::black : Qt::white));
        }
    }

    // The update reminder, every 15 days; the first run, or an unreadable date, only starts the
    // count. Yes opens the update page; either way the count starts again from today.
    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        // The user's answer to the reminder; none where there is none.
        QTest::addColumn<QString>("answer");
        const QDateTime now(QDate(2026, 3, 1), QTime(0, 1));
        QTest::newRow("first run") << QString() << "";
        QTest::newRow("unreadable date") << QString("last tuesday") << "";
        QTest::newRow("14 days ago") << UpdateReminder::format(now.addDays(-14)) << "";
        QTest::newRow("15 days ago") << UpdateReminder::format(now.addDays(-15)) << "yes";
        // Fewer than 15 whole days have passed, but 15 day boundaries have been crossed.
        QTest::newRow("15 calendar days, 14 days 2 minutes")
            << UpdateReminder::format(QDateTime(QDate(2026, 2, 14), QTime(23, 59))) << "no";
        QTest::newRow("clock set back 14 days") << UpdateReminder::format(now.addDays(14)) << "";
        QTest::newRow("clock set back 15 days") << UpdateReminder::format(now.addDays(15)) << "no";
    }

    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(QString, answer);
        const bool reminds = !answer.isEmpty();
        FakePlatform platform(f.dir->path());
        platform.clock = QDateTime(QDate(2026, 3, 1), QTime(0, 1));
        platform.settings.insert(kReminderKey, stored);
        platform.answers = { answer == "yes" ? MessageAnswer::Yes : MessageAnswer::No };
        Program program(platform);
        program.remindOfUpdate();
        QCOMPARE(platform.messages.size(), reminds ? 1 : 0);
        QVERIFY(!reminds
            || (platform.messages.first().text
                    == "There maybe an update to this software available\rDo you want to check for an update?"
                && platform.messages.first().buttons == MessageButtons::YesNo));
        const bool rewrites = reminds || UpdateReminder::parse(stored) == std::nullopt;
        QCOMPARE(platform.settings.value(kReminderKey),
            rewrites ? UpdateReminder::format(platform.clock) : stored);
        QCOMPARE(platform.openedUrls,
            answer == "yes" ? QList<QUrl> { WebLinks::updatePage(platform) } : QList<QUrl>());
    }

    // How a start ends. A copy that finds another running, and gets no answer from it, says so,
    // having read and written nothing (the end-to-end test sees the answers). A library without its
    // folders, or a read-only one no copy can be made of for the user, ends the start with the
    // reason, having read and written nothing but the reminder's own date, and made nothing; of
    // one that can be copied, the program runs on the user's copy, and edits go there. A show
    // refused for want of pictures, asked for at the start or while this copy still starts
    // (here during its update reminder), leaves the main window open with the reason. Closing it
    // then ends the program once, and every other window has its own unload run.
    void start_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<MessageIcon>("icon");
        const QString noPictures = "Please Select Atleast One Image To Display Your Picture";
        const QString reinstall = "Required File is missing \nPlease Reinstall The software";
        using enum MessageIcon;
        const auto row = [](const char* name, const QString& setup, const QStringList& told,
                             MessageIcon icon = None) { QTest::newRow(name) << setup << told << icon; };
        row("second copy, no answer", "running", { "Application is already running" }, Information);
        row("no system", "system", { reinstall });
        row("no SystemFolder", "SystemFolder", { reinstall });
        row("read-only, no copy", "read-only", { "Vellumora cannot keep your library in" }, Critical);
        row("read-only, copied for the user", "copied", {});
        row("kept in a folder of the user's", "kept", {});
        row("kept in a folder not there now", "kept, gone", { "Your library is kept in" }, Information);
        row("--show, no pictures", "--show", { noPictures }, Critical);
        row("show asked for during the reminder", "reminder", { "There maybe an update", noPictures },
            Information);
    }

    void start()
    {
        QFETCH(QString, setup);
        QFETCH(QStringList, told);
        QFETCH(MessageIcon, icon);
        // A fresh folder for a whole program, with no window of the fixture's.
        f.reset();
        FakePlatform platform(f.dir->path());
        const QDir folder(f.dir->path());
        QTemporaryDir home;
        platform.otherCopyRunning = setup == "running";
        if (setup == "system" || setup == "SystemFolder") {
            QVERIFY(folder.rmdir(setup));
        } else if (setup == "read-only" || setup == "copied") {
            QVERIFY(writeBytes(folder.filePath("item.txt"), ""));
            QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
            platform.userLibrary
                = setup == "copied" ? home.filePath("vellumora") : folder.filePath("item.txt");
        } else if (setup.startsWith("kept")) {
            platform.settings.insert("Library/Folder", home.filePath("synced"));
            QVERIFY(setup != "kept"
                || (QDir().mkpath(home.filePath("synced/system"))
                    && QDir().mkpath(home.filePath("synced/SystemFolder"))));
        } else if (setup == "reminder") {
            platform.settings.insert(kReminderKey, UpdateReminder::format(platform.clock.addDays(-30)));
            platform.whileMessageShows = [&] { platform.laterStart(LaterStart::StartShow); };
        }
        const QStringList before = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        Program program(platform);
        const bool started = program.start(setup == "--show" ? StartMode::Show : StartMode::Window);
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(platform.messages.size(), told.size());
        for (int i = 0; i < told.size(); ++i) {
            QVERIFY2(platform.messages[i].text.startsWith(told[i]), qPrintable(platform.messages[i].text));
        }
        QVERIFY(told.isEmpty() || platform.messages.first().icon == icon);
        QCOMPARE(started,
            setup == "--show" || setup == "reminder" || setup == "copied" || setup.startsWith("kept"));
        QCOMPARE(platform.endProcessCalls, started ? 0 : 1);
        // The main window the program made.
        QWidget* window = shown("frmMain");
        QCOMPARE(window != nullptr, started);
        if (window) {
            // Edits go to the library it runs on.
            QTest::keyClicks(window->findChild<QLineEdit*>("txtAddFile"), "Work");
            window->findChild<QPushButton*>("cmdCreateFile")->click();
            const QString library = setup == "copied" ? home.filePath("vellumora")
                : setup == "kept"                     ? home.filePath("synced")
                                                      : folder.path();
            QVERIFY(QFileInfo::exists(library + "/system/Work.txt"));
            // A window loaded but hidden.
            QPointer<QWidget> hidden = new QWidget;
            hidden->setAttribute(Qt::WA_DeleteOnClose);
            window->close();
            QTRY_VERIFY(!hidden);
            program.end();
            QCOMPARE(platform.endProcessCalls, 1);
        } else {
            // The reminder comes after the library's folder is chosen, before it is opened.
            const QStringList settings(setup == "system" || setup == "SystemFolder", kReminderKey);
            QCOMPARE(platform.settingsRead, QStringList(setup != "running", "Library/Folder") + settings);
            QCOMPARE(platform.settingsWritten, settings);
            QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        }
    }

    // Reminders through the day, started with the window or in the background, and what the user
    // does next: a reminder due ("remind"), a notification's actions ("another", "show"), a click
    // on the window shown where the desktop has no notifications ("click"), the main window's
    // close box, a later start ("come forward") and File > Exit. Then the windows up, the texts
    // reminded of, what the user was told and whether the program ended.
    void background_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, const char* setup, const char* steps, const QString& after) {
            QTest::newRow(name) << setup << steps << after;
        };
        const QString keepsRunning = "Vellumora keeps running to remind you. Choose File > Exit to end it.";
        row("in the background, off", "off", "", "windows=; reminded=; told=; ended");
        row("another one", "", "remind; another", "windows=; reminded=A, B; told=");
        row("the show from a notification's button", "", "remind; show", "windows=show; reminded=A; told=");
        row("the show from a click on a notification", "", "remind; default",
            "windows=show; reminded=A; told=");
        row("the show from its window", "no server", "remind; click", "windows=show; reminded=A; told=");
        row("its window replaced", "no server", "remind; remind", "windows=popup; reminded=A, B; told=");
        row("a show refused from its window", "no server, no pictures", "remind; click",
            "windows=main; reminded=A; told=Please Select Atleast One Image To Display Your Picture");
        row("quiet during the show", "", "come forward; Start; remind", "windows=show; reminded=; told=");
        row("the window opened", "", "come forward", "windows=main; reminded=; told=");
        row("closed, told once", "window", "close; come forward; close; remind",
            "windows=; reminded=A; told=" + keepsRunning);
        row("exit ends", "window", "exit", "windows=; reminded=; told=; ended");
        row("closed with reminders off ends", "window, off", "close", "windows=; reminded=; told=; ended");
        row("the desktop with each reminder", "desktop 3", "remind; remind",
            "windows=; reminded=A, B; told=; desktop=B");
        row("in the background for the desktop alone", "off, desktop 1", "change",
            "windows=; reminded=; told=; desktop=A");
        row("said aloud", "say", "remind", "windows=; reminded=A; told=; said=A");
        row("closed, the desktop keeps it running", "window, off, desktop 2", "close",
            "windows=; reminded=; told=" + keepsRunning);
    }
    void background()
    {
        QFETCH(QString, setup);
        QFETCH(QString, steps);
        QFETCH(QString, after);
        f.reset();
        FakePlatform platform(f.dir->path());
        QVERIFY(writeBytes(f.path("system/One.txt"), "\"A\",#TRUE#\r\n\"B\",#TRUE#\r\n"));
        QVERIFY(writeBytes(f.path("item.txt"), "\"One\",#TRUE#\r\n"));
        if (!setup.contains("no pictures")) {
            QVERIFY(writeSolidPicture(f.path("SystemFolder/sea.png"), Qt::blue));
            QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf({ "sea.png" })));
        }
        platform.settings.insert("Reminders/Mode", setup.contains("off") ? "0" : "1");
        platform.notices.server = !setup.contains("no server");
        // Stored empty reads as never stored.
        platform.settings.insert("Voice/SayReminders", setup == "say" ? "1" : "");
        platform.settings.insert("Voice/ReadAloud", setup == "say" ? "1" : "");
        platform.settings.insert("Desktop/Change", setup.section("desktop ", 1).left(1));
        platform.userLibrary = f.path("data");
        Program program(platform);
        const bool started
            = program.start(setup.startsWith("window") ? StartMode::Window : StartMode::Background);
        QCOMPARE(started, setup != "off");
        QStringList reminded;
        QList<QPointer<QWidget>> popupsSeen;
        for (const QString& step : steps.split("; ", Qt::SkipEmptyParts)) {
            if (step == "remind" || step == "change") {
                platform.clock = platform.alarm->at;
                platform.alarm->ring();
            } else if (step == "another" || step == "show" || step == "default") {
                platform.notices.invoke(step);
            } else if (step == "click") {
                QTest::mouseClick(shown("frmReminder"), Qt::LeftButton);
                QCoreApplication::processEvents();
            } else if (step == "come forward") {
                platform.laterStart(LaterStart::ComeForward);
            } else if (step == "Start") {
                program.mainWindow()->findChild<QPushButton*>("cmdDisplayAffirmations")->click();
            } else if (step == "close") {
                program.mainWindow()->close();
            } else if (step == "exit") {
                program.mainWindow()->findChild<QAction*>("mnuExit")->trigger();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            for (const auto& notice : std::as_const(platform.notices.shown)) {
                QCOMPARE(notice.actions,
                    (QList<NotificationAction> { { "default", "Start the Show" },
                        { "show", "Start the Show" }, { "another", "Another One" } }));
                QCOMPARE(notice.timeoutMs, 10000);
                reminded << notice.text;
            }
            platform.notices.shown.clear();
            if (QWidget* popup = shown("frmReminder"); popup && !popupsSeen.contains(popup)) {
                popupsSeen << popup;
                reminded << popup->findChild<QLabel*>("lblReminder")->text();
            }
        }
        QStringList windows;
        for (const auto& [name, window] :
            { std::pair { "main", "frmMain" }, { "show", "frmDisplay" }, { "popup", "frmReminder" } }) {
            if (shown(window)) {
                windows << name;
            }
        }
        QStringList told;
        std::ranges::transform(platform.messages, std::back_inserter(told), &FakePlatform::Message::text);
        QString desktop = platform.desktop.sets.isEmpty()
            ? ""
            : "; desktop=" + platform.settings.value("Desktop/Affirmation");
        for (const FakeSpeech::Said& said : std::as_const(platform.speaker.said)) {
            desktop += "; said=" + said.text;
        }
        QCOMPARE(QString("windows=%1; reminded=%2; told=%3%4%5")
                     .arg(windows.join(", "), reminded.join(", "), told.join(", "),
                         platform.endProcessCalls ? "; ended" : "", desktop),
            after);
    }

    // File > Put on My Desktop and Give Back, and the options: what the user is told, the folder
    // opened where no desktop answers, and the user's own picture back when the changes are turned
    // off. Then the desktop's picture.
    void desktopMenu_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("after");
        const QString set = "Your vision board is now your desktop picture.";
        QTest::newRow("put on, given back")
            << "put; give" << set + " | Your own desktop picture is back. | default.png";
        QTest::newRow("nothing to give back")
            << "give"
            << "Vellumora has not changed your desktop picture: there is nothing to give back. | default.png";
        QTest::newRow("no desktop: the folder opened")
            << "no desktop; put"
            << "No desktop service answered, so the desktop picture is not set. It is saved in DATA. | "
               "opened DATA | default.png";
        QTest::newRow("turned off, given back") << "hourly; put; never" << set + " | default.png";
        QTest::newRow("kept on") << "hourly; put; daily" << set + " | screen1-a.png";
    }
    void desktopMenu()
    {
        QFETCH(QString, steps);
        QFETCH(QString, after);
        f.reset();
        f.addPictures({ Qt::blue });
        QVERIFY(writeBytes(f.path("system/Goals.txt"), crlfLines({ "\"Calm\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"Goals\",#TRUE#" })));
        f.platform->userLibrary = f.path("data");
        f.load();
        DesktopChanger changer(*f.platform, *f.library, f.random);
        for (const QString& step : steps.split("; ")) {
            if (step == "put" || step == "give") {
                f.find<QAction>(step == "put" ? "mnuPutOnDesktop" : "mnuGiveBackDesktop")->trigger();
            } else if (step == "no desktop") {
                f.platform->desktop.answering = DesktopPicture::Way::None;
                f.platform->answers = { MessageAnswer::OpenFolder };
            } else {
                DesktopPictureDialog dialog(*f.platform, f.library->desktop(), changer);
                auto* list = dialog.findChild<QComboBox*>("cboDesktopChange");
                list->setCurrentIndex(QStringList({ "never", "hourly", "daily" }).indexOf(step));
                dialog.accept();
            }
        }
        QStringList told;
        std::ranges::transform(f.platform->messages, std::back_inserter(told), &FakePlatform::Message::text);
        for (const QUrl& url : std::as_const(f.platform->openedUrls)) {
            told << "opened " + url.toLocalFile();
        }
        told << QFileInfo(f.platform->desktop.state.value("fake:picture")).fileName();
        QCOMPARE(told.join(" | "), QString(after).replace("DATA", f.path("data/desktop")));
    }

private:
    // A text shows whole when its control has the room it asks for: a wrapped label the height
    // its text needs at its width, a push button its caption's width (the style would ask for a
    // least width some buttons are designed narrower than), any other its size hint. Every
    // control lies inside its parent. No two controls side by side cover each other, and a text
    // that names the control beside it on its line keeps a few pixels from it. Qt's composite
    // controls place their own parts.
    static void checkPlace(QWidget* control, QStringList& faults)
    {
        QSize needed = control->sizeHint();
        auto* label = qobject_cast<QLabel*>(control);
        if (label && label->wordWrap()) {
            needed = QSize(0, label->heightForWidth(label->width()));
        } else if (auto* button = qobject_cast<QPushButton*>(control);
                   button && !button->inherits("vellumora::WrapButton")) {
            needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) + QSize(8, 0);
        } else if (!label && !qobject_cast<QAbstractButton*>(control)) {
            needed = QSize();
        }
        if (control->size().expandedTo(needed) != control->size()
            || !control->parentWidget()->rect().contains(control->geometry())) {
            faults << control->objectName() + " is cut off or outside its frame";
        }
        QWidget* parent = control->parentWidget();
        if (qobject_cast<QAbstractScrollArea*>(parent) || qobject_cast<QComboBox*>(parent)
            || qobject_cast<QAbstractSpinBox*>(parent)) {
            return;
        }
        const QObjectList siblings = parent->children();
        for (qsizetype i = siblings.indexOf(control) + 1; i < siblings.size(); ++i) {
            auto* other = qobject_cast<QWidget*>(siblings[i]);
            if (!other || !other->isVisible() || other->isWindow()) {
                continue;
            }
            const QString pair = name(control) + " and " + name(other);
            if (control->geometry().intersects(other->geometry())) {
                faults << pair + " overlap";
            } else if ((isCaption(control) || isCaption(other))
                && textArea(control).adjusted(-3, 0, 3, 0).intersects(textArea(other))) {
                faults << pair + " touch";
            }
        }
    }

    static QStringList shownTexts(const QWidget* control)
    {
        QStringList texts;
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            texts << button->text();
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
            texts << frame->title();
        } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            for (int i = 0; i < list->count(); ++i) {
                texts << list->itemText(i);
            }
        } else if (const auto* header = qobject_cast<const QHeaderView*>(control);
                   header && header->model()) {
            for (int i = 0; i < header->count(); ++i) {
                texts << header->model()->headerData(i, header->orientation()).toString();
            }
        }
        return texts;
    }

    static QString name(const QWidget* control)
    {
        const auto* label = qobject_cast<const QLabel*>(control);
        return !control->objectName().isEmpty()
            ? control->objectName()
            : QString(control->metaObject()->className()) + (label ? " \"" + label->text() + "\"" : "");
    }

    static bool isCaption(const QWidget* control)
    {
        return qobject_cast<const QLabel*>(control)
            || (qobject_cast<const QAbstractButton*>(control) && !qobject_cast<const QPushButton*>(control));
    }

    // Where a caption's text is drawn: a label's within it, by its alignment; a tick box's from its left.
    static QRect textArea(const QWidget* control)
    {
        QRect area = control->geometry();
        if (!isCaption(control)) {
            return area;
        }
        const int width = std::min(area.width(), control->sizeHint().width()), spare = area.width() - width;
        const auto* label = qobject_cast<const QLabel*>(control);
        const Qt::Alignment align
            = label ? QStyle::visualAlignment(label->layoutDirection(), label->alignment()) : Qt::AlignLeft;
        area.translate(align & Qt::AlignRight ? spare : align & Qt::AlignHCenter ? spare / 2 : 0, 0);
        area.setWidth(width);
        return area;
    }

    // Tab goes through the controls of a frame in reading order: each next one lower down, or on
    // the same line further right.
    static void checkTabOrder(QWidget* window, QStringList& faults)
    {
        QWidget* previous = nullptr;
        for (QWidget* next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain()) {
            if (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)) {
                continue;
            }
            if (previous && previous->parentWidget() == next->parentWidget()) {
                const QPoint from = previous->geometry().center(), to = next->geometry().center();
                const bool sameLine = qAbs(to.y() - from.y()) < previous->height() / 2;
                if (sameLine ? to.x() <= from.x() : to.y() < from.y()) {
                    faults << "Tab goes from " + previous->objectName() + " back to " + next->objectName();
                }
            }
            previous = next;
        }
    }

    // The visible top-level window of that name.
    static QWidget* shown(const QString& name)
    {
        const QWidgetList all = QApplication::topLevelWidgets();
        const auto found = std::ranges::find_if(
            all, [&](QWidget* window) { return window->objectName() == name && window->isVisible(); });
        return found == all.end() ? nullptr : *found;
    }

    MainWindowFixture f;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
