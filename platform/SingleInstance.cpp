#include "SingleInstance.h"

#include "LockAttempt.h"

#include <QDir>
#include <QStandardPaths>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace zozavud {

namespace {

namespace fs = std::filesystem;

fs::path NativePath(const QString& path) { return fs::path(path.toStdU16String()); }

QString LockFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? QDir::tempPath() : folder;
}

}  // namespace

SingleInstance::SingleInstance(const QString& title) : SingleInstance(title, LockFolder()) {}

SingleInstance::SingleInstance(const QString& title, const QString& folder)
    : path_(QDir(folder).filePath(title + ".lock")) {
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

void SingleInstance::TakeLock() {
    using Attempt = LockAttempt::Outcome;
    // A few rounds, for a lock that comes and goes while we look at it.
    for (int round = 0; round < 3; ++round) {
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
