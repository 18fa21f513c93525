#pragma once

#include "shell/frmMain.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace vellumora {

// A temporary application folder, a fake platform on it, and the main window loaded from it.
struct MainWindowFixture {
    // A fresh folder and platform; no window yet.
    void reset();
    // Builds the main window and runs its load; a window loaded before is dropped first.
    frmMain& load();
    QString path(const QString& relative) const { return dir->filePath(relative); }

    template <typename T> T* find(const QString& name) const
    {
        T* found = window ? window->findChild<T*>(name) : nullptr;
        if (!found) {
            QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        }
        return found;
    }

    std::unique_ptr<TemporaryFolder> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<frmMain> window;
    QRandomGenerator random { 1 };
};

} // namespace vellumora
