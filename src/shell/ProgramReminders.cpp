// The reminders as the program delivers them (a notification, its own window, the voice, the
// desktop picture), and the tray icon the program runs under while they are on.

#include "desktoppicture/DesktopChanger.h"
#include "library/Library.h"
#include "platform/Platform.h"
#include "reminders/Reminders.h"
#include "shell/Program.h"
#include "shell/ProgramIcon.h"
#include "shell/ReminderPopup.h"
#include "voice/Voice.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace vellumora {

namespace {

// A reminder stays about this long, in the desktop's notifications or in its own window.
constexpr int kReminderMs = 10000;
const QString kClickAction = QStringLiteral("default");
const QString kStartShowAction = QStringLiteral("show");
const QString kAnotherAction = QStringLiteral("another");

} // namespace

void Program::deliver(const QString& affirmation)
{
    if (m_library->desktop().change() == DesktopChange::WithReminder) {
        m_desktop->putOn(
            DesktopPicture::Waiting::Nobody,
            [](DesktopChanger::Result, const Outcome& outcome) { printNotices(outcome); }, affirmation);
    }
    if (m_library->voice().settings().sayReminders) {
        sayAloud(affirmation);
    }
    // Heard from the first reminder on: until then the program has no business on the bus.
    Notifications& notifications = m_platform.notifications();
    connect(
        &notifications, &Notifications::actionInvoked, this, &Program::reminderAction, Qt::UniqueConnection);
    connect(&notifications, &Notifications::undelivered, this, &Program::showOwnWindow, Qt::UniqueConnection);
    // The click on the notification starts the show too, where the desktop shows no button for it.
    notifications.show(affirmation,
        { { kClickAction, tr("Start the Show") }, { kStartShowAction, tr("Start the Show") },
            { kAnotherAction, tr("Another One") } },
        kReminderMs);
}

void Program::sayAloud(const QString& text)
{
    if (!m_voice) {
        m_voice = std::make_unique<Voice>(m_platform, m_library->recordings(), m_library->voice());
    }
    // Its recording is the first found in the ticked categories, where the reminder took it from.
    const QList<Affirmation> ticked = m_library->tickedAffirmationsWithCategories();
    const auto found = std::ranges::find(ticked, text, &Affirmation::text);
    m_voice->say(found != ticked.cend() ? *found : Affirmation { QString(), text });
}

void Program::showOwnWindow(const QString& affirmation)
{
    if (m_popup) {
        m_popup->close();
    }
    m_popup = new ReminderPopup(affirmation, kReminderMs);
    connect(
        m_popup, &ReminderPopup::clicked, this, [this] { answer(LaterStart::StartShow); },
        Qt::QueuedConnection);
    m_popup->show();
}

void Program::reminderAction(const QString& key)
{
    if (key == kClickAction || key == kStartShowAction) {
        answer(LaterStart::StartShow);
    } else if (key == kAnotherAction) {
        m_reminders->remindNow();
    }
}

void Program::dropTray()
{
    // Later: this may run inside the tray's own menu.
    if (m_tray) {
        m_tray->hide();
        m_tray.release()->deleteLater();
        m_trayMenu.release()->deleteLater();
    }
}

void Program::showTray()
{
    // Made whether or not a tray is there yet: at login the desktop's tray may come later, and
    // the icon shows itself once it does.
    if (!m_library || !worksInBackground()) {
        dropTray();
        return;
    }
    if (m_tray) {
        return;
    }
    m_trayMenu = std::make_unique<QMenu>();
    m_trayMenu->setObjectName(QStringLiteral("mnuTray"));
    const auto add = [this](const QString& caption, const char* name, auto handler) {
        QAction* item = m_trayMenu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        connect(item, &QAction::triggered, this, handler);
    };
    add(tr("&Open Vellumora"), "mnuTrayOpen", [this] { answer(LaterStart::ComeForward); });
    add(tr("&Start the Show"), "mnuTrayShow", [this] { answer(LaterStart::StartShow); });
    add(tr("&Another Affirmation Now"), "mnuTrayAnother", [this] { m_reminders->remindNow(); });
    add(tr("&Pause Reminders for an Hour"), "mnuTrayPause", [this] { m_reminders->pause(60); });
    m_trayMenu->addSeparator();
    add(tr("&Quit"), "mnuTrayQuit", [this] { end(); });
    m_tray = std::make_unique<QSystemTrayIcon>(programIcon());
    m_tray->setToolTip(QStringLiteral("Vellumora"));
    m_tray->setContextMenu(m_trayMenu.get());
    connect(
        m_tray.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger) {
                answer(LaterStart::ComeForward);
            }
        });
    m_tray->show();
}

} // namespace vellumora
