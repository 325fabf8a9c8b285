#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

namespace zozavud {

// Held for the whole run; a second copy finds the lock taken. The lock of a copy that
// crashed is taken over, and so is a lock file that names no owner. A lock that cannot
// be made at all (a folder that cannot be written, something else in its place) is a
// fault of its own, with the system's words for it, never mistaken for a second copy. A
// lock file of another user is never a running copy: it is removed, or the lock fails.
// On Windows the test is the platform's own: a named mutex under the title, made by the
// first copy (SingleInstanceWindows.cpp); there is no folder and no lock file.
class SingleInstance {
public:
    // Unguarded: no private folder for the lock could be had, so no check was made.
    enum class Outcome { First, Held, Failed, Unguarded };

    // The lock in the user's private runtime folder (see PrivateLockFolder).
    explicit SingleInstance(const QString& title);
    // The lock in that folder instead, made when missing.
    SingleInstance(const QString& title, const QString& folder);

    Outcome Result() const { return outcome_; }
    bool IsFirst() const { return outcome_ == Outcome::First; }
    bool Failed() const { return outcome_ == Outcome::Failed; }
    // For Failed: the fixed first line with the lock's path, the system's text below.
    // For Unguarded: the folder refused, why, and that the editor runs unguarded.
    QString ErrorText() const { return error_; }
    // The lock file; on Windows the name the hand-over is reached by.
    QString LockPath() const { return path_; }

private:
    void Start(const QString& title, const QString& folder);
    void TakeLock();
    bool RemoveForeignLock();
    void Fail(int systemError);

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::shared_ptr<void> mutex_;  // the named mutex's handle, on Windows
    Outcome outcome_ = Outcome::Held;
    QString error_;
};

}  // namespace zozavud
