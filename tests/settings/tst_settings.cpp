#include "settings/SettingsPanel.h"
#include "support/MainWindowFixture.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

using namespace vellumora;

namespace {

const QString kSection = QStringLiteral("settings/");

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() { f.reset(); }
    void cleanup() { f.window.reset(); }

    void emptyStoreGivesTheDefaults()
    {
        load();
        QCOMPARE(text("cboDispDuration"), "5");
        QCOMPARE(text("cboAffirmationDisplayDuration"), "5");
        QCOMPARE(checked("optDisplayOrder"), 1);
        QCOMPARE(checked("optLocation"), 1);
        QCOMPARE(checked("optBorderShape"), 0);
        QCOMPARE(checked("optFillStyle"), 0);
        auto* music = find<QCheckBox>("chkPlayMusic");
        QCOMPARE(music->text(), "Dont Play Music");
        QVERIFY(!music->isChecked());
        QVERIFY(!find<QLineEdit>("txtFile")->isEnabled());
        QVERIFY(!find<QPushButton>("cmdBrowseMusic")->isEnabled());
        // Only "DispDuration" is read when it holds nothing.
        QVERIFY(!f.platform->settingsRead.contains(kSection + "DispOrder"));
        QVERIFY(f.platform->settingsWritten.isEmpty());
        auto* seconds = find<QComboBox>("cboDispDuration");
        QCOMPARE(seconds->count(), 10);
        QCOMPARE(seconds->itemText(9), "50");
    }

    void choicesRoundTrip()
    {
        load();
        find<QComboBox>("cboDispDuration")->setCurrentText("20");
        find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("15");
        choose("optDisplayOrder", 0);
        choose("optLocation", 0);
        choose("optBorderShape", 3);
        choose("optFillStyle", 4);
        QVERIFY(f.window->findChild<SettingsPanel*>()->saveDisplayOptions());
        const QMap<QString, QString> expected { { "DispDuration", "3" }, { "AffirmationDispDuration", "2" },
            { "BorderShape", "3" }, { "FillStyle", "4" }, { "DispLocation", "0" }, { "DispOrder", "0" } };
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QCOMPARE(f.platform->settings.value(kSection + it.key()), it.value());
        }

        load();
        QCOMPARE(text("cboDispDuration"), "20");
        QCOMPARE(text("cboAffirmationDisplayDuration"), "15");
        QCOMPARE(checked("optDisplayOrder"), 0);
        QCOMPARE(checked("optLocation"), 0);
        QCOMPARE(checked("optBorderShape"), 3);
        QCOMPARE(checked("optFillStyle"), 4);
    }

    void badStoredValuesFallBack_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("duration");
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("shape");
        QTest::newRow("not a number") << "ten" << 0 << 1 << 0;
        QTest::newRow("past the list") << "12" << 0 << 1 << 0;
        QTest::newRow("negative") << "-1" << 0 << 1 << 0;
        QTest::newRow("past 16 bits") << "70000" << 0 << 1 << 0;
        QTest::newRow("blank") << " " << 0 << 1 << 0;
        QTest::newRow("in range") << "4" << 4 << 1 << 4;
        QTest::newRow("zero") << "0" << 0 << 0 << 0;
    }

    void badStoredValuesFallBack()
    {
        QFETCH(QString, value);
        QFETCH(int, duration);
        QFETCH(int, order);
        QFETCH(int, shape);
        for (const char* key : { "DispDuration", "AffirmationDispDuration", "BorderShape", "FillStyle",
                 "DispLocation", "DispOrder" }) {
            f.platform->settings.insert(kSection + key, value);
        }
        load();
        QCOMPARE(find<QComboBox>("cboDispDuration")->currentIndex(), duration);
        QCOMPARE(find<QComboBox>("cboAffirmationDisplayDuration")->currentIndex(), duration);
        QCOMPARE(checked("optDisplayOrder"), order);
        QCOMPARE(checked("optLocation"), order);
        QCOMPARE(checked("optBorderShape"), shape);
        QCOMPARE(checked("optFillStyle"), shape);
    }

    void storedMusicPathSwitchesMusicOn()
    {
        f.platform->settings.insert("Settings/MusicPath", "/music/song.mp3");
        load();
        QCOMPARE(find<QCheckBox>("chkPlayMusic")->text(), "Play Music");
        QVERIFY(find<QCheckBox>("chkPlayMusic")->isChecked());
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "/music/song.mp3");
        QVERIFY(find<QPushButton>("cmdBrowseMusic")->isEnabled());
        // The display options and the music path keep their own spellings of the section.
        QVERIFY(f.window->findChild<SettingsPanel*>()->saveMusicPath());
        QCOMPARE(f.platform->settingsWritten, QStringList { "Settings/MusicPath" });
    }

    void placementCanBeSeenAndChosen()
    {
        load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.window->findChild<QPushButton*>("cmdMusicSettings")->click();
        auto* frame = find<QGroupBox>("fraMsgLocation");
        auto* panel = find<QWidget>("fraMusicSettings");
        QVERIFY(panel->rect().contains(frame->geometry()));
        for (int i = 0; i < 2; ++i) {
            auto* button = find<QRadioButton>(QStringLiteral("optLocation_%1").arg(i));
            QVERIFY(button->isVisible());
            QVERIFY(frame->contentsRect().contains(button->geometry()));
            QVERIFY(button->width() >= button->sizeHint().width());
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            QCOMPARE(checked("optLocation"), i);
        }
    }

private:
    void load() { f.load(); }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }
    QString text(const char* name) const { return find<QComboBox>(name)->currentText(); }
    int checked(const char* group) const { return find<QButtonGroup>(group)->checkedId(); }
    void choose(const char* group, int index) { find<QButtonGroup>(group)->button(index)->setChecked(true); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
