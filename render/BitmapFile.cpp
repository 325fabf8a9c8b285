#include "BitmapFile.h"

#include <QDir>

#include "PictureReader.h"

namespace zozavud {

bool ReadBitmapFile(const QString& path, BitmapSample& sample, QString* error) {
    QString reason;
    if (ReadPicture(path, PictureExtent::Corner, sample, &reason)) return true;
    if (error)
        *error = QStringLiteral("Cannot read the bitmap %1: %2.").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

}  // namespace zozavud
