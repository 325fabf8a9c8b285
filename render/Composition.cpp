#include "Composition.h"

namespace zozavud {

namespace {

int32_t CanvasPixel(const CanvasPixels& canvas, int64_t x, int64_t y) {
    if (x < 0 || x >= CanvasWidth || y < 0 || y >= CanvasHeight) return ColorOutside;
    return canvas[static_cast<std::size_t>(y * CanvasWidth + x)];
}

}  // namespace

void ComposeImage(const CanvasPixels& canvas, const PixelLayer& bitmap, int32_t verticalOffset,
                  const AnimationFrame& frame, PixelLayer& rendered, PreviewDots& dots) {
    std::array<int32_t, LcdColumns> row{};
    for (int i = 0; i < LcdRows; ++i) {
        // The offset moves the text only; a lit bitmap pixel wins over the text.
        const int64_t canvasRow = int64_t{i} + verticalOffset;
        for (int s = 0; s < LcdColumns; ++s) {
            const int32_t b = bitmap[LayerIndex(s, i)];
            row[s] = IsPixelOn(b) ? b : CanvasPixel(canvas, s, canvasRow);
        }
        for (int j = 0; j < LcdColumns; ++j)
            rendered[LayerIndex(j, i)] = IsPixelOn(row[j]) ? row[j] : ColorBlank;

        const bool animated = frame.Mode != Animation::None && InAnimationWindow(frame.LineCount, i);
        for (int j = 0; j < VisibleColumns; ++j) {
            int32_t u = row[j];
            if (animated && frame.Mode == Animation::Scroll) {
                int64_t s = int64_t{j} + frame.ScrollPosition;
                s %= LcdColumns;
                if (s < 0) s += LcdColumns;
                u = row[static_cast<std::size_t>(s)];
            } else if (animated && frame.BlinkBlank) {
                u = ColorBlank;
            }
            dots[static_cast<std::size_t>(i * VisibleColumns + j)] = IsPixelOn(u);
        }
    }
}

}  // namespace zozavud
