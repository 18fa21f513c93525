#pragma once

#include "library/Library.h"
#include "shell/MainWindow.h"
#include "support/ApplicationFolder.h"
#include "support/FakePlatform.h"

#include <QRandomGenerator>
#include <QTest>
#include <memory>
#include <type_traits>
#include <vector>

namespace vellumora {

// A temporary application folder, a fake platform on it, and the main window loaded from it.
struct MainWindowFixture {
    // A fresh folder and platform; no window yet.
    void reset();
    // Opens the library and builds the main window on it, as a start of the program does; a window
    // loaded before is dropped first.
    MainWindow& load();
    QString path(const QString& relative) const { return dir->filePath(relative); }

    // The window's control of that name. One that is missing fails the test and is replaced by
    // a stand-in, so the test ends with its failure instead of a crash.
    template <typename T> T* find(const QString& name) const
    {
        static_assert(std::is_default_constructible_v<T>, "find controls by a Qt class that can stand in");
        if (T* found = window ? window->findChild<T*>(name) : nullptr) {
            return found;
        }
        QTest::qFail(qPrintable(QStringLiteral("no control named ") + name), __FILE__, __LINE__);
        auto standIn = std::make_unique<T>();
        T* result = standIn.get();
        standIns.push_back(std::move(standIn));
        return result;
    }
    // The texts of the rows the list of that name shows.
    QStringList listed(const QString& list) const;
    // Pictures 1.png, 2.png, ... of these colours, listed as if added in that order.
    void addPictures(const QList<QColor>& colours) const;
    QString lastMessage() const
    {
        return platform->messages.isEmpty() ? QString() : platform->messages.last().text;
    }

    std::unique_ptr<TemporaryFolder> dir;
    std::unique_ptr<FakePlatform> platform;
    std::unique_ptr<Library> library;
    std::unique_ptr<MainWindow> window;
    mutable std::vector<std::unique_ptr<QObject>> standIns;
    QRandomGenerator random { 1 };
};

} // namespace vellumora
