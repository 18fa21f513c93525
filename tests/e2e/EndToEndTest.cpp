#include "e2e/EndToEndTest.h"

#include <QTest>

void EndToEndTest::initTestCase()
{
    if (!m_session.startDisplay()) {
        QFAIL(qPrintable(m_session.error()));
    }
}

void EndToEndTest::init()
{
    QVERIFY2(m_session.prepareFolders(), qPrintable(m_session.error()));
}

void EndToEndTest::cleanup()
{
    m_session.stopPrograms();
}
