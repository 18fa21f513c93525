#pragma once

#include "platform/Platform.h"
#include "platform/QtMediaControl.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QTemporaryDir>

namespace vellumora {

// A player that plays nothing and records the calls made to it.
class FakeMediaControl : public MediaControl {
    Q_OBJECT
public:
    void open(const QString& path) override
    {
        name = path;
        commands.append(QStringLiteral("open"));
        if (!refusal.isEmpty()
            && (refusedFiles.isEmpty() || refusedFiles.contains(QFileInfo(path).fileName()))) {
            emit unplayable(refusal);
        }
    }
    QString fileName() const override { return name; }
    void play() override { commands.append(QStringLiteral("play")); }
    void stop() override { commands.append(QStringLiteral("stop")); }
    void close() override { commands.append(QStringLiteral("close")); }
    void setLooping(bool on) override { looping = on; }
    // Tells of the end of the file, as a player does when it has played it all; a looping one
    // plays it again instead.
    void playToTheEnd()
    {
        if (looping) {
            commands.append(QStringLiteral("again"));
        } else {
            emit finished();
        }
    }
    void setVolume(double level) override { volume = level; }
    qint64 position() const override { return positionMs; }
    qint64 length() const override { return lengthMs; }

    QString name;
    QStringList commands;
    double volume = 1.0;
    bool looping = false;
    qint64 positionMs = 0;
    qint64 lengthMs = 0;
    // Told at once when a file is opened, as a player that sees it cannot play it: of every file,
    // or of these names only.
    QString refusal;
    QStringList refusedFiles;
};

// A microphone that hears what the test writes: stop() writes `heard` into the file and finishes,
// unless a refusal is set, which fails the recording as it starts.
class FakeVoiceRecorder : public VoiceRecorder {
    Q_OBJECT
public:
    QString fileSuffix() const override { return QStringLiteral("ogg"); }
    bool hasMicrophone() const override { return microphone; }
    void record(const QString& file) override
    {
        path = file;
        if (!refusal.isEmpty()) {
            emit failed(refusal);
            return;
        }
        QFile(file).open(QIODevice::WriteOnly);
        recording = true;
        if (!startsLater) {
            emit started();
        }
    }
    void stop() override
    {
        if (!recording) {
            return;
        }
        recording = false;
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(heard);
        out.close();
        emit finished();
    }
    qint64 duration() const override { return 0; }

    bool microphone = true, startsLater = false;
    QString refusal;
    QByteArray heard = "OggS recorded";
    QString path;
    bool recording = false;
};

// A speech engine that keeps what it is asked to say; stop() ends the sentence.
class FakeSpeech : public Speech {
    Q_OBJECT
public:
    bool available() const override { return engine; }
    QString unavailableReason() const override { return QStringLiteral("Install a speech engine."); }
    QList<SpeechVoice> voices() const override
    {
        return { { "fake/Anna", "Anna (English)", true }, { "fake/Lena", "Lena (German)" } };
    }
    // Found at once, unless the test hands them over later.
    void findVoices() override
    {
        if (!voicesLater) {
            emit voicesFound(voices());
        }
    }
    void say(const QString& text, const QString& voiceId, double rate) override
    {
        stop();
        said.append({ text, voiceId, rate });
        talking = true;
        emit started();
    }
    void stop() override
    {
        if (std::exchange(talking, false)) {
            emit finished();
        }
    }
    bool speaking() const override { return talking; }

    struct Said {
        QString text;
        QString voice;
        double rate;
    };
    bool engine = true;
    bool voicesLater = false;
    QList<Said> said;
    bool talking = false;
};

// An alarm that rings when the test says so; the moment it was last set to is kept.
class FakeAlarm : public Alarm {
    Q_OBJECT
public:
    void ringAt(const QDateTime& moment) override { at = moment; }
    void cancel() override { at = QDateTime(); }
    void ring() { emit rang(); }
    void clockSet() { emit clockChanged(); }

