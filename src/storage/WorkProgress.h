#pragma once

#include <QtGlobal>
#include <atomic>

namespace vellumora {

// How far a long piece of work has come, counted in files and bytes, and whether the user asked
// it to stop. The work counts on its own thread while the interface reads; every member may be
// called from any thread. Work that sees cancelled() leaves everything as it found it.
class WorkProgress {
public:
    struct Count {
        int files = 0;
        int totalFiles = 0;
        qint64 bytes = 0;
        qint64 totalBytes = 0;
    };

    // Starts counting again towards these totals, as a second stage of the same work does.
    void start(int totalFiles, qint64 totalBytes)
    {
        m_files = 0;
        m_bytes = 0;
        m_totalFiles = totalFiles;
        m_totalBytes = totalBytes;
    }
    void addBytes(qint64 bytes) { m_bytes += bytes; }
    void fileDone()
    {
        if (++m_files == m_cancelAfter) {
            cancel();
        }
    }
    Count count() const { return { m_files, m_totalFiles, m_bytes, m_totalBytes }; }

    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    // Cancels as the user would once this many files are done: for trying what a Cancel leaves.
    void cancelAfterFiles(int files) { m_cancelAfter = files; }

private:
    std::atomic<int> m_files = 0;
    std::atomic<int> m_totalFiles = 0;
    std::atomic<qint64> m_bytes = 0;
    std::atomic<qint64> m_totalBytes = 0;
    std::atomic<bool> m_cancelled = false;
    std::atomic<int> m_cancelAfter = -1;
};

} // namespace vellumora
