#include "settings/DisplaySettings.h"
#include "settings/LoginStart.h"
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
        QTest::newRow("past the list") << "12" << DisplayOptions { 0, 0, 1, 1, 0, 0 };
        QTest::newRow("negative") << "-1" << DisplayOptions {};
        QTest::newRow("past 16 bits") << "70000" << DisplayOptions {};
        QTest::newRow("blank") << " " << DisplayOptions {};
        QTest::newRow("in range") << "4" << DisplayOptions { 4, 4, 1, 1, 4, 4 };
        QTest::newRow("zero") << "0" << DisplayOptions { 0, 0, 0, 0, 0, 0 };
    }

    void storedValues()
    {
        QFETCH(QString, value);
        QFETCH(DisplayOptions, read);
        FakePlatform platform;
        DisplaySettings settings(platform);
        QVERIFY(!settings.loadDisplayOptions());
        // Only "DispDuration" is read while it holds nothing.
        QCOMPARE(platform.settingsRead, QStringList { "settings/DispDuration" });
        for (const QString& key : kKeys) {
            platform.settings.insert("settings/" + key, value);
        }
        QVERIFY(settings.loadDisplayOptions());
        QCOMPARE(settings.display(), read);
        settings.setDisplay(DisplayOptions { 3, 2, 0, 0, 3, 4 });
        QVERIFY(settings.saveDisplayOptions());
        DisplaySettings again(platform);
        QVERIFY(again.loadDisplayOptions());
        QCOMPARE(again.display(), (DisplayOptions { 3, 2, 0, 0, 3, 4 }));
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
        QCOMPARE(options()->display(), (DisplayOptions { 0, 2, 0, 1, 0, 4 }));
        QVERIFY(options()->stepMilliseconds() == 15 && options()->randomPlace());
        options()->setDisplay(DisplayOptions { 1, 2, 0, 0, 3, 4 });
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
    }

private:
    void load() { f.load(); }
    DisplaySettings* options() const { return f.window->findChild<DisplaySettings*>(); }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }
    int checked(const char* group) const { return find<QButtonGroup>(group)->checkedId(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
