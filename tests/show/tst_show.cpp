#include "settings/ShowOptions.h"
#include "show/Show.h"
#include "show/ShowGeometry.h"

#include <QtGui>
#include <QtTest>

using namespace vellumora;

namespace {

// A show with what it sends recorded. Picture k's stand-in is k x 1 pixels; its decode is k x 2.
struct Run {
    static QImage standIn(int k) { return QImage(k, 1, QImage::Format_RGB32); }
    static QImage decoded(int k) { return QImage(k, 2, QImage::Format_RGB32); }
    static Show::Plan plan(int pictures, const QStringList& affirmations, bool randomOrder = false)
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

    Run()
    {
        QObject::connect(
            &show, &Show::pictureWanted, [this](quint64 ticket, const NativePath& path, QSize, int priority) {
                wanted << std::pair(ticket, path.toString().toInt());
                asked << path.toString() + (priority ? "!" : "");
            });
        QObject::connect(&show, &Show::pictureChanged, [this](const QImage& picture) {
            shown << (picture.isNull() ? "empty"
                                       : QString(picture.height() == 1 ? "s%1" : "d%1").arg(picture.width()));
        });
        QObject::connect(&show, &Show::captionChanged, [this](const QString& text) { captions << text; });
    }
    // The decodes asked for and not yet answered come back; a damaged picture's comes back null.
    void answer(const QList<int>& damaged = {})
    {
        for (; answered < wanted.size(); ++answered) {
            const auto [ticket, k] = wanted.at(answered);
            show.pictureDecoded(ticket, damaged.contains(k) ? QImage() : decoded(k));
        }
    }

    QRandomGenerator random { 7 };
    Show show { random };
    // The decodes asked for, each by its ticket and the picture's number.
    QList<std::pair<quint64, int>> wanted;
    // The decodes asked for in turn: "3" ahead of its tick, "3!" at once.
    QStringList asked;
    // The pictures shown in turn: "s3" picture 3's stand-in, "d3" its decode, "empty" none.
    QStringList shown;
    QStringList captions;
    qsizetype answered = 0;
};

} // namespace

class TestShow : public QObject {
    Q_OBJECT
private slots:
    // The library changes while the show runs: the order goes on from the picture and the
    // affirmation shown where they are still there, the next tick takes the new lists, and a decode
    // asked for from the old list is dropped.
    void contentChangedWhileShowing()
    {
        // One picture and one affirmation added after the others, or the ones shown gone.
        QStringList seen;
        for (const auto& [pictures, affirmations] :
            { std::pair { "1 2 4 3", "A B D C" }, { "1 3", "A C" } }) {
            Run run;
            run.show.start(Run::plan(3, { "A", "B", "C" }));
            for (int tick = 0; tick < 5; ++tick) {
                if (tick == 2) {
                    const QStringList names = QString(pictures).split(' ');
                    run.show.setContent(
                        QList<NativePath>(names.cbegin(), names.cend()), QString(affirmations).split(' '));
                    run.shown.clear();
                    run.captions.clear();
                }
                run.answer();
                run.show.advance();
            }
            run.answer();
            // The decoded pictures shown, then the captions.
            seen << run.shown.filter("d").join(' ') + ", " + run.captions.join(' ');
        }
        QCOMPARE(seen, (QStringList { "d4 d3 d1, A B D", "d3 d1 d3, A C A" }));
    }

    // At random, each tick shows the picture decoded ahead for it, and none is asked for at once
    // after the first. A picture damaged since it was added is passed over at once, and never
    // shown as an empty slide; its thumbnail, which it has none of, stands in for nothing.
    void damagedPicturesArePassedOver_data()
    {
        QTest::addColumn<bool>("randomOrder");
        QTest::addColumn<QList<int>>("damaged");
        QTest::newRow("at random, none") << true << QList<int>();
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
        Show::Plan fivePictures = Run::plan(5, { "A" }, randomOrder);
        fivePictures.standIn = [&damaged](int k) { return damaged.contains(k) ? QImage() : Run::standIn(k); };
        run.show.start(fivePictures);
        // As the launcher does.
        QObject::connect(&run.show, &Show::nothingToShow, &run.show, &Show::stop);
        for (int tick = 0; tick < 12 && nothing.isEmpty(); ++tick) {
            run.answer(damaged);
            const int ahead = run.wanted.last().second;
            run.show.advance();
            QVERIFY(!damaged.isEmpty() || run.shown.last() == "d" + QString::number(ahead));
        }
        QVERIFY(!damaged.isEmpty() || !run.asked.mid(1).join(' ').contains('!'));
        QCOMPARE(nothing.size(), damaged.size() == 5 ? 1 : 0);
        for (const QString& picture : run.shown) {
            QVERIFY2(picture != "empty" && !damaged.contains(picture.mid(1).toInt()), qPrintable(picture));
        }
    }