    QDateTime at;
};

// Notifications that are kept instead of shown, or refused as by a bus with no server.
class FakeNotifications : public Notifications {
    Q_OBJECT
public:
    struct Shown {
        QString text;
        QList<NotificationAction> actions;
        int timeoutMs;
    };
    void show(const QString& text, const QList<NotificationAction>& actions, int timeoutMs) override
    {
        if (!server) {
            emit undelivered(text);
            return;
        }
        shown.append({ text, actions, timeoutMs });
    }
    void invoke(const QString& key) { emit actionInvoked(key); }

    bool server = true;
    QList<Shown> shown;
};

// A desktop whose picture settings are one value, the first screen's file.
class FakeDesktopPicture : public DesktopPicture {
public:
    Way way() override { return answering; }
    DesktopPictureState current() override { return state; }
    void set(const Pictures& pictures, Done done) override
    {
        sets.append(pictures);
        if (error.isEmpty()) {
            state[QStringLiteral("fake:picture")] = pictures.files.value(0);
        }
        done({ error, note });
    }
    void restore(const DesktopPictureState& given, Done done) override
    {
        restored.append(given);
        if (error.isEmpty()) {
            state = given;
        }
        done({ error });
    }

    Way answering = Way::Gnome;
    DesktopPictureState state { { QStringLiteral("fake:picture"),
        QStringLiteral("/usr/share/backgrounds/default.png") } };
    // What set and restore answer: empty for success; and what set tells on the way.
    QString error;
    QString note;
    QList<Pictures> sets;
    QList<DesktopPictureState> restored;
};

// A platform for tests: records every message and answers it from a queue, keeps settings in
// memory, and opens no browser.
class FakePlatform : public Platform {
public:
    struct Message {
        QString text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    explicit FakePlatform(QString folder = {});

    QString applicationFolder() const override { return folder; }
    QString libraryFolder() const override { return library.isEmpty() ? folder : library; }
    void useLibraryFolder(const QString& chosen) override { library = chosen; }
    QString userLibraryFolder() const override { return userLibrary; }
    QString setting(const QString& section, const QString& key) override;
    bool setSetting(const QString& section, const QString& key, const QString& value) override;
    QList<SettingValue> allSettings() override
    {
        QList<SettingValue> all;
        for (auto it = settings.cbegin(); it != settings.cend(); ++it) {
            const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
            all.append({ it.key().left(slash), it.key().mid(slash + 1), it.value() });
        }
        return all;
    }
    MessageAnswer message(const QString& text, MessageIcon icon, MessageButtons buttons) override;
    QString openFileName(const OpenFileRequest& request) override;
    QStringList openFileNames(const OpenFileRequest& request) override
    {
        // One answer, its files a line each.
        const QString chosen = openFileName(request);
        return chosen.isEmpty() ? QStringList() : chosen.split(QLatin1Char('\n'));
    }
    QString saveFileName(const SaveFileRequest& request) override;
    QString openFolderName(const QString& title, const QString& initialFolder) override
    {
        folderRequests.append(title + '|' + initialFolder);
        return nextChosen();
    }
    // The work runs at once, on this thread, cancelled as cancelWorkAfterFiles says.
    void runLongWork(
        const QString& what, WorkProgress& progress, const std::function<void()>& work, bool) override
    {
        longWorks.append(what);
        progress.cancelAfterFiles(cancelWorkAfterFiles.isEmpty() ? -1 : cancelWorkAfterFiles.takeFirst());
        work();
    }
    QString thumbnailFolder() const override { return thumbnails.path(); }
    QString shownPictureFolder() const override { return thumbnails.filePath("vellumora/shown"); }
    QString trashFolder() const override { return trash.filePath("Trash"); }
    QString musicFolder() const override { return QStringLiteral("/home/user/Music"); }
    QString autostartFolder() const override { return thumbnails.filePath("autostart"); }
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override
    {
        fontRequests.append(initial);
        return fontAnswer;
    }
    std::optional<QColor> chooseColour(const QColor& initial, const QString& title) override
    {
        colourRequests.append(title + '|' + initial.name());
        return colourAnswer;
    }
    // Prints to a PDF file, `printedTo`, as a PDF printer would; empty, the print is cancelled.
    PrintResult print(const PrintRequest& request, QString* error) override;
    std::unique_ptr<MediaControl> createMediaControl() override
    {
        if (realPlayers) {
            return std::make_unique<QtMediaControl>();
        }
        auto player = std::make_unique<FakeMediaControl>();
        players.append(player.get());
        return player;
    }
    bool previousInstanceRunning() override { return otherCopyRunning; }
    // No running copy ever answers, so the program tells the user that one runs.
    bool askRunningCopy(LaterStart) override { return false; }
    void listenForLaterStarts(std::function<void(LaterStart)> handler) override { laterStart = handler; }
    bool openUrl(const QUrl& url) override
    {
        openedUrls.append(url);
        return browserFound;
    }
    QDateTime now() const override { return clock; }
    std::unique_ptr<Alarm> createAlarm() override
    {
        auto made = std::make_unique<FakeAlarm>();
        alarm = made.get();
        return made;
    }
    bool placesWindows() const override { return windowsPlaced; }
    Notifications& notifications() override { return notices; }
    void askScreenLocked(std::function<void(bool)> answer) override { answer(screenLocked); }
    void keepScreenAwake(bool) override { }
    DesktopPicture& desktopPicture() override { return desktop; }
    std::unique_ptr<VoiceRecorder> createVoiceRecorder() override
    {
        auto made = std::make_unique<FakeVoiceRecorder>();
        made->microphone = microphone;
        made->startsLater = microphoneSlow;
        made->refusal = microphoneRefusal;
        recorder = made.get();
        return made;
    }
    Speech& speech() override
    {
        ++speechAsked;
        return speaker;
    }
    void endProcess() override { ++endProcessCalls; }

