#include "show/ShowArithmetic.h"

#include <QRandomGenerator>
#include <QTest>

using namespace vellumora::show;

class TestShowArithmetic : public QObject {
    Q_OBJECT
private slots:
    void inOrderWraps()
    {
        // Three pictures: the launch leaves the position at 0 and shows 1; the ticks go on.
        QList<int> shown;
        int index = 0;
        for (int tick = 0; tick < 5; ++tick) {
            index = nextPicture(index, 3);
            shown.append(index);
        }
        QCOMPARE(shown, (QList<int> { 1, 2, 3, 1, 2 }));
        // Affirmations A, B, C: A at the start, then B, C, A; a single one stays.
        QCOMPARE(nextAffirmation(0, 2), 1);
        QCOMPARE(nextAffirmation(2, 2), 0);
        QCOMPARE(nextAffirmation(0, 0), 0);
    }

    void randomChoiceIsFair()
    {
        QRandomGenerator random(20261206);
        constexpr int kDraws = 120000;
        QList<int> pictures(5, 0);
        QList<int> affirmations(5, 0);
        for (int i = 0; i < kDraws; ++i) {
            ++pictures[randomPicture(5, random.generateDouble()) - 1];
            ++affirmations[randomAffirmation(4, random.generateDouble())];
        }
        // Pictures: one in five each. Affirmations 0 to 4: the ends half as likely (1/8, 1/4 ...).
        const QList<double> pictureShare { 0.2, 0.2, 0.2, 0.2, 0.2 };
        const QList<double> affirmationShare { 0.125, 0.25, 0.25, 0.25, 0.125 };
        for (int k = 0; k < 5; ++k) {
            QVERIFY2(
                qAbs(pictures[k] / double(kDraws) - pictureShare[k]) < 0.01, qPrintable(QString::number(k)));
            QVERIFY2(qAbs(affirmations[k] / double(kDraws) - affirmationShare[k]) < 0.01,
                qPrintable(QString::number(k)));
        }
        QCOMPARE(randomPicture(1, 0.999999), 1);
        QCOMPARE(randomAffirmation(0, 0.7), 0);
    }

    void placement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<double>("r");
        QTest::addColumn<QPoint>("random");
        QTest::addColumn<QPointF>("centre");
        const QSize window(6495, 5655);
        QTest::newRow("1280 x 1024, r = 0")
            << QSize(19200, 15360) << window << 0.0 << QPoint(0, 0) << QPointF(6352.5, 4852.5);
        QTest::newRow("1280 x 1024, r near 1")
            << QSize(19200, 15360) << window << 0.9999999 << QPoint(12705, 9705) << QPointF(6352.5, 4852.5);
        // 0.5 x 12705 = 6352.5 rounds to the even 6352; 0.5 x 9705 = 4852.5 to 4852.
        QTest::newRow("halves go to even")
            << QSize(19200, 15360) << window << 0.5 << QPoint(6352, 4852) << QPointF(6352.5, 4852.5);
        QTest::newRow("window larger than the screen")
            << QSize(6000, 4500) << window << 0.5 << QPoint(-248, -578) << QPointF(-247.5, -577.5);
    }

    void placement()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, window);
        QFETCH(double, r);
        QFETCH(QPoint, random);
        QFETCH(QPointF, centre);
        QCOMPARE(randomPlace(screen, window, r, r), random);
        QCOMPARE(centrePlace(screen, window), centre);
    }

    void glideTurns_data()
    {
        QTest::addColumn<int>("labelWidth");
        QTest::addColumn<int>("rightTurn");
        QTest::addColumn<int>("leftTurn");
        // From 120, rightward until past 6495, then leftward until wholly past 0.
        QTest::newRow("short caption") << 1500 << 6500 << -1520;
        QTest::newRow("long caption") << 9000 << 6500 << -9020;
    }

    void glideTurns()
    {
        QFETCH(int, labelWidth);
        QFETCH(int, rightTurn);
        QFETCH(int, leftTurn);
        Glide glide;
        while (!glide.tick(labelWidth, 6495)) { }
        QCOMPARE(glide.left, rightTurn);
        QVERIFY(!glide.rightward);
        while (!glide.tick(labelWidth, 6495)) { }
        QCOMPARE(glide.left, leftTurn);
        QVERIFY(glide.rightward);
    }

    void musicStatus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("status");
        QTest::newRow("42.4 s of 215.6 s") << "/music/calm.mp3" << qint64(42400) << qint64(215600)
                                           << "Playing calm\r\nRemaining Time:-42 Seconds Of 216 Seconds";
        QTest::newRow("2500 ms to even") << "/m/a.wav" << qint64(2500) << qint64(3500)
                                         << "Playing a\r\nRemaining Time:-2 Seconds Of 4 Seconds";
        QTest::newRow("last dot only") << "/music/my.song.wav" << qint64(0) << qint64(0)
                                       << "Playing my.song\r\nRemaining Time:-0 Seconds Of 0 Seconds";
        QTest::newRow("no extension") << "/music.d/song" << qint64(0) << qint64(1000)
                                      << "Playing song\r\nRemaining Time:-0 Seconds Of 1 Seconds";
        QTest::newRow("backslashes") << "C:\\Music\\calm.mp3" << qint64(0) << qint64(0)
                                     << "Playing calm\r\nRemaining Time:-0 Seconds Of 0 Seconds";
    }

    void musicStatus()
    {
        QFETCH(QString, path);
        QFETCH(qint64, position);
        QFETCH(qint64, length);
        QFETCH(QString, status);
        QCOMPARE(vellumora::show::musicStatus(path, position, length), status);
    }
};

QTEST_GUILESS_MAIN(TestShowArithmetic)
#include "tst_showarithmetic.moc"
