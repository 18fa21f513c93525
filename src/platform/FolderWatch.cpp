#include "platform/FolderWatch.h"

#include <QFile>
#include <QSocketNotifier>
#include <sys/inotify.h>
#include <unistd.h>

namespace vellumora {

namespace {

// Written covers both a file closed after writing and one written in place by a program that
// keeps it open; attributes cover a file touched or made readable.
constexpr uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE | IN_MODIFY
    | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

} // namespace

FolderWatch::FolderWatch(QObject* parent)
    : QObject(parent)
{
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(kQuietMs);
    m_longest.setSingleShot(true);
    m_longest.setInterval(kLongestMs);
    connect(&m_quiet, &QTimer::timeout, this, &FolderWatch::settle);
    connect(&m_longest, &QTimer::timeout, this, &FolderWatch::settle);
    // Nothing tells of a folder made again where no watch is left, as when the whole library
    // was renamed away and back.
    m_lookForLost.setInterval(kLongestMs / 2);
    connect(&m_lookForLost, &QTimer::timeout, this, &FolderWatch::settle);
    m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_fd >= 0) {
        m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &FolderWatch::readEvents);
    }
}

FolderWatch::~FolderWatch()
{
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool FolderWatch::watch(const QStringList& folders)
{
    for (auto it = m_byWatch.cbegin(); it != m_byWatch.cend(); ++it) {
        ::inotify_rm_watch(m_fd, it.key());
    }
    m_byWatch.clear();
    m_changed.clear();
    m_lost.clear();
    m_lookForLost.stop();
    m_folders = folders;
    for (const QString& folder : folders) {
        addWatch(folder);
    }
    if (!m_lost.isEmpty()) {
        m_lookForLost.start();
    }
    return !m_byWatch.isEmpty();
}

void FolderWatch::addWatch(const QString& folder)
{
    if (m_fd < 0) {
        return;
    }
    const int wd = ::inotify_add_watch(m_fd, QFile::encodeName(folder).constData(), kEvents);
    if (wd >= 0) {
        m_byWatch.insert(wd, folder);
        m_lost.remove(folder);
    } else {
        m_lost.insert(folder);
    }
}

void FolderWatch::readEvents()
{
    alignas(inotify_event) char buffer[16384];
    bool any = false;
    for (;;) {
        const ssize_t length = ::read(m_fd, buffer, sizeof buffer);
        if (length <= 0) {
            break;
        }
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += ssize_t(sizeof(inotify_event)) + event->len;
            any = true;
            if (event->mask & IN_Q_OVERFLOW) {
                // Events were lost: every folder may have changed.
                for (const QString& folder : std::as_const(m_folders)) {
                    m_changed.insert(folder);
                }
                continue;
            }
            const QString folder = m_byWatch.value(event->wd);
            if (folder.isEmpty()) {
                continue;
            }
            m_changed.insert(folder);
            if (event->mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
                ::inotify_rm_watch(m_fd, event->wd);
                m_byWatch.remove(event->wd);
                m_lost.insert(folder);
            }
        }
    }
    if (any) {
        m_quiet.start();
        if (!m_longest.isActive()) {
            m_longest.start();
        }
    }
}

void FolderWatch::settle()
{
    m_quiet.stop();
    m_longest.stop();
    // A folder made again is watched again, and has changed; one still missing is looked for.
    for (const QString& folder : QSet<QString>(m_lost)) {
        addWatch(folder);
        if (!m_lost.contains(folder)) {
            m_changed.insert(folder);
        }
    }
    QStringList folders;
    for (const QString& folder : std::as_const(m_folders)) {
        if (m_changed.contains(folder)) {
            folders.append(folder);
        }
    }
    m_changed.clear();
    if (m_lost.isEmpty()) {
        m_lookForLost.stop();
    } else if (!m_lookForLost.isActive()) {
        m_lookForLost.start();
    }
    if (!folders.isEmpty()) {
        emit changed(folders);
    }
}

} // namespace vellumora
