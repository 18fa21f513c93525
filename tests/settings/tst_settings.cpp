#include "settings/LoginStart.h"
#include "settings/ShowOptions.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

namespace {

const QStringList kKeys { "DispDuration", "AffirmationDispDuration", "BorderShape", "FillStyle",
    "DispLocation", "DispOrder" };

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void init() { f.reset(); }

    // Every key holds the same stored value; a value that names no list position or option
    // gives that key's default.
    void storedValues_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<DisplayOptions>("read");
        QTest::newRow("not a number") << "ten" << DisplayOptions {};
        QTest::newRow("past the list") << "12" << DisplayOptions {};
        QTest::newRow("negative") << "-1" << DisplayOptions {};
        QTest::newRow("past 16 bits") << "70000" << DisplayOptions {};
        QTest::newRow("blank") << " " << DisplayOptions {};
        QTest::newRow("in range") << "4"
                                  << DisplayOptions { 4, 4, Placement::Centre, Order::AsDisplayed,
                                         BorderShape::RoundSquare, FillStyle::Cross };
        QTest::newRow("two") << "2"
                             << DisplayOptions { 2, 2, Placement::WhereIPutIt, Order::AsDisplayed,
                                    BorderShape::Square, FillStyle::VerticalLine };
        QTest::newRow("zero") << "0"
                              << DisplayOptions { 0, 0, Placement::Random, Order::Random, BorderShape::NoFill,
                                     FillStyle::NoFill };
    }

    void storedValues()
    {
        QFETCH(QString, value);
        QFETCH(DisplayOptions, read);
        FakePlatform platform;
        ShowOptions settings(platform);
        settings.load();
        // None of the others is read while "DispDuration" holds nothing.
        for (const QString& key : kKeys.mid(1)) {
            QVERIFY(!platform.settingsRead.contains("settings/" + key));
        }
        for (const QString& key : kKeys) {
            platform.settings.insert("settings/" + key, value);
        }
        settings.load();
        QCOMPARE(settings.display(), read);
        const DisplayOptions chosen { 3, 2, Placement::Random, Order::Random, BorderShape::Circle,
            FillStyle::Cross };
        settings.setDisplay(chosen);
        QVERIFY(settings.saveDisplayOptions());
        ShowOptions again(platform);
        again.load();
        QCOMPARE(again.display(), chosen);
        QCOMPARE(platform.settings.value("settings/FillStyle"), "4");
        QCOMPARE(platform.settings.value("settings/DispLocation"), "0");
    }

    void panelShowsTheOptions()
    {
        load();
        QCOMPARE(find<QComboBox>("cboDispDuration")->currentText(), "5");
        QCOMPARE(find<QComboBox>("cboDispDuration")->itemText(9), "50");
        QCOMPARE(checked("optDisplayOrder"), 1);
        auto* music = find<QCheckBox>("chkPlayMusic");
        QCOMPARE(music->text(), "Dont Play Music");
        QVERIFY(!music->isChecked() && !find<QPushButton>("cmdBrowseMusic")->isEnabled());

        // The controls edit the options the show starts with, and show what they hold.
        find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("15");
        find<QButtonGroup>("optLocation")->button(0)->setChecked(true);
        find<QButtonGroup>("optFillStyle")->button(4)->setChecked(true);
        QCOMPARE(options()->display(),
            (DisplayOptions {
                0, 2, Placement::Random, Order::AsDisplayed, BorderShape::NoFill, FillStyle::Cross }));
        QCOMPARE(options()->stepMilliseconds(), 15);
        options()->setDisplay(
            DisplayOptions { 1, 2, Placement::Random, Order::Random, BorderShape::Circle, FillStyle::Cross });
        QCOMPARE(find<QComboBox>("cboDispDuration")->currentText(), "10");
        QCOMPARE(checked("optDisplayOrder"), 0);
        QCOMPARE(checked("optBorderShape"), 3);
        QVERIFY(f.platform->settingsWritten.isEmpty());
        QVERIFY(options()->saveDisplayOptions());
        QVERIFY(f.platform->settingsWritten.size() == kKeys.size());
        f.platform->settings.insert("Settings/MusicPath", "/music/song.mp3");
        load();
        QCOMPARE(find<QComboBox>("cboAffirmationDisplayDuration")->currentText(), "15");
        QCOMPARE(checked("optLocation"), 0);
        QCOMPARE(checked("optFillStyle"), 4);
        // A stored music path switches music on.
        music = find<QCheckBox>("chkPlayMusic");
        QCOMPARE(music->text(), "Play Music");
        QVERIFY(music->isChecked() && find<QPushButton>("cmdBrowseMusic")->isEnabled());
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "/music/song.mp3");
        f.platform->settingsWritten.clear();
        QVERIFY(options()->saveMusicPath());
        QCOMPARE(f.platform->settingsWritten, QStringList { "Settings/MusicPath" });
        // Unticked, the path goes with the switch.
        music->click();
        QVERIFY(!options()->playMusic() && options()->musicPath().isEmpty());
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "");
        QVERIFY(!find<QLineEdit>("txtFile")->isEnabled());

        // The keys added beside the six, as a hand might write them.
        for (const auto& [key, value] :
            { std::pair { "PictureFit", "2" }, { "OnTop", "1" }, { "DispLocation", "2" } }) {
            f.platform->settings.insert(QString("settings/") + key, value);
        }
        load();
        QCOMPARE(find<QComboBox>("cboPictureFit")->currentIndex(), 2);
        QVERIFY(find<QCheckBox>("chkOnTop")->isChecked());
        QCOMPARE(checked("optLocation"), 2);
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
        QTest::newRow("new user") << ""
                                  << "" << true << ""
                                  << "";
        QTest::newRow("new user chooses music") << ""
                                                << "" << true << "/m/a.mp3"
                                                << "1";
        QTest::newRow("music played once") << "/m/a.mp3"
                                           << "" << false << "/m/a.mp3"
                                           << "";
        QTest::newRow("stored on") << "/m/a.mp3"
                                   << "1" << true << "/m/a.mp3"
                                   << "1";
        QTest::newRow("stored off") << ""
                                    << "0" << false << ""
                                    << "0";
        QTest::newRow("written by hand, left as it is") << "/m"
                                                        << "yes" << false << "/m"
                                                        << "yes";
    }
    void musicRepeatStored()
    {
        QFETCH(QString, storedPath);
        QFETCH(QString, storedRepeat);
        QFETCH(bool, repeat);
        QFETCH(QString, pathSaved);
        QFETCH(QString, repeatSaved);
        FakePlatform platform;
        for (const auto& [key, value] :
            { std::pair { "Settings/MusicPath", storedPath }, { "Settings/MusicRepeat", storedRepeat } }) {
            if (!value.isEmpty()) {
                platform.settings.insert(key, value);
            }
        }
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

    // Ticked, the entry is written; unticked, removed; the box shows what is there, and a
    // failed write sets it back. No other file in the folder is touched.
    void startAtLogin()
    {
        const QString folder = f.platform->autostartFolder();
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(writeBytes(NativePath(folder + "/other.desktop"), "another program's"));
        load();
        auto* box = find<QCheckBox>("chkStartAtLogin");
        const QString entry = folder + "/example.vellumora.Vellumora.desktop";
        QVERIFY(!box->isChecked());
        box->click();
        QVERIFY(box->isChecked());
        QCOMPARE(readBytes(NativePath(entry)), LoginStart::entry(QCoreApplication::applicationFilePath()));
        box->click();
        QVERIFY(!QFileInfo::exists(entry) && !box->isChecked());
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
        QVERIFY(QFile::remove(folder) && QDir().mkpath(folder));
        QVERIFY(writeBytes(NativePath(folder + "/other.desktop"), "another program's"));
        box->click();
        box->click();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList { "other.desktop" });
        QCOMPARE(readBytes(NativePath(folder + "/other.desktop")), "another program's");
    }

private:
    void load() { f.load(); }
    ShowOptions* options() const { return &f.library->options(); }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }
    int checked(const char* group) const { return find<QButtonGroup>(group)->checkedId(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
