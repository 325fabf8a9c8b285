#include "RuntimeFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace zozavud {

LockFolder PrivateLockFolder() {
    // Qt gives no runtime folder when the one it would use is not ours: the shared temporary
    // folder itself is never a place for the lock.
    LockFolder folder;
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && MakePrivateFolder(runtime, &folder.Reason)) {
        folder.Path = runtime;
        return folder;
    }
    const QString own = QDir(QDir::tempPath()).filePath(OwnFolderName());
    if (MakePrivateFolder(own, &folder.Reason))
        folder.Path = own;
    else
        folder.Refused = own;
    return folder;
}

}  // namespace zozavud
