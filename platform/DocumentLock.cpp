#include "DocumentLock.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <algorithm>

#include "LockAttempt.h"

namespace zozavud {

namespace {

QString RealPath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();  // empty when the file is missing
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

// How often a waiting writer looks whether the lock was given back.
constexpr int RetryMs = 100;

}  // namespace

DocumentLock::DocumentLock(const QString& documentPath)
    : lockPath_(RealPath(documentPath) + QStringLiteral(".lock")),
      lock_(std::make_unique<QLockFile>(lockPath_)) {
    // A long edit must not look stale: only a lock whose owner is gone is taken over.
    lock_->setStaleLockTime(0);
}

DocumentLock::~DocumentLock() = default;  // QLockFile unlocks and removes its file

DocumentLock::Result DocumentLock::Acquire(int waitMs, QString* error) {
    using Attempt = LockAttempt::Outcome;
    QElapsedTimer clock;
    clock.start();
    int removed = 0;
    for (;;) {
        const LockAttempt attempt = TryLockOnce(*lock_, lockPath_);
        switch (attempt.What) {
            case Attempt::Locked:
                return Result::Locked;
            case Attempt::NotAFile:
                if (error)
                    *error = QStringLiteral("its lock file %1 is %2, not a file; it is left as it is")
                                 .arg(lockPath_, DescribeLockPath(lockPath_, attempt.Kind));
                return Result::Refused;
            case Attempt::CannotCreate:
                if (error)
                    *error = QStringLiteral("cannot create the lock file %1: %2")
                                 .arg(lockPath_, SystemErrorText(attempt.SystemError));
                return Result::Unavailable;
            case Attempt::Again:
            case Attempt::Held:
            case Attempt::Stuck:
                break;
        }
        // A lock taken over is tried again at once, but a few times only: something that
        // keeps putting one back is waited for like an owner.
        if (attempt.What == Attempt::Again && ++removed < 3) continue;
        const qint64 left = waitMs - clock.elapsed();
        if (left <= 0) return GiveUp(attempt, waitMs, error);
        QThread::msleep(std::min<qint64>(left, RetryMs));
    }
}

DocumentLock::Result DocumentLock::GiveUp(const LockAttempt& last, int waitMs, QString* error) const {
    if (!error) return Result::Busy;
    if (last.What == LockAttempt::Outcome::Stuck)
        *error = QStringLiteral("its lock file %1 names no owner that can be read, and cannot be removed: %2")
                     .arg(lockPath_, SystemErrorText(last.SystemError));
    else
        *error = QStringLiteral("another program is changing it (its lock %1 was still held after %2 s)")
                     .arg(lockPath_)
                     .arg(waitMs / 1000.0);
    return Result::Busy;
}

}  // namespace zozavud
