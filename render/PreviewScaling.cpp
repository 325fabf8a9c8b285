#include "PreviewScaling.h"

namespace zozavud {

QImage ScaledPreview(const PreviewDots& dots, int k) {
    QImage image(VisibleColumns * k, LcdRows * k, QImage::Format_RGB32);
    const QRgb back = qRgb(ColorPreviewBack & 0xFF, (ColorPreviewBack >> 8) & 0xFF,
                           (ColorPreviewBack >> 16) & 0xFF);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = dots[(y / k) * VisibleColumns + x / k] ? qRgb(0, 0, 0) : back;
    }
    return image;
}

}  // namespace zozavud
