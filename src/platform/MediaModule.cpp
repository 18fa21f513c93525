#include "platform/MediaModule.h"

#include "platform/MediaControl.h"
#include "platform/VoiceServices.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace vellumora::media {

namespace {

const char* const kModuleFile = "modules/vellumora-media.so";

QString& moduleFolder()
{
    static QString folder;
    return folder;
}

struct Module {
    QLibrary library;
    // Why it is not open, in a whole sentence; empty once it is.
    QString error;
};

Module& module()
{
    static Module* opened = [] {
        auto* found = new Module;
        const QString folder
            = moduleFolder().isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder();
        const QString path = QDir(folder).filePath(QLatin1String(kModuleFile));
        const QString shown = QDir::toNativeSeparators(path);
        if (!QFile::exists(path)) {
            found->error = QCoreApplication::translate(
                "vellumora::media", "Sound and speech are not available: %1 is missing.")
                               .arg(shown);
            return found;
        }
        found->library.setFileName(path);
        // Its objects may live as long as the program, and their code with them.
        found->library.setLoadHints(QLibrary::PreventUnloadHint);
        using Version = int (*)();
        const auto version = found->library.load()
            ? reinterpret_cast<Version>(found->library.resolve("vellumoraMediaVersion"))
            : nullptr;
        if (!version) {
            found->error = QCoreApplication::translate(
                "vellumora::media", "Sound and speech are not available: %1 cannot be opened (%2).")
                               .arg(shown, found->library.errorString());
        } else if (version() != kModuleVersion) {
            found->error = QCoreApplication::translate("vellumora::media",
                "Sound and speech are not available: %1 belongs to another version of Vellumora.")
                               .arg(shown);
        }
        return found;
    }();
    return *opened;
}

template <typename Service> Service* create(const char* entry)
{
    Module& opened = module();
    using Create = Service* (*)();
    const auto make
        = opened.error.isEmpty() ? reinterpret_cast<Create>(opened.library.resolve(entry)) : nullptr;
    return make ? make() : nullptr;
}

QString unavailable()
{
    return module().error;
}

// What the program meets where the module could not be opened: each service refuses its work
// with the reason, later, as a real one refuses it.
class AbsentMediaControl : public MediaControl {
public:
    void open(const QString& path) override
    {
        m_fileName = path;
        QMetaObject::invokeMethod(
            this, [this] { emit unplayable(unavailable()); }, Qt::QueuedConnection);
    }
    QString fileName() const override { return m_fileName; }
    void play() override { }
    void stop() override { }
    void close() override { m_fileName.clear(); }
    void setLooping(bool) override { }
    void setVolume(double) override { }
    qint64 position() const override { return 0; }
    qint64 length() const override { return 0; }

private:
    QString m_fileName;
};

class AbsentVoiceRecorder : public VoiceRecorder {
public:
    QString fileSuffix() const override { return QStringLiteral("ogg"); }
    bool hasMicrophone() const override { return false; }
    void record(const QString&) override
    {
        QMetaObject::invokeMethod(
            this, [this] { emit failed(unavailable()); }, Qt::QueuedConnection);
    }
    void stop() override { }
    qint64 duration() const override { return 0; }
};

class AbsentSpeech : public Speech {
public:
    bool available() const override { return false; }
    QString unavailableReason() const override { return unavailable(); }
    QList<SpeechVoice> voices() const override { return {}; }
    void findVoices() override
    {
        QMetaObject::invokeMethod(
            this, [this] { emit voicesFound({}); }, Qt::QueuedConnection);
    }
    void say(const QString&, const QString&, double) override { }
    void stop() override { }
    bool speaking() const override { return false; }
};

} // namespace

void openModuleFrom(const QString& applicationFolder)
{
    moduleFolder() = applicationFolder;
}

std::unique_ptr<MediaControl> createMediaControl()
{
    MediaControl* made = create<MediaControl>("vellumoraCreateMediaControl");
    return made ? std::unique_ptr<MediaControl>(made) : std::make_unique<AbsentMediaControl>();
}

std::unique_ptr<VoiceRecorder> createVoiceRecorder()
{
    VoiceRecorder* made = create<VoiceRecorder>("vellumoraCreateVoiceRecorder");
    return made ? std::unique_ptr<VoiceRecorder>(made) : std::make_unique<AbsentVoiceRecorder>();
}

std::unique_ptr<Speech> createSpeech()
{
    Speech* made = create<Speech>("vellumoraCreateSpeech");
    return made ? std::unique_ptr<Speech>(made) : std::make_unique<AbsentSpeech>();
}

} // namespace vellumora::media
