#include "platform/LinkLabel.h"
#include "shell/WebLinks.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vellumora;

namespace {

struct AboutSeen {
    QWidget* window = nullptr;
    QString title;
    QSize size;
    QString link;
    bool modal = false;
    bool hasIcon = false;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        f.reset();
        f.load();
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
    }

    void fixedClientArea()
    {
        QCOMPARE(f.window->centralWidget()->size(), QSize(644, 566));
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->height(), 566 + f.window->menuBar()->height());
    }

    void panelsSwitchWithoutReloading()
    {
        auto* images = f.window->findChild<QWidget*>(QStringLiteral("fraImageLibrary"));
        auto* affirmations = f.window->findChild<QWidget*>(QStringLiteral("fraAffirmationLibrary"));
        auto* settings = f.window->findChild<QWidget*>(QStringLiteral("fraMusicSettings"));
        QCOMPARE(f.window->frontPanel(), images);

        auto* typed = f.find<QLineEdit>(QStringLiteral("txtAddFile"));
        const auto readsBefore = f.platform->settingsRead;
        const auto press = [this](const char* name) {
            QTest::mouseClick(f.window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
        };

        press("cmdAffirmationLibrary");
        QCOMPARE(f.window->frontPanel(), affirmations);
        QTest::keyClicks(typed, QStringLiteral("Half a thought"));
        press("cmdAffirmationLibrary");
        QCOMPARE(f.window->frontPanel(), affirmations);
        press("cmdMusicSettings");
        QCOMPARE(f.window->frontPanel(), settings);
        press("cmdImageLibrary");
        QCOMPARE(f.window->frontPanel(), images);
        press("cmdAffirmationLibrary");

        QCOMPARE(typed->text(), QStringLiteral("Half a thought"));
        QCOMPARE(f.platform->settingsRead, readsBefore);
        QVERIFY(f.platform->settingsWritten.isEmpty());
        QVERIFY(f.platform->messages.isEmpty());
    }

    void aboutIsFreshEachTime()
    {
        QList<AboutSeen> seen;
        const auto open = [&](const std::function<void()>& trigger) {
            QTimer::singleShot(0, this, [&] {
                auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
                QVERIFY(about);
                auto* link = about->findChild<LinkLabel*>(QStringLiteral("lblHomePage"));
                const bool hasIcon = !about->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull();
                seen.append(
                    { about, about->windowTitle(), about->size(), link->text(), about->isModal(), hasIcon });
                // Something the next opening must not see.
                about->resize(600, 400);
                QTest::mouseClick(link, Qt::LeftButton);
                QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
            });
            trigger();
        };
        open([&] { f.window->cmdAbout_Click(); });
        open([&] { f.window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); });

        QCOMPARE(seen.size(), 2);
        for (const AboutSeen& about : seen) {
            QCOMPARE(about.title, QStringLiteral("Vellumora v1.0"));
            QCOMPARE(about.size, QSize(472, 267));
            QCOMPARE(about.link, QStringLiteral("Click here to visit ") + WebLinks::homePage().toString());
            QVERIFY(about.modal);
            QVERIFY(about.hasIcon);
        }
        QCOMPARE(f.platform->openedUrls, (QList<QUrl> { WebLinks::homePage(), WebLinks::homePage() }));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void linksOpenTheirPage_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("page");
        QTest::newRow("Online Help") << QStringLiteral("mnuOnline") << WebLinks::onlineHelpPage();
        QTest::newRow("Visit Us Online") << QStringLiteral("mnuVisit") << WebLinks::homePage();
        QTest::newRow("Check for Software Update") << QStringLiteral("mnuUpdate") << WebLinks::updatePage();
        QTest::newRow("banner") << QStringLiteral("Label14") << WebLinks::homePage();
    }
    void linksOpenTheirPage()
    {
        QFETCH(QString, control);
        QFETCH(QUrl, page);
        if (auto* action = f.window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = f.window->findChild<LinkLabel*>(control);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(f.platform->openedUrls, QList<QUrl> { page });
        QVERIFY(f.platform->messages.isEmpty());
    }

    void cleanup() { f.window.reset(); }

private:
    MainWindowFixture f;
};

QTEST_MAIN(TestMainWindow)
#include "tst_frmmain.moc"
