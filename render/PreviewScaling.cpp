#include "PreviewScaling.h"

#include <algorithm>
#include <cstring>

namespace zozavud {

QImage ScaledPreview(const PreviewDots& dots, int k) {
    QImage image(VisibleColumns * k, LcdRows * k, QImage::Format_RGB32);
    const QRgb back =
        qRgb(ColorPreviewBack & 0xFF, (ColorPreviewBack >> 8) & 0xFF, (ColorPreviewBack >> 16) & 0xFF);
    const QRgb ink = qRgb(0, 0, 0);
    const std::size_t lineBytes = static_cast<std::size_t>(image.width()) * sizeof(QRgb);
    for (int i = 0; i < LcdRows; ++i) {
        // Draw one line of the dot row, then copy it to the row's other k - 1 lines.
        auto* first = reinterpret_cast<QRgb*>(image.scanLine(i * k));
        for (int j = 0; j < VisibleColumns; ++j)
            std::fill_n(first + j * k, k, dots[i * VisibleColumns + j] ? ink : back);
        for (int copy = 1; copy < k; ++copy) std::memcpy(image.scanLine(i * k + copy), first, lineBytes);
    }
    return image;
}

}  // namespace zozavud
