#include "e2e/EndToEndTest.h"

#include <QFile>
#include <QTest>

class TestLibraryEndToEnd : public EndToEndTest {
    Q_OBJECT
private slots:
    void firstRunWritesTheIndex()
    {
        for (const char* name : { "Work", "Health", "Joy" }) {
            QFile file(m_session.appFolder() + "/system/" + name + ".txt");
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("\"I am calm\",#TRUE#\r\n");
        }
        const QString index = m_session.appFolder() + "/item.txt";
        QVERIFY(!QFile::exists(index));

        m_session.startProgram();
        QVERIFY(!m_session.waitForWindow(QStringLiteral("Vellumora v1.0")).isEmpty());
        QFile file(index);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"Health\",#FALSE#\r\n\"Joy\",#FALSE#\r\n\"Work\",#FALSE#\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestLibraryEndToEnd)
#include "tst_e2e_library.moc"
