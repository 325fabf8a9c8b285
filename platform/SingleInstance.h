#pragma once
#include <QLockFile>
#include <QString>
#include <memory>

namespace zozavud {

// Held for the whole run; a second copy finds the lock taken. The lock of a copy that
// crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& title);
    bool IsFirst() const { return first_; }
    QString LockPath() const { return path_; }

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
    bool first_ = false;
};

}  // namespace zozavud
