#include "platform/LinkLabel.h"
#include "shell/AboutDialog.h"
#include "shell/WebLinks.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace vellumora;

namespace {

struct AboutSeen {
    QWidget* window = nullptr;
    QString title;
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
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QCOMPARE(f.window->height(), f.window->centralWidget()->height() + f.window->menuBar()->height());
    }

    void panelsSwitchWithoutReloading()
    {
        auto* images = f.find<QWidget>(QStringLiteral("fraImageLibrary"));
        auto* affirmations = f.find<QWidget>(QStringLiteral("fraAffirmationLibrary"));
        auto* settings = f.find<QWidget>(QStringLiteral("fraMusicSettings"));
        auto* panels = f.find<QStackedWidget>(QStringLiteral("panelArea"));
        QCOMPARE(panels->currentWidget(), images);

        auto* typed = f.find<QLineEdit>(QStringLiteral("txtAddFile"));
        const auto readsBefore = f.platform->settingsRead;
        const auto press = [this](const char* name) {
            QTest::mouseClick(f.find<QPushButton>(QLatin1String(name)), Qt::LeftButton);
        };

        press("cmdAffirmationLibrary");
        QCOMPARE(panels->currentWidget(), affirmations);
        QTest::keyClicks(typed, QStringLiteral("Half a thought"));
        press("cmdAffirmationLibrary");
        QCOMPARE(panels->currentWidget(), affirmations);
        press("cmdMusicSettings");
        QCOMPARE(panels->currentWidget(), settings);
        press("cmdImageLibrary");
        QCOMPARE(panels->currentWidget(), images);
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
                auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
                QVERIFY(about);
                auto* link = about->findChild<LinkLabel*>(QStringLiteral("lblHomePage"));
                const bool hasIcon = !about->findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap().isNull();
                seen.append({ about, about->windowTitle(), link->text(), about->isModal(), hasIcon });
                // Something the next opening must not see.
                about->resize(600, 400);
                QTest::mouseClick(link, Qt::LeftButton);
                QTest::mouseClick(about->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
            });
            trigger();
        };
        open([&] { f.find<QPushButton>(QStringLiteral("cmdAbout"))->click(); });
        open([&] { f.find<QAction>(QStringLiteral("mnuAbout"))->trigger(); });

        QCOMPARE(seen.size(), 2);
        for (const AboutSeen& about : seen) {
            QCOMPARE(about.title, QStringLiteral("Vellumora v1.0"));
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
#include "tst_mainwindow.moc"
