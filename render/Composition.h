#pragma once
// The pure part of a render: canvas pixels + bitmap layer + animation state ->
// the picture at rest and the preview dots. No fonts, no Qt.

#include <array>
#include <cstdint>

#include "ImageSet.h"

namespace zozavud {

inline constexpr int CanvasWidth = 256;
inline constexpr int CanvasHeight = 48;

// Work canvas colours (0x00BBGGRR), row by row: pixel (x, y) at y * 256 + x.
using CanvasPixels = std::array<int32_t, CanvasWidth * CanvasHeight>;

// The visible 128 x 25 dots of the preview, row by row: dot (j, i) at i * 128 + j.
using PreviewDots = std::array<bool, VisibleColumns * LcdRows>;

enum class Animation { None, Scroll, Blink };

struct AnimationFrame {
    Animation Mode = Animation::None;
    int LineCount = 1;
    int32_t ScrollPosition = 0;
    bool BlinkBlank = false;
};

// The rows that move or blink: 8..22 in a one-line slot, 13..24 in a two-line slot.
constexpr bool InAnimationWindow(int lineCount, int row) {
    return lineCount == 2 ? (row >= 13 && row <= 24) : (row >= 8 && row <= 22);
}

void ComposeImage(const CanvasPixels& canvas, const PixelLayer& bitmap, int32_t verticalOffset,
                  const AnimationFrame& frame, PixelLayer& rendered, PreviewDots& dots);

}  // namespace zozavud
