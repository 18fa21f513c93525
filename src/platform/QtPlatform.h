#pragma once

#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/Platform.h"
#include "session/BusDesktopPicture.h"
#include "session/BusNotifications.h"
#include "session/BusScreenSaver.h"

namespace vellumora {

// The platform of the running program: Qt's message boxes, an INI settings store in the user's
// configuration folder, a lock in the user's runtime folder, the desktop's browser.
class QtPlatform : public Platform {
public:
    QtPlatform();

    QString applicationFolder() const override;
    QString libraryFolder() const override;
    void useLibraryFolder(const QString& folder) override;
    QString userLibraryFolder() const override;
    QString setting(const QString& section, const QString& key) override;
    bool setSetting(const QString& section, const QString& key, const QString& value) override;
    QList<SettingValue> allSettings() override;
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString openFileName(const OpenFileRequest& request) override;
    QStringList openFileNames(const OpenFileRequest& request) override;
    QString saveFileName(const SaveFileRequest& request) override;
    QString openFolderName(const QString& title, const QString& initialFolder) override;
    void runLongWork(const QString& what, WorkProgress& progress, const std::function<void()>& work,
        bool cancellable) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    std::optional<QColor> chooseColour(const QColor& initial, const QString& title) override;
    PrintResult print(const PrintRequest& request, QString* error) override;
    std::unique_ptr<MediaControl> createMediaControl() override;
    QString thumbnailFolder() const override;
    QString trashFolder() const override;
    QString musicFolder() const override;
    QString autostartFolder() const override;
    bool previousInstanceRunning() override;
    bool askRunningCopy(LaterStart request) override;
    void listenForLaterStarts(std::function<void(LaterStart)> handler) override;
    bool openUrl(const QUrl& url) override;
    QDateTime now() const override;
    std::unique_ptr<Alarm> createAlarm() override;
    Notifications& notifications() override;
    bool placesWindows() const override;
    void askScreenLocked(std::function<void(bool locked)> answer) override;
    void keepScreenAwake(bool on) override;
    DesktopPicture& desktopPicture() override;
    std::unique_ptr<VoiceRecorder> createVoiceRecorder() override;
    Speech& speech() override;
    void endProcess() override;

    // The settings store's application name: the executable's file name without extension.
    static QString applicationName();

    // Settings for Qt itself that must be made before the QApplication exists.
    static void prepareProcess();

private:
    // QFileDialog::FileMode: one file or several.
    static QStringList chooseFiles(const OpenFileRequest& request, int fileMode);

    IniSettings m_settings;
    InstanceGuard m_instance;
    QString m_libraryFolder;
    // Made on first use: a user without reminders or full screen shows never reaches the bus.
    std::unique_ptr<BusNotifications> m_notifications;
    std::unique_ptr<BusScreenSaver> m_screenSaver;
    std::unique_ptr<BusDesktopPicture> m_desktopPicture;
    std::unique_ptr<Speech> m_speech;
    BusScreenSaver& screenSaver();
};

} // namespace vellumora
