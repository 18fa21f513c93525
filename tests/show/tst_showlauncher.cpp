#include "images/PictureLoader.h"
#include "settings/ShowOptions.h"
#include "show/GlidingCaption.h"
#include "show/Playlist.h"
#include "show/Show.h"
#include "show/SlideshowWindow.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "voice/Recordings.h"
#include "widgets/Look.h"

#include <QtTest>
#include <QtWidgets>
#include <ranges>
#include <span>
#include <xcb/xcb.h>

using namespace vellumora;

namespace {

// Counts the paint events that each widget it watches receives.
struct PaintCounter : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        counts[watched] += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    QMap<QObject*, int> counts;
};

// The slideshow window while it exists.
QWidget* slideshow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto found = std::ranges::find(windows, QStringLiteral("frmDisplay"), &QObject::objectName);
    return found == windows.cend() ? nullptr : *found;
}

// Whether a window of the X server's own, not Qt's, is shown in `window`.
bool serverWindowsShown(const QWidget& window)
{
    xcb_connection_t* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    const auto wid = xcb_window_t(window.winId());
    std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
        xcb_query_tree_reply(x11, xcb_query_tree(x11, wid), nullptr), &std::free);
    const std::span children(xcb_query_tree_children(tree.get()), xcb_query_tree_children_length(tree.get()));
    return std::ranges::any_of(children, [x11](xcb_window_t child) {
        std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
            xcb_get_window_attributes_reply(x11, xcb_get_window_attributes(x11, child), nullptr), &std::free);
        return attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE;
    });
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

    // Music asked for without a file to play, or with one that is gone, refuses the start before
    // the pictures are looked at, with the options unsaved. The music chosen plays with its strip;
    // Browse opens on the music folder, never on a picture just chosen, and refuses a file that is
    // no music. A file is repeated at its end while Repeat is ticked; a folder's music plays in
    // name order, round and round, a track that will not play passed over without a word. Music
    // that cannot play, typed or found so by the player, is told of, and the show goes on in
    // silence, its strip hidden.
    void music()
    {
        f.load();
        const QString photo = f.path("photo.jpg");
        const QString song = f.path("my.song.wav");
        const QString folder = f.path("music");
        QVERIFY(writeSolidPicture(photo, Qt::blue) && writeBytes(song, "RIFF") && QDir().mkpath(folder));
        for (const char* name : { "b.mp3", "A.wav", "notes.txt", "d.OGG" }) {
            QVERIFY(writeBytes(folder + "/" + name, "RIFF"));
        }
        f.find<QCheckBox>("chkPlayMusic")->click();
        for (const QString& path : { QString(), QString("/no/such/song.mp3") }) {
            f.find<QLineEdit>("txtFile")->setText(path);
            start();
            QCOMPARE(f.find<QStackedWidget>("panelArea")->currentWidget()->objectName() == "fraMusicSettings",
                !path.isEmpty());
        }
        QVERIFY(f.platform->messages[0].icon == MessageIcon::Information
            && f.platform->messages[1].icon == MessageIcon::Critical);
        QCOMPARE(f.platform->messages[0].text + '|' + f.lastMessage(),
            "Please Select Music File To Play|Music File Is Not Exists Please Select A File");
        QVERIFY(f.platform->settingsWritten.isEmpty() && !pictureTimer()->isActive() && !slideshow()
            && f.platform->players.isEmpty());
        f.find<QLineEdit>("txtFile")->clear();
        f.platform->chosenFiles << photo << photo << song << song << folder;
        f.find<QPushButton>("cmdAddPicture")->click();
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(f.platform->fileRequests.last().initialPath, f.platform->musicFolder());
        QCOMPARE(f.platform->fileRequests.last().filters.mid(0, 2),
            QList<FileFilter>(
                { { "All Music", "*.mp3;*.wav;*.ogg;*.flac;*.wma" }, { "MP3 File (*.mp3*)", "*.mp3" } }));
        QCOMPARE(f.platform->fileRequests.last().selectedFilter, 0);
        QVERIFY(f.lastMessage().startsWith("\"photo.jpg\" is not a music file Vellumora can play."));
        QCOMPARE(f.find<QLineEdit>("txtFile")->text(), "");
        f.find<QPushButton>("cmdBrowseMusic")->click();
        start();
        FakeMediaControl* player = f.platform->players.constFirst();
        QCOMPARE(player->name, song);
        QCOMPARE(f.platform->settings.value("Settings/MusicPath"), song);
        player->playToTheEnd();
        f.find<QCheckBox>("chkRepeatMusic")->click();
        player->playToTheEnd();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(player->commands, (QStringList { "open", "play", "again" }));
        const int withStrip = slideshow()->height();
        player->positionMs = 2500;
        player->lengthMs = 215600;
        emit player->statusUpdate();
        QCOMPARE(status(), "Playing my.song\r\nRemaining Time:-2 Seconds Of 216 Seconds");
        f.find<QCheckBox>("chkPlayMusic")->click();
        QVERIFY(slideshow()->height() < withStrip);
        QCOMPARE(status(), "");
        // Back stops the music; a file chosen later is let go of by the same player first.
        back();
        f.find<QCheckBox>("chkPlayMusic")->click();
        f.find<QPushButton>("cmdBrowseMusic")->click();
        QCOMPARE(player->commands.mid(3), (QStringList { "stop", "close", "close" }));

        f.find<QPushButton>("cmdBrowseMusicFolder")->click();
        player->lengthMs = 0;
        player->refusal = "There is no sound in it.";
        player->refusedFiles = QStringList { "d.OGG" };
        start();
        QStringList played;
        for (int track = 0; track < 4; ++track) {
            emit player->statusUpdate();
            played << status();
            player->playToTheEnd();
            QCoreApplication::sendPostedEvents();
        }
        QCOMPARE(played, (QStringList { "Playing A", "Playing b", "Playing A", "Playing b" }));
        QCOMPARE(f.platform->messages.size(), 3);
        back();

        player->refusedFiles.clear();
        const QString silence = " be played, so the show goes on without music.\n";
        for (const auto& [path, told] :
            { std::pair {
                  photo, "The music file \"photo.jpg\" cannot" + silence + "It is not a music file." },
                { song, "The music file \"my.song.wav\" cannot" + silence + "There is no sound in it." },
                { folder, "None of the music in \"music\" can" + silence + "There is no sound in it." } }) {
            f.find<QLineEdit>("txtFile")->setText(path);
            start();
            QCOMPARE(f.lastMessage(), told);
            emit player->statusUpdate();
            QVERIFY(status().isEmpty() && pictureTimer()->isActive());
            back();
        }
        QCOMPARE(f.platform->players.size(), 1);
    }

    // Each new affirmation is heard over the lowered music: its recording, else read aloud; a voice
    // still speaking gives way to the next, and Back silences both.
    void voiceInTheShow()
    {
        const QString song = f.path("song.wav");
        QVERIFY(writeBytes(song, "RIFF") && QDir().mkpath(f.path("system/Joy.voice")));
        const QString recorded = f.path("system/Joy.voice/" + Recordings::stem("I am here") + ".ogg");
        QVERIFY(writeBytes(f.path("system/Joy.txt"), "\"I am here\",#TRUE#\r\n\"I am calm\",#TRUE#\r\n")
            && writeBytes(f.path("item.txt"), "\"Joy\",#TRUE#\r\n") && writeBytes(recorded, "OggS"));
        f.platform->settings.insert(
            { { "Settings/MusicPath", song }, { "Voice/Say", "1" }, { "Voice/ReadAloud", "1" } });
        f.addPictures({ Qt::red });
        f.load();
        start();
        FakeMediaControl* music = f.platform->players.value(0);
        FakeMediaControl* voice = f.platform->players.value(1);
        QVERIFY(music && voice && music->name == song);
        QCOMPARE(voice->name, recorded);
        QCOMPARE(music->volume, Playlist::kDuckedVolume);
        voice->playToTheEnd();
        QCOMPARE(music->volume, 1.0);
        show()->advance();
        QVERIFY(f.platform->speaker.said.size() == 1 && f.platform->speaker.said.last().text == "I am calm");
        QCOMPARE(music->volume, Playlist::kDuckedVolume);
        show()->advance();
        QVERIFY(!f.platform->speaker.talking && voice->commands.endsWith("play"));
        QCOMPARE(music->volume, Playlist::kDuckedVolume);
        back();
        QCOMPARE(voice->commands.mid(voice->commands.size() - 2), (QStringList { "stop", "close" }));
        QCOMPARE(music->volume, 1.0);
    }

    // A portrait picture with a green top and a landscape one with a green left edge, a sixth of
    // them each, red elsewhere, in each way of fitting it and under frames: what shows at the top
    // middle, at the left edge and inside the corner of the frame's opening (which is rounded for
    // the rounded square only), and whether a patch in the middle shows the picture whole or
    // through a fill's hatch. The show takes these options from the model, whatever shows them.
    void drawn_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<PictureFit>("fit");
        QTest::addColumn<BorderShape>("shape");
        QTest::addColumn<FillStyle>("fill");
        QTest::addColumn<QList<QColor>>("shown");
        using enum PictureFit;
        const QSize portrait(300, 600), landscape(600, 300);
        const QColor red(Qt::red), green(Qt::green), black(Qt::black);
        const auto row = [&](const char* name, const QSize& size, PictureFit fit, const QList<QColor>& shown,
                             BorderShape shape = BorderShape::NoFill, FillStyle fill = FillStyle::NoFill) {
            QTest::newRow(name) << size << fit << shape << fill << shown;
        };
        row("portrait stretched", portrait, Stretch, { green, red, green });
        row("portrait fitted: bands beside it", portrait, Fit, { green, kLightBlue, kLightBlue });
        row("portrait filling: its top cut off", portrait, Fill, { red, red, red });
        row("landscape stretched", landscape, Stretch, { red, green, green });
        row("landscape fitted: bands above it", landscape, Fit, { kLightBlue, green, kLightBlue });
        row("landscape filling: its left cut off", landscape, Fill, { red, red, red });
        // A frame 100 px thick hides the picture's sides.
        row("circle, cross-hatched", portrait, Stretch, { green, black, black }, BorderShape::Circle,
            FillStyle::Cross);
        row("rounded square", portrait, Stretch, { green, black, black }, BorderShape::RoundSquare);
        row("square", portrait, Stretch, { green, black, green }, BorderShape::Square);
    }
    void drawn()
    {
        QFETCH(QSize, size);
        QFETCH(PictureFit, fit);
        QFETCH(BorderShape, shape);
        QFETCH(FillStyle, fill);
        QFETCH(QList<QColor>, shown);
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::red);
        const bool portrait = size.height() > size.width();
        QPainter(&picture).fillRect(portrait ? QRect(0, 0, 300, 100) : QRect(0, 0, 100, 300), Qt::green);
        QVERIFY(picture.save(f.path("SystemFolder/1.png")));
        QVERIFY(writeBytes(f.path("SystemFolder/record.txt"), recordOf({ "1.png" })));
        f.load();
        f.library->options().setDisplay({ 9, 0, Placement::Centre, Order::AsDisplayed, shape, fill, fit });
        start();
        QCOMPARE(pictureTimer()->interval(), 50000);
        QWidget& window = *slideshow();
        const auto at = [&window](QPoint point) { return window.grab().toImage().pixelColor(point); };
        QTRY_VERIFY2(nearColour(at({ 216, 5 }), shown[0]) && nearColour(at({ 2, 168 }), shown[1])
                && nearColour(at({ 54, 10 }), shown[2]),
            qPrintable(at({ 216, 5 }).name() + " " + at({ 2, 168 }).name() + " " + at({ 54, 10 }).name()));
        const QImage drawn = window.grab().toImage();
        const auto seen = std::ranges::count_if(std::views::iota(0, 256),
            [&drawn](int i) { return nearColour(drawn.pixelColor(200 + i % 16, 160 + i / 16), Qt::red); });
        QVERIFY2(fill != FillStyle::NoFill ? seen > 128 && seen < 250 : seen == 256,
            qPrintable(QString::number(seen)));
        // The strip and the Back button stay in front of the frame.
        QVERIFY(nearColour(drawn.pixelColor(2, 360), QColor(192, 192, 255)));
        QVERIFY(window.childAt(420, 8) == window.findChild<QPushButton*>("cmdBack"));
    }

    // Each size scales the small window and the caption's font as the picture is (where the strips,
    // Back and the frame go is the geometry's own test), and the pictures are decoded at the size
    // shown. Full Screen fills the screen, its picture above the strip, and ends on Esc.
    void sizes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<double>("scale");
        QTest::newRow("small") << 0 << QSize(433, 377) << 337 << 1.0;
        QTest::newRow("medium") << 1 << QSize(650, 566) << 506 << 1.5;
        // Reduced to the width of the tests' screen.
        QTest::newRow("large") << 2 << QSize(800, 697) << 623 << 800 / 433.0;
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTest::newRow("full screen") << 3 << screen << 0
                                     << std::min(screen.height() / 377.0, screen.width() / 433.0);
    }
    void sizes()
    {
        QFETCH(int, size);
        QFETCH(QSize, window);
        QFETCH(int, pictureHeight);
        QFETCH(double, scale);
        f.addPictures({ Qt::red });
        f.load();
        f.find<QComboBox>("cboShowSize")->setCurrentIndex(size);
        // Once the thumbnails are in, the picture is made ahead at the size the show asks for, and
        // the show takes it.
        const QDir made(f.platform->shownPictureFolder());
        QTRY_COMPARE(made.entryList(QDir::Files).size(), 1);
        QSignalSpy wanted(show(), &Show::pictureWanted);
        f.window->show();
        start();
        QWidget* shown = slideshow();
        QVERIFY(shown->isVisible() && f.window->isHidden());
        QCOMPARE(shown->size(), window);
        QCOMPARE(label()->font().pointSizeF(), 11.25 * scale);
        const qreal ratio = shown->devicePixelRatioF();
        const int top = pictureHeight > 0 ? pictureHeight : shown->findChild<QWidget*>("picContainer")->y();
        QCOMPARE(wanted.first().at(2).toSize(), (QSizeF(window.width(), top) * ratio).toSize());
        QCOMPARE(
            QImage(made.filePath(made.entryList(QDir::Files).first())).size(), wanted.first().at(2).toSize());
        // Music's strip takes room from a Full Screen picture, which is decoded so from then on.
        emit f.window->findChild<Playlist*>()->shownChanged(true);
        show()->advance();
        const int height = pictureHeight > 0 ? pictureHeight : shown->findChild<QWidget*>("Picture1")->y();
        QCOMPARE(wanted.last().at(2).toSize().height(), qRound(height * ratio));
        QTest::keyClick(shown, Qt::Key_Escape);
        QTRY_COMPARE(slideshow() && slideshow()->isVisible(), size != 3);
        QCOMPARE(f.window->isVisible(), size == 3);
        QTRY_VERIFY(f.window->findChild<PictureLoader*>()->shownCacheStats().hits >= 1);
    }

    // The ticked affirmations in turn, in the font and colour chosen; the dialog always opens on
    // the font in effect. The caption glides in its strip. The window is centred at each tick, or
    // with Where I Put It goes where the user dragged it, on that screen, from picture to picture
    // and show to show; a screen that is gone, or no place yet, gives the middle of the main one.
    // Kept on top when asked. The font and the place are kept with the options across Back and a
    // new start of the program.
    void glideDrawsWhatAPaintWould_data()
    {
        QTest::addColumn<int>("step");
        // A widget over the window's strip, always or from the fourth frame to the seventh.
        QTest::addColumn<QRect>("over");
        QTest::addColumn<bool>("coming");
        // On X11, whether the server draws the strip while the widget lies over it.
        QTest::addColumn<bool>("serverUnder");
        const QRect part(50, 30, 40, 20);
        QTest::newRow("leftwards, a few pixels a frame") << -3 << QRect() << false << true;
        QTest::newRow("rightwards, a few pixels a frame") << 4 << QRect() << false << true;
        QTest::newRow("rightwards, more than its width at once") << 70 << QRect() << false << true;
        QTest::newRow("leftwards, under a widget over part of it") << -3 << part << false << false;
        // As the music strip's top row lies over the caption's strip.
        QTest::newRow("leftwards, under a band of its whole width")
            << -3 << QRect(0, 36, 160, 14) << false << true;
        QTest::newRow("rightwards, under a widget that comes and goes") << 4 << part << true << false;
    }

    // The glide writes into the window's backing store itself, or on X11 has the server draw the
    // strip; what the window shows must be what painting it would give, as the text comes in at one
    // edge and leaves at the other, changes, and its strip changes colour and place.
    void glideDrawsWhatAPaintWould()
    {
        QFETCH(int, step);
        QFETCH(QRect, over);
        QFETCH(bool, coming);
        QFETCH(bool, serverUnder);
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.resize(160, 50);
        QWidget strip(&window);
        strip.setGeometry(20, 10, 120, 30);
        setColour(&strip, QPalette::Window, kLightBlue);
        QWidget cover(&window);
        cover.setGeometry(over);
        setColour(&cover, QPalette::Window, Qt::black);
        cover.setVisible(over.isValid() && !coming);
        GlidingCaption caption(&strip);
        caption.setFontAndColour(QFont("DejaVu Sans", 14), Qt::darkRed);
        caption.setText("IWWI");
        caption.setTop(4);
        const int width = caption.fontMetrics().horizontalAdvance("IWWI");
        caption.setLeft(step < 0 ? 120 : -width);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.backingStore() && window.backingStore()->size() == window.size());
        const bool x11 = QGuiApplication::platformName() == "xcb";
        int frame = 0;
        for (int left = caption.left(); left >= -width && left <= 120; left += step) {
            // A new affirmation waits for its paint; a frame meanwhile must not move the old one,
            // even once a grab has painted the caption elsewhere.
            if (++frame == 2) {
                caption.setText("WIW IWI");
                window.grab();
            }
            if (frame == 3) {
                setColour(&strip, QPalette::Window, Qt::darkCyan);
                strip.move(22, 8);
            }
            if (coming && (frame == 4 || frame == 7)) {
                cover.setVisible(frame == 4);
            }
            caption.setLeft(left);
            QTRY_COMPARE(window.screen()->grabWindow(window.winId()).toImage(),
                window.grab().toImage().convertToFormat(QImage::Format_RGB32));
            if (x11) {
                QCOMPARE(serverWindowsShown(window), cover.isVisible() ? serverUnder : true);
            }
        }
    }

    void captionAndPlace()
    {
        QVERIFY(writeBytes(f.path("system/One.txt"), crlfLines({ "\"A\",#TRUE#", "\"B\",#TRUE#" })));
        QVERIFY(writeBytes(f.path("item.txt"), crlfLines({ "\"One\",#TRUE#" })));
        f.addPictures({ Qt::red });
        f.load();
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->fontRequests.last(), ShowOptions::designFont());
        QFont font("DejaVu Serif", 20);
        font.setStrikeOut(true);
        const FontChoice chosen { font, QColor(Qt::darkGreen) };
        f.platform->fontAnswer = chosen;
        f.find<QPushButton>("cmdFont")->click();
        start();
        QSignalSpy pictures(show(), &Show::pictureChanged);
        show()->advance();
        const QRect screen = slideshow()->screen()->geometry();
        QCOMPARE(slideshow()->pos(),
            QPoint((screen.width() * 15 - 6495) / 2 / 15, (screen.height() * 15 - 5655) / 2 / 15));
        GlidingCaption* shown = label();
        QCOMPARE(shown->accessibleName(), "B");
        // Once the picture is decoded and drawn, the glide draws the caption itself, with no
        // paint event for it or for anything around it.
        QTRY_VERIFY(pictures.size() > 0 && pictures.last().at(0).value<QImage>().width() >= 433);
        // A picture decoded ahead may still come in meanwhile, and is drawn once.
        QSignalSpy changes(show(), &Show::pictureChanged);
        QApplication::processEvents();
        PaintCounter painted;
        for (QWidget* widget : QWidgetList { slideshow() } + slideshow()->findChildren<QWidget*>()) {
            widget->installEventFilter(&painted);
        }
        const int from = shown->left();
        QTRY_VERIFY(std::abs(shown->left() - from) >= 20);
        for (auto each = painted.counts.cbegin(); each != painted.counts.cend(); ++each) {
            QVERIFY2(each.value() <= changes.size(), qPrintable(each.key()->objectName()));
        }
        // What the screen shows of the strip is what a paint of it draws.
        const QRect area(shown->mapTo(slideshow(), QPoint()), shown->size());
        const qreal ratio = slideshow()->devicePixelRatioF();
        const QRect device(area.topLeft() * ratio, area.size() * ratio);
        QCOMPARE(slideshow()->screen()->grabWindow(slideshow()->winId()).toImage().copy(device),
            slideshow()->grab(area).toImage().convertToFormat(QImage::Format_RGB32));
        // Drawn from where it has glided to, and nowhere left of it.
        const QImage drawn = shown->grab().toImage();
        QImage strip(drawn.size(), drawn.format());
        strip.fill(kLightBlue);
        const auto inked = [&](int from, int width) {
            return drawn.copy(from, 0, width, drawn.height()) != strip.copy(from, 0, width, drawn.height());
        };
        QVERIFY(!inked(0, shown->left()) && inked(shown->left(), 4));
        back();
        // Presses on the picture, moves by the offset and lets go where the picture has moved to.
        const auto drag = [](QWidget* window, const QPoint& by) {
            QTest::mousePress(window, Qt::LeftButton, {}, QPoint(200, 150));
            QTest::mouseMove(window, QPoint(200, 150) + by);
            QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(200, 150));
        };
        f.find<QRadioButton>("optLocation_2")->setChecked(true);
        f.find<QCheckBox>("chkOnTop")->setChecked(true);
        start();
        QWidget* window = slideshow();
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        drag(window, QPoint(-100, -60));
        const QPoint put = window->pos();
        show()->advance();
        QCOMPARE(window->pos(), put);
        restart();
        QCOMPARE(slideshow()->pos(), put);
        QCOMPARE((FontChoice { label()->font(), label()->palette().color(QPalette::WindowText) }), chosen);
        // The screen's very corner is a place too.
        drag(slideshow(), screen.topLeft() - slideshow()->pos());
        restart();
        QCOMPARE(slideshow()->pos(), screen.topLeft());
        f.platform->settings.insert("settings/ShowScreen", "a screen unplugged");
        restart();
        QCOMPARE(slideshow()->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
        // Cancel keeps the font; the dialog opened on it.
        f.platform->fontAnswer.reset();
        f.find<QPushButton>("cmdFont")->click();
        QCOMPARE(f.platform->fontRequests.last(), chosen);
    }

private:
    void start() { f.find<QPushButton>("cmdDisplayAffirmations")->click(); }
    // Back stops the show and gives the main window back.
    void back()
    {
        slideshow()->findChild<QPushButton*>("cmdBack")->click();
        QVERIFY(!pictureTimer()->isActive() && f.window->isVisible());
        QTRY_VERIFY(!slideshow());
    }
    // As after a new start of the program.
    void restart()
    {
        back();
        f.load();
        start();
    }
    Show* show() { return f.window->findChild<Show*>(); }
    GlidingCaption* label() { return slideshow()->findChild<GlidingCaption*>("lblAffirmationDisplay"); }
    QString status() { return slideshow()->findChild<QLabel*>("lblAudio")->text(); }
    QTimer* pictureTimer() { return f.find<QTimer>("Timer1"); }

    MainWindowFixture f;
};

QTEST_MAIN(TestShowLauncher)
#include "tst_showlauncher.moc"
