#include <QDir>
#include <QFileInfo>

#include "RuntimeFolder.h"

namespace zozavud {

// The runtime and temporary folders lie in the user's own profile here, and a local socket
// is a named pipe: the folder is accepted as it is.
bool MakePrivateFolder(const QString& path, QString* reason) {
    if (QDir().mkpath(path) && QFileInfo(path).isDir()) return true;
    if (reason) *reason = QStringLiteral("Not a directory");
    return false;
}

bool OwnedByOtherUser(const QString&) { return false; }

QString OwnFolderName() { return QStringLiteral("zozavud"); }

}  // namespace zozavud
