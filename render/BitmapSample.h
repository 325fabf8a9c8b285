#pragma once
// The pixels read from a picture file: the top-left corner that the LCD layer uses, or
// the whole picture for a conversion that scales it.

#include <QString>
#include <cstdint>
#include <vector>

#include "ImageSet.h"

namespace zozavud {

enum class PictureExtent {
    Corner,  // the top-left LcdColumns x LcdRows, whatever the picture's size
    Whole,   // every pixel, within MaxPicturePixels
};

// Decoded whole, a small file that claims a huge picture must not exhaust memory.
inline constexpr int64_t MaxPicturePixels = 64LL * 1024 * 1024;

// The one guard on decoded pixels: false, with the reason, for a picture too large.
inline bool WithinPixelLimit(int64_t width, int64_t height, QString* reason) {
    if (width * height <= MaxPicturePixels) return true;
    if (reason)
        *reason = QStringLiteral("the picture is %1 x %2 pixels, more than this program reads")
                      .arg(width)
                      .arg(height);
    return false;
}

struct BitmapSample {
    int Width = 0;  // of the whole picture
    int Height = 0;
    int Columns = 0;  // sampled: min(Width, LcdColumns), or Width when whole
    int Rows = 0;     // sampled: min(Height, LcdRows), or Height when whole
    // Row by row, Columns per row, as 0x00BBGGRR. ColorOutside marks a pixel the file
    // leaves undefined (skipped by an RLE stream), which imports as unlit.
    std::vector<int32_t> Colors;

    void Reset(int width, int height, PictureExtent extent = PictureExtent::Corner) {
        const bool whole = extent == PictureExtent::Whole;
        Width = width;
        Height = height;
        Columns = whole || width < LcdColumns ? width : LcdColumns;
        Rows = whole || height < LcdRows ? height : LcdRows;
        Colors.assign(static_cast<std::size_t>(Columns) * Rows, ColorOutside);
    }
    // ColorOutside outside the sampled corner.
    int32_t At(int x, int y) const {
        if (x < 0 || y < 0 || x >= Columns || y >= Rows) return ColorOutside;
        return Colors[static_cast<std::size_t>(y) * Columns + x];
    }
    void Set(int x, int y, int32_t color) { Colors[static_cast<std::size_t>(y) * Columns + x] = color; }
};

// 0x00BBGGRR from 8-bit channels.
constexpr int32_t MakeColorRef(uint32_t red, uint32_t green, uint32_t blue) {
    return static_cast<int32_t>(red | (green << 8) | (blue << 16));
}

}  // namespace zozavud
