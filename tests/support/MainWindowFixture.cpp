#include "support/MainWindowFixture.h"

#include "support/TestFiles.h"

#include <QTreeView>

namespace vellumora {

void MainWindowFixture::reset()
{
    window.reset();
    library.reset();
    standIns.clear();
    platform.reset();
    dir = newApplicationFolder();
    platform = std::make_unique<FakePlatform>(dir->path());
}

MainWindow& MainWindowFixture::load()
{
    window.reset();
    library = Library::open(platform->libraryFolder(), *platform);
    if (!library) {
        QTest::qFail("the library did not open", __FILE__, __LINE__);
    }
    window = std::make_unique<MainWindow>(*platform, *library, random);
    library->load().report(*platform);
    return *window;
}

QStringList MainWindowFixture::listed(const QString& list) const
{
    const QAbstractItemModel* rows = find<QTreeView>(list)->model();
    QStringList texts;
    for (int row = 0; row < rows->rowCount(); ++row) {
        texts << rows->index(row, 0).data().toString();
    }
    return texts;
}

void MainWindowFixture::addPictures(const QList<QColor>& colours) const
{
    QStringList names;
    for (const QColor& colour : colours) {
        names << QString("%1.png").arg(names.size() + 1);
        QVERIFY(writeSolidPicture(path("SystemFolder/" + names.last()), colour, 200, 150));
    }
    QVERIFY(writeBytes(path("SystemFolder/record.txt"), recordOf(names)));
}

} // namespace vellumora
