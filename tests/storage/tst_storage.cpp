#include "platform/LibraryFolder.h"
#include "storage/NativePath.h"
#include "storage/QuotedFields.h"
#include "support/TestFiles.h"
#include "support/UnprivilegedFileAccess.h"

#include <QtTest>

using namespace vellumora;

namespace {

// Every file below the folder, by its path there, with its bytes.
QMap<QString, QByteArray> filesBelow(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), readBytes(NativePath(path)));
    }
    return files;
}

void setWritable(const QStringList& folders, bool writable)
{
    for (const QString& folder : folders) {
        QFile::setPermissions(folder,
            QFile::ReadOwner | QFile::ExeOwner | (writable ? QFile::WriteOwner : QFile::Permissions()));
    }
}

} // namespace

// The reader and the name rule every data file of the program goes through.
class TestStorage : public QObject {
    Q_OBJECT
private slots:
    // Each line read, its fields joined by '|'; a quote left open shows as a leading '<'.
    void fieldsOfHandWrittenLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF, LF and CR")
            << "\"a\",x\r\n\"b\"\n\"c\"\r\"d\"" << QStringList { "a|x", "b", "c", "d" };
        QTest::newRow("blank lines left out") << "\r\n  \r\n\"a\"\r\n\r\n" << QStringList { "a" };
        QTest::newRow("blanks around a bare field")
            << "  I am calm  ,\t#TRUE# " << QStringList { "I am calm|#TRUE#" };
        QTest::newRow("a comma ends a bare field") << "I act, now" << QStringList { "I act|now" };
        QTest::newRow("text after the closing quote")
            << "\"b\" junk,#FALSE# trailing" << QStringList { "b|#FALSE# trailing" };
        QTest::newRow("quote left open to the line's end")
            << "\"a, b\r\n\"c\"" << QStringList { "<a, b", "c" };
        QTest::newRow("quote inside a bare field")
            << "  say\"cheese\".jpg ,x" << QStringList { "say\"cheese\".jpg|x" };
        QTest::newRow("empty fields") << "\"\",," << QStringList { "||" };
    }

    void fieldsOfHandWrittenLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QStringList read;
        for (QStringView line : textLines(text)) {
            QStringList fields;
            for (const QuotedField& field : splitFields(line)) {
                fields << (field.closed ? field.text : '<' + field.text);
            }
            read << fields.join('|');
        }
        QCOMPARE(read, lines);
    }

    // A field is written so that it reads back as it was; one that holds both a comma and a
    // double quote, which no form can hold, gets typographic quotes.
    void fieldsReadBackAsWritten()
    {
        for (const QString field : { "a, b", "He said \"go\"", "\"a, b\"", "" }) {
            const QString kept
                = field.contains(',') && field.contains('"') ? withoutDoubleQuotes(field) : field;
            QCOMPARE(splitFields(quoteField(field)).value(0).text, kept);
        }
    }

    // A name read from a file names a file in its own folder, or nothing.
    void namesStayInTheirFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        QTest::newRow("plain") << "Holiday.JPG" << true;
        QTest::newRow("dots inside") << "my..trip.jpg" << true;
        QTest::newRow("accented") << "Santé" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parent") << ".." << false;
        QTest::newRow("separator") << "a/b" << false;
        QTest::newRow("climbs out") << "../item.txt" << false;
        QTest::newRow("backslash") << "..\\item.txt" << false;
        QTest::newRow("absolute") << "/etc/passwd" << false;
        QTest::newRow("control character") << "a\tb.jpg" << false;
        QTest::newRow("too long for a file name") << QString(256, 'a') << false;
    }

    void namesStayInTheirFolder()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeFileName(name), safe);
    }

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

        const QStringList programFolders { program, program + "/system", program + "/SystemFolder" };
        setWritable(programFolders, false);
        QMap<QString, QByteArray> installed = filesBelow(program);
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

        // A folder that cannot be made, or a file in its place: one clear refusal, nothing left.
        const QString home = root.filePath("home");
        QVERIFY(QDir(home).removeRecursively() && QDir().mkpath(home));
        setWritable({ home }, false);
        {
            UnprivilegedFileAccess asUser;
            const LibraryFolder::Choice refused = LibraryFolder::choose(program, user);
            QVERIFY(refused.folder.isEmpty());
            QVERIFY2(refused.problem.startsWith(QString("Vellumora cannot keep your library in \"%1\", so it "
                                                        "cannot start.\n")
                                                    .arg(user)),
                qPrintable(refused.problem));
        }
        setWritable({ home }, true);
        QVERIFY(QDir(home).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(QDir().mkpath(home + "/.local/share") && writeBytes(NativePath(user), "a file"));
        QVERIFY(LibraryFolder::choose(program, user).folder.isEmpty());
        QCOMPARE(readBytes(NativePath(user)), "a file");
        setWritable(programFolders, true);
    }

    // The first copy is the starter set in the user's language, where one is installed.
    void copyInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("copied");
        QTest::newRow("German in Austria") << "de_AT"
                                           << "starters/de";
        QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                              << "starters/pt_BR";
        QTest::newRow("Portuguese in Portugal") << "pt_PT"
                                                << "";
        QTest::newRow("English") << "en_GB"
                                 << "starters/en";
        QTest::newRow("no set for Japanese") << "ja_JP"
                                             << "";
    }

    void copyInTheUsersLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, copied);
        QTemporaryDir program;
        for (const char* set : { "de", "en", "pt_BR" }) {
            QVERIFY(QDir().mkpath(program.filePath(QString("starters/") + set + "/system")));
        }
        QCOMPARE(LibraryFolder::copiedLibrary(program.path(), QLocale(locale)),
            copied.isEmpty() ? program.path() : program.filePath(copied));
    }
};

QTEST_MAIN(TestStorage)
#include "tst_storage.moc"
