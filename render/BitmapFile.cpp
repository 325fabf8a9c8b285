#include "BitmapFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "BmpDecoder.h"

namespace zozavud {

namespace {

// Files are read whole into memory (a mapped file that another program shortens would
// crash us); pictures beyond this size are refused.
constexpr qint64 MaxFileSize = 256 * 1024 * 1024;

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
    const QByteArray bytes = file.readAll();
    if (bytes.size() != size) {
        *reason = file.errorString();
        return false;
    }
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
