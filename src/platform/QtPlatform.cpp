#include "platform/QtPlatform.h"

#include "platform/FontColourDialog.h"
#include "platform/LongWork.h"
#include "platform/MediaModule.h"
#include "session/WallClockAlarm.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <malloc.h>

namespace vellumora {

namespace {

QString settingsPath()
{
    const QString name = QtPlatform::applicationName();
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(name + QLatin1Char('/') + name + QStringLiteral(".ini"));
}

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// File names on this system are case-sensitive, but "*.jpg" should still find "Holiday.JPG".
QString anyCase(const QString& pattern)
{
    QString result;
    for (const QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper()) {
            result += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

QtPlatform::QtPlatform()
    : m_settings(settingsPath())
    , m_instance(runtimeFolder(), QCoreApplication::applicationFilePath())
{
}

void QtPlatform::prepareProcess()
{
    // Each thumbnailing thread had an arena of its own, and kept a photo's 4 MB of bytes at its
    // top after the work was done: glibc gives back only the main arena's top (malloc_trim).
    // Blocks of a megabyte or more given back at every free cost 1000 page faults a photo, 7 %
    // more CPU to thumbnail. In the one arena they are used again, and given back once the work
    // is done (300 photos thumbnailed: 55 MB resident afterwards down to 45 MB, the same CPU).
    mallopt(M_ARENA_MAX, 1);
    // The slideshow redraws a small strip up to 200 times a second. Through MIT-SHM, Qt's X11
    // backing store waits on the X server after each put, which held the user-interface thread
    // up to 30 ms at a time; plain puts of such small regions never wait and cost less (the
    // benchmark's show: 15 % of a core down to 4 %, longest stall 23 ms down to 10 ms). A value
    // the user set stays.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) {
        qputenv("QT_XCB_NO_MITSHM", "1");
    }
    // The show moves its window at every picture, which Wayland does not let a program do. Where
    // X11 is there as well (XWayland), the program runs on it unless the user chose a platform;
    // on Wayland alone the show stays where the compositor puts it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

QString QtPlatform::applicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString QtPlatform::applicationFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QString QtPlatform::libraryFolder() const
{
    return m_libraryFolder.isEmpty() ? applicationFolder() : m_libraryFolder;
}

void QtPlatform::useLibraryFolder(const QString& folder)
{
    m_libraryFolder = folder;
}

QString QtPlatform::userLibraryFolder() const
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/vellumora");
}

QString QtPlatform::setting(const QString& section, const QString& key)
{
    return m_settings.value(section, key);
}

bool QtPlatform::setSetting(const QString& section, const QString& key, const QString& value)
{
    return m_settings.setValue(section, key, value);
}

QList<SettingValue> QtPlatform::allSettings()
{
    return m_settings.values();
}

MessageAnswer QtPlatform::message(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == MessageButtons::YesNo) {
        standard = QMessageBox::Yes | QMessageBox::No;
    } else if (buttons == MessageButtons::YesNoCancel) {
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    QMessageBox box(boxIcon(icon), QStringLiteral("Vellumora"), text, standard, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A path or a reason in a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPushButton* openFolder = nullptr;
    if (buttons == MessageButtons::OkOpenFolder) {
        openFolder = box.addButton(
            QCoreApplication::translate("QtPlatform", "&Open Folder"), QMessageBox::ActionRole);
        openFolder->setObjectName(QStringLiteral("cmdOpenFolder"));
    }
    const int answer = box.exec();
    if (openFolder && box.clickedButton() == openFolder) {
        return MessageAnswer::OpenFolder;
    }
    switch (answer) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

QString QtPlatform::openFileName(const OpenFileRequest& request)
{
    return chooseFiles(request, QFileDialog::ExistingFile).value(0);
}

QStringList QtPlatform::openFileNames(const OpenFileRequest& request)
{
    return chooseFiles(request, QFileDialog::ExistingFiles);
}

QStringList QtPlatform::chooseFiles(const OpenFileRequest& request, int fileMode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title);
    dialog.setFileMode(QFileDialog::FileMode(fileMode));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The labels carry their own pattern text; the patterns behind them stay out of sight.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        // "*.tif;*.tiff" in the list's own notation; the dialog separates patterns with blanks.
        const QString patterns = QString(filter.pattern).replace(QLatin1Char(';'), QLatin1Char(' '));
        filters.append(filter.label + QStringLiteral(" (") + anyCase(patterns) + QLatin1Char(')'));
    }
    dialog.setNameFilters(filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < filters.size()) {
        dialog.selectNameFilter(filters.at(request.selectedFilter));
    }
    if (const QFileInfo initial(request.initialPath); initial.isDir()) {
        dialog.setDirectory(initial.absoluteFilePath());
    } else if (!request.initialPath.isEmpty()) {
        dialog.setDirectory(initial.absolutePath());
        dialog.selectFile(initial.fileName());
    }
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles();
}

QString QtPlatform::saveFileName(const SaveFileRequest& request)
{
    QStringList filters;
    for (const FileFilter& filter : request.filters) {
        filters.append(filter.label + QStringLiteral(" (")
            + QString(filter.pattern).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, request.suggestedPath,
        filters.join(QStringLiteral(";;")));
}

namespace {

// A folder typed by a name not taken yet is chosen as it is, for the caller to make: Qt's own
// dialog would refuse it as not found.
class FolderDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;
    void accept() override
    {
        const QStringList chosen = selectedFiles();
        const QFileInfo typed(chosen.value(0));
        if (chosen.size() == 1 && !typed.exists() && QFileInfo(typed.absolutePath()).isDir()) {
            QDialog::accept();
            return;
        }
        QFileDialog::accept();
    }
};

} // namespace

QString QtPlatform::openFolderName(const QString& title, const QString& initialFolder)
{
    FolderDialog dialog(QApplication::activeWindow(), title, initialFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

void QtPlatform::runLongWork(
    const QString& what, WorkProgress& progress, const std::function<void()>& work, bool cancellable)
{
    LongWork::run(QApplication::activeWindow(), what, progress, work, cancellable);
}

std::unique_ptr<MediaControl> QtPlatform::createMediaControl()
{
    return media::createMediaControl();
}

QString QtPlatform::thumbnailFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/thumbnails");
}

QString QtPlatform::trashFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
}

QString QtPlatform::autostartFolder() const
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/autostart");
}

QString QtPlatform::musicFolder() const
{
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return QFileInfo(music).isDir() ? music : QDir::homePath();
}

bool QtPlatform::previousInstanceRunning()
{
    return m_instance.otherCopyRunning();
}

namespace {

const QByteArray kComeForward = QByteArrayLiteral("come-forward");
const QByteArray kStartShow = QByteArrayLiteral("show");

} // namespace

bool QtPlatform::askRunningCopy(LaterStart request)
{
    return m_instance.ask(request == LaterStart::StartShow ? kStartShow : kComeForward, 3000, 1000);
}

void QtPlatform::listenForLaterStarts(std::function<void(LaterStart)> handler)
{
    m_instance.listen([handler](const QByteArray& request) {
        if (request == kStartShow) {
            handler(LaterStart::StartShow);
        } else if (request == kComeForward) {
            handler(LaterStart::ComeForward);
        }
    });
}

bool QtPlatform::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

std::unique_ptr<Alarm> QtPlatform::createAlarm()
{
    return std::make_unique<WallClockAlarm>();
}

Notifications& QtPlatform::notifications()
{
    if (!m_notifications) {
        m_notifications = std::make_unique<BusNotifications>(QDBusConnection::sessionBus());
    }
    return *m_notifications;
}

bool QtPlatform::placesWindows() const
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void QtPlatform::askScreenLocked(std::function<void(bool locked)> answer)
{
    screenSaver().askLocked(std::move(answer));
}

void QtPlatform::keepScreenAwake(bool on)
{
    if (on || m_screenSaver) {
        screenSaver().keepAwake(on);
    }
}

DesktopPicture& QtPlatform::desktopPicture()
{
    if (!m_desktopPicture) {
        m_desktopPicture = std::make_unique<BusDesktopPicture>(QDBusConnection::sessionBus());
    }
    return *m_desktopPicture;
}

BusScreenSaver& QtPlatform::screenSaver()
{
    if (!m_screenSaver) {
        m_screenSaver = std::make_unique<BusScreenSaver>(QDBusConnection::sessionBus());
    }
    return *m_screenSaver;
}

void QtPlatform::endProcess()
{
    QCoreApplication::exit(0);
}

} // namespace vellumora

namespace vellumora {

std::unique_ptr<VoiceRecorder> QtPlatform::createVoiceRecorder()
{
    return media::createVoiceRecorder();
}

Speech& QtPlatform::speech()
{
    if (!m_speech) {
        m_speech = media::createSpeech();
    }
    return *m_speech;
}

} // namespace vellumora
