#include "settings/ShowOptions.h"
#include "show/FrameShape.h"
#include "show/GlidingCaption.h"
#include "show/Show.h"
#include "show/SlideshowWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/Look.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

namespace {

const QStringList kDisplayKeys { "settings/DispDuration", "settings/AffirmationDispDuration",
    "settings/BorderShape", "settings/FillStyle", "settings/DispLocation", "settings/DispOrder" };

// The slideshow window while it exists.
QWidget* slideshow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("frmDisplay")) {
            return window;
        }
    }
    return nullptr;
}

// The leftmost column holding anything but the strip's own colour, or the width if none does.
int firstInkedColumn(const QImage& strip)
{
    for (int x = 0; x < strip.width(); ++x) {
        for (int y = 0; y < strip.height(); ++y) {
            if (strip.pixelColor(x, y) != kLightBlue) {
                return x;
            }
        }
    }
    return strip.width();
}

} // namespace

// Start, Back, the music and the font: the launcher's wiring between the panels, the show,
// the slideshow window and the player.
class TestShowLauncher : public QObject {
    Q_OBJECT
private slots:
    void init() { f.reset(); }
    void cleanup()
    {
        f.window.reset();
        QTRY_VERIFY(!slideshow());
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("music");
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("optionsSaved");
        QTest::addColumn<QString>("message");
        QTest::newRow("music, no file") << true << "" << false << "Please Select Music File To Play";
        QTest::newRow("music file missing")
            << true << "/no/such/song.mp3" << false << "Music File Is Not Exists Please Select A File";
        QTest::newRow("no pictures") << false << "" << true
                                     << "Please Select Atleast One Image To Display Your Picture";
    }

    void refusals()
    {
        QFETCH(bool, music);
        QFETCH(QString, path);
        QFETCH(bool, optionsSaved);
        QFETCH(QString, message);
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
        QVERIFY(!pictureTimer()->isActive());
        QVERIFY(!slideshow() || !slideshow()->isVisible());
        QVERIFY(f.platform->players.isEmpty());
        if (!path.isEmpty()) {
            QCOMPARE(f.find<QStackedWidget>("panelArea")->currentWidget()->objectName(), "fraMusicSettings");
        }
    }

    void aShowFromStartToBack()
    {
        f.addPictures({ Qt::red, Qt::green });
        QVERIFY(writeBytes(f.path("system/One.txt"), crlfLines({ "\"A\",#TRUE#", "\"B\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"One\",#TRUE#" })));
        f.load();
        f.window->show();
        f.find<QComboBox>("cboDispDuration")->setCurrentText("50");
        start();

        QVERIFY(f.platform->messages.isEmpty());
        QWidget* window = slideshow();
        QVERIFY(window && window->isVisible() && f.window->isHidden());
        QCOMPARE(pictureTimer()->interval(), 50000);
        QCOMPARE(f.platform->settingsWritten, kDisplayKeys + QStringList { "Settings/MusicPath" });
        QTRY_VERIFY(nearColour(window->grab().toImage().pixelColor(200, 150), Qt::red));
        QCOMPARE(caption(), "A");

        // A tick: the next caption, the next picture, and the window centred on its screen.
        show()->advance();
        show()->advance();
        QCOMPARE(caption(), "A");
        QTRY_VERIFY(nearColour(window->grab().toImage().pixelColor(200, 150), Qt::green));
        const QSize screen = window->screen()->geometry().size();
        QCOMPARE(window->pos(),
            QPoint((screen.width() * 15 - 6495) / 2 / 15, (screen.height() * 15 - 5655) / 2 / 15));
        // The caption glides in its strip.
        GlidingCaption* label = window->findChild<GlidingCaption*>("lblAffirmationDisplay");
        const int left = label->left();
        QTRY_VERIFY(label->left() != left);
        // It is drawn where it has glided to, and nowhere else.
        const int inkFrom = firstInkedColumn(label->grab().toImage());
        QVERIFY2(
            inkFrom >= label->left() && inkFrom <= label->left() + 3, qPrintable(QString::number(inkFrom)));

        window->findChild<QPushButton*>("cmdBack")->click();
        QVERIFY(!pictureTimer()->isActive());
        QVERIFY(!f.window->isHidden());
        QTRY_VERIFY(!slideshow());
    }

