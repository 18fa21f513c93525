#include "board/Board.h"
#include "board/BoardOutput.h"
#include "desktoppicture/DesktopChanger.h"
#include "desktoppicture/DesktopComposer.h"
#include "desktoppicture/DesktopPictureDialog.h"
#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

using namespace vellumora;

namespace {

using Result = DesktopChanger::Result;

// A 4:3 photo in three upright bands, red, green and blue: which of them a screen shows tells how
// the photo was cut to it.
bool writeBandedPhoto(const QString& path)
{
    QImage photo(400, 300, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.fillRect(0, 0, 100, 300, Qt::red);
    painter.fillRect(100, 0, 200, 300, Qt::green);
    painter.fillRect(300, 0, 100, 300, Qt::blue);
    painter.end();
    return photo.save(path);
}

// The rows of the column that differ from the photo's colour there: the band's top and bottom.
std::pair<int, int> bandRows(const QImage& picture, int x)
{
    const QRgb photo = picture.pixel(x, 0);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < picture.height(); ++y) {
        if (picture.pixel(x, y) != photo) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    }
    return { top, bottom };
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_lib = std::make_unique<Libraries>();
        QVERIFY(writeBandedPhoto(m_lib->dir->filePath("SystemFolder/bands.png")));
        QVERIFY(writeSolidPicture(m_lib->dir->filePath("SystemFolder/grey.png"), Qt::gray, 40, 30));
        m_lib->write({ "SystemFolder/record.txt=\"bands.png\"\r\n\"grey.png\"\r\n",
            "system/One.txt=\"Calm and steady\",#TRUE#\r\n\"Kind words\",#TRUE#\r\n",
            "item.txt=\"One\",#TRUE#\r\n" });
        QVERIFY(m_lib->take("load"));
        m_lib->platform.userLibrary = m_lib->home.filePath("data");
        m_lib->platform.clock = QDateTime({ 2026, 12, 7 }, { 9, 0 });
        m_changer = std::make_unique<DesktopChanger>(m_lib->platform, *m_lib->library, m_random);
        setScreens({ { "HDMI-1", { 192, 108 } } });
    }