    // Without affirmations the caption says so, once. On a screen of two device pixels per
    // pixel, pictures are decoded at twice the size. The window is centred on the screen that
    // holds it, half pixels dropped, or put anywhere wholly on it. Answers to an ended show are
    // dropped, even once another has started.
    void oneShowThenAnother()
    {
        Run run;
        QSignalSpy wanted(&run.show, &Show::pictureWanted);
        Show::Plan plan = Run::plan(2, {});
        plan.pixelRatio = 2;
        run.show.start(plan);
        QCOMPARE(wanted.first().at(2).toSize(), QSize(866, 674));
        const QRect screen(100, 0, 1280, 1024);
        QCOMPARE(run.show.placeIn(screen, QSize(433, 377)), QPoint(100 + 423, 323));
        run.show.advance();
        QCOMPARE(run.captions, QStringList { Show::noAffirmation() });
        run.show.stop();
        plan.randomPlace = true;
        run.show.start(plan);
        run.answer();
        QCOMPARE(run.shown, (QStringList { "s1", "s1", "s1", "d1" }));
        QSet<qint64> places;
        for (int i = 0; i < 50; ++i) {
            const QPoint place = run.show.placeIn(screen, QSize(433, 377));
            QVERIFY(screen.contains(QRect(place, QSize(433, 377))));
            places.insert(qint64(place.x()) << 32 | place.y());
        }
        QVERIFY(places.size() > 25);
    }

    // The caption's place is the clock's: 20 twips a step of the chosen milliseconds, and the
    // way into the next step between two; a turn stands still for a step. Frames come at most
    // once a refresh of a 60 Hz display, or once a step when steps are slower.
    void glideFollowsTheClock_data()
    {
        QTest::addColumn<int>("stepMs");
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<int>>("lefts");
        QTest::newRow("5 ms") << 5 << QList<double> { 0, 17, 34, 100 } << QList<int> { 120, 188, 256, 520 };
        QTest::newRow("50 ms") << 50 << QList<double> { 50, 75, 1000 } << QList<int> { 140, 150, 520 };
        // A frame that comes late shows the caption where the clock says, not a step on.
        QTest::newRow("20 ms, late") << 20 << QList<double> { 20, 200, 220 } << QList<int> { 140, 320, 340 };
        // Out on the right after 319 steps at 6500; the 320th turns.
        QTest::newRow("turn") << 5 << QList<double> { 1592.5, 1597.5, 1600, 1602.5, 1610 }
                              << QList<int> { 6490, 6500, 6500, 6490, 6460 };
        // The clock never runs back, and a frame without a new place moves nothing.
        QTest::newRow("still") << 50 << QList<double> { 100, 100, 90 } << QList<int> { 160, 160, 160 };
    }
    void glideFollowsTheClock()
    {
        QFETCH(int, stepMs);
        QFETCH(QList<double>, times);
        QFETCH(QList<int>, lefts);
        Run run;
        double nowMs = 0;
        run.show.setClock([&nowMs] { return qint64(nowMs * 1e6); });
        QSignalSpy moved(&run.show, &Show::captionMoved);
        Show::Plan paced = Run::plan(1, { "A", "B" });
        paced.glideStepMs = stepMs;
        run.show.start(paced);
        auto* frames = run.show.findChild<QTimer*>("TimeDisplay");
        // A 60 Hz display refreshes every 17 ms.
        QCOMPARE(frames->interval(), std::max(stepMs, 17));
        QList<int> seen;
        int changes = 1;
        for (const double t : times) {
            nowMs = t;
            QMetaObject::invokeMethod(frames, "timeout");
            changes += moved.last().at(0).toInt() != (seen.isEmpty() ? 120 : seen.last()) ? 1 : 0;
            seen << moved.last().at(0).toInt();
            if (t == times.first()) {
                // A new caption goes on from where the last one was, the same way.
                run.show.advance();
            }
        }
        QCOMPARE(seen, lefts);
        QCOMPARE(moved.size(), changes);
    }

