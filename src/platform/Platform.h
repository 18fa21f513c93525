#pragma once

#include "platform/FontChoice.h"
#include "platform/MediaControl.h"
#include "platform/VoiceServices.h"
#include "session/SessionServices.h"
#include "storage/WorkProgress.h"

#include <QDateTime>
#include <QList>
#include <QPageSize>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace vellumora {

enum class MessageIcon { None, Information, Critical };
// OkOpenFolder: OK, and a button that opens the folder the message names.
enum class MessageButtons { Ok, YesNo, YesNoCancel, OkOpenFolder };
enum class MessageAnswer { Ok, Yes, No, Cancel, OpenFolder };
// What a later start of the program asks of the copy already running.
enum class LaterStart { ComeForward, StartShow };

// One entry of an open-file dialog's type list: the label shown and the pattern it selects.
struct FileFilter {
    QString label;
    QString pattern;
    bool operator==(const FileFilter&) const = default;
};

struct OpenFileRequest {
    QString title;
    QList<FileFilter> filters;
    int selectedFilter = 0; // index into filters
    QString initialPath; // the dialog opens on this file (and its folder), or in this folder
};

// One value of the settings store.
struct SettingValue {
    QString section;
    QString key;
    QString value;
    bool operator==(const SettingValue&) const = default;
};

struct SaveFileRequest {
    QString title;
    QList<FileFilter> filters;
    // The folder the dialog opens in and the name it offers.
    QString suggestedPath;
};

// A page for the printer: its paper, and how to draw it with the painter's coordinates in the
// page's pixels, which the printer's page is scaled to.
struct PrintRequest {
    QString title;
    QPageSize paper;
    QSize pixels;
    std::function<void(QPainter& painter)> paint;
};
enum class PrintResult { Printed, Cancelled, Failed };

// Everything the windows need from the outside world. The program runs on QtPlatform;
// tests pass a fake that records messages and answers them.
class Platform {
public:
    virtual ~Platform() = default;

    // The folder holding the executable and the guide.
    virtual QString applicationFolder() const = 0;
    // The folder holding the libraries; every data path is formed below it. The application
    // folder until start-up chooses otherwise.
    virtual QString libraryFolder() const = 0;
    virtual void useLibraryFolder(const QString& folder) = 0;
    // Where this user's own copy of the libraries goes when the application folder is not
    // theirs to write (~/.local/share/vellumora).
    virtual QString userLibraryFolder() const = 0;

    // The per-user settings store of this application (named after the executable), addressed by
    // section and key, both kept letter for letter. A missing key reads as an empty string.
    virtual QString setting(const QString& section, const QString& key) = 0;
    virtual bool setSetting(const QString& section, const QString& key, const QString& value) = 0;
    // Every value of the store, for a backup.
    virtual QList<SettingValue> allSettings() = 0;

    // Modal message box titled "Vellumora".
    virtual MessageAnswer message(
        const QString& text, MessageIcon icon, MessageButtons buttons = MessageButtons::Ok)
        = 0;

    // Modal open-file dialog for an existing file; an empty string when cancelled.
    virtual QString openFileName(const OpenFileRequest& request) = 0;
    // The same, where several files may be chosen at once (Ctrl and Shift); none when cancelled.
    virtual QStringList openFileNames(const OpenFileRequest& request) = 0;

    // Modal save-file dialog, which asks before an existing file is replaced; empty when cancelled.
    virtual QString saveFileName(const SaveFileRequest& request) = 0;

    // Modal dialog choosing a folder, opening on the initial one: an existing one, or a new name in
    // an existing one, which is not made; empty when cancelled.
    virtual QString openFolderName(const QString& title, const QString& initialFolder) = 0;

    // Runs the work on a thread of its own while the windows go on painting and take no input.
    // After half a second a dialog shows `what` is being done and how far it has come, with
    // Cancel when the work may be cancelled. Returns once the work has.
    virtual void runLongWork(
        const QString& what, WorkProgress& progress, const std::function<void()>& work, bool cancellable)
        = 0;

    // Modal font dialog with strikeout, underline and a text colour, opening on the given
    // choice; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // Modal colour dialog, opening on the given colour; nothing when cancelled.
    virtual std::optional<QColor> chooseColour(const QColor& initial, const QString& title) = 0;
    // Modal print dialog offering the system's printers, then the page printed on the one chosen;
    // why it failed in *error.
    virtual PrintResult print(const PrintRequest& request, QString* error) = 0;

    // A music or voice player; the caller owns it.
    virtual std::unique_ptr<MediaControl> createMediaControl() = 0;
    // A recorder of the default microphone; the caller owns it.
    virtual std::unique_ptr<VoiceRecorder> createVoiceRecorder() = 0;
    // The speech engine, loaded at the first call.
    virtual Speech& speech() = 0;

    // Root of the user's shared thumbnail cache (~/.cache/thumbnails).
    virtual QString thumbnailFolder() const = 0;
    // The show's pictures at the size it draws them, beside the thumbnails
    // (~/.cache/vellumora/shown).
    virtual QString shownPictureFolder() const
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
            + QStringLiteral("/vellumora/shown");
    }

    // The desktop's Trash in the home folder (~/.local/share/Trash), where deletes go.
    virtual QString trashFolder() const = 0;

    // The desktop's autostart folder (~/.config/autostart).
    virtual QString autostartFolder() const = 0;

    // Where the music chooser opens before any music was chosen (~/Music).
    virtual QString musicFolder() const = 0;

    // True when another copy of this executable already runs for this user.
    virtual bool previousInstanceRunning() = 0;
    // Hands the running copy a later start's request; true when it answered within a second of
    // being reached. A copy that is only starting is given a few seconds to open its channel.
    virtual bool askRunningCopy(LaterStart request) = 0;
    // While this copy runs, every later start's request reaches the handler.
    virtual void listenForLaterStarts(std::function<void(LaterStart)> handler) = 0;

    // Hands the address to the default browser, or the desktop's viewer for a local file,
    // without waiting for it; false when there is none to hand it to.
    virtual bool openUrl(const QUrl& url) = 0;

    virtual QDateTime now() const = 0;
    virtual std::unique_ptr<Alarm> createAlarm() = 0;

    // Whether the program may put its windows where it wants on the screen: on Wayland alone the
    // desktop places them.
    virtual bool placesWindows() const = 0;

    virtual Notifications& notifications() = 0;
    // Answers whether the session's screen is locked, later; unlocked where nobody can tell.
    virtual void askScreenLocked(std::function<void(bool locked)> answer) = 0;
    // Keeps the screen saver and the lock away while on; switching it off lets them come again.
    virtual void keepScreenAwake(bool on) = 0;
    virtual DesktopPicture& desktopPicture() = 0;

    // Leaves the event loop (or keeps it from starting); the windows are already closed.
    virtual void endProcess() = 0;
};

// The same for work with a result.
template <typename Work>
auto runLong(Platform& platform, const QString& what, WorkProgress& progress, Work work,
    bool cancellable = true) -> decltype(work())
{
    std::optional<decltype(work())> result;
    platform.runLongWork(
        what, progress, [&] { result.emplace(work()); }, cancellable);
    return std::move(*result);
}

} // namespace vellumora
