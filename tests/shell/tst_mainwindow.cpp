#include "affirmations/CategoryIndex.h"
#include "platform/FontColourDialog.h"
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

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

namespace {

const QString kReminderKey = UpdateReminder::kSection + QLatin1Char('/') + UpdateReminder::kKey;
const QString kReminderText
    = "There maybe an update to this software available\rDo you want to check for an update?";

// A window standing in for one that is loaded but hidden when the program ends.
class HiddenWindow : public QWidget {
public:
    int unloads = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++unloads;
        event->accept();
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_dir = newApplicationFolder();
        f.reset();
        f.load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    }

    // The panels share one place; switching neither reloads nor loses what was typed.
    void panelsSwitchWithoutReloading()
    {
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->height(), f.window->centralWidget()->height() + f.window->menuBar()->height());
        // The strip's holder stands where it is designed; the list beside it ends where it ends.
        const QRect holder = f.find<QWidget>("picHolder")->geometry();
        QCOMPARE(holder.topLeft(), QPoint(16, 24));
        QCOMPARE(f.find<QWidget>("lvwDisplay")->geometry().bottom(), holder.bottom());
        auto* panels = f.find<QStackedWidget>("panelArea");
        QCOMPARE(panels->currentWidget()->objectName(), "fraImageLibrary");
        const QStringList readsBefore = f.platform->settingsRead;
        const auto press
            = [this](const char* name) { QTest::mouseClick(f.find<QPushButton>(name), Qt::LeftButton); };
        press("cmdAffirmationLibrary");
        QTest::keyClicks(f.find<QLineEdit>("txtAddFile"), "Half a thought");
        const QList<std::pair<const char*, const char*>> steps {
            { "cmdAffirmationLibrary", "fraAffirmationLibrary" }, { "cmdMusicSettings", "fraMusicSettings" },
            { "cmdImageLibrary", "fraImageLibrary" }, { "cmdAffirmationLibrary", "fraAffirmationLibrary" }
        };
        for (const auto& [button, panel] : steps) {
            press(button);
            QCOMPARE(panels->currentWidget()->objectName(), panel);
        }
        QCOMPARE(f.find<QLineEdit>("txtAddFile")->text(), "Half a thought");
        QCOMPARE(f.platform->settingsRead, readsBefore);
        QVERIFY(f.platform->settingsWritten.isEmpty() && f.platform->messages.isEmpty());
    }

    // The button and the menu each open a fresh About window, whose link opens the home page.
    void aboutIsFreshEachTime()
    {
        QStringList seen;
        for (const auto& open : std::initializer_list<std::function<void()>> {
                 [this] { f.find<QPushButton>("cmdAbout")->click(); },
                 [this] { f.find<QAction>("mnuAbout")->trigger(); } }) {
            QTimer::singleShot(0, this, [&seen] {
                auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
                QVERIFY(about && !about->findChild<QLabel*>("picIcon")->pixmap().isNull());
                seen << about->windowTitle() + QString(" %1").arg(about->width());
                about->resize(600, 400);
                QTest::mouseClick(about->findChild<QLabel*>("lblHomePage"), Qt::LeftButton);
                QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
            });
            open();
        }
        QCOMPARE(seen, (QStringList { "Vellumora v1.0 472", "Vellumora v1.0 472" }));
        QCOMPARE(f.platform->openedUrls, (QList<QUrl> { home(), home() }));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void linksOpenTheirPage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("browserFound");
        QTest::addColumn<QString>("section");
        QTest::newRow("Online Help") << "mnuOnline" << true << "";
        QTest::newRow("Visit Us Online") << "mnuVisit" << true << "welcome";
        QTest::newRow("Check for Software Update") << "mnuUpdate" << true << "updating";
        QTest::newRow("banner") << "Label14" << true << "welcome";
        QTest::newRow("Online Help with nothing to show it") << "mnuOnline" << false << "";
    }

    void linksOpenTheirPage()
    {
        QFETCH(QString, control);
        QFETCH(bool, browserFound);
        QFETCH(QString, section);
        f.platform->browserFound = browserFound;
        if (auto* action = f.window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = f.find<QLabel>(control);
            QTest::mouseMove(label);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        // The guide installed with the program, at its section.
        QCOMPARE(f.platform->openedUrls.size(), 1);
        const QUrl opened = f.platform->openedUrls.constFirst();
        QVERIFY(opened.toLocalFile().endsWith("/share/doc/vellumora/user-guide.html"));
        QCOMPARE(opened.fragment(), section);
        // Help never fails in silence: the user is told where the guide is.
        QCOMPARE(f.platform->messages.size(), browserFound ? 0 : 1);
        if (!browserFound) {
            QVERIFY(f.lastMessage().startsWith("The user guide could not be opened"));
            QVERIFY(f.lastMessage().endsWith("\n" + opened.toLocalFile()));
        }
    }

    // No two controls a key can reach answer to the same Alt+letter, whichever panel is in front.
    void mnemonicsAreUnique_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("panel");
        for (const QString& language : Translated::languages()) {
            const auto row = [&](const char* name, const char* panel) {
                QTest::addRow("%s, %s", qPrintable(language), name) << language << panel;
            };
            row("image library", "cmdImageLibrary");
            row("affirmation library, composing", "cmdAffirmationLibrary");
            row("settings", "cmdMusicSettings");
        }
    }

    void mnemonicsAreUnique()
    {
        QFETCH(QString, language);
        QFETCH(QString, panel);
        const Translated translated(language);
        QVERIFY(translated.installed());
        f.reset();
        f.load();
        f.window->show();
        f.find<QPushButton>(panel)->click();
        f.find<QPushButton>("cmdAddContent")->click();
        QStringList keys;
        for (QAbstractButton* button : f.window->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && !button->shortcut().isEmpty()) {
                keys << button->shortcut().toString() + " " + button->objectName();
            }
        }
        for (QAction* menu : f.window->menuBar()->actions()) {
            keys << QKeySequence::mnemonic(menu->text()).toString() + " " + menu->text();
        }
        keys.sort();
        for (int i = 1; i < keys.size(); ++i) {
            QVERIFY2(
                keys[i].section(' ', 0, 0) != keys[i - 1].section(' ', 0, 0), qPrintable(keys.join(", ")));
        }
    }

    // A delete made in a panel is undone from the window: the button beside Start, or Ctrl+Z.
    void undoFromTheWindow()
    {
        QVERIFY(writeSolidPicture(f.path("sea.jpg"), Qt::blue));
        f.platform->chosenFiles << f.path("sea.jpg");
        f.find<QPushButton>("cmdAddPicture")->click();
        auto* undo = f.find<QPushButton>("cmdUndo");
        QVERIFY(!undo->isEnabled());
        auto* pictures = f.find<QTreeView>("lvwDisplay");
        pictures->setCurrentIndex(pictures->model()->index(0, 0));
        f.find<QPushButton>("cmdDeletePicture")->click();
        QCOMPARE(pictures->model()->rowCount(), 0);
        QVERIFY(undo->isEnabled());
        QVERIFY(undo->toolTip().startsWith("Bring back the picture \"sea.jpg\""));
        f.find<QPushButton>("cmdAffirmationLibrary")->click();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTest::keyClick(f.window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(pictures->model()->rowCount(), 1);
        QCOMPARE(f.find<QStackedWidget>("panelArea")->currentWidget()->objectName(), "fraImageLibrary");
        QVERIFY(!undo->isEnabled() && !f.find<QAction>("mnuUndo")->isEnabled());
        QVERIFY(f.platform->messages.isEmpty());
    }

    void keyboard()
    {
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* panels = f.find<QStackedWidget>("panelArea");
        // A mnemonic presses its button visibly, then clicks it.
        QTest::keyClick(f.window.get(), Qt::Key_B, Qt::AltModifier);
        QTRY_COMPARE(panels->currentWidget()->objectName(), "fraAffirmationLibrary");
        QTest::keyClick(f.window.get(), Qt::Key_T, Qt::AltModifier);
        QTRY_COMPARE(panels->currentWidget()->objectName(), "fraMusicSettings");
        QTest::keyClick(f.window.get(), Qt::Key_F1);
        QCOMPARE(f.platform->openedUrls.size(), 1);
        // The banner is reached with Tab and opened with Enter or Space.
        auto* banner = f.find<QLabel>("Label14");
        QCOMPARE(banner->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(banner, Qt::Key_Space);
        QTest::keyClick(banner, Qt::Key_Return);
        QCOMPARE(f.platform->openedUrls.mid(1), (QList<QUrl> { home(), home() }));
        QSignalSpy ending(f.window.get(), &MainWindow::endProgramRequested);
        QTest::keyClick(f.window.get(), Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(ending.size(), 1);
    }

    // Every window at the default font, and again at a large one (see tests/CMakeLists.txt): laid
    // out by their contents, they grow until every text is whole, and never shrink below the
    // designed size.
    void everyTextIsWholeAndNamed_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QSize>("designed");
        for (const QString& language : Translated::languages()) {
            const auto row = [&](const char* name, const QString& panel, QSize designed) {
                QTest::addRow("%s, %s", qPrintable(language), name) << language << panel << designed;
            };
            row("image library", "cmdImageLibrary", QSize(644, 566));
            row("affirmation library", "cmdAffirmationLibrary", QSize(644, 566));
            row("settings", "cmdMusicSettings", QSize(644, 566));
            row("about", "about", QSize(472, 267));
            row("font", "font", QSize());
            row("show", "show", QSize());
        }
    }

    void everyTextIsWholeAndNamed()
    {
        QFETCH(QString, language);
        QFETCH(QString, panel);
        QFETCH(QSize, designed);
        const Translated translated(language);
        QVERIFY(translated.installed());
        f.reset();
        const QString longer = QString("I keep going, one small step after another. ").repeated(6);
        QVERIFY(writeBytes(f.path("system/Goals.txt"), crlfLines({ "\"" + longer + "\",#TRUE#" })));
        f.load();
        // The dialogs stand alone; a panel is shown in the main window.
        std::unique_ptr<QWidget> dialog;
        if (panel == "about") {
            dialog = std::make_unique<AboutDialog>(*f.platform);
        } else if (panel == "font") {
            dialog = std::make_unique<FontColourDialog>(FontChoice {});
        } else if (panel == "show") {
            auto show = std::make_unique<SlideshowWindow>();
            const ShowGeometry small = ShowGeometry::of(ShowSize::Small, QSize(1280, 1024));
            show->setShowGeometry(small);
            show->resize(small.window);
            dialog = std::move(show);
        }
        QWidget* window = dialog ? dialog.get() : f.window.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (!dialog) {
            f.find<QPushButton>(panel)->click();
        }
        // In English at the default font a designed window is exactly as designed.
        const QSize client = dialog ? window->size() : f.window->centralWidget()->size();
        const bool asDesigned
            = language == "en" && !qEnvironmentVariableIsSet("QT_FONT_DPI") && designed.isValid();
        QVERIFY2(asDesigned ? client == designed : client.expandedTo(designed) == client,
            qPrintable(QString("%1 x %2").arg(client.width()).arg(client.height())));

        QStringList faults;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            // The show's frame and strips reach past its edges by design; its texts may not.
            const bool drawing = panel == "show" && !qobject_cast<QAbstractButton*>(control);
            if (control->isVisible() && !drawing) {
                checkText(control, faults);
                checkName(control, faults);
            }
        }
        // Qt's font dialog keeps its own Tab order; the show has one control.
        if (panel != "font" && panel != "show") {
            checkTabOrder(window, faults);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        // A long affirmation's whole text is its row's tip.
        const QModelIndex row = f.find<QTreeView>("lvFileContent")->model()->index(0, 0);
        QCOMPARE(row.data(Qt::ToolTipRole).toString(), longer);
    }

    // Under a dark desktop palette, text on the program's fixed light backgrounds stays dark.
    void fixedBackgroundsKeepTheirTextLegible()
    {
        QPalette dark;
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        QWidget frame;
        frame.setPalette(dark);
        setColour(&frame, QPalette::Window, kLightBlue);
        setColour(&frame, QPalette::Base, kLightBlue);
        setColour(&frame, QPalette::Button, Qt::black);
        QCOMPARE(frame.palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(frame.palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(frame.palette().color(QPalette::ButtonText), QColor(Qt::white));
    }

    // Start and end of the program, and the update reminder.
    void reminder_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("reminds");
        const QDateTime now(QDate(2026, 3, 1), QTime(0, 1));
        QTest::newRow("first run") << QString() << false;
        QTest::newRow("unreadable date") << "last tuesday" << false;
        QTest::newRow("same day") << UpdateReminder::format(now.addSecs(-60)) << false;
        QTest::newRow("14 days ago") << UpdateReminder::format(now.addDays(-14)) << false;
        QTest::newRow("15 days ago") << UpdateReminder::format(now.addDays(-15)) << true;
        // Fewer than 15 whole days have passed, but 15 day boundaries have been crossed.
        QTest::newRow("15 calendar days, 14 days 2 minutes")
            << UpdateReminder::format(QDateTime(QDate(2026, 2, 14), QTime(23, 59))) << true;
        QTest::newRow("clock set back 14 days") << UpdateReminder::format(now.addDays(14)) << false;
        QTest::newRow("clock set back 15 days") << UpdateReminder::format(now.addDays(15)) << true;
    }
    void reminder()
    {
        QFETCH(QString, stored);
        QFETCH(bool, reminds);
        FakePlatform platform(m_dir->path());
        platform.clock = QDateTime(QDate(2026, 3, 1), QTime(0, 1));
        if (!stored.isNull()) {
            platform.settings.insert(kReminderKey, stored);
        }
        Program program(platform);
        program.remindOfUpdate();

        QCOMPARE(platform.messages.size(), reminds ? 1 : 0);
        if (reminds) {
            QCOMPARE(platform.messages.first().text, kReminderText);
            QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
            QCOMPARE(platform.messages.first().buttons, MessageButtons::YesNo);
        }
        const bool rewrites = reminds || UpdateReminder::parse(stored) == std::nullopt;
        QCOMPARE(platform.settings.value(kReminderKey),
            rewrites ? UpdateReminder::format(platform.clock) : stored);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    // Yes opens the update page, No does not; either way the next reminder comes 15 days on.
    void answerPostponesTheReminder()
    {
        for (const MessageAnswer answer : { MessageAnswer::Yes, MessageAnswer::No }) {
            FakePlatform platform(m_dir->path());
            platform.settings.insert(kReminderKey, UpdateReminder::format(platform.clock.addDays(-30)));
            platform.answers = { answer };
            Program program(platform);
            program.remindOfUpdate();
            const QList<QUrl> update { WebLinks::updatePage(platform) };
            QCOMPARE(platform.openedUrls, answer == MessageAnswer::Yes ? update : QList<QUrl>());
            platform.clock = platform.clock.addDays(14);
            program.remindOfUpdate();
            QCOMPARE(platform.messages.size(), 1);
            platform.clock = platform.clock.addDays(1);
            program.remindOfUpdate();
            QCOMPARE(platform.messages.size(), 2);
        }
    }

    // The copy that runs is asked to come forward or to start its show; only when it does not
    // answer does this copy say it runs.
    void secondCopyAsksTheFirstAndEnds_data()
    {
        QTest::addColumn<bool>("answers");
        QTest::addColumn<bool>("showAtOnce");
        QTest::newRow("no answer") << false << false;
        QTest::newRow("no answer, show") << false << true;
        QTest::newRow("answers") << true << false;
        QTest::newRow("answers, show") << true << true;
    }
    void secondCopyAsksTheFirstAndEnds()
    {
        QFETCH(bool, answers);
        QFETCH(bool, showAtOnce);
        FakePlatform platform(m_dir->path());
        platform.otherCopyRunning = true;
        platform.runningCopyAnswers = answers;
        Program program(platform);
        QVERIFY(!program.start(showAtOnce));
        QCOMPARE(platform.requestsToRunningCopy,
            QList<LaterStart> { showAtOnce ? LaterStart::StartShow : LaterStart::ComeForward });
        QCOMPARE(platform.messages.size(), answers ? 0 : 1);
        if (!answers) {
            QCOMPARE(platform.messages.first().text, "Application is already running");
            QCOMPARE(platform.messages.first().icon, MessageIcon::Information);
        }
        QCOMPARE(platform.endProcessCalls, 1);
        QVERIFY(platform.settingsRead.isEmpty() && platform.settingsWritten.isEmpty());
    }

    // A later start that comes while this copy still starts, here during its update reminder, is
    // answered once the window is up: the show it asks for is tried, and refused for want of pictures.
    void laterStartWhileStartingWaitsForTheWindow()
    {
        FakePlatform platform(m_dir->path());
        platform.settings.insert(kReminderKey, UpdateReminder::format(platform.clock.addDays(-30)));
        platform.whileMessageShows = [&] { platform.laterStart(LaterStart::StartShow); };
        Program program(platform);
        QVERIFY(program.start());
        QCOMPARE(platform.messages.value(1).text, "Please Select Atleast One Image To Display Your Picture");
    }

    void missingDataFolder_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::newRow("system") << QStringList { "system" };
        QTest::newRow("SystemFolder") << QStringList { "SystemFolder" };
        QTest::newRow("both") << QStringList { "system", "SystemFolder" };
    }
    void missingDataFolder()
    {
        QFETCH(QStringList, missing);
        for (const QString& folder : missing) {
            QVERIFY(QDir(m_dir->path()).rmdir(folder));
        }
        FakePlatform platform(m_dir->path());
        Program program(platform);
        QVERIFY(!program.start());

        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, "Required File is missing \nPlease Reinstall The software");
        QCOMPARE(platform.messages.first().icon, MessageIcon::None);
        QCOMPARE(platform.endProcessCalls, 1);
        QVERIFY(!programWindow());
        // The load stopped at the check: nothing but the reminder's own date was read.
        QCOMPARE(platform.settingsRead, QStringList { kReminderKey });
        QVERIFY(!QDir(m_dir->path()).exists("item.txt"));
        for (const QString& folder : missing) {
            QVERIFY(!QDir(m_dir->path()).exists(folder));
        }
    }

    // A program folder the user may not write: the program runs on the user's own copy, and edits
    // go there. Where no copy can be made, the start ends with the reason and nothing else.
    void readOnlyProgramFolder()
    {
        QVERIFY(writeBytes(NativePath(m_dir->filePath("item.txt")), "\"Joy\",#TRUE#\r\n"));
        QVERIFY(writeBytes(NativePath(m_dir->filePath("system/Joy.txt")), "\"I am calm\",#TRUE#\r\n"));
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner));
        QTemporaryDir home;
        FakePlatform platform(m_dir->path());
        platform.userLibrary = home.filePath("vellumora");
        Program program(platform);
        QVERIFY(program.start());
        QCOMPARE(platform.libraryFolder(), platform.userLibrary);
        QTest::keyClicks(programWindow()->findChild<QLineEdit*>("txtAddFile"), "Work");
        programWindow()->findChild<QPushButton*>("cmdCreateFile")->click();
        QVERIFY(QFileInfo::exists(home.filePath("vellumora/system/Work.txt")));
        QVERIFY(!QFileInfo::exists(m_dir->filePath("system/Work.txt")));

        FakePlatform nowhere(m_dir->path());
        nowhere.userLibrary = m_dir->filePath("item.txt");
        Program refused(nowhere);
        QVERIFY(!refused.start());
        QCOMPARE(nowhere.messages.size(), 1);
        QVERIFY(nowhere.messages.first().text.startsWith("Vellumora cannot keep your library in"));
        QVERIFY(nowhere.settingsRead.isEmpty());
        QVERIFY(QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    void closingEndsOnceAndUnloadsEveryWindow()
    {
        for (const bool viaMenu : { false, true }) {
            FakePlatform platform(m_dir->path());
            Program program(platform);
            QVERIFY(program.start());
            QVERIFY(platform.messages.isEmpty());
            QWidget* window = programWindow();
            QVERIFY(window->isVisible());
            QCOMPARE(window->windowTitle(), "Vellumora v1.0");
            QCOMPARE(platform.endProcessCalls, 0);
            HiddenWindow slideshow;

            if (viaMenu) {
                window->findChild<QAction*>("mnuExit")->trigger();
            } else {
                window->close();
            }
            QCOMPARE(platform.endProcessCalls, 1);
            QCOMPARE(slideshow.unloads, 1);
            QVERIFY(!window->isVisible());

            program.end();
            QCOMPARE(platform.endProcessCalls, 1);
        }
    }

private:
    // The main window a Program made, beside the fixture's own.
    QWidget* programWindow() const
    {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "frmMain" && window != f.window.get()) {
                return window;
            }
        }
        return nullptr;
    }

    // A text shows whole when its control has the room it asks for: a wrapped label the height
    // its text needs at its width, a push button its caption's width (the style would ask for a
    // least width some buttons are designed narrower than), any other its size hint. Every
    // control lies inside its parent.
    static void checkText(QWidget* control, QStringList& faults)
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
        if (control->width() < needed.width() || control->height() < needed.height()
            || !control->parentWidget()->rect().contains(control->geometry())) {
            faults << QString("%1: needs %2 x %3, has %4 x %5")
                          .arg(control->objectName())
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(control->width())
                          .arg(control->height());
        }
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

    // Every control a user can reach has a name a screen reader can say.
    static void checkName(QWidget* control, QStringList& faults)
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (control->focusPolicy() != Qt::NoFocus && accessible
            && accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            faults << QString::fromLatin1(control->metaObject()->className()) + " " + control->objectName()
                    + " has no name";
        }
    }

    QUrl home() const { return WebLinks::homePage(*f.platform); }

    MainWindowFixture f;
    // An application folder of its own for a whole program.
    std::unique_ptr<TemporaryFolder> m_dir;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
