#include "SingleInstance.h"

#include <QDir>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "LockAttempt.h"
#include "RuntimeFolder.h"

namespace zozavud {

namespace {

namespace fs = std::filesystem;

fs::path NativePath(const QString& path) { return fs::path(path.toStdU16String()); }

}  // namespace

SingleInstance::SingleInstance(const QString& title) {
    const LockFolder folder = PrivateLockFolder();
    if (!folder.Path.isEmpty()) {
        Start(title, folder.Path);
        return;
    }
    outcome_ = Outcome::Unguarded;
    error_ = QStringLiteral(
                 "Can not create a private folder for the lock file. (%1)\n%2\n"
                 "The editor runs without the single-instance check: other copies are not noticed, "
                 "and files are not handed over to this window.")
                 .arg(QDir::toNativeSeparators(folder.Refused), folder.Reason);
}

SingleInstance::SingleInstance(const QString& title, const QString& folder) { Start(title, folder); }

void SingleInstance::Start(const QString& title, const QString& folder) {
    path_ = QDir(folder).filePath(title + ".lock");
    std::error_code code;
    fs::create_directories(NativePath(folder), code);
    if (code) {
        Fail(code.value());
        return;
    }
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a lock whose owner is gone counts as stale, however old it is.
    lock_->setStaleLockTime(0);
    TakeLock();
}

// A lock file of another user, whatever owner it names, is no lock of ours and goes
// before the lock is tried.
bool SingleInstance::RemoveForeignLock() {
    std::error_code code;
    if (fs::symlink_status(NativePath(path_), code).type() != fs::file_type::regular) return true;
    if (!OwnedByOtherUser(path_)) return true;
    if (fs::remove(NativePath(path_), code); code) Fail(code.value());
    return !Failed();
}

void SingleInstance::TakeLock() {
    using Attempt = LockAttempt::Outcome;
    // A few rounds, for a lock that comes and goes while we look at it.
    for (int round = 0; round < 3; ++round) {
        if (!RemoveForeignLock()) return;
        const LockAttempt attempt = TryLockOnce(*lock_, path_);
        switch (attempt.What) {
            case Attempt::Locked:
                outcome_ = Outcome::First;
                return;
            case Attempt::Held:
                return;
            case Attempt::Again:
                continue;
            case Attempt::NotAFile:
                Fail(attempt.Kind == LockPathKind::Folder ? EISDIR : EEXIST);
                return;
            case Attempt::Stuck:
            case Attempt::CannotCreate:
                Fail(attempt.SystemError);
                return;
        }
    }
}

void SingleInstance::Fail(int systemError) {
    outcome_ = Outcome::Failed;
    error_ = QStringLiteral("Can not create the lock file. (%1)\n%2")
                 .arg(QDir::toNativeSeparators(path_), SystemErrorText(systemError));
}

}  // namespace zozavud
