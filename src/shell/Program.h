#pragma once

#include <QList>
#include <QObject>
#include <QRandomGenerator>
#include <memory>

namespace vellumora {

class Library;
class MainWindow;
class Platform;
enum class LaterStart;

// The life of the process: start-up with its single-instance guard and update reminder, and the
// one orderly way of ending.
class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(Platform& platform);
    ~Program() override;

    // True when the main window, or the show, is up and the event loop should run; false when the
    // program has already ended (another copy runs, or the main window could not load).
    // showAtOnce: the show starts first; the main window only where it is refused.
    bool start(bool showAtOnce = false);
    void remindOfUpdate();
    // Closes every window and ends the process; later calls do nothing.
    void end();

private:
    Platform& m_platform;
    // The one generator behind every random choice of the program, seeded at start-up.
    QRandomGenerator m_random;
    std::unique_ptr<Library> m_library;
    std::unique_ptr<MainWindow> m_main;
    bool m_ending = false;
    // Whether the main window or the show is up; until then later starts' requests wait here.
    bool m_up = false;
    QList<LaterStart> m_waiting;
};

} // namespace vellumora
