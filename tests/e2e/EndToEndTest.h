#pragma once

#include "e2e/DesktopSession.h"

#include <QObject>

// Base of the end-to-end test classes: one X display for the whole run, a fresh application
// folder and home for every test function, and every program started stopped after it.
class EndToEndTest : public QObject {
    Q_OBJECT
protected:
    DesktopSession m_session;

private slots:
    void initTestCase();
    void init();
    void cleanup();
};
