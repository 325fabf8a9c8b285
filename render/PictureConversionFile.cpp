// Reading the picture to convert. Unlike the bitmap import, conversion needs the whole
// picture, not just its top-left corner.
#include <QDir>

#include "PictureConversion.h"
#include "PictureReader.h"

namespace zozavud {

namespace {

QImage ToImage(const BitmapSample& sample) {
    QImage image(sample.Columns, sample.Rows, QImage::Format_RGB32);
    for (int y = 0; y < sample.Rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < sample.Columns; ++x) {
            const int32_t c = sample.At(x, y);
            // A pixel the file leaves undefined is white, as a transparent one is.
            line[x] =
                c == ColorOutside ? qRgb(255, 255, 255) : qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        }
    }
    return image;
}

}  // namespace

bool ReadPictureFile(const QString& path, QImage& picture, QString* error) {
    QString reason;
    BitmapSample whole;
    if (ReadPicture(path, PictureExtent::Whole, whole, &reason)) {
        picture = ToImage(whole);
        return true;
    }
    if (error)
        *error =
            QStringLiteral("Cannot read the picture %1: %2.").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

}  // namespace zozavud