    void musicPlaysWithItsStrip()
    {
        f.addPictures({ Qt::red });
        const QString song = f.path("my.song.wav");
        QVERIFY(writeBytes(song, "RIFF"));
        f.load();
        f.find<QCheckBox>("chkPlayMusic")->click();
        // Browse: the dialog with the music types.
        f.platform->chosenFiles << song;
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(f.platform->fileRequests.last().filters.constFirst(),
            (FileFilter { "MP3 File (*.mp3*)", "*.mp3" }));
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), song);
        start();
        FakeMediaControl* player = f.platform->players.constFirst();
        QCOMPARE(player->name, song);
        QCOMPARE(player->commands, (QStringList { "open", "play" }));
        const int withStrip = slideshow()->height();
        QCOMPARE(f.platform->settings.value("Settings/MusicPath"), song);
        player->positionMs = 2500;
        player->lengthMs = 215600;
        emit player->statusUpdate();
        QLabel* status = slideshow()->findChild<QLabel*>("lblAudio");
        QCOMPARE(status->text(), "Playing my.song\r\nRemaining Time:-2 Seconds Of 216 Seconds");

        // Switching music off empties and hides the strip.
        f.find<QCheckBox>("chkPlayMusic")->click();
        QVERIFY(slideshow()->height() < withStrip);
        QCOMPARE(status->text(), "");
        // Back stops the music; a file chosen later is let go of by the player first.
        slideshow()->findChild<QPushButton*>("cmdBack")->click();
        f.platform->chosenFiles << song;
        f.find<QCheckBox>("chkPlayMusic")->click();
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(player->commands, (QStringList { "open", "play", "stop", "close", "close" }));
        QCOMPARE(f.platform->players.size(), 1);
    }

    // Browse opens on the music folder, never on a picture just chosen; a file that is no music
    // is refused when chosen, told at Start when typed, and told when the player finds no sound
    // in it: each time the show goes on in silence, its music strip hidden.
    void musicThatCannotPlay()
    {
        f.addPictures({ Qt::red });
        f.load();
        const QString photo = f.path("photo.jpg");
        QVERIFY(writeSolidPicture(photo, Qt::blue));
        f.platform->chosenFiles << photo;
        f.find<QPushButton>("cmdAddPicture")->click();
        f.find<QCheckBox>("chkPlayMusic")->click();
        f.platform->chosenFiles << photo;
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(f.platform->fileRequests.last().initialPath, f.platform->musicFolder());
        QVERIFY(f.lastMessage().startsWith("\"photo.jpg\" is not a music file Vellumora can play."));
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), "");

        f.find<QLineEdit>("txtFile")->setText(photo);
        start();
        QVERIFY(f.lastMessage().startsWith(
            "The music file \"photo.jpg\" cannot be played, so the show goes on without music."));
        QVERIFY(slideshow()->isVisible() && pictureTimer()->isActive());
        const int silentHeight = slideshow()->height();
        QVERIFY(f.platform->players.isEmpty());
        slideshow()->findChild<QPushButton*>("cmdBack")->click();
        QTRY_VERIFY(!slideshow());

        // The player tells as it opens the file.
        const QString song = f.path("song.mp3");
        QVERIFY(writeBytes(song, "ID3"));
        f.find<QLineEdit>("txtFile")->setText(song);
        f.platform->playerRefusal = "There is no sound in it.";
        start();
        FakeMediaControl* player = f.platform->players.constFirst();
        QCOMPARE(slideshow()->height(), silentHeight);
        QCOMPARE(f.lastMessage(),
            "The music file \"song.mp3\" cannot be played, so the show goes on without "
            "music.\nThere is no sound in it.");
        emit player->statusUpdate();
        QCOMPARE(slideshow()->findChild<QLabel*>("lblAudio")->text(), "");
        QVERIFY(pictureTimer()->isActive());
    }

    // A portrait picture with a green top and a landscape one with a green left edge, a sixth of
    // them each, red elsewhere: where each option puts the green, the red and the bands.
    void pictureProportions_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("fit");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        const QSize portrait(300, 600);
        const QSize landscape(600, 300);
        QTest::newRow("portrait stretched: its top across the whole width")
            << portrait << 0 << QPoint(216, 5) << QColor(Qt::green);
        QTest::newRow("portrait stretched: no band") << portrait << 0 << QPoint(2, 168) << QColor(Qt::red);
        QTest::newRow("portrait fitted: bands beside it") << portrait << 1 << QPoint(2, 168) << kLightBlue;
        QTest::newRow("portrait fitted: its top shown")
            << portrait << 1 << QPoint(216, 5) << QColor(Qt::green);
        QTest::newRow("portrait filling: its top cut off")
            << portrait << 2 << QPoint(216, 5) << QColor(Qt::red);
        QTest::newRow("landscape stretched") << landscape << 0 << QPoint(216, 5) << QColor(Qt::red);
        QTest::newRow("landscape fitted: bands above it") << landscape << 1 << QPoint(216, 5) << kLightBlue;
        QTest::newRow("landscape fitted: its left shown")
            << landscape << 1 << QPoint(2, 168) << QColor(Qt::green);
        QTest::newRow("landscape filling: its left cut off")
            << landscape << 2 << QPoint(2, 168) << QColor(Qt::red);
    }
    void pictureProportions()
    {
        QFETCH(QSize, size);
        QFETCH(int, fit);
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const bool portrait = size.height() > size.width();
        QPainter(&picture).fillRect(portrait ? QRect(0, 0, 300, 100) : QRect(0, 0, 100, 300), Qt::green);
        QVERIFY(picture.save(f.path("SystemFolder/1.png")));
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf({ "1.png" })));
        f.load();
        f.find<QComboBox>("cboPictureFit")->setCurrentIndex(fit);
        start();
        QTRY_VERIFY2(nearColour(slideshow()->grab().toImage().pixelColor(point), colour),
            qPrintable(slideshow()->grab().toImage().pixelColor(point).name()));
    }

    // Where I Put It: the window goes where the user dragged it, on that screen, from picture to
    // picture and show to show; a screen that is gone gives the middle of the main one. Kept on
    // top when asked.
    void theUsersPlace()
    {
        f.addPictures({ Qt::red });
        f.load();
        f.find<QRadioButton>("optLocation_2")->setChecked(true);
        f.find<QCheckBox>("chkOnTop")->setChecked(true);
        start();
        QWidget* window = slideshow();
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->geometry().center(), screen.center());
        drag(window, QPoint(-100, -60));
        const QPoint put = window->pos();
        QCOMPARE(f.platform->settings.value("settings/ShowScreen"), window->screen()->name());
        QCOMPARE(f.platform->settings.value("settings/ShowLeft"), QString::number(put.x() - screen.x()));
        show()->advance();
        QCOMPARE(window->pos(), put);
        back();
        f.load();
        start();
        QCOMPARE(slideshow()->pos(), put);
        QCOMPARE(f.platform->settings.value("settings/OnTop"), "1");
        // The screen's very corner is a place too.
        drag(slideshow(), screen.topLeft() - slideshow()->pos());
        back();
        f.load();
        start();
        QCOMPARE(slideshow()->pos(), screen.topLeft());
        back();

        f.platform->settings.insert("settings/ShowScreen", "a screen unplugged");
        f.load();
        start();
        QCOMPARE(slideshow()->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    }

    // Each size scales the small window's design: its size, the frame, the caption strip and
    // Back, and the pictures are decoded at the size shown. Full Screen fills the screen with
    // the strip along its bottom and Back in its corner, and ends on Esc.
    void sizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QRect>("strip");
        QTest::addColumn<QRect>("back");
        QTest::addColumn<QRect>("frame");
        QTest::newRow("small") << 0 << QSize(433, 377) << QRect(0, 336, 433, 41) << QRect(384, 0, 49, 17)
                               << QRect(-96, -96, 625, 537);
        QTest::newRow("medium") << 1 << QSize(650, 566) << QRect(0, 504, 650, 62) << QRect(576, 0, 74, 26)
                                << QRect(-144, -144, 938, 806);
        QTest::newRow("large") << 2 << QSize(866, 754) << QRect(0, 672, 866, 82) << QRect(768, 0, 98, 34)
                               << QRect(-192, -192, 1250, 1074);
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTest::newRow("full screen") << 3 << screen << QRect(0, screen.height() - 82, screen.width(), 82)
                                     << QRect(screen.width() - 74, 0, 74, 26) << QRect();
    }
    void sizes()
    {
        QFETCH(int, size);
        QFETCH(QSize, window);
        QFETCH(QRect, strip);
        QFETCH(QRect, back);
        QFETCH(QRect, frame);
        f.addPictures({ Qt::red });
        f.load();
        f.find<QComboBox>("cboShowSize")->setCurrentIndex(size);
        QSignalSpy wanted(show(), &Show::pictureWanted);
        start();
        QWidget* shown = slideshow();
        QCOMPARE(shown->size(), window);
        QCOMPARE(shown->findChild<QWidget*>("picContainer")->geometry(), strip);
        QCOMPARE(shown->findChild<QWidget*>("cmdBack")->geometry(), back);
        if (!frame.isNull()) {
            QCOMPARE(shown->findChild<QWidget*>("shpFrame")->geometry(), frame);
        }
        // The picture reaches a little under the strip, as designed.
        const int pictureHeights[] { 337, 506, 674, window.height() };
        const QSize picture(window.width(), pictureHeights[size]);
        QCOMPARE(wanted.first().at(2).toSize(), (QSizeF(picture) * shown->devicePixelRatioF()).toSize());
        QCOMPARE(f.platform->settings.value("settings/ShowSize"), size == 0 ? "" : QString::number(size));
        QTest::keyClick(shown, Qt::Key_Escape);
        if (size == 3) {
            QTRY_VERIFY(!slideshow() && f.window->isVisible());
        } else {
            QVERIFY(shown->isVisible());
        }
    }

    // Music goes on: a file repeated at its end when Repeat is ticked; a folder's music in name
    // order, round and round, a track that will not play passed over without a word.
    void musicGoesOn()
    {
        f.addPictures({ Qt::red });
        const QString folder = f.path("music");
        QVERIFY(QDir().mkpath(folder));
        for (const char* name : { "b.mp3", "A.wav", "notes.txt", "d.OGG" }) {
            QVERIFY(writeBytes(folder + "/" + name, "RIFF"));
        }
        f.load();
        f.find<QCheckBox>("chkPlayMusic")->click();
        QVERIFY(f.find<QCheckBox>("chkRepeatMusic")->isChecked());
        f.platform->chosenFiles << folder + "/b.mp3";
        f.find<QPushButton>("cmdBrowseMusic")->click();
        start();
        FakeMediaControl* player = f.platform->players.constFirst();
        player->playToTheEnd();
        QTRY_COMPARE(player->commands, (QStringList { "open", "play", "again" }));
        QCOMPARE(f.platform->settings.value("Settings/MusicRepeat"), "1");
        f.find<QCheckBox>("chkRepeatMusic")->click();
        player->playToTheEnd();
        QTest::qWait(20);
        QCOMPARE(player->commands.size(), 3);
        back();

        // The show's player is made once and kept.
        player->refusedFiles = QStringList { "d.OGG" };
        player->refusal = "There is no sound in it.";
        f.platform->chosenFiles << folder;
        f.find<QPushButton>("cmdBrowseMusicFolder")->click();
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), folder);
        start();
        QStringList played;
        for (int track = 0; track < 4; ++track) {
            played << QFileInfo(player->name).fileName();
            emit player->statusUpdate();
            QVERIFY(slideshow()
                        ->findChild<QLabel*>("lblAudio")
                        ->text()
                        .startsWith("Playing " + played.last().section('.', 0, 0)));
            player->playToTheEnd();
            QTRY_VERIFY(player->name != folder + "/" + played.last());
        }
        QCOMPARE(played, (QStringList { "A.wav", "b.mp3", "A.wav", "b.mp3" }));
        QVERIFY(f.platform->messages.isEmpty());

        // A folder none of whose music plays is told of once.
        player->refusedFiles.clear();
        back();
        start();
        QCOMPARE(f.lastMessage(),
            "None of the music in \"music\" can be played, so the show goes on without "
            "music.\nThere is no sound in it.");
        QVERIFY(slideshow()->isVisible());
    }

    // The chosen font and colour are kept with the options: across Back and a new start of the
    // program; the dialog always opens on the font in effect.
    void fontIsKept()
    {
        f.addPictures({ Qt::red });
        f.load();
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->fontRequests.last(), SlideshowWindow::designFont());
        QFont chosen("DejaVu Serif", 20);
        chosen.setStrikeOut(true);
        f.platform->fontAnswer = FontChoice { chosen, QColor(Qt::darkGreen) };
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->settings.value("settings/AffirmationColour"), "#008000");
        for (int show = 0; show < 3; ++show) {
            if (show == 2) {
                f.load();
            }
            start();
            GlidingCaption* label = slideshow()->findChild<GlidingCaption*>("lblAffirmationDisplay");
            QCOMPARE(label->font(), chosen);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::darkGreen));
            slideshow()->findChild<QPushButton*>("cmdBack")->click();
            QTRY_VERIFY(!slideshow());
        }
        // Cancel keeps the font; the dialog opened on it.
        f.platform->fontAnswer.reset();
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->fontRequests.last(), (FontChoice { chosen, QColor(Qt::darkGreen) }));
    }

    void frameFollowsTheOptions()
    {
        f.addPictures({ Qt::white });
        f.load();
        // The show takes its options from the model, whatever shows them.
        f.library->options().setDisplay(
            { 0, 0, Placement::Centre, Order::AsDisplayed, BorderShape::Circle, FillStyle::Cross });
        start();
        QWidget& window = *slideshow();
        const FrameShape& frame = *window.findChild<FrameShape*>();
        QVERIFY(frame.shape() == BorderShape::Circle && frame.fill() == FrameShape::Fill::Cross);
        QTRY_VERIFY(nearColour(window.grab().toImage().pixelColor(216, 5), Qt::white));
        const QImage shown = window.grab().toImage();
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
        QVERIFY(window.childAt(420, 8) == window.findChild<QPushButton*>("cmdBack"));
    }

    // The rounded square's opening shows its rounded corners; the square's does not.
    void roundedSquareIsRounded()
    {
        const auto cornerOfOpening = [](BorderShape borderShape) {
            FrameShape frame;
            frame.resize(625, 537);
            frame.setOptions(borderShape, FillStyle::NoFill);
            QImage drawn(frame.size(), QImage::Format_RGB32);
            drawn.fill(Qt::white);
            frame.render(&drawn, QPoint(), QRegion(), QWidget::DrawChildren);
            // The opening is 337 px square, centred: its top-left corner is at (144, 100).
            return drawn.pixelColor(144 + 6, 100 + 6);
        };
        QVERIFY(nearColour(cornerOfOpening(BorderShape::Square), Qt::white));
        QVERIFY(nearColour(cornerOfOpening(BorderShape::RoundSquare), Qt::black));
    }

private:
    // Presses on the picture, moves by the offset and lets go.
    static void drag(QWidget* window, const QPoint& by)
    {
        const QPoint from(200, 150);
        const auto send = [window](QEvent::Type type, const QPoint& at, Qt::MouseButtons buttons) {
            QMouseEvent event(type, at, window->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(window, &event);
        };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(QEvent::MouseMove, from + by, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, from + by - by, Qt::NoButton);
    }
    void back()
    {
        slideshow()->findChild<QPushButton*>("cmdBack")->click();
        QTRY_VERIFY(!slideshow());
    }
    Show* show() { return f.window->findChild<Show*>(); }
    QTimer* pictureTimer() { return f.find<QTimer>("Timer1"); }
    void start() { f.find<QPushButton>("cmdDisplayAffirmations")->click(); }
    QString caption()
    {
        return slideshow()->findChild<GlidingCaption*>("lblAffirmationDisplay")->accessibleName();
    }

    MainWindowFixture f;
};

QTEST_MAIN(TestShowLauncher)
#include "tst_showlauncher.moc"
