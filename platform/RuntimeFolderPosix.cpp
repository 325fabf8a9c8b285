#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#include "RuntimeFolder.h"

namespace zozavud {

namespace {

bool Refuse(QString* reason, const QString& text) {
    if (reason) *reason = text;
    return false;
}

QString SystemText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

}  // namespace

bool MakePrivateFolder(const QString& path, QString* reason) {
    // Cleaned, so that no trailing slash makes lstat follow a link.
    const QByteArray name = QFile::encodeName(QDir::cleanPath(path));
    if (mkdir(name.constData(), 0700) != 0 && errno != EEXIST) return Refuse(reason, SystemText(errno));
    struct stat info {};
    if (lstat(name.constData(), &info) != 0) return Refuse(reason, SystemText(errno));
    if (S_ISLNK(info.st_mode)) return Refuse(reason, QStringLiteral("A symbolic link is in its place"));
    if (!S_ISDIR(info.st_mode)) return Refuse(reason, SystemText(ENOTDIR));
    if (info.st_uid != geteuid())
        return Refuse(reason, QStringLiteral("Owned by another user (uid %1)").arg(info.st_uid));
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return Refuse(reason, QStringLiteral("Other users may write to it (mode %1)")
                                  .arg(info.st_mode & 07777, 4, 8, QChar('0')));
    return true;
}

bool OwnedByOtherUser(const QString& path) {
    struct stat info {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && info.st_uid != geteuid();
}

QString OwnFolderName() { return QStringLiteral("zozavud-%1").arg(geteuid()); }

}  // namespace zozavud
