#include "board/Board.h"
#include "board/BoardOutput.h"
#include "board/BoardPainter.h"
#include "board/BoardView.h"
#include "board/BoardWindow.h"
#include "library/Backup.h"
#include "platform/LibraryFolder.h"
#include "platform/QtPlatform.h"
#include "storage/LibraryFiles.h"
#include "support/Libraries.h"
#include "support/TestFiles.h"

#include <QPrintDialog>
#include <QtTest>
#include <QtWidgets>

using namespace vellumora;
using Kind = BoardLayout::Tile::Kind;

Q_DECLARE_METATYPE(BoardLayout::Request)

namespace {

// Pictures of every shape a camera or a phone makes, taken round in turn.
QList<QSizeF> mixedPictures(int count)
{
    static const QSizeF shapes[] = { { 4000, 3000 }, { 3000, 4000 }, { 1920, 1080 }, { 1080, 1920 },
        { 2000, 2000 }, { 6000, 2000 }, { 1200, 1600 } };
    QList<QSizeF> pictures;
    for (int i = 0; i < count; ++i) {
        pictures.append(shapes[i % std::size(shapes)]);
    }
    return pictures;
}

// A program run with its output, for the PDF tools.
QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(60000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
private slots:
    // Whatever the pictures, the sentences and the page: every tile once, on the page within the
    // margins, none over another, every picture at its own proportions but for a cut of at most a
    // tenth, and the rows filling the page where that is possible.
    void layout_data()
    {
        QTest::addColumn<BoardLayout::Request>("request");
        QTest::addColumn<bool>("fills");
        const QSizeF a4(2480, 3508), a3Landscape(4961, 3508), phone(1170, 2532), screen(1920, 1080);
        const struct {
            int pictures, cards;
        } counts[] = { { 1, 0 }, { 2, 1 }, { 7, 12 }, { 30, 12 }, { 30, 0 }, { 0, 12 }, { 7, 0 } };
        for (const QSizeF& page : { a4, a3Landscape, phone, screen }) {
            for (const auto& count : counts) {
                const bool title = count.cards != 1;
                const BoardLayout::Request request { page, page.width() * 0.02,
                    title ? page.height() * 0.07 : 0, mixedPictures(count.pictures), count.cards };
                // One picture alone cannot fill a page of other proportions without a deeper cut.
                QTest::addRow("%dx%d, %d pictures, %d sentences", int(page.width()), int(page.height()),
                    count.pictures, count.cards)
                    << request << (count.pictures + count.cards > 2);
            }
        }
    }

    void layout()
    {
        QFETCH(BoardLayout::Request, request);
        QFETCH(bool, fills);
        const BoardLayout::Board board = BoardLayout::arrange(request);
        const qreal m = request.margin;
        const QRectF inside = QRectF(QPointF(), request.page).adjusted(m, m, -m, -m);
        const qreal near = 0.01;
        QCOMPARE(board.tiles.size(), request.pictures.size() + request.cards);
        QVERIFY(board.title.isEmpty() == (request.titleHeight == 0));
        QList<int> seen[2];
        for (const BoardLayout::Tile& tile : board.tiles) {
            seen[tile.kind == Kind::Card].append(tile.index);
            QVERIFY2(inside.adjusted(-near, -near, near, near).contains(tile.place),
                "off the page or in a margin");
            QVERIFY(!tile.place.intersects(board.title));
            // Apart by the margin at least.
            for (const BoardLayout::Tile& other : board.tiles) {
                const QRectF both = tile.place.adjusted(-m, -m, m, m).intersected(other.place);
                QVERIFY2(&other == &tile || both.width() < near || both.height() < near, "tiles overlap");
            }
            if (tile.kind == Kind::Picture) {
                const QSizeF own = request.pictures[tile.index];
                QVERIFY2(
                    qMin(tile.shown.width(), tile.shown.height()) >= 0.9 - 1e-6, "cut by more than a tenth");
                const qreal shown = own.width() * tile.shown.width() / (own.height() * tile.shown.height());
                QVERIFY2(qAbs(shown - tile.place.width() / tile.place.height()) < 1e-3, "stretched");
            }
        }
        for (QList<int>& indexes : seen) {
            std::sort(indexes.begin(), indexes.end());
        }
        QList<int> pictures(request.pictures.size()), cards(request.cards);
        std::iota(pictures.begin(), pictures.end(), 0);
        std::iota(cards.begin(), cards.end(), 0);
        QCOMPARE(seen[0], pictures);
        QCOMPARE(seen[1], cards);
        if (fills) {
            // Each tile with half the margin round it: together they cover the area below the title
            // and its half margin, which is only so where neither gap nor overlap is left.
            const QRectF area = inside.adjusted(
                -m / 2, board.title.isEmpty() ? -m / 2 : board.title.height() + m / 2, m / 2, m / 2);
            qreal covered = 0;
            for (const BoardLayout::Tile& tile : board.tiles) {
                covered += (tile.place.width() + m) * (tile.place.height() + m);
            }
            QVERIFY2(qAbs(covered / (area.width() * area.height()) - 1) < 1e-6, "a gap is left");
        }
    }

    // The choices read back as they were written, lines the program does not know kept; a file
    // that is not such a file is told of with the line that is wrong.
    void choicesFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("all") << QByteArray(
            "Title=Mein Jahr 2027 \xe2\x9c\xa8\r\nBackground=#102030\r\nMargin=5\r\n"
            "Size=1080x2400\r\nOrientation=Landscape\r\nPicture=b.jpg\r\n"
            "Picture=a.jpg\r\nLeft out=c.jpg\r\n# mine\r\nFuture=1\r\n")
                             << QString();
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("not text") << QByteArray("Title=\xff\xfe") << "Line 1: this is not a text file.";
        QTest::newRow("colour") << QByteArray("Title=x\nBackground=blue\n")
                                << "Line 2: \"blue\" is not a colour such as #f6f1e7.";
        QTest::newRow("margin") << QByteArray("Margin=11\n")
                                << "Line 1: the margin must be a whole number from 0 to 10.";
        QTest::newRow("size") << QByteArray("Size=A5\n")
                              << "Line 1: \"A5\" is not a size the board is made at.";
        QTest::newRow("orientation") << QByteArray("Orientation=Up\n")
                                     << "Line 1: the orientation must be Portrait or Landscape.";
    }