    // Each screen gets the photo covering it, cut at its middle, and the affirmation on a band
    // across its lower third, about a twentieth of the screen high a line.
    void picture_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QColor>("leftEdge");
        QTest::addColumn<int>("greenFrom"); // the first column of the green band
        QTest::newRow("landscape: the whole width") << QSize(1920, 1080) << QColor(Qt::red) << 480;
        QTest::newRow("portrait: the middle") << QSize(1080, 1920) << QColor(Qt::green) << 0;
        // Scaled down by a twentieth it would turn green at 95; it is cut at its own size instead.
        QTest::newRow("a little larger: cut, not scaled") << QSize(380, 214) << QColor(Qt::red) << 90;
    }
    void picture()
    {
        QFETCH(QSize, screen);
        QFETCH(QColor, leftEdge);
        QFETCH(int, greenFrom);
        m_lib->library->options().setAffirmationFont({ QFont("DejaVu Sans"), Qt::white });
        setScreens({ { "HDMI-1", screen }, { "DP-2", { 800, 600 } } });
        QCOMPARE(putOn(), Result::Set);
        const QList<DesktopPicture::Pictures>& sets = m_lib->platform.desktop.sets;
        QCOMPARE(sets.size(), 1);
        QCOMPARE(sets[0].screens, QStringList({ "HDMI-1", "DP-2" }));
        QCOMPARE(QImage(sets[0].files[1]).size(), QSize(800, 600));
        const QImage picture(sets[0].files[0]);
        QCOMPARE(picture.size(), screen);
        QVERIFY(nearColour(picture.pixelColor(0, 0), leftEdge));
        QVERIFY(nearColour(picture.pixelColor(screen.width() / 2, 0), Qt::green));
        QVERIFY(nearColour(picture.pixelColor(greenFrom + 2, 0), Qt::green));
        QVERIFY(greenFrom == 0 || nearColour(picture.pixelColor(greenFrom - 3, 0), Qt::red));
        const auto [top, bottom] = bandRows(picture, 2);
        QVERIFY2(
            top >= screen.height() * 2 / 3 && bottom < screen.height(), qPrintable(QString::number(top)));
        QVERIFY(bottom - top >= screen.height() / 20);
        // The band darkens the photo beneath white text; the text is on it.
        QVERIFY(qGray(picture.pixel(2, top + 2)) < qGray(picture.pixel(2, 0)));
        int white = 0;
        for (int y = top; y <= bottom; ++y) {
            for (int x = 0; x < screen.width(); x += 4) {
                white += picture.pixelColor(x, y).lightness() > 240;
            }
        }
        QVERIFY(white > 10);
    }

    // The sentence is written so that it can be read back, and a long one is cut to three lines.
    void readable()
    {
        QImage grey(1920, 1080, QImage::Format_RGB32);
        grey.fill(QColor(110, 130, 150));
        const QString sentence = "Calm and steady wins the day";
        const QString file = m_lib->home.filePath("ocr.png");
        QVERIFY(
            DesktopComposer::compose(grey, sentence, { QFont("DejaVu Sans"), Qt::white }).picture.save(file));
        QProcess ocr;
        ocr.start("tesseract", { file, "-" });
        QVERIFY2(ocr.waitForFinished(60000) && ocr.exitCode() == 0, qPrintable(ocr.errorString()));
        QCOMPARE(QString::fromUtf8(ocr.readAllStandardOutput()).simplified(), sentence);

        // Upright, a sentence is written smaller rather than cut; one too long for that is cut
        // at its third line.
        const QImage upright = grey.scaled(1080, 1920);
        const QString german = "Ich atme langsam und lasse den Tag auf mich zukommen, Schritt für Schritt, "
                               "ganz ruhig und voller Vertrauen.";
        QCOMPARE(
            DesktopComposer::compose(upright, german, { QFont("DejaVu Sans"), Qt::white }).lines.join(' '),
            german);
        const DesktopComposer::Layout cut = DesktopComposer::compose(upright,
            QString("Every day in every way I am getting better. ").repeated(8),
            { QFont("DejaVu Sans"), Qt::black });
        QCOMPARE(cut.lines.size(), DesktopComposer::kMaxLines);
        QVERIFY(cut.lines.last().endsWith(QChar(0x2026)));
        QVERIFY(cut.band.top() >= 1920 * 2 / 3 && cut.band.bottom() < 1920);
    }

    // Two names in turn, the pictures and the affirmations in the show's order, also in the next
    // run, unless a reminder gives the affirmation. What the desktop held is kept once, before the
    // first change, and given back exactly, the pictures made for it taken away; after that there
    // is nothing left to give back.
    void putOnAndGiveBack()
    {
        const DesktopPictureState before = m_lib->platform.desktop.state;
        DesktopPictureOptions& options = m_lib->library->desktop();
        QCOMPARE(putOn(), Result::Set);
        QCOMPARE(options.lastPicture() + " " + options.lastAffirmation(), "bands.png Calm and steady");
        options.load();
        m_changer = std::make_unique<DesktopChanger>(m_lib->platform, *m_lib->library, m_random);
        setScreens({ { "HDMI-1", { 192, 108 } } });
        QCOMPARE(putOn(), Result::Set);
        QCOMPARE(options.lastPicture() + " " + options.lastAffirmation(), "grey.png Kind words");
        QCOMPARE(putOn("Given by a reminder"), Result::Set);
        QCOMPARE(options.lastPicture() + " " + options.lastAffirmation(), "bands.png Given by a reminder");
        const QString folder = m_lib->home.filePath("data/desktop");
        QCOMPARE(QFileInfo(m_lib->platform.desktop.sets[0].files[0]).fileName(), "screen1-a.png");
        QCOMPARE(QFileInfo(m_lib->platform.desktop.sets[1].files[0]).fileName(), "screen1-b.png");
        QCOMPARE(QFileInfo(m_lib->platform.desktop.sets[2].files[0]).fileName(), "screen1-a.png");
        QCOMPARE(QDir(folder).entryList({ "*.png" }), QStringList({ "screen1-a.png", "screen1-b.png" }));

        QVERIFY(m_changer->holdsDesktop());
        // Kept settings that cannot be read are not given back as nothing, and stay.
        const QByteArray keptBytes = readBytes(NativePath(folder + "/before.json"));
        QVERIFY(writeBytes(NativePath(folder + "/before.json"), "{ cut sh"));
        QCOMPARE(giveBack(), Result::Refused);
        QVERIFY(m_lib->platform.desktop.restored.isEmpty());
        QVERIFY(writeBytes(NativePath(folder + "/before.json"), keptBytes));
        QCOMPARE(giveBack(), Result::Set);
        QCOMPARE(m_lib->platform.desktop.state, before);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList());
        QVERIFY(!m_changer->holdsDesktop());
        QCOMPARE(giveBack(), Result::Refused);
        QCOMPARE(m_lib->platform.desktop.restored.size(), 1);
    }

    // Chosen in the dialog, the board goes on each screen laid out for its size, and the turn of
    // the pictures and affirmations stays where it was.
    void board()
    {
        DesktopPictureDialog dialog(m_lib->platform, m_lib->library->desktop(), *m_changer);
        dialog.findChild<QComboBox*>("cboDesktopContent")->setCurrentIndex(1);
        dialog.accept();
        QCOMPARE(m_lib->platform.settings.value("Desktop/Content"), "board");
        m_lib->library->desktop().load();
        const QList<DesktopScreen> screens { { "HDMI-1", { 192, 108 } }, { "DP-1", { 108, 192 } } };
        setScreens(screens);
        QCOMPARE(putOn(), Result::Set);
        QCOMPARE(m_lib->library->desktop().lastPicture(), QString());
        Board board(*m_lib->library);
        for (int i = 0; i < screens.size(); ++i) {
            const QImage expected = BoardOutput::picture(board.sheet(screens[i].size));
            QCOMPARE(QImage(m_lib->platform.desktop.sets[0].files[i]).convertToFormat(expected.format()),
                expected);
        }
    }

    // What stops a change, what the user is told, and that nothing of the desktop changed.
    void refused_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("told");
        QTest::newRow("no pictures") << "no pictures" << int(Result::Refused) << "There are no pictures";
        QTest::newRow("no ticked affirmation")
            << "untick" << int(Result::Refused) << "No affirmation is ticked";
        QTest::newRow("no desktop: saved")
            << "no desktop" << int(Result::SavedOnly) << "No desktop service answered";
        QTest::newRow("the desktop refuses")
            << "refuse" << int(Result::Refused) << "The desktop picture could not be set";
        QTest::newRow("folder unwritable")
            << "unwritable" << int(Result::Refused) << "The desktop picture cannot be saved";
    }
    void refused()
    {
        QFETCH(QString, step);
        QFETCH(int, result);
        QFETCH(QString, told);
        FakeDesktopPicture& desktop = m_lib->platform.desktop;
        if (step == "no pictures") {
            m_lib->write({ "SystemFolder/record.txt=" });
        } else if (step == "untick") {
            m_lib->write({ "item.txt=\"One\",#FALSE#\r\n" });
        } else if (step == "no desktop") {
            desktop.answering = DesktopPicture::Way::None;
        } else if (step == "refuse") {
            desktop.error = "refused";
        } else if (step == "unwritable") {
            // A file where the folder would be: even root cannot write there.
            QVERIFY(writeBytes(m_lib->home.filePath("data"), "file"));
        }
        QVERIFY(m_lib->take("load"));
        const DesktopPictureState before = desktop.state;
        QCOMPARE(int(putOn()), result);
        QVERIFY2(m_told.value(0).startsWith(told), qPrintable(m_told.value(0)));
        QCOMPARE(desktop.state, before);
        QCOMPARE(m_lib->library->desktop().lastPicture(), QString());
        // A picture made for no desktop is left for the user to set by hand.
        QCOMPARE(QFileInfo::exists(m_lib->home.filePath("data/desktop/screen1-a.png")),
            step == "no desktop" || step == "refuse");
        QVERIFY(!m_changer->holdsDesktop() || step == "refuse");
        QCOMPARE(m_changer->ready().operator bool(), step == "refuse");
    }

    // Every hour: at once when never changed, then an hour after the last change; a failed change
    // is tried again an hour later, not at once. Nobody waits for a timed change, and what the
    // desktop told on the way is passed on.
    void byItself()
    {
        FakePlatform& platform = m_lib->platform;
        QVERIFY(m_lib->library->desktop().save(DesktopChange::Hourly, false));
        m_changer->reschedule();
        QVERIFY(platform.alarm);
        QCOMPARE(platform.alarm->at, platform.clock);
        QSignalSpy changed(m_changer.get(), &DesktopChanger::changedByItself);
        platform.desktop.note = "The portal did not answer.";
        platform.alarm->ring();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed[0][1].value<Outcome>().notices().value(0).text, platform.desktop.note);
        QCOMPARE(platform.desktop.sets.size(), 1);
        QCOMPARE(platform.desktop.sets[0].waiting, DesktopPicture::Waiting::Nobody);
        QCOMPARE(platform.alarm->at, platform.clock.addSecs(3600));
        platform.clock = platform.clock.addSecs(3600);
        platform.desktop.error = "refused";
        platform.alarm->ring();
        QCOMPARE(changed.last().at(0).value<Result>(), Result::Refused);
        QCOMPARE(platform.alarm->at, platform.clock.addSecs(3600));
        QVERIFY(m_lib->library->desktop().save(DesktopChange::WithReminder, false));
        m_changer->reschedule();
        QVERIFY(!platform.alarm->at.isValid());
    }

    // How often the picture changes and whether the lock screen follows, as the file holds them;
    // a number that names no change reads as never, and only "1" takes the lock screen.
    void options_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("lock");
        QTest::addColumn<int>("expected");
        QTest::addColumn<bool>("lockScreen");
        QTest::newRow("default") << ""
                                 << "" << int(DesktopChange::Never) << false;
        QTest::newRow("every day, the lock screen too") << "2"
                                                        << "1" << int(DesktopChange::Daily) << true;
        QTest::newRow("with each reminder") << "3"
                                            << "0" << int(DesktopChange::WithReminder) << false;
        QTest::newRow("out of range") << "4"
                                      << "yes" << int(DesktopChange::Never) << false;
    }
    void options()
    {
        QFETCH(QString, change);
        QFETCH(QString, lock);
        QFETCH(int, expected);
        QFETCH(bool, lockScreen);
        m_lib->platform.settings.insert("Desktop/Change", change);
        m_lib->platform.settings.insert("Desktop/LockScreen", lock);
        DesktopPictureOptions& options = m_lib->library->desktop();
        options.load();
        QCOMPARE(int(options.change()), expected);
        QCOMPARE(options.lockScreen(), lockScreen);
    }

private:
    void setScreens(QList<DesktopScreen> screens)
    {
        m_changer->setScreens([screens] { return screens; });
    }
    Result putOn(const QString& affirmation = {})
    {
        Result result = Result::Refused;
        m_told.clear();
        m_changer->putOn(
            DesktopPicture::Waiting::Person,
            [&](Result r, const Outcome& outcome) {
                result = r;
                for (const Outcome::Notice& notice : outcome.notices()) {
                    m_told.append(notice.text);
                }
            },
            affirmation);
        return result;
    }
    Result giveBack()
    {
        Result result = Result::Refused;
        m_changer->giveBack([&](Result r, const Outcome&) { result = r; });
        return result;
    }

    QRandomGenerator m_random { 7 };
    std::unique_ptr<Libraries> m_lib;
    std::unique_ptr<DesktopChanger> m_changer;
    QStringList m_told;
};

QTEST_MAIN(TestDesktop)
#include "tst_desktoppicture.moc"
