#include "platform/FontColourDialog.h"
#include "platform/IniSettings.h"
#include "platform/InstanceGuard.h"
#include "platform/QtPlatform.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

class TestPlatform : public QObject {
    Q_OBJECT
private slots:

    void settingsKeepSectionsLetterForLetter()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Vellumora/Vellumora.ini");
        const QString music = "/home/me/My Music/a, b=@c;\"d\".mp3";
        {
            IniSettings store(path);
            QVERIFY(store.setValue("settings", "DispDuration", "3"));
            QVERIFY(store.setValue("Settings", "MusicPath", music));
        }
        IniSettings reopened(path);
        QCOMPARE(reopened.value("settings", "DispDuration"), "3");
        QCOMPARE(reopened.value("Settings", "MusicPath"), music);
        // Each key lives only under the section it was written to.
        QCOMPARE(reopened.value("Settings", "DispDuration"), QString());
        QCOMPARE(reopened.value("settings", "MusicPath"), QString());
    }

    void settingsReportAFailedWrite()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        IniSettings store(dir.filePath("not-a-folder/Vellumora.ini"));
        QVERIFY(!store.setValue("Settings", "Key", "value"));
    }

    void onlyOneCopyPerExecutable()
    {
        QTemporaryDir locks;
        InstanceGuard first(locks.path(), "/opt/a/Vellumora");
        InstanceGuard second(locks.path(), "/opt/a/Vellumora");
        InstanceGuard elsewhere(locks.path(), "/opt/b/Vellumora");
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(!first.otherCopyRunning());
        QVERIFY(second.otherCopyRunning());
        QVERIFY(!elsewhere.otherCopyRunning());
    }

    // Under XWayland the show runs on X11, where it may move its window; a platform the user
    // chose stays.
    void platformUnderWayland()
    {
        // DISPLAY, WAYLAND_DISPLAY and the platform asked for, then the platform chosen.
        const QList<QByteArrayList> cases { { ":0", "wayland-0", "", "xcb" }, { "", "wayland-0", "", "" },
            { ":0", "", "", "" }, { ":0", "wayland-0", "wayland", "wayland" } };
        const QByteArray saved = qgetenv("QT_QPA_PLATFORM");
        for (const QByteArrayList& env : cases) {
            qputenv("DISPLAY", env[0]);
            qputenv("WAYLAND_DISPLAY", env[1]);
            qputenv("QT_QPA_PLATFORM", env[2]);
            QtPlatform::prepareProcess();
            QCOMPARE(qgetenv("QT_QPA_PLATFORM"), env[3]);
        }
        qputenv("QT_QPA_PLATFORM", saved);
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
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
