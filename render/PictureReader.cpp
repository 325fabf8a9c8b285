#include "PictureReader.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include "BmpDecoder.h"
#include "PictureFileBytes.h"

namespace zozavud {

namespace {

uint32_t OverWhite(int channel, int alpha) {
    return static_cast<uint32_t>((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

bool ReadWithQt(const QByteArray& bytes, PictureExtent extent, BitmapSample& sample, QString* reason) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    // BMP bytes never reach Qt's BMP reader: it hands back pixels it never decoded.
    const QByteArray format = reader.format().toLower();
    if (format == "bmp" || format == "dib") {
        *reason = QStringLiteral("the file is not a valid BMP bitmap");
        return false;
    }
    const QSize size = reader.size();
    if (size.isValid() && !WithinPixelLimit(size.width(), size.height(), reason)) return false;
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
    image.convertTo(QImage::Format_ARGB32);
    BitmapSample read;
    read.Reset(image.width(), image.height(), extent);
    for (int y = 0; y < read.Rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < read.Columns; ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            read.Set(x, y,
                     MakeColorRef(OverWhite(qRed(p), a), OverWhite(qGreen(p), a), OverWhite(qBlue(p), a)));
        }
    }
    sample = std::move(read);
    return true;
}

}  // namespace

bool ReadPicture(const QString& path, PictureExtent extent, BitmapSample& sample, QString* reason) {
    QString why;
    QByteArray bytes;
    const bool read = ReadPictureFileBytes(path, bytes, &why) &&
                      (HasBmpSignature(bytes) ? DecodeBmp(bytes, sample, &why, extent)
                                              : ReadWithQt(bytes, extent, sample, &why));
    if (!read && reason) *reason = why;
    return read;
}

}  // namespace zozavud
