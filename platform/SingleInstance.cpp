#include "SingleInstance.h"

#include <QDir>
#include <QThread>
#include <cerrno>
#include <filesystem>
#include <system_error>

#include "RuntimeFolder.h"

namespace zozavud {

namespace {

namespace fs = std::filesystem;

fs::path NativePath(const QString& path) { return fs::path(path.toStdU16String()); }

// A copy that is starting writes its lock file right after creating it.
constexpr int OwnerWriteWaitMs = 200;

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

// What stands at the lock's path: nothing, a lock file, or something no lock can be.
// Looked at before the lock is tried, since reading a pipe there would block. A file of
// another user, whatever owner it names, is no lock of ours and goes.
bool SingleInstance::PathCanHoldLock(bool& exists) {
    std::error_code code;
    const fs::file_type type = fs::symlink_status(NativePath(path_), code).type();
    exists = type != fs::file_type::not_found;
    if (type == fs::file_type::directory)
        Fail(EISDIR);
    else if (exists && type != fs::file_type::regular)
        Fail(EEXIST);
    else if (exists && OwnedByOtherUser(path_)) {
        exists = false;
        if (fs::remove(NativePath(path_), code); code) Fail(code.value());
    }
    return !Failed();
}

void SingleInstance::TakeLock() {
    // A few rounds, for a lock that comes and goes while we look at it.
    for (int round = 0; round < 3; ++round) {
        bool exists = false;
        if (!PathCanHoldLock(exists)) return;
        errno = 0;
        if (lock_->tryLock(0)) {
            outcome_ = Outcome::First;
            return;
        }
        const int openError = errno;
        if (lock_->error() != QLockFile::LockFailedError) {
            const bool denied = lock_->error() == QLockFile::PermissionError;
            Fail(openError != 0 ? openError : denied ? EACCES : EIO);
            return;
        }
        // A file is at the lock's path: the lock of a running copy, or no lock at all.
        if (!PathCanHoldLock(exists)) return;
        if (!exists) continue;
        qint64 pid = 0;
        QString host, application;
        if (lock_->getLockInfo(&pid, &host, &application)) return;  // held by a running copy
        QThread::msleep(OwnerWriteWaitMs);
        if (lock_->getLockInfo(&pid, &host, &application)) return;
        lock_->removeStaleLockFile();
    }
}

void SingleInstance::Fail(int systemError) {
    outcome_ = Outcome::Failed;
    const std::string text = std::error_code(systemError, std::generic_category()).message();
    error_ = QStringLiteral("Can not create the lock file. (%1)\n%2")
                 .arg(QDir::toNativeSeparators(path_), QString::fromLocal8Bit(text.c_str()));
}

}  // namespace zozavud
