#include "settings/DisplaySettings.h"
#include "settings/SettingsPanel.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>
#include <QTreeView>

using namespace vellumora;

namespace {

const QStringList kKeys { "DispDuration", "AffirmationDispDuration", "BorderShape", "FillStyle",
    "DispLocation", "DispOrder" };

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f.reset(); }
    void cleanup() { f.window.reset(); }

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
        QCOMPARE(settings.load(), std::nullopt);
        // Only "DispDuration" is read while it holds nothing.
        QCOMPARE(platform.settingsRead, QStringList { "settings/DispDuration" });
        for (const QString& key : kKeys) {
            platform.settings.insert("settings/" + key, value);
        }
        QCOMPARE(settings.load(), read);
        QVERIFY(settings.save(DisplayOptions { 3, 2, 0, 0, 3, 4 }));
        QCOMPARE(settings.load(), (DisplayOptions { 3, 2, 0, 0, 3, 4 }));
        QCOMPARE(platform.settings.value("settings/FillStyle"), "4");
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

        find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("15");
        find<QButtonGroup>("optLocation")->button(0)->setChecked(true);
        find<QButtonGroup>("optFillStyle")->button(4)->setChecked(true);
        QVERIFY(f.window->findChild<SettingsPanel*>()->saveDisplayOptions());
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
        QVERIFY(f.window->findChild<SettingsPanel*>()->saveMusicPath());
        QCOMPARE(f.platform->settingsWritten, QStringList { "Settings/MusicPath" });
    }

    void placementCanBeSeenAndChosen()
    {
        load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        find<QPushButton>("cmdMusicSettings")->click();
        auto* frame = find<QGroupBox>("fraMsgLocation");
        QVERIFY(find<QWidget>("fraMusicSettings")->rect().contains(frame->geometry()));
        for (int i = 0; i < 2; ++i) {
            auto* button = find<QRadioButton>(QStringLiteral("optLocation_%1").arg(i));
            QVERIFY(button->isVisible() && frame->contentsRect().contains(button->geometry()));
            QVERIFY(button->width() >= button->sizeHint().width());
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            QCOMPARE(checked("optLocation"), i);
        }
    }

    // Every caption in every panel shows whole: a label that wraps has the height its text needs
    // at its width, and any other control is as wide and as high as its text.
    void everyTextFits()
    {
        load();
        QStringList clipped;
        forEveryControl([&clipped](QWidget* control) {
            QString text;
            int flags = Qt::TextShowMnemonic;
            QRect room = control->contentsRect();
            if (auto* label = qobject_cast<QLabel*>(control)) {
                text = label->text();
                flags |= label->wordWrap() ? Qt::TextWordWrap : 0;
            } else if (auto* option = qobject_cast<QRadioButton*>(control)) {
                text = option->text();
                room.setLeft(room.left() + 20);
            } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
                text = box->text();
                room.setLeft(room.left() + 20);
            }
            if (text.isEmpty()) {
                return;
            }
            const QRect needed = control->fontMetrics().boundingRect(
                QRect(room.topLeft(), QSize(room.width(), 10000)), flags, text);
            // Where the text stands in its control, it must lie inside the parent too.
            auto* label = qobject_cast<QLabel*>(control);
            const Qt::Alignment alignment = label ? label->alignment() : Qt::AlignLeft | Qt::AlignVCenter;
            const QRect placed = QStyle::alignedRect(
                control->layoutDirection(), alignment, needed.size().boundedTo(room.size()), room)
                                     .translated(control->pos());
            if (needed.width() > room.width() || needed.height() > room.height()
                || !control->parentWidget()->rect().contains(placed)) {
                clipped << QStringLiteral("%1 \"%2\": needs %3 x %4, has %5 x %6")
                               .arg(control->objectName(), text)
                               .arg(needed.width())
                               .arg(needed.height())
                               .arg(room.width())
                               .arg(room.height());
            }
        });
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join("\n")));
    }

    // Every control a user can reach has a name a screen reader can say.
    void everyControlHasAName()
    {
        const QString longer = QString("I keep going, one small step after another. ").repeated(6);
        QVERIFY(writeBytes(f.path("system/Goals.txt"), crlfLines({ "\"" + longer + "\",#TRUE#" })));
        load();
        QStringList unnamed;
        forEveryControl([&unnamed](QWidget* control) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            if (control->focusPolicy() != Qt::NoFocus && accessible
                && accessible->text(QAccessible::Name).trimmed().isEmpty()) {
                unnamed << QString::fromLatin1(control->metaObject()->className()) + " "
                        + control->objectName();
            }
        });
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        // A long affirmation's whole text is its row's tip.
        auto* affirmations = find<QTreeView>("lvFileContent");
        QCOMPARE(affirmations->model()->index(0, 0).data(Qt::ToolTipRole).toString(), longer);
    }

private:
    void load() { f.load(); }
    // Every visible control of every panel, each panel brought to the front in turn.
    template <typename Visit> void forEveryControl(Visit visit)
    {
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        for (const char* button : { "cmdImageLibrary", "cmdAffirmationLibrary", "cmdMusicSettings" }) {
            find<QPushButton>(button)->click();
            for (QWidget* control : f.window->findChildren<QWidget*>()) {
                if (control->isVisible() && control->objectName() != "lblAffirmationDisplay") {
                    visit(control);
                }
            }
        }
    }
    template <typename T> T* find(const QString& name) const { return f.find<T>(name); }
    int checked(const char* group) const { return find<QButtonGroup>(group)->checkedId(); }

    MainWindowFixture f;
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
