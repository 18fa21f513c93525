#include "shell/Program.h"

#include "BuildConfig.h"
#include "board/Board.h"
#include "board/BoardOutput.h"
#include "desktoppicture/DesktopChanger.h"
#include "library/Library.h"
#include "platform/LibraryFolder.h"
#include "platform/Outcome.h"
#include "platform/Platform.h"
#include "reminders/Reminders.h"
#include "shell/MainWindow.h"
#include "shell/ProgramIcon.h"
#include "shell/ReminderPopup.h"
#include "shell/UpdateReminder.h"
#include "shell/WebLinks.h"
#include "storage/LibraryFiles.h"
#include "voice/Voice.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QSystemTrayIcon>
#include <cstdio>
#include <utility>

namespace vellumora {

Program::Program(Platform& platform)
    : m_platform(platform)
{
}

Program::~Program()
{
    delete m_popup;
}

bool Program::start(StartMode mode)
{
    if (mode == StartMode::Desktop) {
        return changeDesktopOnce();
    }
    const bool showAtOnce = mode == StartMode::Show;
    const bool background = mode == StartMode::Background;
    if (m_platform.previousInstanceRunning()) {
        // A copy that runs reminds already; one started in the background, as at login, says nothing.
        if (background) {
            end();
            return false;
        }
        // The copy that runs brings its window forward, or starts its show; only one that does not
        // answer leaves this copy to say so.
        if (!m_platform.askRunningCopy(showAtOnce ? LaterStart::StartShow : LaterStart::ComeForward)) {
            m_platform.message(tr("Application is already running"), MessageIcon::Information);
        }
        end();
        return false;
    }
    // Opened as soon as the lock is ours, so that a copy started at the same moment finds it; what
    // it asks before the window or the show is up waits for them.
    m_platform.listenForLaterStarts([this](LaterStart request) {
        if (!m_up) {
            m_waiting.append(request);
        } else {
            answer(request);
        }
    });
    QString gone;
    const LibraryFolder::Choice library = chooseLibrary(&gone);
    if (library.folder.isEmpty()) {
        m_platform.message(library.problem, MessageIcon::Critical);
        end();
        return false;
    }
    if (!gone.isEmpty()) {
        background ? printNotices(Outcome().tell(gone))
                   : void(m_platform.message(gone, MessageIcon::Information));
    }
    m_platform.useLibraryFolder(library.folder);
    // Windows are closed only through end, never by the last one going away.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    // Desktops match the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMORA_APP_ID));
    m_random.seed(static_cast<quint32>(m_platform.now().toMSecsSinceEpoch()));
    // In the background nobody may be at the screen yet: the question waits for the window.
    if (!background) {
        remindOfUpdate();
    }

    m_library = Library::open(m_platform.libraryFolder(), m_platform);
    if (!m_library) {
        m_platform.message(withReason(tr("Required File is missing "), tr("Please Reinstall The software")),
            MessageIcon::None);
        end();
        return false;
    }
    // What another program changes in the library is seen while this one runs.
    m_library->watch();
    connect(m_library.get(), &Library::changedOnDisk, this, [this](const Outcome& outcome) {
        if (m_main && m_main->isVisible()) {
            outcome.report(m_platform);
        } else {
            printNotices(outcome);
        }
    });
    m_reminders = std::make_unique<Reminders>(m_platform, *m_library, m_random);
    m_reminders->setShowRunning([this] { return m_main && m_main->isShowRunning(); });
    connect(m_reminders.get(), &Reminders::remind, this, &Program::deliver);
    connect(&m_library->reminders(), &ReminderOptions::changed, this, &Program::showTray);
    m_desktop = std::make_unique<DesktopChanger>(m_platform, *m_library, m_random);
    connect(
        &m_library->desktop(), &DesktopPictureOptions::changed, m_desktop.get(), &DesktopChanger::reschedule);
    connect(&m_library->desktop(), &DesktopPictureOptions::changed, this, &Program::showTray);
    connect(m_desktop.get(), &DesktopChanger::changedByItself, this,
        [](DesktopChanger::Result, const Outcome& outcome) { printNotices(outcome); });
    if (background) {
        // Read, but told of only when the window opens: nobody may be at the screen yet.
        m_library->load();
        if (!worksInBackground()) {
            end();
            return false;
        }
    } else if (MainWindow& main = ensureMainWindow(); !showAtOnce || !main.startShow()) {
        main.show();
    }
    m_reminders->reschedule();
    m_desktop->reschedule();
    showTray();
    m_up = true;
    for (const LaterStart request : std::exchange(m_waiting, {})) {
        answer(request);
    }
    return true;
}

MainWindow& Program::ensureMainWindow()
{
    if (!m_main) {
        if (!m_remindedOfUpdate) {
            remindOfUpdate();
        }
        m_main = std::make_unique<MainWindow>(m_platform, *m_library, m_random);
        m_main->setDesktopChanger(m_desktop.get());
        connect(m_main.get(), &MainWindow::endProgramRequested, this, &Program::end);
        connect(m_main.get(), &MainWindow::closed, this, &Program::mainWindowClosed);
        // A window made again reads the files afresh: they may have changed while it was away.
        m_library->load().report(m_platform);
        m_main->placeOnScreen();
    }
    return *m_main;
}

void Program::answer(LaterStart request)
{
    if (m_ending) {
        return;
    }
    const bool made = !m_main;
    MainWindow& main = ensureMainWindow();
    if (!made) {
        main.answerLaterStart(request);
    } else if (request == LaterStart::ComeForward || !main.startShow()) {
        // A window just made for the show is shown only when the show is refused.
        main.show();
    }
}

void Program::mainWindowClosed()
{
    if (m_ending) {
        return;
    }
    if (!worksInBackground()) {
        end();
        return;
    }
    // The window goes with its pictures; the reminders go on.
    if (MainWindow* main = m_main.release()) {
        main->hide();
        main->deleteLater();
    }
    if (!m_toldOfBackground) {
        m_toldOfBackground = true;
        m_platform.message(tr("Vellumora keeps running to remind you. Choose File > Exit to end it."),
            MessageIcon::Information);
    }
}

bool Program::worksInBackground() const
{
    return m_library->reminders().on() || (m_desktop && m_desktop->timed());
}

bool Program::openQuietly()
{
    QString gone;
    const LibraryFolder::Choice library = chooseLibrary(&gone);
    if (library.folder.isEmpty()) {
        printNotices(Outcome::refused(library.problem));
        return false;
    }
    if (!gone.isEmpty()) {
        printNotices(Outcome().tell(gone));
    }
    m_platform.useLibraryFolder(library.folder);
    m_library = Library::open(m_platform.libraryFolder(), m_platform);
    if (!m_library) {
        printNotices(Outcome::refused(
            withReason(tr("Required File is missing "), tr("Please Reinstall The software"))));
        return false;
    }
    printNotices(m_library->load());
    return true;
}

bool Program::changeDesktopOnce()
{
    if (!openQuietly()) {
        m_exitStatus = 1;
        end();
        return false;
    }
    m_desktop = std::make_unique<DesktopChanger>(m_platform, *m_library, m_random);
    m_random.seed(static_cast<quint32>(m_platform.now().toMSecsSinceEpoch()));
    if (const Outcome ready = m_desktop->ready(); !ready) {
        printNotices(ready);
        m_exitStatus = 1;
        end();
        return false;
    }
    m_exitStatus = 1;
    m_desktop->putOn(
        DesktopPicture::Waiting::Nobody, [this](DesktopChanger::Result result, const Outcome& outcome) {
            printNotices(outcome);
            if (result == DesktopChanger::Result::Set) {
                m_exitStatus = 0;
                std::fputs(qPrintable(tr("The desktop picture is set.") + QLatin1Char('\n')), stdout);
            }
            end();
        });
    // Some desktops answer later: the event loop runs until they do.
    return !m_ending;
}

int Program::writeBoard(const QString& file, const QString& size)
{
    if (!openQuietly()) {
        return 1;
    }
    Board board(*m_library);
    printNotices(board.load());
    BoardPage page = board.choices().page;
    if (!size.isEmpty()) {
        const std::optional<BoardPage> named = BoardPage::fromName(size);
        if (!named) {
            printNotices(Outcome::refused(
                tr("\"%1\" is not a size of board: give A4, A3, Letter, phone or WIDTHxHEIGHT in pixels.")
                    .arg(size)));
            return 1;
        }
        page = *named;
    }
    const BoardSheet sheet = board.sheet(page.pixels(Board::screenPixels()));
    const Outcome notes = Board::notesOf(sheet);
    const Outcome saved = notes ? BoardOutput::save(sheet, file) : Outcome::nothing();
    printNotices(notes);
    printNotices(saved);
    if (!notes || !saved) {
        return 1;
    }
    std::fputs(qPrintable(tr("The board is saved as \"%1\".").arg(QDir::toNativeSeparators(file))
                   + QLatin1Char('\n')),
        stdout);
    return 0;
}

LibraryFolder::Choice Program::chooseLibrary(QString* gone)
{
    const QString kept = m_platform.setting(LibraryFolder::kSection, LibraryFolder::kKey);
    if (!kept.isEmpty() && LibraryFiles(kept).foldersExist()) {
        return { kept, {} };
    }
    const LibraryFolder::Choice usual
        = LibraryFolder::choose(m_platform.applicationFolder(), m_platform.userLibraryFolder());
    // A synced folder or a drive may come later; the setting stays for when it is back.
    if (!kept.isEmpty() && !usual.folder.isEmpty()) {
        *gone = tr("Your library is kept in \"%1\", which cannot be found now: perhaps its drive or its "
                   "synced folder is not there yet. Vellumora uses the library in \"%2\" until it is back.")
                    .arg(QDir::toNativeSeparators(kept), QDir::toNativeSeparators(usual.folder));
    }
    return usual;
}

void Program::printNotices(const Outcome& outcome)
{
    for (const Outcome::Notice& notice : outcome.notices()) {
        std::fputs(qPrintable(notice.text + QLatin1Char('\n')), stderr);
    }
}

void Program::remindOfUpdate()
{
    m_remindedOfUpdate = true;
    using namespace UpdateReminder;
    const QDateTime now = m_platform.now();
    const std::optional<QDateTime> last = parse(m_platform.setting(kSection, kKey));
    if (last && !isDue(*last, now)) {
        return;
    }
    MessageAnswer answer = MessageAnswer::No;
    // The first run, or an unreadable date, only starts the count.
    if (last) {
        answer = m_platform.message(tr("There maybe an update to this software available") + QLatin1Char('\r')
                + tr("Do you want to check for an update?"),
            MessageIcon::Information, MessageButtons::YesNo);
    }
    m_platform.setSetting(kSection, kKey, format(now));
    if (answer == MessageAnswer::Yes) {
        WebLinks::openUpdatePage(m_platform);
    }
}

void Program::end()
{
    if (m_ending) {
        return;
    }
    m_ending = true;
    dropTray();
    // Each window's own unload handler runs; the main window's finds the program already ending.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        windows.append(window);
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window) {
            window->close();
        }
    }
    m_platform.endProcess();
}

} // namespace vellumora
