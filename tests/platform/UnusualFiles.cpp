#include "UnusualFiles.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cstring>

namespace zozavud {

bool MakeFifo(const QString& path) { return mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }
bool MakeSocket(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    if (name.size() >= static_cast<qsizetype>(sizeof address.sun_path)) return false;
    std::memcpy(address.sun_path, name.constData(), name.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0) close(fd);
    return bound;
}
bool MakeDevice(const QString& path) {
    return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
}
bool MakeFolder(const QString& path) { return QDir().mkdir(path); }
bool MakeLinkToFifo(const QString& path) {
    return MakeFifo(path + ".fifo") && QFile::link(path + ".fifo", path);
}

}  // namespace zozavud