    void choicesFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QString told;
        const std::optional<BoardChoices> choices = BoardChoices::read(bytes, &told);
        QCOMPARE(told, error);
        if (choices) {
            QCOMPARE(BoardChoices::read(choices->written()), choices);
            QCOMPARE(choices->written().contains("Future=1\r\n"), bytes.contains("Future=1"));
        }
    }

    // The pages, by the names the command line takes.
    void pageSizes()
    {
        const QSize screen(1920, 1080);
        QStringList made;
        for (const char* name :
            { "A4", "a3", "Letter", "phone", "1080x2400", "640x480", "A5", "10x10", "99999x5" }) {
            const std::optional<BoardPage> page = BoardPage::fromName(QLatin1String(name));
            const QSize pixels = page ? page->pixels(screen) : QSize();
            made << QStringLiteral("%1 %2x%3")
                        .arg(QLatin1String(name))
                        .arg(pixels.width())
                        .arg(pixels.height());
        }
        QCOMPARE(made.join(", "),
            "A4 2480x3508, a3 3508x4961, Letter 2550x3300, phone 1170x2532, 1080x2400 1080x2400, 640x480 "
            "640x480, "
            "A5 -1x-1, 10x10 -1x-1, 99999x5 -1x-1");
        QCOMPARE((BoardPage { BoardSize::A4, {}, true }.pixels(screen)), QSize(3508, 2480));
    }

    // The board keeps the user's choices in its file at each change: which pictures are on it
    // (the first 30 unless the user says otherwise), their order, shuffled or swapped. A file
    // that cannot be read is told of and never written over.
    void choices()
    {
        Libraries l;
        QStringList names;
        for (int i = 0; i < 32; ++i) {
            names << QStringLiteral("p%1.png").arg(i);
            QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/" + names.last(), Qt::red, 40, 30));
        }
        QVERIFY(l.write({ "SystemFolder/record.txt=" + recordOf(names) }) && l.take("load"));
        Board board(*l.library);
        QVERIFY(board.load());
        const auto onBoard = [&] {
            QStringList on;
            for (const Board::Entry& entry : board.entries()) {
                on << (entry.onBoard ? entry.name : QString());
            }
            return on;
        };
        QCOMPARE(onBoard(), names.mid(0, 30) << QString() << QString());
        QCOMPARE(board.setOnBoard("p31.png", true).notices().value(0).text,
            "A board holds at most 30 pictures. Untick one before you tick another.");
        QVERIFY(board.setOnBoard("p0.png", false) && board.setOnBoard("p31.png", true));
        QCOMPARE(onBoard().mid(0, 2), QStringList({ QString(), "p1.png" }));
        QCOMPARE(onBoard().mid(30), QStringList({ QString(), "p31.png" }));
        QVERIFY(board.swap("p1.png", "p2.png") && board.setTitle("My vision board\n2027"));
        QCOMPARE(board.content().pictureNames.mid(0, 2), QStringList({ "p2.png", "p1.png" }));
        QStringList before;
        for (const Board::Entry& entry : board.entries()) {
            before << entry.name;
        }
        QRandomGenerator random(7);
        QVERIFY(board.shuffle(random));
        for (int i = 0; i < before.size(); ++i) {
            QVERIFY(board.entries()[i].name != before[i]);
        }
        // Read again, as the next run of the program does.
        Board again(*l.library);
        QVERIFY(again.load());
        QCOMPARE(again.choices(), board.choices());
        QCOMPARE(again.choices().title, "My vision board 2027");
        // Full disk: nothing changes.
        l.take("full");
        QVERIFY(!board.setMargin(7) && board.choices().marginPercent == 2);
        l.take("room");
        const QByteArray damaged = "Margin=99\r\nPicture=../../etc/passwd\r\n";
        QVERIFY(writeBytes(l.path("board.txt"), damaged));
        QVERIFY(board.load().notices().value(0).text.startsWith("The board's file"));
        QVERIFY(!board.setMargin(3));
        QCOMPARE(readBytes(l.path("board.txt")), damaged);
        QCOMPARE(onBoard(), names.mid(0, 30) << QString() << QString());
    }

    // Saved, the board holds every sentence as text and every picture at 300 dots per inch of
    // its printed size; a sentence too long for its card is cut with "…"; a save that fails leaves
    // no file.
    void saved()
    {
        Libraries l;
        QStringList names { "wide.jpg", "tall.png", "broken.jpg" };
        QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/wide.jpg", Qt::blue, 1600, 1200));
        QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/tall.png", Qt::green, 600, 900));
        QVERIFY(l.write(
            { "SystemFolder/broken.jpg=not a picture", "SystemFolder/record.txt=" + recordOf(names) }));
        QVERIFY(l.take("load") && l.take("create Goals") && l.take("choose 0"));
        const QStringList sentences { "I run every morning", "Ich lerne jeden Tag", "אני רץ כל בוקר" };
        for (const QString& sentence : sentences) {
            // The first press opens the field, the second adds what it holds.
            QVERIFY(l.take("add") && l.take("add " + sentence));
        }
        QCOMPARE(l.library->tickedAffirmations(), sentences);
        Board board(*l.library);
        QVERIFY(board.load() && board.setTitle("Twenty twenty-seven"));
        const BoardSheet sheet = board.sheet(BoardPage { BoardSize::A4 }.pixels({}));
        QCOMPARE(sheet.leftOff, QStringList { "broken.jpg" });
        const QString pdf = l.dir->path() + "/board.pdf";
        QVERIFY(BoardOutput::save(sheet, pdf));
        const QString text = output("pdftotext", { pdf, "-" }).simplified();
        for (const QString& expected : sentences + QStringList { "Twenty twenty-seven" }) {
            QVERIFY2(text.contains(expected) || expected.isRightToLeft(), qPrintable(text));
        }
        const QStringList images = output("pdfimages", { "-list", pdf }).split('\n').mid(2, 2);
        QCOMPARE(images.size(), 2);
        for (const QString& row : images) {
            const QStringList columns = row.simplified().split(' ');
            QVERIFY2(columns.value(12).toInt() >= 299 && columns.value(13).toInt() >= 299, qPrintable(row));
        }
        QVERIFY(BoardOutput::save(sheet, l.dir->path() + "/board.png"));
        const QImage png(l.dir->path() + "/board.png");
        QCOMPARE(png.size(), QSize(2480, 3508));
        // The title as a reader sees it on the picture saved.
        QVERIFY(png.copy(sheet.layout.title.toAlignedRect()).save(l.dir->path() + "/title.png"));
        QCOMPARE(
            output("tesseract", { l.dir->path() + "/title.png", "-" }).simplified(), "Twenty twenty-seven");
        const QString refused
            = BoardOutput::save(sheet, l.dir->path() + "/no/such/board.png").notices().value(0).text;
        QVERIFY(refused.startsWith("The board could not be saved as"));
        QVERIFY(!QFileInfo::exists(l.dir->path() + "/no/such/board.png"));
        QImage device(10, 10, QImage::Format_RGB32);
        const BoardPainter::Fitted fitted
            = BoardPainter::fit(QString("word ").repeated(200), QFont(), QSizeF(300, 100), &device);
        QVERIFY(fitted.lines.last().endsWith(QChar(0x2026)));
    }

    // The board's file goes where the library goes: into a backup and back into an empty
    // library, never over the board of a library that has its own, and to the folder the library
    // is moved to.
    void carried()
    {
        Libraries from, empty, own;
        const QByteArray board = "Title=Carried\r\nMargin=4\r\n";
        const QString archive = from.dir->path() + "/backup.zip";
        QVERIFY(writeSolidPicture(own.dir->path() + "/SystemFolder/own.png", Qt::red));
        QVERIFY(writeBytes(own.path("SystemFolder/record.txt"), recordOf({ "own.png" })));
        QVERIFY(
            writeBytes(own.path("board.txt"), "Title=Own\r\n") && writeBytes(from.path("board.txt"), board));
        QVERIFY(writeBytes(from.path("item.txt"), crlfLines({ "\"Goals\",#TRUE#" })));
        QVERIFY(Backup::write(from.dir->path(), {}, archive));
        for (Libraries* into : { &empty, &own }) {
            const RestorePlan plan = RestorePlan::make(archive, into->dir->path());
            QStringList leftOut;
            for (const LeftOutEntry& entry : plan.leftOut()) {
                leftOut << entry.text();
            }
            QCOMPARE(leftOut.join('|'),
                into == &own ? "\"board.txt\" is left out: the library keeps its own board." : "");
            QVERIFY2(plan.apply(into->platform, false), qPrintable(plan.refusalText()));
        }
        QCOMPARE(readBytes(empty.path("board.txt")), board);
        QCOMPARE(readBytes(own.path("board.txt")), "Title=Own\r\n");
        QString error;
        QVERIFY(LibraryFolder::copyTo(from.dir->path(), from.dir->path() + "/../moved", &error));
        QCOMPARE(readBytes(NativePath(from.dir->path() + "/../moved/board.txt")), board);
        QDir(from.dir->path() + "/../moved").removeRecursively();
    }

    // The window shows the board as it is kept and changes it by the user's hand: a picture
    // dragged onto another, one unticked, Shuffle, the title and the size; it saves and prints.
    void window()
    {
        Libraries l;
        QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/red.png", Qt::red, 400, 300));
        QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/blue.png", Qt::blue, 300, 400));
        QVERIFY(writeSolidPicture(l.dir->path() + "/SystemFolder/green.png", Qt::green, 300, 300));
        QVERIFY(
            writeBytes(l.path("SystemFolder/record.txt"), recordOf({ "red.png", "blue.png", "green.png" })));
        QVERIFY(writeBytes(l.path("system/Goals.txt"), crlfLines({ "\"I finish the marathon\",#TRUE#" })));
        QVERIFY(writeBytes(l.path("item.txt"), crlfLines({ "\"Goals\",#TRUE#" })));
        QVERIFY(l.take("load"));
        BoardWindow window(l.platform, *l.library);
        QVERIFY(window.reload());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        BoardView& view = window.view();
        QSignalSpy sharpened(&view, &BoardView::sharpened);
        QTRY_VERIFY(!sharpened.isEmpty());
        const auto centreOf = [&](const QString& name) {
            const BoardSheet& sheet = view.sheet();
            const int index = int(sheet.content.pictureNames.indexOf(name));
            for (const BoardLayout::Tile& tile : sheet.layout.tiles) {
                if (tile.kind == Kind::Picture && tile.index == index) {
                    const qreal scale = view.pageRect().width() / sheet.page.width();
                    return (view.pageRect().topLeft() + tile.place.center() * scale).toPoint();
                }
            }
            return QPoint(-1, -1);
        };
        // The picture drawn is the picture decoded at its size, not a stretched thumbnail.
        QCOMPARE(view.grab().toImage().pixelColor(centreOf("blue.png")), QColor(Qt::blue));
        QTest::mousePress(&view, Qt::LeftButton, {}, centreOf("red.png"));
        QTest::mouseRelease(&view, Qt::LeftButton, {}, centreOf("green.png"));
        QTRY_COMPARE(view.sheet().content.pictureNames, QStringList({ "green.png", "blue.png", "red.png" }));
        auto* pictures = window.findChild<QListWidget*>("lstBoardPictures");
        pictures->item(1)->setCheckState(Qt::Unchecked);
        QTRY_COMPARE(view.sheet().content.pictureNames, QStringList({ "green.png", "red.png" }));
        window.findChild<QPushButton*>("cmdShuffle")->click();
        QTRY_VERIFY(view.sheet().content.pictureNames.first() != "green.png");
        auto* title = window.findChild<QLineEdit*>("txtBoardTitle");
        title->setText("Run 2027");
        emit title->editingFinished();
        auto* size = window.findChild<QComboBox*>("cboBoardSize");
        size->setCurrentIndex(size->findText("A4"));
        QTRY_COMPARE(view.sheet().page, QSize(2480, 3508));
        Board kept(*l.library);
        QVERIFY(kept.load().notices().isEmpty());
        QCOMPARE(kept.choices(), window.board().choices());
        QCOMPARE(kept.choices().title + " " + kept.choices().leftOut.join(','), "Run 2027 blue.png");
        // Saved and printed; the dialogs remember nothing between the two.
        const QString pdf = l.dir->path() + "/out.pdf";
        l.platform.chosenFiles << pdf << l.dir->path() + "/out.png";
        window.findChild<QPushButton*>("cmdSaveBoardPdf")->click();
        window.findChild<QPushButton*>("cmdSaveBoardPicture")->click();
        QCOMPARE(QImage(l.dir->path() + "/out.png").size(), QSize(2480, 3508));
        l.platform.printedTo = l.dir->path() + "/printed.pdf";
        window.findChild<QPushButton*>("cmdPrintBoard")->click();
        for (const QString& file : { pdf, l.platform.printedTo }) {
            QCOMPARE(output("pdftotext", { file, "-" }).simplified(), "Run 2027 I finish the marathon");
        }
        QVERIFY(l.platform.messages.isEmpty());
    }

    // Through the system's print dialog to its PDF printer, the page scaled to the paper.
    void printDialog()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("printed.pdf");
        QtPlatform platform;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            answer.stop();
            // Printing to a file is the dialog's last printer, whatever else the system has.
            auto* printers = dialog->findChild<QComboBox*>("printers");
            printers->setCurrentIndex(printers->count() - 1);
            dialog->findChild<QLineEdit*>("filename")->setText(file);
            dialog->accept();
        });
        answer.start(50);
        QString error;
        const PrintRequest request { "Board", BoardOutput::paperOf({ 2480, 3508 }), { 2480, 3508 },
            [](QPainter& painter) {
                painter.drawText(QRectF(0, 0, 2480, 400), Qt::AlignCenter, "Printed board");
            } };
        QCOMPARE(platform.print(request, &error), PrintResult::Printed);
        QCOMPARE(output("pdftotext", { file, "-" }).simplified(), "Printed board");
        QVERIFY(output("pdfinfo", { file }).contains("(A4)"));
    }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
