// Reading the picture to convert. Unlike the bitmap import, conversion needs the whole
// picture, not just its top-left corner.
#include <QBuffer>
#include <QDir>
#include <QImageReader>

#include "BmpDecoder.h"
#include "PictureConversion.h"
#include "PictureFileBytes.h"

namespace zozavud {

namespace {

// Decoded pixels, bounded so a small file that claims a huge picture cannot exhaust memory.
constexpr qint64 MaxPixels = 64LL * 1024 * 1024;

QImage FromSample(const BitmapSample& sample) {
    QImage image(sample.Columns, sample.Rows, QImage::Format_RGB32);
    for (int y = 0; y < sample.Rows; ++y)
        for (int x = 0; x < sample.Columns; ++x) {
            const int32_t c = sample.At(x, y);
            // A pixel the file leaves undefined is white, as a transparent one is.
            image.setPixel(
                x, y,
                c == ColorOutside ? qRgb(255, 255, 255) : qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    return image;
}

bool Decode(const QByteArray& bytes, QImage& picture, QString* reason) {
    const bool bmp = HasBmpSignature(bytes);
    if (bmp) {
        BitmapSample corner;
        if (!DecodeBmp(bytes, corner, reason)) return false;
        // Small enough to be whole in our own decoder's corner: take its pixels as they are.
        if (corner.Columns == corner.Width && corner.Rows == corner.Height) {
            picture = FromSample(corner);
            return true;
        }
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, bmp ? QByteArray("bmp") : QByteArray());
    reader.setAutoTransform(true);
    const QByteArray format = reader.format().toLower();
    if (!bmp && (format == "bmp" || format == "dib")) {
        *reason = QStringLiteral("the file is not a valid BMP bitmap");
        return false;
    }
    const QSize size = reader.size();
    if (size.isValid() && qint64{size.width()} * size.height() > MaxPixels) {
        *reason = QStringLiteral("the picture is %1 x %2 pixels, more than this program converts")
                      .arg(size.width())
                      .arg(size.height());
        return false;
    }
    QImage image;
    if (!reader.read(&image)) {
        *reason = format.isEmpty()
                      ? QStringLiteral("the file is not a picture in a format this program reads")
                      : reader.errorString();
        return false;
    }
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        *reason = QStringLiteral("the picture has no pixels");
        return false;
    }
    picture = std::move(image);
    return true;
}

}  // namespace

bool ReadPictureFile(const QString& path, QImage& picture, QString* error) {
    QString reason;
    QByteArray bytes;
    if (ReadPictureFileBytes(path, bytes, &reason) && Decode(bytes, picture, &reason)) return true;
    if (error)
        *error =
            QStringLiteral("Cannot read the picture %1: %2.").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

}  // namespace zozavud
