#include "DocumentIo.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

#include "AtomicFile.h"

namespace zozavud {

bool SaveImageSetFile(const QString& path, const ImageSet& set, QString* error) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(&set), sizeof set);
    return WriteFileAtomically(path, bytes, error);
}

bool LoadImageSetFile(const QString& path, ImageSet& set, QString* error) {
    // A pipe would block the window forever and a directory has no bytes to give.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) *error = QStringLiteral("not a regular file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    // Read into a buffer of its own, so that a short or failing read changes nothing.
    QByteArray bytes(static_cast<qsizetype>(sizeof set), Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        const qint64 n = file.read(bytes.data() + total, bytes.size() - total);
        if (n < 0) {
            if (error) *error = file.errorString();
            return false;
        }
        if (n == 0) break;
        total += n;
    }
    if (total < bytes.size()) {
        if (error)
            *error = QStringLiteral("the file has %1 bytes, fewer than the %2 of a document")
                         .arg(total)
                         .arg(bytes.size());
        return false;
    }
    std::memcpy(&set, bytes.constData(), sizeof set);
    return true;
}

}  // namespace zozavud
