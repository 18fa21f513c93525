#include "shell/AboutDialog.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"
#include "widgets/Look.h"

#include <QtTest>
#include <QtWidgets>

using namespace vellumora;

// Run at the default font and again at a large one (see tests/CMakeLists.txt): the windows are
// laid out by their contents, so they grow until every text is whole, and never shrink below the
// designed size.
class TestWindows : public QObject {
    Q_OBJECT
private slots:

    void everyTextIsWholeAndNamed_data()
    {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QSize>("designed");
        QTest::newRow("image library") << "cmdImageLibrary" << QSize(644, 566);
        QTest::newRow("affirmation library") << "cmdAffirmationLibrary" << QSize(644, 566);
        QTest::newRow("settings") << "cmdMusicSettings" << QSize(644, 566);
        QTest::newRow("about") << QString() << QSize(472, 267);
    }

    void everyTextIsWholeAndNamed()
    {
        QFETCH(QString, panel);
        QFETCH(QSize, designed);
        MainWindowFixture f;
        f.reset();
        const QString longer = QString("I keep going, one small step after another. ").repeated(6);
        QVERIFY(writeBytes(f.path("system/Goals.txt"), crlfLines({ "\"" + longer + "\",#TRUE#" })));
        f.load();
        std::unique_ptr<QWidget> about;
        QWidget* window = f.window.get();
        if (panel.isEmpty()) {
            about = std::make_unique<AboutDialog>(*f.platform);
            window = about.get();
        }
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        if (!panel.isEmpty()) {
            f.find<QPushButton>(panel)->click();
        }
        const QSize client = about ? window->size() : f.window->centralWidget()->size();
        QVERIFY2(client.width() >= designed.width() && client.height() >= designed.height(),
            qPrintable(QString("%1 x %2").arg(client.width()).arg(client.height())));

        QStringList faults;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->isVisible()) {
                checkText(control, faults);
                checkName(control, faults);
            }
        }
        checkTabOrder(window, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
        // A long affirmation's whole text is its row's tip.
        const QModelIndex row = f.find<QTreeView>("lvFileContent")->model()->index(0, 0);
        QCOMPARE(row.data(Qt::ToolTipRole).toString(), longer);
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

private:
    // A text shows whole when its control has the room it asks for: a wrapped label the height
    // its text needs at its width, a push button its caption's width (the style would ask for a
    // least width some buttons are designed narrower than), any other its size hint. Every
    // control lies inside its parent.
    static void checkText(QWidget* control, QStringList& faults)
    {
        QSize needed = control->sizeHint();
        auto* label = qobject_cast<QLabel*>(control);
        if (label && label->wordWrap()) {
            needed = QSize(0, label->heightForWidth(label->width()));
        } else if (auto* button = qobject_cast<QPushButton*>(control);
                   button && !button->inherits("vellumora::WrapButton")) {
            needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()) + QSize(8, 0);
        } else if (!label && !qobject_cast<QAbstractButton*>(control)) {
            needed = QSize();
        }
        if (control->width() < needed.width() || control->height() < needed.height()
            || !control->parentWidget()->rect().contains(control->geometry())) {
            faults << QString("%1: needs %2 x %3, has %4 x %5")
                          .arg(control->objectName())
                          .arg(needed.width())
                          .arg(needed.height())
                          .arg(control->width())
                          .arg(control->height());
        }
    }

    // Tab goes through the controls of a frame in reading order: each next one lower down, or on
    // the same line further right.
    static void checkTabOrder(QWidget* window, QStringList& faults)
    {
        QWidget* previous = nullptr;
        for (QWidget* next = window->nextInFocusChain(); next != window; next = next->nextInFocusChain()) {
            if (!next->isVisible() || !next->isEnabled() || !(next->focusPolicy() & Qt::TabFocus)) {
                continue;
            }
            if (previous && previous->parentWidget() == next->parentWidget()) {
                const QPoint from = previous->geometry().center(), to = next->geometry().center();
                const bool sameLine = qAbs(to.y() - from.y()) < previous->height() / 2;
                if (sameLine ? to.x() <= from.x() : to.y() < from.y()) {
                    faults << "Tab goes from " + previous->objectName() + " back to " + next->objectName();
                }
            }
            previous = next;
        }
    }

    // Every control a user can reach has a name a screen reader can say.
    static void checkName(QWidget* control, QStringList& faults)
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        if (control->focusPolicy() != Qt::NoFocus && accessible
            && accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            faults << QString::fromLatin1(control->metaObject()->className()) + " " + control->objectName()
                    + " has no name";
        }
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
