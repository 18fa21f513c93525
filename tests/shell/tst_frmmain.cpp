#include "platform/LinkLabel.h"
#include "shell/WebLinks.h"
#include "shell/frmAbout.h"
#include "shell/frmMain.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"

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
        m_dir = newApplicationFolder();
        m_platform.reset(new FakePlatform(m_dir->path()));
        m_window.reset(new frmMain(*m_platform, m_random));
        QVERIFY(m_window->Form_Load());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void fixedClientArea()
    {
        QCOMPARE(m_window->centralWidget()->size(), QSize(644, 566));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->height(), 566 + m_window->menuBar()->height());
    }

    void panelsSwitchWithoutReloading()
    {
        auto* images = m_window->findChild<QWidget*>(QStringLiteral("fraImageLibrary"));
        auto* affirmations = m_window->findChild<QWidget*>(QStringLiteral("fraAffirmationLibrary"));
        auto* settings = m_window->findChild<QWidget*>(QStringLiteral("fraMusicSettings"));
        QCOMPARE(m_window->frontPanel(), images);

        auto* typed = new QLineEdit(affirmations);
        const auto readsBefore = m_platform->settingsRead;
        const auto press = [this](const char* name) {
            QTest::mouseClick(m_window->findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
        };

        press("cmdAffirmationLibrary");
        QCOMPARE(m_window->frontPanel(), affirmations);
        QTest::keyClicks(typed, QStringLiteral("Half a thought"));
        press("cmdAffirmationLibrary");
        QCOMPARE(m_window->frontPanel(), affirmations);
        press("cmdMusicSettings");
        QCOMPARE(m_window->frontPanel(), settings);
        press("cmdImageLibrary");
        QCOMPARE(m_window->frontPanel(), images);
        press("cmdAffirmationLibrary");

        QCOMPARE(typed->text(), QStringLiteral("Half a thought"));
        QCOMPARE(m_platform->settingsRead, readsBefore);
        QVERIFY(m_platform->settingsWritten.isEmpty());
        QVERIFY(m_platform->messages.isEmpty());
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList());
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
        open([&] { m_window->cmdAbout_Click(); });
        open([&] { m_window->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger(); });

        QCOMPARE(seen.size(), 2);
        for (const AboutSeen& about : seen) {
            QCOMPARE(about.title, QStringLiteral("Vellumora v1.0"));
            QCOMPARE(about.size, QSize(472, 267));
            QCOMPARE(about.link, QStringLiteral("Click here to visit ") + WebLinks::homePage().toString());
            QVERIFY(about.modal);
            QVERIFY(about.hasIcon);
        }
        QCOMPARE(m_platform->openedUrls, (QList<QUrl> { WebLinks::homePage(), WebLinks::homePage() }));
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
        if (auto* action = m_window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = m_window->findChild<LinkLabel*>(control);
            QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(m_platform->openedUrls, QList<QUrl> { page });
        QVERIFY(m_platform->messages.isEmpty());
    }

    void cleanup()
    {
        m_window.reset();
        m_platform.reset();
    }

private:
    QRandomGenerator m_random;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<frmMain> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_frmmain.moc"
