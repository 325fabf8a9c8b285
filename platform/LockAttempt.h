#pragma once
// One try at a QLockFile, shared by the single-instance lock and the document lock.
// What stands at the lock's path is looked at first, without following a symlink, so
// that nothing is ever opened there that could block (a FIFO) or give bytes without end
// (a link to /dev/zero). A lock file that names no owner (empty, as a crash can leave,
// or garbage) is taken over after a short wait for an owner that is still writing it.

#include <QLockFile>
#include <QString>

namespace zozavud {

enum class LockPathKind { Nothing, File, Folder, Symlink, Fifo, Socket, Device, Other };

// What stands at path, a symlink taken as itself.
LockPathKind LookAtLockPath(const QString& path);
// For a message: "a folder", "a FIFO", "a symbolic link to /dev/zero"...
QString DescribeLockPath(const QString& path, LockPathKind kind);

struct LockAttempt {
    enum class Outcome {
        Locked,
        // A running owner holds it: try again later.
        Held,
        // A lock that named no owner was removed, or the lock went away: try again now.
        Again,
        // A lock that names no owner that cannot be removed (SystemError says why).
        Stuck,
        // Something that no lock can be stands at the path (Kind says what).
        NotAFile,
        // No lock file can be made there (SystemError says why).
        CannotCreate,
    };
    Outcome What = Outcome::Held;
    LockPathKind Kind = LockPathKind::Nothing;
    int SystemError = 0;
};

LockAttempt TryLockOnce(QLockFile& lock, const QString& path);

// The system's words for an error number.
QString SystemErrorText(int systemError);

}  // namespace zozavud
