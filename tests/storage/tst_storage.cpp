#include "platform/LibraryFolder.h"
#include "storage/NativePath.h"
#include "support/FileSizeLimit.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace vellumora;

// The fields every data file of the program is written in, and where the library is kept.
class TestStorage : public QObject {
    Q_OBJECT
private slots:
    // A program folder the user may not write gets them a copy of its library in their own
    // folder: once, whole, never over anything, and the program folder as it was.
    void libraryKeptWhereTheUserMayWrite()
    {
        QTemporaryDir root;
        const QString program = root.filePath("usr/lib/vellumora");
        const QString user = root.filePath("home/.local/share/vellumora");
        QVERIFY(QDir().mkpath(program + "/system") && QDir().mkpath(program + "/SystemFolder"));
        QVERIFY(writeBytes(NativePath(program + "/item.txt"), "\"Joy\",#TRUE#\r\n"));
        QVERIFY(writeBytes(NativePath(program + "/system/Joy.txt"), "\"I am calm\",#TRUE#\r\n"));
        QVERIFY(writeSolidPicture(program + "/SystemFolder/Sun.png", Qt::yellow));
        QVERIFY(writeBytes(NativePath(program + "/SystemFolder/record.txt"), "\"Sun.png\"\r\n"));
        QVERIFY(QFile::link("/etc/passwd", program + "/system/Link.txt"));
        QCOMPARE(LibraryFolder::choose(program, user).folder, program);
        QVERIFY(!QFileInfo::exists(user));

        QCOMPARE(QProcess::execute("chmod", { "-R", "a-w", program }), 0);
        QMap<QString, QByteArray> installed = filesBelow(program);
        // A copy cut short by a full disk: one clear refusal, nothing left.
        const LibraryFolder::Choice refused = [&] {
            const FileSizeLimit full(16);
            return LibraryFolder::choose(program, user);
        }();
        const QString problem = "Vellumora cannot keep your library in \"%1\", so it cannot start.\n";
        QVERIFY2(refused.folder.isEmpty() && refused.problem.startsWith(problem.arg(user)),
            qPrintable(refused.problem));
        QVERIFY(QDir(root.filePath("home/.local/share"))
                    .isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QCOMPARE(LibraryFolder::choose(program, user).folder, user);
        installed.remove("system/Link.txt");
        QCOMPARE(filesBelow(user), installed);
        QVERIFY(LibraryFolder::writableByMode(user + "/system/Joy.txt"));
        QVERIFY(writeBytes(NativePath(user + "/system/Joy.txt"), "\"mine\",#TRUE#\r\n"));
        const QMap<QString, QByteArray> edited = filesBelow(user);
        QCOMPARE(LibraryFolder::choose(program, user).folder, user);
        QCOMPARE(filesBelow(user), edited);
        installed.insert("system/Link.txt", readBytes(NativePath("/etc/passwd")));
        QCOMPARE(filesBelow(program), installed);

        // A file in the way is refused and left as it was.
        QVERIFY(QDir(user).removeRecursively() && writeBytes(NativePath(user), "a file"));
        QVERIFY(LibraryFolder::choose(program, user).folder.isEmpty());
        QCOMPARE(readBytes(NativePath(user)), "a file");
        QCOMPARE(QProcess::execute("chmod", { "-R", "u+w", program }), 0);
    }

    // The first copy is the starter set in the user's language, where one is installed.
    void copyInTheUsersLanguage()
    {
        QTemporaryDir program;
        QVERIFY(QDir().mkpath(program.filePath("starters/de/system")));
        QCOMPARE(
            LibraryFolder::copiedLibrary(program.path(), QLocale("de_AT")), program.filePath("starters/de"));
        QCOMPARE(LibraryFolder::copiedLibrary(program.path(), QLocale("ja_JP")), program.path());
    }
};

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