    // Each size scales the small window's caption font as it scales the picture area. Full
    // Screen stretches the small window across the screen, scaled to its height (upright, its
    // width), and keeps the frame shape's opening whole above the strips shown.
    void geometry_data()
    {
        QTest::addColumn<ShowSize>("size");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("music");
        QTest::addColumn<double>("scale");
        using enum ShowSize;
        QTest::newRow("large") << Large << QSize(1280, 1024) << true << 2.0;
        // 1920 x 1080 at 2x: the largest that fits, with the music strip.
        QTest::newRow("medium, larger than the screen") << Medium << QSize(960, 540) << true << 540 / 410.0;
        QTest::newRow("full screen, wide") << FullScreen << QSize(2560, 1080) << false << 1080 / 377.0;
        QTest::newRow("full screen, upright") << FullScreen << QSize(1080, 1920) << true << 1080 / 433.0;
    }
    void geometry()
    {
        QFETCH(ShowSize, size);
        QFETCH(QSize, screen);
        QFETCH(bool, music);
        QFETCH(double, scale);
        const ShowGeometry g = ShowGeometry::of(size, screen, music);
        QFont pixelFont;
        pixelFont.setPixelSize(20);
        QCOMPARE(g.scaledFont(pixelFont).pixelSize(), qRound(20 * scale));
        QVERIFY2(g.musicShown || qAbs(g.picture.height() / 337.0 - scale) < 0.01 * scale,
            qPrintable(QString::number(g.picture.height())));
        QCOMPARE(g.frame.center().x(), g.picture.center().x());
        if (size != ShowSize::FullScreen) {
            return;
        }
        QCOMPARE(g.window, screen);
        QCOMPARE(g.captionStrip.bottom(), screen.height() - 1);
        // The frame's opening, inside its border, lies on the picture, the strips below it.
        const QRect opening = g.frame.adjusted(g.frameBorder, g.frameBorder, -g.frameBorder, -g.frameBorder);
        const QRect strips = music ? g.captionStrip.united(g.musicStrip) : g.captionStrip;
        QVERIFY(g.picture.contains(opening));
        QCOMPARE(g.picture.bottom() + 1, strips.top());
    }

    void arithmetic()
    {
        // Every picture is as likely as any other; the first and last affirmations are half as
        // likely as the rest, as the rounding has always made them.
        QList<int> pictures(6), affirmations(5);
        for (int i = 0; i < 10000; ++i) {
            ++pictures[show::randomPicture(5, (i + 0.5) / 10000)];
            ++affirmations[show::randomAffirmation(4, (i + 0.5) / 10000)];
        }
        QCOMPARE(pictures, (QList<int> { 0, 2000, 2000, 2000, 2000, 2000 }));
        QCOMPARE(affirmations, (QList<int> { 1250, 2500, 2500, 2500, 1250 }));

        // Back from the right, the caption turns only once it is wholly out of sight on the left,
        // even one wider than the window.
        show::Glide glide;
        const int labelWidth = 9000;
        for (const bool rightward : { true, false }) {
            while (glide.rightward == rightward) {
                glide.tick(labelWidth, 6495);
            }
        }
        QVERIFY(glide.left + labelWidth < 0 && glide.left + labelWidth >= -show::Glide::kStep);

        // The music's name is the file's, less its folder (either separator) and its last
        // extension.
        QCOMPARE(show::musicStatus("C:\\Music.d\\calm.mp3", 0, 0), "Playing calm");
    }
};

QTEST_MAIN(TestShow)
#include "tst_show.moc"
