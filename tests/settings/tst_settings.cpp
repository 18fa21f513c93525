#include "settings/SettingsPanel.h"
#include "shell/frmMain.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"

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

    void init()
    {
        m_dir = newApplicationFolder();
        m_platform.reset(new FakePlatform(m_dir->path()));
    }

    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
    }

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
        QVERIFY(!m_platform->settingsRead.contains(kSection + "DispOrder"));
        QVERIFY(m_platform->settingsWritten.isEmpty());
        QStringList items;
        for (int i = 0; i < find<QComboBox>("cboDispDuration")->count(); ++i) {
            items << find<QComboBox>("cboDispDuration")->itemText(i);
        }
        QCOMPARE(items, QString("5 10 15 20 25 30 35 40 45 50").split(' '));
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
        QVERIFY(m_window->settings()->SaveDisplaySettings());
        const QMap<QString, QString> expected { { "DispDuration", "3" }, { "AffirmationDispDuration", "2" },
            { "BorderShape", "3" }, { "FillStyle", "4" }, { "DispLocation", "0" }, { "DispOrder", "0" } };
        QStringList order;
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            QCOMPARE(m_platform->settings.value(kSection + it.key()), it.value());
        }
        for (const char* key : { "DispDuration", "AffirmationDispDuration", "BorderShape", "FillStyle",
                 "DispLocation", "DispOrder" }) {
            order << kSection + key;
        }
        QCOMPARE(m_platform->settingsWritten, order);

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
            m_platform->settings.insert(kSection + key, value);
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
        m_platform->settings.insert("Settings/MusicPath", "/music/song.mp3");
        load();
        QCOMPARE(find<QCheckBox>("chkPlayMusic")->text(), "Play Music");
        QVERIFY(find<QCheckBox>("chkPlayMusic")->isChecked());
        QCOMPARE(find<QLineEdit>("txtFile")->text(), "/music/song.mp3");
        QVERIFY(find<QPushButton>("cmdBrowseMusic")->isEnabled());
        // The display options and the music path keep their own spellings of the section.
        QVERIFY(m_window->settings()->SaveMusicPath());
        QCOMPARE(m_platform->settingsWritten, QStringList { "Settings/MusicPath" });
    }

    void placementCanBeSeenAndChosen()
    {
        load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->findChild<QPushButton*>("cmdMusicSettings")->click();
        auto* frame = find<QGroupBox>("fraMsgLocation");
        auto* panel = m_window->settings();
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
    void load()
    {
        m_window.reset();
        m_window.reset(new frmMain(*m_platform, m_random));
        QVERIFY(m_window->Form_Load());
    }
    template <typename T> T* find(const QString& name) const
    {
        T* found = m_window->findChild<T*>(name);
        [&] { QVERIFY2(found, qPrintable(name)); }();
        return found;
    }
    QString text(const char* name) const { return find<QComboBox>(name)->currentText(); }
    int checked(const char* group) const { return find<QButtonGroup>(group)->checkedId(); }
    void choose(const char* group, int index) { find<QButtonGroup>(group)->button(index)->setChecked(true); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmMain> m_window;
    QRandomGenerator m_random { 1 };
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
