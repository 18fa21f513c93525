// The pictures of the screens written to the desktop folder: the board laid out for each screen,
// and the one file of each screen that the desktop is handed.
#include "board/Board.h"
#include "board/BoardOutput.h"
#include "desktoppicture/DesktopChanger.h"
#include "desktoppicture/StoredPng.h"
#include "storage/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vellumora {

Outcome DesktopChanger::writeBoards(const QList<DesktopScreen>& screens, QStringList& files)
{
    if (!QDir().mkpath(folder())) {
        return Outcome::refused(
            tr("The desktop picture cannot be saved in %1: the folder cannot be made.").arg(folder()));
    }
    Board board(m_library);
    Outcome outcome = board.load();
    for (int i = 0; i < screens.size(); ++i) {
        const BoardSheet sheet
            = board.sheet(screens.at(i).size.isEmpty() ? QSize(1920, 1080) : screens.at(i).size);
        const Outcome notes = Board::notesOf(sheet);
        if (!notes) {
            return notes;
        }
        if (i == 0) {
            outcome.add(notes);
        }
        if (Outcome written = writeScreen(i, BoardOutput::picture(sheet), files); !written) {
            return written;
        }
    }
    forgetGoneScreens(int(screens.size()));
    return outcome;
}

Outcome DesktopChanger::writeScreen(int screen, const QImage& picture, QStringList& files)
{
    // Two names in turn: desktops that keep a picture by its file name see a new one.
    const QString stem = folder() + QStringLiteral("/screen%1-").arg(screen + 1);
    const QFileInfo a(stem + QStringLiteral("a.png"));
    const QFileInfo b(stem + QStringLiteral("b.png"));
    const QString file
        = a.exists() && (!b.exists() || b.lastModified() < a.lastModified()) ? b.filePath() : a.filePath();
    QString error;
    if (!writeDataFile(
            file, [&picture](const DataSink& sink) { storedPng(picture, sink); }, &error)) {
        return Outcome::refused(tr("The desktop picture cannot be saved in %1: %2").arg(folder(), error));
    }
    files.append(file);
    return {};
}

void DesktopChanger::forgetGoneScreens(int screens)
{
    // Screens no longer there leave no pictures behind.
    const QStringList ours = QDir(folder()).entryList({ kPictureFiles }, QDir::Files);
    for (const QString& name : ours) {
        const int screen = name.mid(6, name.indexOf(QLatin1Char('-')) - 6).toInt();
        if (screen > screens) {
            QFile::remove(folder() + QLatin1Char('/') + name);
        }
    }
}

} // namespace vellumora
