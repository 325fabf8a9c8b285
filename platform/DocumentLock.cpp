#include "DocumentLock.h"

#include <QFileInfo>

namespace zozavud {

namespace {

QString RealPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();  // empty when the file is missing
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

DocumentLock::DocumentLock(const QString& documentPath)
    : lockPath_(RealPath(documentPath) + QStringLiteral(".lock")),
      lock_(std::make_unique<QLockFile>(lockPath_)) {
    // A long edit must not look stale: only a lock whose owner is gone is taken over.
    lock_->setStaleLockTime(0);
}

DocumentLock::~DocumentLock() = default;  // QLockFile unlocks and removes its file

DocumentLock::Result DocumentLock::Acquire(int waitMs, QString* error) {
    if (lock_->tryLock(waitMs)) return Result::Locked;
    if (lock_->error() != QLockFile::LockFailedError) {
        if (error) *error = QStringLiteral("cannot create the lock file %1").arg(lockPath_);
        return Result::Unavailable;
    }
    if (error)
        *error = QStringLiteral("another program is changing it (its lock %1 was still held after %2 s)")
                     .arg(lockPath_)
                     .arg(waitMs / 1000.0);
    return Result::Busy;
}

}  // namespace zozavud
