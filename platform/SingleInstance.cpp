#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace zozavud {

SingleInstance::SingleInstance(const QString& title) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    QDir().mkpath(folder);
    path_ = QDir(folder).filePath(title + ".lock");
    lock_ = std::make_unique<QLockFile>(path_);
    // Only a lock whose owner is gone counts as stale, however old it is.
    lock_->setStaleLockTime(0);
    first_ = lock_->tryLock(0);
}

}  // namespace zozavud
