#pragma once
// The exclusive lock every writer of a document holds while it reads, changes and
// writes it, so that two writers at once never lose each other's changes.

#include <QLockFile>
#include <QString>
#include <memory>

namespace zozavud {

struct LockAttempt;

class DocumentLock {
public:
    // How long a writer waits for another to finish before it gives up.
    static constexpr int DefaultWaitMs = 20000;

    // The lock is a file beside the document ("NAME.lock"), named from the document's
    // real path, so that a symlink and its target share one lock. Nothing is locked yet.
    explicit DocumentLock(const QString& documentPath);
    ~DocumentLock();
    DocumentLock(const DocumentLock&) = delete;
    DocumentLock& operator=(const DocumentLock&) = delete;

    enum class Result {
        Locked,
        // Another writer still held it after the wait; error says so.
        Busy,
        // No lock file can be made there (missing or read-only folder): neither can the
        // document be written, and that write reports its own reason.
        Unavailable,
        // Something that no lock can be (a folder, FIFO, symlink, device or socket) stands
        // at the lock's path, and is left as it is; error names it. Refused at once.
        Refused,
    };
    // Whether the writer must stop (and tell error) rather than go on to its write.
    static bool StopsTheWrite(Result result) { return result == Result::Busy || result == Result::Refused; }
    // Waits up to waitMs. A lock that names no running owner on this host (left by a
    // writer that died, or empty or garbage) is taken over.
    Result Acquire(int waitMs = DefaultWaitMs, QString* error = nullptr);
    QString LockPath() const { return lockPath_; }

private:
    Result GiveUp(const LockAttempt& last, int waitMs, QString* error) const;

    QString lockPath_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace zozavud
