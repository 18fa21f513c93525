#include "platform/FontColourDialog.h"
#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/QtPlatform.h"
#include "widgets/Look.h"
#include "widgets/Twips.h"

#include <QFile>
#include <QFontDialog>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace vellumora;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void settingsKeepSectionsLetterForLetter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Vellumora/Vellumora.ini"));
        {
            IniSettings store(path);
            QVERIFY(store.setValue(
                QStringLiteral("settings"), QStringLiteral("DispDuration"), QStringLiteral("3")));
            QVERIFY(store.setValue(QStringLiteral("Settings"), QStringLiteral("MusicPath"),
                QStringLiteral("/home/me/My Music/a, b=@c;\"d\".mp3")));
        }
        IniSettings reopened(path);
        QCOMPARE(
            reopened.value(QStringLiteral("settings"), QStringLiteral("DispDuration")), QStringLiteral("3"));
        QCOMPARE(reopened.value(QStringLiteral("Settings"), QStringLiteral("MusicPath")),
            QStringLiteral("/home/me/My Music/a, b=@c;\"d\".mp3"));
        // Each key lives only under the section it was written to.
        QCOMPARE(reopened.value(QStringLiteral("Settings"), QStringLiteral("DispDuration")), QString());
        QCOMPARE(reopened.value(QStringLiteral("settings"), QStringLiteral("MusicPath")), QString());
        QCOMPARE(reopened.value(QStringLiteral("Settings"), QStringLiteral("Missing")), QString());
    }

    void settingsReportAFailedWrite()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("not-a-folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        IniSettings store(dir.filePath(QStringLiteral("not-a-folder/Vellumora.ini")));
        QVERIFY(!store.setValue(QStringLiteral("Settings"), QStringLiteral("Key"), QStringLiteral("value")));
    }

    void onlyOneCopyPerExecutable()
    {
        QTemporaryDir locks;
        InstanceGuard first(locks.path(), QStringLiteral("/opt/a/Vellumora"));
        InstanceGuard second(locks.path(), QStringLiteral("/opt/a/Vellumora"));
        InstanceGuard elsewhere(locks.path(), QStringLiteral("/opt/b/Vellumora"));
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(second.otherCopyRunning());
        QVERIFY(!elsewhere.otherCopyRunning());
    }

    void lockReleasedWithItsHolder()
    {
        QTemporaryDir locks;
        {
            InstanceGuard first(locks.path(), QStringLiteral("/opt/a/Vellumora"));
            QVERIFY(!first.otherCopyRunning());
        }
        InstanceGuard next(locks.path(), QStringLiteral("/opt/a/Vellumora"));
        QVERIFY(!next.otherCopyRunning());
    }

    // Under XWayland the show runs on X11, where it may move its window; a platform the user
    // chose stays.
    void platformUnderWayland_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("chosen");
        QTest::addColumn<QByteArray>("platform");
        QTest::newRow("XWayland") << QByteArray(":0") << QByteArray("wayland-0") << QByteArray()
                                  << QByteArray("xcb");
        QTest::newRow("Wayland alone")
            << QByteArray() << QByteArray("wayland-0") << QByteArray() << QByteArray();
        QTest::newRow("X11 alone") << QByteArray(":0") << QByteArray() << QByteArray() << QByteArray();
        QTest::newRow("chosen by the user")
            << QByteArray(":0") << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray("wayland");
    }

    void platformUnderWayland()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, platform);
        const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
        qputenv("DISPLAY", display);
        qputenv("WAYLAND_DISPLAY", wayland);
        qputenv("QT_QPA_PLATFORM", chosen);
        QtPlatform::prepareProcess();
        const QByteArray result = qgetenv("QT_QPA_PLATFORM");
        qputenv("QT_QPA_PLATFORM", saved);
        QCOMPARE(result, platform);
    }

    // Escape anywhere in the font part cancels the whole dialog; the font part stays whole.
    void escapeCancelsTheFontDialog()
    {
        FontColourDialog dialog(FontChoice { QFont("DejaVu Sans"), Qt::red });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* fonts = dialog.findChild<QFontDialog*>();
        QVERIFY(fonts && !fonts->isSizeGripEnabled());
        QWidget* inside = fonts->findChildren<QWidget*>().constFirst();
        QTest::keyClick(inside, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!fonts->isHidden());
    }

    // Under a dark desktop palette, text on the program's fixed light backgrounds stays dark.
    void fixedBackgroundsKeepTheirTextLegible()
    {
        QPalette dark;
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        QWidget frame;
        frame.setPalette(dark);
        setColour(&frame, QPalette::Window, kLightBlue);
        setColour(&frame, QPalette::Base, kLightBlue);
        setColour(&frame, QPalette::Button, Qt::black);
        QCOMPARE(frame.palette().color(QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(frame.palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(frame.palette().color(QPalette::ButtonText), QColor(Qt::white));
    }

    void twipsToPixels_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("whole pixels") << 9660 << 644;
        QTest::newRow("negative, not a whole pixel") << -427 << -28;
        QTest::newRow("just below a half") << 7 << 0;
        QTest::newRow("just above a half") << 8 << 1;
        QTest::newRow("negative half-way") << -8 << -1;
    }
    void twipsToPixels()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(vellumora::twipsToPixels(twips), pixels);
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
