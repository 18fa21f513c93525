#include "show/Show.h"
#include "support/ApplicationFolder.h"
#include "support/TestFiles.h"

#include <QtGui>
#include <QtTest>

using namespace vellumora;

namespace {

// Picture k's stand-in is red k; its decode is green k.
QImage image(QRgb colour)
{
    QImage result(1, 1, QImage::Format_RGB32);
    result.fill(colour);
    return result;
}
QImage standIn(int k)
{
    return image(qRgb(k, 0, 0));
}
QImage decoded(int k)
{
    return image(qRgb(0, k, 0));
}

Show::Plan plan(int pictures, const QStringList& affirmations, bool randomOrder = false)
{
    Show::Plan result;
    for (int k = 1; k <= pictures; ++k) {
        result.pictures.append(NativePath(QString::number(k)));
    }
    result.affirmations = affirmations;
    result.randomOrder = randomOrder;
    result.standIn = standIn;
    return result;
}

// A show with every signal it sends recorded.
struct Run {
    QRandomGenerator random { 7 };
    Show show { random };
    QSignalSpy wanted { &show, &Show::pictureWanted };
    QSignalSpy pictures { &show, &Show::pictureChanged };
    QSignalSpy captions { &show, &Show::captionChanged };

    quint64 ticket(int request) const { return wanted.at(request).at(0).toULongLong(); }
    int number(int request) const { return wanted.at(request).at(1).value<NativePath>().toString().toInt(); }
    int priority(int request) const { return wanted.at(request).at(3).toInt(); }
    QImage lastPicture() const { return pictures.last().at(0).value<QImage>(); }
    QString lastCaption() const { return captions.last().at(0).toString(); }
    // The decode of the last request for picture k comes back; a damaged picture's comes back null.
    void answer(int k, bool damaged = false)
    {
        for (qsizetype i = wanted.size() - 1; i >= 0; --i) {
            if (number(int(i)) == k) {
                show.pictureDecoded(ticket(int(i)), damaged ? QImage() : decoded(k));
                return;
            }
        }
        QFAIL(qPrintable(QString("picture %1 was never asked for").arg(k)));
    }
};

} // namespace

