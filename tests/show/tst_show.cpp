#include "library/AffirmationLibraryPanel.h"
#include "platform/Twips.h"
#include "show/FrameShape.h"
#include "show/ShowLauncher.h"
#include "show/frmDisplay.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

using namespace vellumora;

namespace {

const QStringList kDisplayKeys { "settings/DispDuration", "settings/AffirmationDispDuration",
    "settings/BorderShape", "settings/FillStyle", "settings/DispLocation", "settings/DispOrder" };

} // namespace

class TestShow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { f.reset(); }
    void cleanup() { f.window.reset(); }

    void refusals_data()
    {
        QTest::addColumn<bool>("music");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("optionsSaved");
        QTest::newRow("music ticked, no file chosen") << true << ""
                                                      << "Please Select Music File To Play" << false;
        QTest::newRow("music file missing") << true << "/no/such/song.mp3"
                                            << "Music File Is Not Exists Please Select A File" << false;
        QTest::newRow("no pictures") << false << ""
                                     << "Please Select Atleast One Image To Display Your Picture" << true;
    }

    void refusals()
    {
        QFETCH(bool, music);
        QFETCH(QString, path);
        QFETCH(QString, message);
        QFETCH(bool, optionsSaved);
        f.load();
        if (music) {
            f.find<QCheckBox>("chkPlayMusic")->click();
            f.find<QLineEdit>("txtFile")->setText(path);
        }
        start();
        QCOMPARE(f.platform->messages.size(), 1);
        QCOMPARE(f.platform->messages[0].text, message);
        QCOMPARE(f.platform->messages[0].icon,
            path.isEmpty() && music ? MessageIcon::Information : MessageIcon::Critical);
        QCOMPARE(f.platform->settingsWritten, optionsSaved ? kDisplayKeys : QStringList());
        QVERIFY(!launcher().pictureTimer().isActive());
        QVERIFY(!launcher().existingDisplay() || !launcher().existingDisplay()->isVisible());
        if (!path.isEmpty()) {
            QCOMPARE(f.window->frontPanel(), f.find<QWidget>("fraMusicSettings"));
        }
        if (optionsSaved) {
            // The window made for the refused show is gone with its player.
            QTRY_VERIFY(f.platform->players.isEmpty() || !f.platform->players.last());
            QVERIFY(!launcher().existingDisplay());
        }
    }

    void aShowFromStartToBack()
    {
        addPictures({ Qt::red, Qt::green, Qt::blue });
        QVERIFY(writeBytes(
            f.path("system/One.txt"), crlfLines({ "\"not me\",#FALSE#", "\"A\",#TRUE#", "\"B\",#TRUE#" })));
        QVERIFY(QDir().mkpath(f.path("system/Unreadable.txt")));
        QVERIFY(writeBytes(f.path("system/Off.txt"), crlfLines({ "\"never\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("system/Two.txt"), crlfLines({ "\"C\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"),
            crlfLines({ "\"One\",#TRUE#", "\"Unreadable\",#TRUE#", "\"Off\",#FALSE#", "\"Two\",#TRUE#" })));
        f.load();
        f.window->show();
        f.find<QComboBox>("cboDispDuration")->setCurrentText("50");
        f.find<QComboBox>("cboAffirmationDisplayDuration")->setCurrentText("50");
        start();

        QVERIFY(f.platform->messages.isEmpty());
        QCOMPARE(launcher().affirmations(), (QStringList { "A", "B", "C" }));
        frmDisplay& display = *launcher().existingDisplay();
        QVERIFY(display.isVisible());
        QVERIFY(f.window->isHidden());
        QCOMPARE(launcher().pictureTimer().interval(), 50000);
        QCOMPARE(display.size(), QSize(433, 377));
        QCOMPARE(f.platform->settings.value("Settings/MusicPath"), "");
        QVERIFY(f.platform->settingsWritten.contains("Settings/MusicPath"));

        // In order: picture 1 at the start, 1 again at the first tick, then 2, 3, 1; A, B, C, A.
        const QList<QColor> colours { Qt::red, Qt::green, Qt::blue };
        QTRY_VERIFY(nearColour(display.picture().pixelColor(200, 150), Qt::red));
        QCOMPARE(display.caption(), "A");
        const QList<int> pictures { 1, 2, 3, 1 };
        const QStringList captions { "B", "C", "A", "B" };
        for (int tick = 0; tick < 4; ++tick) {
            launcher().Timer1_Timer();
            QTRY_VERIFY2(nearColour(display.picture().pixelColor(200, 150), colours[pictures[tick] - 1]),
                qPrintable(QStringLiteral("tick %1").arg(tick)));
            QCOMPARE(display.caption(), captions[tick]);
            // Centre of the screen: the same place at every tick.
            const QSize screen = display.screen()->geometry().size();
            QCOMPARE(display.pos(),
                QPoint((screen.width() * 15 - 6495) / 2 / 15, (screen.height() * 15 - 5655) / 2 / 15));
        }

        display.findChild<QPushButton*>("cmdBack")->click();
        QVERIFY(!launcher().pictureTimer().isActive());
        QCOMPARE(launcher().pictureTimer().interval(), 0);
        QVERIFY(!f.window->isHidden());
        QCOMPARE(f.platform->players.constFirst()->commands, (QStringList { "Stop", "Close" }));
        QVERIFY(!launcher().existingDisplay());

        // A second show with nothing ticked has no affirmations, tick after tick.
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"One\",#FALSE#" })));
        f.window->findChild<AffirmationLibraryPanel*>()->LoadCategoryList();
        start();
        QCOMPARE(launcher().existingDisplay()->caption(), ShowLauncher::kNoAffirmation);
        launcher().Timer1_Timer();
        QCOMPARE(launcher().existingDisplay()->caption(), ShowLauncher::kNoAffirmation);
    }

    void newCaptionKeepsTheGlide()
    {
        addPictures({ Qt::red });
        // The second is far too long to glide whole: it is drawn shortened.
        const QString huge(5000, QLatin1Char('B'));
        QVERIFY(writeBytes(f.path("system/One.txt"),
            crlfLines({ "\"A rather long first affirmation\",#TRUE#", "\"" + huge + "\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"One\",#TRUE#" })));
        f.load();
        start();
        frmDisplay& display = *launcher().existingDisplay();
        display.stopGlide();
        // Run right until the turn, then a few steps left.
        while (display.glide().rightward) {
            display.TimeDisplay_Timer();
        }
        for (int step = 0; step < 5; ++step) {
            display.TimeDisplayOne_Timer();
        }
        const show::Glide before = display.glide();
        launcher().Timer1_Timer();
        QCOMPARE(display.caption(), huge.left(1000) + QChar(0x2026));
        QCOMPARE(display.glide().left, before.left);
        QCOMPARE(display.glide().rightward, false);
        QCOMPARE(display.findChild<QLabel*>("lblAffirmationDisplay")->x(), twipsToPixels(before.left));
    }

    void randomPlacesStayOnTheScreen()
    {
        addPictures({ Qt::red, Qt::green });
        f.load();
        f.find<QRadioButton>("optLocation_0")->setChecked(true);
        f.find<QRadioButton>("optDisplayOrder_0")->setChecked(true);
        start();
        frmDisplay& display = *launcher().existingDisplay();
        QSet<qint64> places;
        for (int tick = 0; tick < 20; ++tick) {
            launcher().Timer1_Timer();
            QVERIFY(display.screen()->geometry().contains(display.geometry()));
            places.insert(qint64(display.x()) << 32 | display.y());
        }
        QVERIFY(places.size() > 10);
    }

    void musicPlaysWithItsStrip()
    {
        addPictures({ Qt::red });
        const QString song = f.path("my.song.wav");
        QVERIFY(writeBytes(song, "RIFF"));
        f.load();
        f.find<QCheckBox>("chkPlayMusic")->click();
        // Browse: the shared dialog with the music types; Cancel changes nothing.
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(f.platform->fileRequests.last().filters.constFirst(),
            (FileFilter { "MP3 File (*.mp3*)", "*.mp3" }));
        QCOMPARE(f.platform->fileRequests.last().selectedFilter, 0);
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), "");
        QVERIFY(f.platform->players.isEmpty());
        f.platform->chosenFiles << song;
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), song);
        QCOMPARE(f.platform->players.last()->commands, QStringList { "Close" });
        f.platform->players.last()->commands.clear();
        start();
        frmDisplay& display = *launcher().existingDisplay();
        FakeMediaControl* player = f.platform->players.last();
        QCOMPARE(player->name, song);
        QCOMPARE(player->commands, (QStringList { "Open", "Play" }));
        QCOMPARE(display.height(), 410);
        QCOMPARE(f.platform->settings.value("Settings/MusicPath"), song);
        player->positionMs = 2500;
        player->lengthMs = 215600;
        emit player->statusUpdate();
        QCOMPARE(display.musicStatus(), "Playing my.song\r\nRemaining Time:-2 Seconds Of 216 Seconds");

        // Switching music off empties and hides the strip.
        f.find<QCheckBox>("chkPlayMusic")->click();
        QCOMPARE(display.height(), 377);
        QCOMPARE(display.musicStatus(), "");
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), "");
    }

    void fontLastsOneShow()
    {
        addPictures({ Qt::red });
        f.load();
        QFont chosen(QStringLiteral("DejaVu Serif"));
        chosen.setPointSize(20);
        chosen.setStrikeOut(true);
        chosen.setUnderline(true);
        f.platform->fontAnswer = FontChoice { chosen, QColor(Qt::darkGreen) };
        f.find<QPushButton>("cmdFont")->click();
        start();
        frmDisplay* display = launcher().existingDisplay();
        QCOMPARE(display->affirmationFont().family(), "DejaVu Serif");
        QCOMPARE(display->affirmationFont().pointSize(), 20);
        QVERIFY(display->affirmationFont().strikeOut() && display->affirmationFont().underline());
        QCOMPARE(display->affirmationColour(), QColor(Qt::darkGreen));
        // The dialog opens on the last choice of this run.
        f.platform->fontAnswer.reset();
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->fontRequests.last().font.family(), "DejaVu Serif");
        QCOMPARE(display->affirmationFont().family(), "DejaVu Serif");

        launcher().cmdBack_Click();
        start();
        const QFont design = launcher().existingDisplay()->affirmationFont();
        QCOMPARE(design.family(), "Verdana");
        QCOMPARE(design.pointSizeF(), 11.25);
        QVERIFY(design.bold() && !design.strikeOut());
    }

    void frameFollowsTheOptions()
    {
        addPictures({ Qt::white });
        f.load();
        f.find<QRadioButton>("optBorderShape_3")->setChecked(true);
        f.find<QRadioButton>("optFillStyle_4")->setChecked(true);
        start();
        frmDisplay& display = *launcher().existingDisplay();
        QCOMPARE(display.frame().shape(), FrameShape::Shape::Circle);
        QCOMPARE(display.frame().fill(), FrameShape::Fill::Cross);
        QCOMPARE(display.frame().borderWidth(), 100);
        QTRY_VERIFY(!display.picture().isNull() && nearColour(display.picture().pixelColor(5, 5), Qt::white));
        const QImage shown = display.grab().toImage();
        // A circle 100 px thick: the picture's middle shows through its hatch, its sides do not.
        QVERIFY(nearColour(shown.pixelColor(2, 168), Qt::black));
        QVERIFY(nearColour(shown.pixelColor(430, 168), Qt::black));
        // Inside, the picture shows through the black cross-hatch.
        int white = 0;
        for (int y = 160; y < 176; ++y) {
            for (int x = 200; x < 216; ++x) {
                white += nearColour(shown.pixelColor(x, y), Qt::white) ? 1 : 0;
            }
        }
        QVERIFY2(white > 128 && white < 250, qPrintable(QString::number(white)));
        // The strip and the Back button stay in front of the frame.
        QVERIFY(nearColour(shown.pixelColor(2, 360), QColor(192, 192, 255)));
        QVERIFY(display.childAt(420, 8) == display.findChild<QPushButton*>("cmdBack"));
    }

private:
    ShowLauncher& launcher() const { return f.window->showLauncher(); }
    void start() { f.find<QPushButton>("cmdDisplayAffirmations")->click(); }

    void addPictures(const QList<QColor>& colours)
    {
        QByteArray record;
        for (int i = 0; i < colours.size(); ++i) {
            const QString name = QStringLiteral("%1.png").arg(i + 1);
            QVERIFY(writeSolidPicture(f.path("SystemFolder/" + name), colours[i], 200, 150));
            record += '"' + name.toUtf8() + "\"\r\n";
        }
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), record));
    }

    MainWindowFixture f;
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
