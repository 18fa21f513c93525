#include "show/Show.h"
#include "support/ApplicationFolder.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

using namespace vellumora;

namespace {

// Picture k's stand-in is red k; its decode is green k.
QImage standIn(int k)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(qRgb(k, 0, 0));
    return image;
}

QImage decoded(int k)
{
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(qRgb(0, k, 0));
    return image;
}

Show::Plan plan(int pictures, const QStringList& affirmations, bool randomOrder = false)
{
    Show::Plan result;
    for (int k = 1; k <= pictures; ++k) {
        result.pictures.append(NativePath(QStringLiteral("/pictures/%1.jpg").arg(k)));
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
    int number(int request) const
    {
        return wanted.at(request)
            .at(1)
            .value<NativePath>()
            .toString()
            .section('/', 2, 2)
            .section('.', 0, 0)
            .toInt();
    }
    int priority(int request) const { return wanted.at(request).at(3).toInt(); }
    QImage lastPicture() const { return pictures.last().at(0).value<QImage>(); }
    QString lastCaption() const { return captions.last().at(0).toString(); }
    // The decode of the last request for picture k comes back.
    void answer(int k)
    {
        for (qsizetype i = wanted.size() - 1; i >= 0; --i) {
            if (number(int(i)) == k) {
                show.pictureDecoded(ticket(int(i)), decoded(k));
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("picture %1 was never asked for").arg(k)));
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

    void answersToAnEndedShowAreDropped()
    {
        Run run;
        run.show.start(plan(2, {}));
        const quint64 first = run.ticket(0);
        run.show.stop();
        QVERIFY(!run.show.pictureTimer().isActive());
        run.show.pictureDecoded(first, decoded(1));
        QCOMPARE(run.pictures.size(), 1);

        run.show.start(plan(2, {}));
        run.show.pictureDecoded(first, decoded(1));
        QCOMPARE(run.lastPicture(), standIn(1));
        run.answer(1);
        QCOMPARE(run.lastPicture(), decoded(1));
    }

    void noAffirmationSaysSo()
    {
        Run run;
        Show::Plan noText = plan(2, {});
        noText.pictureMs = 50000;
        run.show.start(noText);
        QCOMPARE(run.lastCaption(), Show::kNoAffirmation);
        QCOMPARE(run.show.pictureTimer().interval(), 50000);
        run.show.advance();
        run.show.advance();
        QCOMPARE(run.captions.size(), 1);
    }

    void placesStayOnTheScreen()
    {
        Run run;
        Show::Plan randomPlaces = plan(1, {});
        run.show.start(plan(1, {}));
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

    void glideKeepsItsPlaceAcrossCaptions()
    {
        Run run;
        QSignalSpy moved(&run.show, &Show::captionMoved);
        Show::Plan fast = plan(1, { "A", "B" });
        fast.glideStepMs = 5;
        run.show.start(fast);
        run.show.setCaptionWidth(100);
        QTRY_VERIFY(moved.size() >= 4);
        QCOMPARE(moved.at(1).at(0).toInt() - moved.at(0).at(0).toInt(), show::Glide::kStep);
        run.show.advance();
        QVERIFY(run.show.glide().left >= moved.last().at(0).toInt());
    }

    void gathersTickedAffirmationsOfTickedCategories()
    {
        const auto dir = newApplicationFolder();
        const CategoryStore store(dir->path());
        QVERIFY(writeBytes(dir->filePath("system/One.txt"),
            crlfLines({ "\"not me\",#FALSE#", "\"A\",#TRUE#", "\"B\",#TRUE#" })));
        QVERIFY(QDir().mkpath(dir->filePath("system/Unreadable.txt")));
        QVERIFY(writeBytes(dir->filePath("system/Off.txt"), crlfLines({ "\"never\",#TRUE#" })));
        QVERIFY(writeBytes(dir->filePath("system/Two.txt"), crlfLines({ "\"C\",#TRUE#" })));
        const QList<Row> categories { { "One", true }, { "Unreadable", true }, { "Off", false },
            { "Two", true }, { "Missing", true } };
        QCOMPARE(Show::gatherAffirmations(store, categories), (QStringList { "A", "B", "C" }));
    }
};

QTEST_GUILESS_MAIN(TestShow)
#include "tst_show.moc"
