#include "ProcessRun.h"

#include "Figures.h"
#include "Measuring.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace vellumora::bench {

namespace {

constexpr qint64 kQuietMs = 1000;
constexpr qint64 kGiveUpMs = 30 * 60'000;

// User and system CPU time of the process, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return -1;
    }
    // The fields after the command, which may hold blanks and brackets itself.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

struct Connection {
    ~Connection()
    {
        if (xcb) {
            xcb_disconnect(xcb);
        }
    }
    xcb_connection_t* xcb = nullptr;
};

qint64 windowPid(xcb_connection_t* xcb, xcb_window_t window, xcb_atom_t pidAtom)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&free)> reply(
        xcb_get_property_reply(
            xcb, xcb_get_property(xcb, false, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4) {
        return -1;
    }
    return *static_cast<const quint32*>(xcb_get_property_value(reply.get()));
}

} // namespace

QProcessEnvironment programEnvironment(const QString& home)
{
    QDir().mkpath(home + QStringLiteral("/runtime"));
    QFile::setPermissions(
        home + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home + QStringLiteral("/runtime"));
    for (const char* name : { "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "QT_QPA_PLATFORM" }) {
        environment.remove(QString::fromLatin1(name));
    }
    return environment;
}

bool placeProgram(const QString& executable, const QString& folder)
{
    const QString target = QDir(folder).filePath(QFileInfo(executable).fileName());
    // With its sound and speech module, which it opens from its own folder.
    const QString module = QStringLiteral("modules/vellumora-media.so");
    return QFile::copy(executable, target)
        && QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
        && QDir(folder).mkpath(QStringLiteral("modules"))
        && QFile::copy(QFileInfo(executable).dir().filePath(module), QDir(folder).filePath(module));
}

ProcessFigures runProgram(const QString& folder, const QString& home)
{
    ProcessFigures figures;
    Connection connection;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return figures;
    }
    connection.xcb = xcb_connect(nullptr, nullptr);
    xcb_connection_t* xcb = connection.xcb;
    if (xcb_connection_has_error(xcb)) {
        return figures;
    }
    // Every window mapped on the screen is reported; the program's carries its process id.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(xcb)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(xcb, root, XCB_CW_EVENT_MASK, &mask);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
        xcb_intern_atom_reply(xcb, xcb_intern_atom(xcb, false, 11, "_NET_WM_PID"), nullptr), &free);
    if (!atom) {
        return figures;
    }
    xcb_flush(xcb);

    QProcess program;
    program.setProcessEnvironment(programEnvironment(home));
    program.setProgram(QDir(folder).filePath(QStringLiteral("Vellumora")));
    program.setStandardOutputFile(QProcess::nullDevice());
    program.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer clock;
    clock.start();
    program.start();
    if (!program.waitForStarted()) {
        return figures;
    }
    const qint64 pid = program.processId();

    pollfd display { xcb_get_file_descriptor(xcb), POLLIN, 0 };
    qint64 ticks = 0;
    qint64 changedAt = 0;
    while (clock.elapsed() < kGiveUpMs && program.state() == QProcess::Running) {
        ::poll(&display, 1, 10);
        while (xcb_generic_event_t* event = xcb_poll_for_event(xcb)) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && figures.windowShownMs == 0) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (windowPid(xcb, map->window, atom->atom) == pid) {
                    figures.windowShownMs = clock.nsecsElapsed() / 1e6;
                }
            }
            free(event);
        }
        const qint64 now = cpuTicks(pid);
        if (now != ticks) {
            ticks = now;
            changedAt = clock.elapsed();
        }
        if (figures.windowShownMs > 0 && clock.elapsed() - changedAt >= kQuietMs) {
            figures.settledMs = double(changedAt);
            figures.settledRss = rssMegabytes(pid);
            figures.measured = true;
            break;
        }
    }
    program.terminate();
    if (!program.waitForFinished(10'000)) {
        program.kill();
        program.waitForFinished();
    }
    return figures;
}

// The real program, started from its exec on a library of the same photos: once with an empty
// thumbnail cache, then again with the cache it made.
void measureProcess(Figures& figures, const QStringList& photos)
{
    QTemporaryDir root;
    const QString folder = prepareApplicationFolder(root, photos);
    const QString executable = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Vellumora");
    if (!placeProgram(executable, folder)) {
        std::printf("the program: %s cannot be placed; not measured\n", qPrintable(executable));
        return;
    }
    const QString home = root.filePath(QStringLiteral("home"));
    const ProcessFigures cold = runProgram(folder, home);
    const ProcessFigures warm = runProgram(folder, home);
    if (!cold.measured || !warm.measured) {
        std::printf("the program: not measured (it needs an X display)\n");
        return;
    }
    figures.processWindowShown = cold.windowShownMs;
    figures.processCold = cold.settledMs;
    figures.processWarm = warm.settledMs;
    figures.processRssCold = cold.settledRss;
    figures.processRssWarm = warm.settledRss;
    report("the program: window mapped, from exec", figures.processWindowShown, "ms", "< 500 ms");
    report("the program: all thumbnails, cold cache", figures.processCold, "ms", "");
    report("the program: all thumbnails, warm cache", figures.processWarm, "ms", "< 1000 ms");
    std::printf("  (window mapped %.0f ms from exec with the warm cache)\n", warm.windowShownMs);
    report("the program: steady RSS, cold cache", figures.processRssCold, "MB", "< 60 MB");
    report("the program: steady RSS, warm cache", figures.processRssWarm, "MB", "< 60 MB");
}

} // namespace vellumora::bench
