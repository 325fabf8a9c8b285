#include "RegisteredPicture.h"

#include <QBuffer>
#include <QPainter>

namespace zozavud {

namespace {

const QColor VisibleBack(0xC8, 0xD8, 0xA8);
const QColor ScrollBack(0xA8, 0xB4, 0xC8);
const QColor VisibleDot(0x18, 0x20, 0x10);
const QColor ScrollDot(0x18, 0x1C, 0x38);

}  // namespace

QImage DrawRegisteredPicture(const PixelBlock& pixels, int scale) {
    QImage image(LcdColumns * scale, LcdRows * scale, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(0, 0, VisibleColumns * scale, image.height(), VisibleBack);
    painter.fillRect(VisibleColumns * scale, 0, (LcdColumns - VisibleColumns) * scale, image.height(),
                     ScrollBack);
    for (int y = 0; y < LcdRows; ++y)
        for (int x = 0; x < LcdColumns; ++x)
            if (PixelBlockDot(pixels, x, y))
                painter.fillRect(x * scale, y * scale, scale, scale,
                                 x < VisibleColumns ? VisibleDot : ScrollDot);
    return image;
}

QByteArray RegisteredPicturePng(const PixelBlock& pixels, int scale) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !DrawRegisteredPicture(pixels, scale).save(&buffer, "PNG"))
        return {};
    return bytes;
}

}  // namespace zozavud