    QString folder;
    QString library;
    QString userLibrary;
    // How often the speech engine was asked for: the real one loads the sound and speech module.
    int speechAsked = 0;
    // Keyed "section/key", letter case kept.
    QMap<QString, QString> settings;
    // Every "section/key" read or written, in order.
    QStringList settingsRead;
    QStringList settingsWritten;
    // false: every write is refused, and nothing is stored.
    bool settingsWritable = true;
    QList<Message> messages;
    FakeDesktopPicture desktop;
    // false: a desktop that places the windows itself, as on Wayland.
    bool windowsPlaced = true;
    // Runs inside the next message only, as events do while a real one waits for its answer.
    std::function<void()> whileMessageShows;
    // Answers for Yes/No boxes, taken from the front; Ok boxes answer Ok.
    QList<MessageAnswer> answers;
    QList<QUrl> openedUrls;
    bool browserFound = true;
    // Paths the open-file and folder dialogs answer with, taken from the front; none left means
    // Cancel.
    QStringList chosenFiles;
    QList<OpenFileRequest> fileRequests;
    // The save-file dialog answers from chosenFiles too.
    QList<SaveFileRequest> saveRequests;
    // The folder dialogs' titles and initial folders, "title|folder".
    QStringList folderRequests;
    // What each long piece of work said it does, and after how many files the user cancels each,
    // taken from the front; none left or -1: never.
    QStringList longWorks;
    QList<int> cancelWorkAfterFiles;
    QTemporaryDir thumbnails;
    // Holds the desktop's Trash.
    QTemporaryDir trash;
    // The font dialog's answer (nothing: Cancel), and the choices it was opened on.
    std::optional<FontChoice> fontAnswer;
    std::optional<QColor> colourAnswer;
    QStringList colourRequests;
    QString printedTo;
    QList<FontChoice> fontRequests;
    // Every player made, in order; a player gone with its window reads as null.
    QList<QPointer<FakeMediaControl>> players;
    QDateTime clock = QDateTime(QDate(2026, 3, 1), QTime(9, 30));
    bool otherCopyRunning = false;
    // What a later start reaches: nothing until the program listens.
    std::function<void(LaterStart)> laterStart = [](LaterStart) {};
    int endProcessCalls = 0;
    // The alarm made last.
    QPointer<FakeAlarm> alarm;
    FakeNotifications notices;
    bool screenLocked = false;
    FakeSpeech speaker;
    // The show's music and voice played by Qt, for a test against a real sound server.
    bool realPlayers = false;
    // The recorder made last, and what the next one is made with.
    QPointer<FakeVoiceRecorder> recorder;
    bool microphone = true;
    bool microphoneSlow = false;
    QString microphoneRefusal;

private:
    QString nextChosen() { return chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst(); }
};

} // namespace vellumora