class TestShow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<NativePath>(); }

    void inOrder()
    {
        Run run;
        run.show.start(plan(3, { "A", "B", "C" }));
        QCOMPARE(run.lastPicture(), standIn(1));
        QCOMPARE(run.lastCaption(), "A");
        QCOMPARE(run.wanted.size(), 1);
        QCOMPARE(run.priority(0), 1);
        run.answer(1);
        QCOMPARE(run.lastPicture(), decoded(1));

        // Picture 1 again at the first tick, then 2, 3, 1; each decoded ahead of its tick.
        const QList<int> shown { 1, 2, 3, 1 };
        const QStringList captions { "B", "C", "A", "B" };
        for (int tick = 0; tick < 4; ++tick) {
            run.show.advance();
            QCOMPARE(run.lastPicture(), decoded(shown[tick]));
            QCOMPARE(run.lastCaption(), captions[tick]);
            const int next = shown[tick] % 3 + 1;
            QCOMPARE(run.number(int(run.wanted.size()) - 1), next);
            QCOMPARE(run.priority(int(run.wanted.size()) - 1), 0);
            run.answer(next);
        }
        // Only the shown picture and the next are kept: picture 1 is asked for again.
        QCOMPARE(run.wanted.size(), 5);
    }

    void randomOrderDecodesTheNextAhead()
    {
        Run run;
        run.show.start(plan(50, { "A", "B", "C" }, true));
        for (int tick = 0; tick < 10; ++tick) {
            // The picture drawn for the next tick was asked for at low priority.
            const int ahead = run.number(int(run.wanted.size()) - 1);
            QCOMPARE(run.priority(int(run.wanted.size()) - 1), ahead == 1 && tick == 0 ? 1 : 0);
            run.answer(ahead);
            run.show.advance();
            QCOMPARE(run.lastPicture(), decoded(ahead));
            QVERIFY(QStringList({ "A", "B", "C" }).contains(run.lastCaption()));
        }
    }

    // A picture damaged since it was added is passed over at once, and never shown as an empty
    // slide; its thumbnail, which it has none of, stands in for nothing.
    void damagedPicturesArePassedOver_data()
    {
        QTest::addColumn<bool>("randomOrder");
        QTest::addColumn<QList<int>>("damaged");
        QTest::newRow("in order, the first") << false << QList<int> { 1, 3 };
        QTest::newRow("at random") << true << QList<int> { 2, 4 };
        QTest::newRow("every one") << false << QList<int> { 1, 2, 3, 4, 5 };
    }

    void damagedPicturesArePassedOver()
    {
        QFETCH(bool, randomOrder);
        QFETCH(QList<int>, damaged);
        Run run;
        QSignalSpy nothing(&run.show, &Show::nothingToShow);
        Show::Plan fivePictures = plan(5, { "A" }, randomOrder);
        fivePictures.standIn = [&damaged](int k) { return damaged.contains(k) ? QImage() : standIn(k); };
        run.show.start(fivePictures);
        qsizetype answered = 0;
        for (int tick = 0; tick < 12 && nothing.isEmpty(); ++tick) {
            for (; answered < run.wanted.size() && nothing.isEmpty(); ++answered) {
                const int k = run.number(int(answered));
                run.show.pictureDecoded(
                    run.ticket(int(answered)), damaged.contains(k) ? QImage() : decoded(k));
            }
            run.show.advance();
        }
        QCOMPARE(nothing.size(), damaged.size() == 5 ? 1 : 0);
        QSet<int> shown;
        for (const QList<QVariant>& change : run.pictures) {
            const QImage picture = change.at(0).value<QImage>();
            QVERIFY(!picture.isNull());
            shown.insert(qGreen(picture.pixel(0, 0)) + qRed(picture.pixel(0, 0)));
        }
        for (int k : damaged) {
            QVERIFY(!shown.contains(k));
        }
    }

    void answersToAnEndedShowAreDropped()
    {
        Run run;
        run.show.start(plan(2, {}));
        const quint64 first = run.ticket(0);
        run.show.stop();
        QVERIFY(!run.show.findChild<QTimer*>("Timer1")->isActive());
        run.show.pictureDecoded(first, decoded(1));
        QCOMPARE(run.pictures.size(), 1);

        run.show.start(plan(2, {}));
        run.show.pictureDecoded(first, decoded(1));
        QCOMPARE(run.lastPicture(), standIn(1));
        run.answer(1);
        QCOMPARE(run.lastPicture(), decoded(1));
    }

    // Without affirmations the caption says so, once. On a screen of two device pixels per
    // pixel, pictures are decoded at twice the size.
    void noAffirmationOnASharpScreen()
    {
        Run run;
        Show::Plan noText = plan(2, {});
        noText.pictureMs = 50000;
        noText.pixelRatio = 2;
        run.show.start(noText);
        QCOMPARE(run.wanted.at(0).at(2).toSize(), QSize(866, 674));
        QCOMPARE(run.lastCaption(), Show::noAffirmation());
        QCOMPARE(run.show.findChild<QTimer*>("Timer1")->interval(), 50000);
        run.show.advance();
        run.show.advance();
        QCOMPARE(run.captions.size(), 1);
    }

    void placesStayOnTheScreen()
    {
        Run run;
        Show::Plan randomPlaces = plan(1, {});
        run.show.start(randomPlaces);
        // Centred: half pixels are dropped, on the screen that holds the window.
        const QRect screen(100, 0, 1280, 1024);
        QCOMPARE(run.show.placeIn(screen, QSize(433, 377)), QPoint(100 + 423, 323));
        randomPlaces.randomPlace = true;
        run.show.start(randomPlaces);
        QSet<qint64> places;
        for (int i = 0; i < 50; ++i) {
            const QPoint place = run.show.placeIn(screen, QSize(433, 377));
            QVERIFY(screen.contains(QRect(place, QSize(433, 377))));
            places.insert(qint64(place.x()) << 32 | place.y());
        }
        QVERIFY(places.size() > 25);
    }

    void glideKeepsItsPaceAndPlace_data()
    {
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<int>("stepsDrawnAtOnce");
        // Faster than a display's frame, steps are drawn three at a time at the same pace.
        QTest::newRow("5 ms") << 5 << 3;
        QTest::newRow("20 ms") << 20 << 1;
    }

    void glideKeepsItsPaceAndPlace()
    {
        QFETCH(int, stepMs);
        QFETCH(int, stepsDrawnAtOnce);
        Run run;
        QSignalSpy moved(&run.show, &Show::captionMoved);
        Show::Plan paced = plan(1, { "A", "B" });
        paced.glideStepMs = stepMs;
        run.show.start(paced);
        QCOMPARE(run.show.findChild<QTimer*>("TimeDisplay")->interval(), stepMs * stepsDrawnAtOnce);
        QTRY_VERIFY(moved.size() >= 4);
        const int step = show::Glide::kStep * stepsDrawnAtOnce;
        QCOMPARE(moved.at(1).at(0).toInt() - moved.at(0).at(0).toInt(), step);
        // A new caption goes on from where the last one was.
        run.show.advance();
        const int before = moved.last().at(0).toInt();
        QVERIFY(moved.wait());
        QCOMPARE(qAbs(moved.last().at(0).toInt() - before), step);
    }

    // Every picture is as likely as any other; the first and last affirmations are half as
    // likely as the rest, as the rounding has always made them.
    void randomDrawsAreFair()
    {
        QList<int> pictures(6), affirmations(5);
        for (int i = 0; i < 10000; ++i) {
            ++pictures[show::randomPicture(5, (i + 0.5) / 10000)];
            ++affirmations[show::randomAffirmation(4, (i + 0.5) / 10000)];
        }
        QCOMPARE(pictures, (QList<int> { 0, 2000, 2000, 2000, 2000, 2000 }));
        QCOMPARE(affirmations, (QList<int> { 1250, 2500, 2500, 2500, 1250 }));
    }

    // The caption turns only once it is wholly out of sight, on either side.
    void glideTurnsOutOfSight()
    {
        show::Glide glide;
        for (const int labelWidth : { 1500, 9000 }) {
            while (glide.rightward) {
                glide.tick(labelWidth, 6495);
            }
            QVERIFY(glide.left > 6495 && glide.left <= 6495 + show::Glide::kStep);
            while (!glide.rightward) {
                glide.tick(labelWidth, 6495);
            }
            QVERIFY(glide.left + labelWidth < 0 && glide.left + labelWidth >= -show::Glide::kStep);
        }
    }

    // The name is the file's, less its folder (either separator) and its last extension; the
    // time follows once the length is known.
    void musicStatus()
    {
        QCOMPARE(show::musicStatus("/music/my.song.wav", 0, 0), "Playing my.song");
        QCOMPARE(show::musicStatus("/music.d/song", 0, 1000),
            "Playing song\r\nRemaining Time:-0 Seconds Of 1 Seconds");
        QCOMPARE(show::musicStatus("C:\\Music\\calm.mp3", 0, 400),
            "Playing calm\r\nRemaining Time:-0 Seconds Of 0 Seconds");
    }
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
