#include "shell/Program.h"

#include "BuildConfig.h"
#include "library/Library.h"
#include "platform/LibraryFolder.h"
#include "platform/Outcome.h"
#include "platform/Platform.h"
#include "shell/MainWindow.h"
#include "shell/ProgramIcon.h"
#include "shell/UpdateReminder.h"
#include "shell/WebLinks.h"
#include "widgets/TwipsLayout.h"

#include <QApplication>
#include <QPointer>
#include <utility>

namespace vellumora {

Program::Program(Platform& platform)
    : m_platform(platform)
{
}

Program::~Program() = default;

bool Program::start(bool showAtOnce)
{
    if (m_platform.previousInstanceRunning()) {
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
        } else if (m_main && !m_ending) {
            m_main->answerLaterStart(request);
        }
    });
    const LibraryFolder::Choice library
        = LibraryFolder::choose(m_platform.applicationFolder(), m_platform.userLibraryFolder());
    if (library.folder.isEmpty()) {
        m_platform.message(library.problem, MessageIcon::Critical);
        end();
        return false;
    }
    m_platform.useLibraryFolder(library.folder);
    // Windows are closed only through end, never by the last one going away.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    // Desktops match the windows to the menu entry, and its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELLUMORA_APP_ID));
    m_random.seed(static_cast<quint32>(m_platform.now().toMSecsSinceEpoch()));
    remindOfUpdate();

    m_library = Library::open(m_platform.libraryFolder(), m_platform);
    if (!m_library) {
        m_platform.message(withReason(tr("Required File is missing "), tr("Please Reinstall The software")),
            MessageIcon::None);
        end();
        return false;
    }
    m_main = std::make_unique<MainWindow>(m_platform, *m_library, m_random);
    connect(m_main.get(), &MainWindow::endProgramRequested, this, &Program::end);
    m_library->load().report(m_platform);
    centreOnScreen(m_main.get());
    if (!showAtOnce || !m_main->startShow()) {
        m_main->show();
    }
    m_up = true;
    for (const LaterStart request : std::exchange(m_waiting, {})) {
        m_main->answerLaterStart(request);
    }
    return true;
}

void Program::remindOfUpdate()
{
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
