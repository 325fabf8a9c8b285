#include "LockAttempt.h"

#include <QThread>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <system_error>

namespace zozavud {

namespace {

namespace fs = std::filesystem;

fs::path NativePath(const QString& path) { return fs::path(path.toStdU16String()); }

// An owner that is starting writes its lock file right after creating it.
constexpr int OwnerWriteWaitMs = 200;
// A lock file holds a few short lines; anything longer is not one, and is never read.
constexpr std::uintmax_t MaxLockFileSize = 64 * 1024;

bool TooLongForALock(const QString& path) {
    std::error_code code;
    const std::uintmax_t size = fs::file_size(NativePath(path), code);
    return !code && size > MaxLockFileSize;
}

// After a failed removal: an owner still holding it, a lock gone meanwhile, or stuck.
LockAttempt AfterFailedRemoval(int removeError) {
    if (removeError == EWOULDBLOCK || removeError == EAGAIN) return {LockAttempt::Outcome::Held};
    if (removeError == ENOENT) return {LockAttempt::Outcome::Again};
    return {LockAttempt::Outcome::Stuck, LockPathKind::File, removeError != 0 ? removeError : EACCES};
}

LockAttempt RemoveOwnerless(QLockFile& lock) {
    errno = 0;
    if (lock.removeStaleLockFile()) return {LockAttempt::Outcome::Again};
    return AfterFailedRemoval(errno);
}

LockAttempt TakeOverOwnerless(QLockFile& lock, const QString& path) {
    qint64 pid = 0;
    QString host, application;
    if (lock.getLockInfo(&pid, &host, &application)) return {LockAttempt::Outcome::Held};
    QThread::msleep(OwnerWriteWaitMs);
    // Looked at again before the second read: it may have been replaced meanwhile.
    if (LookAtLockPath(path) != LockPathKind::File) return {LockAttempt::Outcome::Again};
    if (lock.getLockInfo(&pid, &host, &application)) return {LockAttempt::Outcome::Held};
    return RemoveOwnerless(lock);
}

}  // namespace

LockPathKind LookAtLockPath(const QString& path) {
    std::error_code code;
    switch (fs::symlink_status(NativePath(path), code).type()) {
        case fs::file_type::not_found:
            return LockPathKind::Nothing;
        case fs::file_type::regular:
            return LockPathKind::File;
        case fs::file_type::directory:
            return LockPathKind::Folder;
        case fs::file_type::symlink:
            return LockPathKind::Symlink;
        case fs::file_type::fifo:
            return LockPathKind::Fifo;
        case fs::file_type::socket:
            return LockPathKind::Socket;
        case fs::file_type::block:
        case fs::file_type::character:
            return LockPathKind::Device;
        default:
            return LockPathKind::Other;
    }
}

QString DescribeLockPath(const QString& path, LockPathKind kind) {
    switch (kind) {
        case LockPathKind::Nothing:
            return QStringLiteral("nothing");
        case LockPathKind::File:
            return QStringLiteral("a file");
        case LockPathKind::Folder:
            return QStringLiteral("a folder");
        case LockPathKind::Symlink: {
            std::error_code code;
            const fs::path target = fs::read_symlink(NativePath(path), code);
            if (code) return QStringLiteral("a symbolic link");
            return QStringLiteral("a symbolic link to %1").arg(QString::fromStdU16String(target.u16string()));
        }
        case LockPathKind::Fifo:
            return QStringLiteral("a FIFO");
        case LockPathKind::Socket:
            return QStringLiteral("a socket");
        case LockPathKind::Device:
            return QStringLiteral("a device");
        case LockPathKind::Other:
            break;
    }
    return QStringLiteral("something other than a file");
}

LockAttempt TryLockOnce(QLockFile& lock, const QString& path) {
    using Outcome = LockAttempt::Outcome;
    LockPathKind kind = LookAtLockPath(path);
    if (kind != LockPathKind::Nothing && kind != LockPathKind::File) return {Outcome::NotAFile, kind};
    // Trying the lock reads what is there: a file too long for a lock is removed unread.
    if (kind == LockPathKind::File && TooLongForALock(path)) return RemoveOwnerless(lock);
    errno = 0;
    if (lock.tryLock(0)) return {Outcome::Locked};
    const int openError = errno;
    if (lock.error() != QLockFile::LockFailedError) {
        const bool denied = lock.error() == QLockFile::PermissionError;
        return {Outcome::CannotCreate, kind, openError != 0 ? openError : denied ? EACCES : EIO};
    }
    // A file is there: the lock of a running owner, or no lock at all.
    kind = LookAtLockPath(path);
    if (kind == LockPathKind::Nothing) return {Outcome::Again};
    if (kind != LockPathKind::File) return {Outcome::NotAFile, kind};
    return TakeOverOwnerless(lock, path);
}

QString SystemErrorText(int systemError) {
    const std::string text = std::error_code(systemError, std::generic_category()).message();
    return QString::fromLocal8Bit(text.c_str());
}

}  // namespace zozavud
