#include "PictureFileBytes.h"

#include <QFile>
#include <QFileInfo>

namespace zozavud {

namespace {
constexpr qint64 MaxFileSize = 256 * 1024 * 1024;
}

bool ReadPictureFileBytes(const QString& path, QByteArray& bytes, QString* reason) {
    const QFileInfo info(path);
    if (!info.exists()) {
        *reason = QStringLiteral("the file does not exist");
        return false;
    }
    if (!info.isFile()) {
        *reason = QStringLiteral("it is not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = file.errorString();
        return false;
    }
    const qint64 size = file.size();
    if (size <= 0) {
        *reason = QStringLiteral("the file is empty");
        return false;
    }
    if (size > MaxFileSize) {
        *reason = QStringLiteral("the file is larger than 256 MB");
        return false;
    }
    bytes = file.readAll();
    if (bytes.size() != size) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace zozavud
