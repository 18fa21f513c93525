#pragma once

#include "platform/LongWork.h"
#include "platform/Platform.h"
#include "platform/QtMediaControl.h"
#include "platform/QtSpeech.h"
#include "platform/QtVoiceRecorder.h"
#include "session/BusDesktopPicture.h"
#include "session/BusNotifications.h"
#include "session/WallClockAlarm.h"

#include <QMap>
#include <QStringList>
#include <cstdio>

namespace vellumora::bench {

// The program's platform with its application folder and thumbnail cache moved to temporary
// folders; settings stay in memory and messages are printed, not shown.
class BenchPlatform : public Platform {
public:
    BenchPlatform(QString folder, QString thumbnails)
        : m_folder(std::move(folder))
        , m_thumbnails(std::move(thumbnails))
    {
    }

    QString applicationFolder() const override { return m_folder; }
    QString libraryFolder() const override { return m_folder; }
    void useLibraryFolder(const QString&) override { }
    QString userLibraryFolder() const override { return userLibrary; }
    QString setting(const QString& section, const QString& key) override
    {
        return m_settings.value(section + QLatin1Char('/') + key);
    }
    bool setSetting(const QString& section, const QString& key, const QString& value) override
    {
        m_settings.insert(section + QLatin1Char('/') + key, value);
        return true;
    }
    QList<SettingValue> allSettings() override
    {
        QList<SettingValue> all;
        for (auto it = m_settings.cbegin(); it != m_settings.cend(); ++it) {
            const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
            all.append({ it.key().left(slash), it.key().mid(slash + 1), it.value() });
        }
        return all;
    }
    MessageAnswer message(const QString& text, MessageIcon, MessageButtons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        return MessageAnswer::No;
    }
    QString openFileName(const OpenFileRequest&) override
    {
        return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
    }
    QStringList openFileNames(const OpenFileRequest& request) override
    {
        const QString chosen = openFileName(request);
        return chosen.isEmpty() ? QStringList() : QStringList { chosen };
    }
    QString saveFileName(const SaveFileRequest&) override
    {
        return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst();
    }
    QString thumbnailFolder() const override { return m_thumbnails; }
    QString shownPictureFolder() const override { return m_thumbnails + QStringLiteral("-shown"); }
    // Deletes go to "deleted" beside the library, never to the user's Trash.
    QString trashFolder() const override { return {}; }
    QString autostartFolder() const override { return {}; }
    QString musicFolder() const override { return m_folder; }
    QString openFolderName(const QString&, const QString&) override { return {}; }
    void runLongWork(const QString& what, WorkProgress& progress, const std::function<void()>& work,
        bool cancellable) override
    {
        LongWork::run(nullptr, what, progress, work, cancellable);
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<QColor> chooseColour(const QColor&, const QString&) override { return std::nullopt; }
    PrintResult print(const PrintRequest&, QString*) override { return PrintResult::Cancelled; }
    std::unique_ptr<MediaControl> createMediaControl() override
    {
        auto player = std::make_unique<QtMediaControl>();
        lastPlayer = player.get();
        return player;
    }
    bool previousInstanceRunning() override { return false; }
    bool askRunningCopy(LaterStart) override { return false; }
    void listenForLaterStarts(std::function<void(LaterStart)>) override { }
    bool openUrl(const QUrl&) override { return true; }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    std::unique_ptr<Alarm> createAlarm() override { return std::make_unique<WallClockAlarm>(); }
    Notifications& notifications() override { return m_notifications; }
    bool placesWindows() const override { return true; }
    void askScreenLocked(std::function<void(bool)> answer) override { answer(false); }
    void keepScreenAwake(bool) override { }
    DesktopPicture& desktopPicture() override { return m_desktopPicture; }
    std::unique_ptr<VoiceRecorder> createVoiceRecorder() override
    {
        return std::make_unique<QtVoiceRecorder>();
    }
    Speech& speech() override
    {
        if (!m_speech) {
            m_speech = std::make_unique<QtSpeech>();
        }
        return *m_speech;
    }
    void endProcess() override { }

    QStringList chosenFiles;
    // The player made last: the voice's, once the music's is made.
    QtMediaControl* lastPlayer = nullptr;
    // Where the desktop pictures go, below it.
    QString userLibrary;

private:
    std::unique_ptr<Speech> m_speech;
    QString m_folder;
    QString m_thumbnails;
    QMap<QString, QString> m_settings;
    BusNotifications m_notifications { QDBusConnection::sessionBus() };
    // GNOME's settings of the benchmark's own keyfile store.
    BusDesktopPicture m_desktopPicture { QDBusConnection::sessionBus() };
};

} // namespace vellumora::bench
