#include "DocumentIo.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

#include "AtomicFile.h"

namespace zozavud {

bool SaveImageSetFile(const QString& path, const ImageSet& set, QString* error) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(&set), sizeof set);
    return WriteFileAtomically(path, bytes, error);
}

QString NotADocumentReason(qint64 fileSize, const QByteArray& signature) {
    constexpr qint64 documentSize = sizeof(ImageSet);
    if (fileSize != documentSize)
        return QStringLiteral("it is %1 bytes long, a document is %2").arg(fileSize).arg(documentSize);
    if (signature != QByteArrayLiteral("LCD1"))
        return QStringLiteral("it does not begin with the signature \"LCD1\"");
    return {};
}

bool LoadImageSetFile(const QString& path, ImageSet& set, QString* error, QString* notADocument) {
    if (notADocument) notADocument->clear();
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
    // Read into a buffer of its own, so that a short or failing read changes nothing;
    // one byte more than a document tells a longer file.
    QByteArray bytes(static_cast<qsizetype>(sizeof set) + 1, Qt::Uninitialized);
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
    if (total < static_cast<qint64>(sizeof set)) {
        if (error)
            *error = QStringLiteral("the file has %1 bytes, fewer than the %2 of a document")
                         .arg(total)
                         .arg(sizeof set);
        return false;
    }
    std::memcpy(&set, bytes.constData(), sizeof set);
    if (notADocument) *notADocument = NotADocumentReason(std::max(file.size(), total), bytes.left(4));
    return true;
}

}  // namespace zozavud
