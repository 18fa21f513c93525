// The main window's menus and the commands they run; the window itself is in MainWindow.cpp.

#include "affirmations/AffirmationLibraryPanel.h"
#include "board/BoardWindow.h"
#include "desktoppicture/DesktopChanger.h"
#include "desktoppicture/DesktopPictureDialog.h"
#include "images/ImageLibraryPanel.h"
#include "library/Library.h"
#include "library/LibraryMove.h"
#include "platform/Platform.h"
#include "shell/AboutDialog.h"
#include "shell/MainWindow.h"
#include "shell/RestoreDialog.h"
#include "shell/WebLinks.h"
#include "widgets/TwipsLayout.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>

namespace vellumora {

void MainWindow::buildMenus()
{
    const auto addItem = [this](QMenu* menu, const QString& caption, const char* name, auto handler,
                             QKeySequence shortcut = {}) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcut(shortcut);
        connect(item, &QAction::triggered, this, handler);
        return item;
    };
    QMenu* fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    addItem(fileMenu, tr("&Make My Board..."), "mnuMakeBoard", [this] {
        if (!m_board) {
            m_board = new BoardWindow(m_platform, m_library, this);
            m_board->reload().report(m_platform);
        }
        m_board->show();
        m_board->raise();
        m_board->activateWindow();
    });
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepBoard"));
    addItem(fileMenu, tr("&Put on My Desktop"), "mnuPutOnDesktop", [this] { putOnDesktop(); });
    addItem(
        fileMenu, tr("&Give Back My Desktop Picture"), "mnuGiveBackDesktop", [this] { giveBackDesktop(); });
    addItem(fileMenu, tr("&Desktop Picture Options…"), "mnuDesktopOptions", [this] {
        DesktopPictureDialog dialog(m_platform, m_library.desktop(), desktopChanger(), this);
        dialog.exec();
    });
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepPictures"));
    addItem(fileMenu, tr("Add a &Folder of Pictures..."), "mnuAddFolder", [this] {
        m_imageLibraryButton->click();
        m_imageLibrary->addFolder();
    });
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepAffirmations"));
    fileMenu->addActions(m_affirmationLibrary->fileActions());
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSepLibrary"));
    addItem(fileMenu, tr("&Keep My Library In..."), "mnuKeepLibraryIn", [this] { keepLibraryIn(); });
    addItem(fileMenu, tr("&Back Up My Vision Board..."), "mnuBackUp",
        [this] { backUpLibrary(m_platform, m_library); });
    addItem(fileMenu, tr("B&ring Back a Backup..."), "mnuRestore",
        [this] { bringBackBackup(m_platform, m_library, this); });
    fileMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep0"));
    addItem(
        fileMenu, tr("E&xit"), "mnuExit", [this] { emit endProgramRequested(); },
        QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Alt+E belongs to the affirmations' "&Edit" button.
    QMenu* editMenu = menuBar()->addMenu(tr("Ed&it"));
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    m_undoItem = addItem(
        editMenu, tr("&Undo"), "mnuUndo", [this] { undoDelete(); }, QKeySequence::Undo);

    QMenu* helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    addItem(
        helpMenu, tr("&Online Help"), "mnuOnline", [this] { WebLinks::openOnlineHelp(m_platform); },
        QKeySequence::HelpContents);
    addItem(helpMenu, tr("&Visit Us Online"), "mnuVisit", [this] { WebLinks::openHomePage(m_platform); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    addItem(helpMenu, tr("Check for Software &Update"), "mnuUpdate",
        [this] { WebLinks::openUpdatePage(m_platform); });
    helpMenu->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    addItem(helpMenu, tr("&About Software"), "mnuAbout", [this] { showAbout(); });
}

void MainWindow::keepLibraryIn()
{
    const QString current = m_library.folder();
    const QString chosen
        = m_platform.openFolderName(tr("Keep My Library In"), QFileInfo(current).absolutePath());
    if (chosen.isEmpty()) {
        return;
    }
    LibraryMove move(m_platform, m_library, chosen);
    const LibraryMove::Question question = move.question();
    const MessageAnswer answer = question.text.isEmpty()
        ? MessageAnswer::Yes
        : m_platform.message(question.text, MessageIcon::Information, question.buttons);
    move.run(answer).report(m_platform);
}

DesktopChanger& MainWindow::desktopChanger()
{
    if (m_desktopChanger) {
        return *m_desktopChanger;
    }
    if (!m_ownDesktopChanger) {
        m_ownDesktopChanger = std::make_unique<DesktopChanger>(m_platform, m_library, m_random);
    }
    return *m_ownDesktopChanger;
}

void MainWindow::putOnDesktop()
{
    DesktopChanger& changer = desktopChanger();
    const QString folder = changer.folder();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    changer.putOn(DesktopPicture::Waiting::Person,
        [this, folder](DesktopChanger::Result result, const Outcome& outcome) {
            QApplication::restoreOverrideCursor();
            switch (result) {
            case DesktopChanger::Result::Set:
                outcome.report(m_platform);
                m_platform.message(
                    tr("Your vision board is now your desktop picture."), MessageIcon::Information);
                break;
            case DesktopChanger::Result::SavedOnly:
                for (const Outcome::Notice& notice : outcome.notices()) {
                    if (m_platform.message(notice.text, notice.icon, MessageButtons::OkOpenFolder)
                        == MessageAnswer::OpenFolder) {
                        m_platform.openUrl(QUrl::fromLocalFile(folder));
                    }
                }
                break;
            case DesktopChanger::Result::Refused:
                outcome.report(m_platform);
                break;
            }
        });
}

void MainWindow::giveBackDesktop()
{
    desktopChanger().giveBack([this](DesktopChanger::Result result, const Outcome& outcome) {
        if (result == DesktopChanger::Result::Set) {
            m_platform.message(tr("Your own desktop picture is back."), MessageIcon::Information);
        } else {
            outcome.report(m_platform);
        }
    });
}

void MainWindow::undoDelete()
{
    m_library.deletes().undo().report(m_platform);
}

void MainWindow::showUndo()
{
    const DeleteHistory& deletes = m_library.deletes();
    const bool possible = deletes.canUndo();
    m_undoButton->setEnabled(possible);
    m_undoItem->setEnabled(possible);
    const QString tip = possible
        ? tr("Bring back %1 (%2)")
              .arg(deletes.nextUndo(), QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText))
        : tr("Nothing deleted to bring back");
    m_undoButton->setToolTip(tip);
    m_undoItem->setStatusTip(tip);
}

void MainWindow::showAbout()
{
    AboutDialog about(m_platform, this);
    centreOnScreen(&about);
    about.exec();
    // Coming back from the program's own windows, the strip starts at its top again.
    m_imageLibrary->scrollToTop();
}

} // namespace vellumora
