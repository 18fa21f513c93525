#include "settings/LoginStart.h"
#include "settings/ShowOptions.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { f.reset(); }

    // Every key holds the same stored value; a value that names no list position or option
    // gives that key's default, and what is read is saved so. None is taken while
    // "DispDuration" holds nothing.
    void storedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<DisplayOptions>("read");
        QTest::newRow("not a number") << "ten" << DisplayOptions {};
        QTest::newRow("past the list") << "12" << DisplayOptions {};
        QTest::newRow("negative") << "-1" << DisplayOptions {};
        QTest::newRow("in range") << "4"
                                  << DisplayOptions { 4, 4, Placement::Centre, Order::AsDisplayed,
                                         BorderShape::RoundSquare, FillStyle::Cross };
        QTest::newRow("zero") << "0"
                              << DisplayOptions { 0, 0, Placement::Random, Order::Random, BorderShape::NoFill,
                                     FillStyle::NoFill };
    }
    void storedValues()
    {
        QFETCH(QString, value);
        QFETCH(DisplayOptions, read);
        FakePlatform platform;
        for (const char* key :
            { "AffirmationDispDuration", "BorderShape", "FillStyle", "DispLocation", "DispOrder" }) {
            platform.settings.insert(QString("settings/") + key, value);
        }
        ShowOptions settings(platform);
        settings.load();
        QCOMPARE(settings.display(), DisplayOptions {});
        platform.settings.insert("settings/DispDuration", value);
        settings.load();
        // Saved as they were read.
        QVERIFY(settings.saveDisplayOptions());
        settings.load();
        QCOMPARE(settings.display(), read);
    }

    // The controls show the options the show starts with and edit them; nothing is saved
    // meanwhile, and what is saved, the added keys too, is read back so. A stored music path
    // switches music on; unticked, the path goes with it.
    void panelShowsTheOptions()
    {
        f.platform->settings.insert("Settings/MusicPath", "/music/song.mp3");
        f.load();
        // Every option is shown, and read back with one the user changes.
        DisplayOptions shown { 1, 2, Placement::WhereIPutIt, Order::Random, BorderShape::Circle,
            FillStyle::VerticalLine, PictureFit::Fill, ShowSize::Large, true };
        options().setDisplay(shown);
        find<QButtonGroup>("optFillStyle")->button(4)->setChecked(true);
        shown.fillStyle = FillStyle::Cross;
        QCOMPARE(options().display(), shown);
        find<QComboBox>("cboDispDuration")->setCurrentText("50");
        find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("15");
        QCOMPARE(options().pictureSeconds(), 50);
        QCOMPARE(options().stepMilliseconds(), 15);
        QVERIFY(f.platform->settingsWritten.isEmpty());
        QVERIFY(options().saveDisplayOptions());
        ShowOptions again(*f.platform);
        again.load();
        QCOMPARE(again.display(), options().display());

        auto* music = find<QCheckBox>("chkPlayMusic");
        QVERIFY(music->isChecked() && find<QPushButton>("cmdBrowseMusic")->isEnabled());
        QCOMPARE(music->text(), "Play Music");
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "/music/song.mp3");
        music->click();
        QVERIFY(!options().playMusic() && options().musicPath().isEmpty());
        QCOMPARE(music->text(), "Dont Play Music");
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "");
        QVERIFY(
            !find<QLineEdit>("txtFile")->isEnabled() && !find<QPushButton>("cmdBrowseMusic")->isEnabled());
    }

    // Repeat is on for a new user and off for one whose music played once; the key is written
    // only where its absence would read otherwise, so an untouched settings file stays as it was.
    void musicRepeatStored_data()
    {
        QTest::addColumn<QString>("storedPath");
        QTest::addColumn<QString>("storedRepeat");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<QString>("pathSaved");
        QTest::addColumn<QString>("repeatSaved");
        const QString none, a = "/m/a.mp3", on = "1", hand = "/m", yes = "yes";
        QTest::newRow("new user") << none << none << true << none << none;
        QTest::newRow("new user chooses music") << none << none << true << a << on;
        QTest::newRow("music played once") << a << none << false << a << none;
        QTest::newRow("stored on") << a << on << true << a << on;
        QTest::newRow("stored off") << none << "0" << false << none << "0";
        QTest::newRow("written by hand, left as it is") << hand << yes << false << hand << yes;
    }
    void musicRepeatStored()
    {
        QFETCH(QString, storedPath);
        QFETCH(QString, storedRepeat);
        QFETCH(bool, repeat);
        QFETCH(QString, pathSaved);
        QFETCH(QString, repeatSaved);
        FakePlatform platform;
        // Stored empty is as good as missing.
        platform.settings.insert("Settings/MusicPath", storedPath);
        platform.settings.insert("Settings/MusicRepeat", storedRepeat);
        ShowOptions settings(platform);
        settings.load();
        QCOMPARE(settings.musicRepeat(), repeat);
        settings.setPlayMusic(true);
        settings.setMusicPath(pathSaved);
        QVERIFY(settings.saveMusicPath());
        QCOMPARE(platform.settings.value("Settings/MusicRepeat"), repeatSaved);
    }

    // The Exec line starts this very program with --show, quoted as desktop entries want.
    void loginEntry_data()
    {
        QTest::addColumn<QString>("executable");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/lib/vellumora/Vellumora"
                               << "Exec=/usr/lib/vellumora/Vellumora --show";
        QTest::newRow("blank") << "/opt/My Apps/Vellumora"
                               << "Exec=\"/opt/My Apps/Vellumora\" --show";
        QTest::newRow("reserved") << "/home/a$b/100%/x\\y\"z"
                                  << "Exec=\"/home/a\\\\$b/100%%/x\\\\\\\\y\\\\\"z\" --show";
    }
    void loginEntry()
    {
        QFETCH(QString, executable);
        QFETCH(QString, exec);
        const QByteArray entry = LoginStart::entry(executable);
        QVERIFY2(entry.split('\n').contains(exec.toUtf8()), entry.constData());
        QTemporaryDir dir;
        const QString path = dir.filePath("vellumora.desktop");
        QVERIFY(writeBytes(NativePath(path), entry));
        QProcess validator;
        validator.start("desktop-file-validate", { path });
        QVERIFY(validator.waitForFinished());
        QVERIFY2(validator.exitCode() == 0, validator.readAllStandardOutput().constData());
    }

    // Ticked, the entry is written; unticked, removed, and no other file in the folder is
    // touched. The box shows what is there, and a failed write sets it back.
    void startAtLogin()
    {
        const QString folder = f.platform->autostartFolder();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(NativePath(folder + "/other.desktop"), "another program's"));
        f.load();
        auto* box = find<QCheckBox>("chkStartAtLogin");
        const QString entry = folder + "/example.vellumora.Vellumora.desktop";
        box->click();
        QCOMPARE(readBytes(NativePath(entry)), LoginStart::entry(QCoreApplication::applicationFilePath()));
        box->click();
        QVERIFY(!box->isChecked());
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList { "other.desktop" });
        QCOMPARE(readBytes(NativePath(folder + "/other.desktop")), "another program's");
        box->click();
        QVERIFY(QFile::remove(entry));
        // Seen again, the panel shows what is there.
        f.window->show();
        find<QPushButton>("cmdImageLibrary")->click();
        find<QPushButton>("cmdMusicSettings")->click();
        QVERIFY(!box->isChecked());
        QVERIFY(f.platform->messages.isEmpty());

        QVERIFY(QDir(folder).removeRecursively() && writeBytes(NativePath(folder), "in the way"));
        box->click();
        QVERIFY(!box->isChecked());
        QVERIFY(f.lastMessage().startsWith("The show could not be set to start when you log in.\n"));
    }

private:
    ShowOptions& options() const { return f.library->options(); }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
