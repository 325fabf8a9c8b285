#include "PictureConversionPlace.h"

#include <algorithm>
#include <cmath>

#include "ImageSet.h"

namespace zozavud {

namespace {

// At least one pixel, and never more than a sane bound, whatever the aspect ratio.
int ScaledLength(double length) { return static_cast<int>(std::clamp(std::lround(length), 1L, 1L << 24)); }

QSize ScaledSize(QSize picture, PictureFit fit, int frameWidth) {
    const double w = picture.width(), h = picture.height();
    switch (fit) {
        case PictureFit::None:
            return picture;
        case PictureFit::Width:
            return {frameWidth, ScaledLength(h * frameWidth / w)};
        case PictureFit::Height:
            return {ScaledLength(w * LcdRows / h), LcdRows};
        case PictureFit::Contain: {
            const double scale = std::min(frameWidth / w, LcdRows / h);
            return {std::min(frameWidth, ScaledLength(w * scale)),
                    std::min(LcdRows, ScaledLength(h * scale))};
        }
    }
    return picture;
}

}  // namespace

PicturePlacement PlacePicture(QSize picture, PictureFit fit, int slotLineCount) {
    PicturePlacement p;
    if (picture.isEmpty()) return p;
    const int frameWidth = slotLineCount == 2 ? LcdColumns : VisibleColumns;
    p.Scaled = ScaledSize(picture, fit, frameWidth);
    if (fit == PictureFit::None) {
        p.Offset = {0, 0};
        p.Sample = picture;
        p.Window = QRect(0, 0, std::min(picture.width(), LcdColumns), std::min(picture.height(), LcdRows));
        return p;
    }
    const int w = p.Scaled.width(), h = p.Scaled.height();
    int x = 0, sampleWidth = 0;
    if (w <= VisibleColumns) {
        x = (VisibleColumns - w) / 2;
        sampleWidth = VisibleColumns;
    } else {
        sampleWidth = std::min(w, frameWidth);
    }
    const int y = (LcdRows - h) / 2;  // negative when taller: cut evenly above and below
    p.Offset = {x, y};
    p.Sample = {sampleWidth, LcdRows};
    const QRect layer(0, 0, sampleWidth, LcdRows);
    p.Window = QRect(QPoint(x, y), p.Scaled).intersected(layer).translated(-x, -y);
    return p;
}

}  // namespace zozavud
