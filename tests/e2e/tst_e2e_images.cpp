#include "e2e/EndToEndTest.h"

#include <QFile>
#include <QImage>
#include <QTest>

namespace {

const QString kMainTitle = QStringLiteral("Vellumora v1.0");
constexpr int kClientHeight = 566;

// The thumbnail strip inside the main window's client area, in pixels: the panel area at
// (4, 80), the holder 16 px right and 24 px down in the panel, thumbnail i 8 px in at (i - 1) x 92.
QPoint thumbnailCentre(int i)
{
    return QPoint(4 + 16 + 8 + 113 / 2, 80 + 24 + (i - 1) * 92 + 90 / 2);
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 12 && qAbs(a.green() - b.green()) < 12 && qAbs(a.blue() - b.blue()) < 12;
}

} // namespace

class TestImagesEndToEnd : public EndToEndTest {
    Q_OBJECT
private slots:
    void fourPicturesShowAtTheirPlaces()
    {
        const QList<std::pair<QString, QColor>> pictures { { "red.jpg", QColor(255, 0, 0) },
            { "green.bmp", QColor(0, 255, 0) }, { "blue.jpg", QColor(0, 0, 255) },
            { "yellow.bmp", QColor(255, 255, 0) } };
        QByteArray record;
        for (const auto& [name, colour] : pictures) {
            QImage image(300, 200, QImage::Format_RGB32);
            image.fill(colour);
            QVERIFY(image.save(m_session.appFolder() + "/SystemFolder/" + name, nullptr, 95));
            record += '"' + name.toUtf8() + "\"\r\n";
        }
        QFile file(m_session.appFolder() + "/SystemFolder/record.txt");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(record);
        file.close();

        m_session.startProgram();
        const QString window = m_session.waitForWindow(kMainTitle);
        QVERIFY(!window.isEmpty());
        const int menuBar = m_session.windowSize(window).height() - kClientHeight;

        // Thumbnails arrive from the decoding threads; wait until every box has its colour.
        QImage shown;
        const auto allShown = [&] {
            shown = m_session.grabWindow(window);
            for (int i = 1; i <= pictures.size(); ++i) {
                if (shown.isNull()
                    || !near(
                        shown.pixelColor(thumbnailCentre(i) + QPoint(0, menuBar)), pictures[i - 1].second)) {
                    return false;
                }
            }
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(allShown(), 15000);
        // Each box is exactly 113 x 90 px with the holder's blue around it.
        const QColor holder(192, 192, 255);
        const QPoint first = thumbnailCentre(1) + QPoint(0, menuBar);
        QVERIFY(near(shown.pixelColor(first + QPoint(-56, 0)), pictures[0].second));
        QVERIFY(near(shown.pixelColor(first + QPoint(-58, 0)), holder));
        QVERIFY(near(shown.pixelColor(first + QPoint(56, 0)), pictures[0].second));
        QVERIFY(near(shown.pixelColor(first + QPoint(0, 46)), holder));
    }
};

QTEST_GUILESS_MAIN(TestImagesEndToEnd)
#include "tst_e2e_images.moc"
