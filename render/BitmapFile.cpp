#include "BitmapFile.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include "BmpDecoder.h"
#include "PictureFileBytes.h"

namespace zozavud {

namespace {

uint32_t OverWhite(int channel, int alpha) {
    return static_cast<uint32_t>((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

bool ReadWithQt(const QByteArray& bytes, BitmapSample& sample, QString* reason) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // BMP bytes never reach Qt's BMP reader: it hands back pixels it never decoded.
    const QByteArray format = reader.format().toLower();
    if (format == "bmp" || format == "dib") {
        *reason = QStringLiteral("the file is not a valid BMP bitmap");
        return false;
    }
    QImage image;
    if (!reader.read(&image)) {
        *reason = format.isEmpty()
                      ? QStringLiteral("the file is not a picture in a format this program reads")
                      : reader.errorString();
        return false;
    }
    image.convertTo(QImage::Format_ARGB32);
    BitmapSample corner;
    corner.Reset(image.width(), image.height());
    for (int y = 0; y < corner.Rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < corner.Columns; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            corner.Set(x, y,
                       MakeColorRef(OverWhite(qRed(p), a), OverWhite(qGreen(p), a),
                                    OverWhite(qBlue(p), a)));
        }
    }
    sample = std::move(corner);
    return true;
}

bool ReadCorner(const QString& path, BitmapSample& sample, QString* reason) {
    QByteArray bytes;
    if (!ReadPictureFileBytes(path, bytes, reason)) return false;
    if (HasBmpSignature(bytes)) return DecodeBmp(bytes, sample, reason);
    return ReadWithQt(bytes, sample, reason);
}

}  // namespace

bool ReadBitmapFile(const QString& path, BitmapSample& sample, QString* error) {
    QString reason;
    if (ReadCorner(path, sample, &reason)) return true;
    if (error)
        *error = QStringLiteral("Cannot read the bitmap %1: %2.")
                     .arg(QDir::toNativeSeparators(path), reason);
    return false;
}

}  // namespace zozavud
