#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

#include "KeptPermissions.h"

namespace zozavud {

KeptPermissions KeptPermissions::Of(const QString& path) {
    KeptPermissions kept;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode)) return kept;
    kept.known_ = true;
    kept.mode_ = info.st_mode & 07777;
    kept.owner_ = info.st_uid;
    kept.group_ = info.st_gid;
    return kept;
}

bool KeptPermissions::GiveTo(QFileDevice& replacement, QString* error) const {
    if (!known_) return true;
    const int fd = replacement.handle();
    struct stat now {};
    if (fd < 0 || ::fstat(fd, &now) != 0) {
        if (error) *error = QStringLiteral("cannot look at the new file's permissions");
        return false;
    }
    // Only root may give a file away. A group we are not in cannot be given either; the
    // file then has ours, as any new one would (the old one was writable by everyone).
    const uid_t owner = geteuid() == 0 ? static_cast<uid_t>(owner_) : now.st_uid;
    const gid_t group = static_cast<gid_t>(group_);
    if (now.st_uid != owner || now.st_gid != group) (void)::fchown(fd, owner, group);
    // After the owner, since a change of owner clears the set-id bits.
    if (::fchmod(fd, static_cast<mode_t>(mode_)) != 0) {
        if (error)
            *error = QStringLiteral("cannot give the new file the old one's permissions (%1): %2")
                         .arg(mode_, 4, 8, QLatin1Char('0'))
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}

}  // namespace zozavud
