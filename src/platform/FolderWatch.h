#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QSocketNotifier;

namespace vellumora {

// Tells which of a few folders had entries added, removed, renamed or written by anyone, once a
// burst of changes has settled. The folders themselves are watched, not their files: an editor or
// a sync tool replaces a file by renaming a new one over it, and a watch on the old file would be
// lost with it. A folder that goes is looked for twice a second, and watched again, and told of
// as changed, once it is back.
class FolderWatch : public QObject {
    Q_OBJECT
public:
    // A burst has settled when nothing changed for this long...
    static constexpr int kQuietMs = 100;
    // ...or, while changes go on and on, after this long.
    static constexpr int kLongestMs = 1000;

    explicit FolderWatch(QObject* parent = nullptr);
    ~FolderWatch() override;

    // Watches these folders from now on, and no others; false when the system watches none.
    bool watch(const QStringList& folders);
    QStringList folders() const { return m_folders; }

signals:
    // The watched folders with changes, in the order they were given.
    void changed(const QStringList& folders);

private:
    void readEvents();
    void settle();
    void addWatch(const QString& folder);

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QStringList m_folders;
    QHash<int, QString> m_byWatch;
    QSet<QString> m_changed;
    // Folders that went, to be watched again once the burst settles.
    QSet<QString> m_lost;
    QTimer m_quiet;
    QTimer m_longest;
    QTimer m_lookForLost;
};

} // namespace vellumora
