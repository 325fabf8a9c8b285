#pragma once
// The top-left corner of a picture, which is all the LCD layer ever uses.

#include <cstdint>
#include <vector>

#include "ImageSet.h"

namespace zozavud {

struct BitmapSample {
    int Width = 0;  // of the whole picture
    int Height = 0;
    int Columns = 0;  // sampled: min(Width, LcdColumns)
    int Rows = 0;     // sampled: min(Height, LcdRows)
    // Row by row, Columns per row, as 0x00BBGGRR. ColorOutside marks a pixel the file
    // leaves undefined (skipped by an RLE stream), which imports as unlit.
    std::vector<int32_t> Colors;

    void Reset(int width, int height) {
        Width = width;
        Height = height;
        Columns = width < LcdColumns ? width : LcdColumns;
        Rows = height < LcdRows ? height : LcdRows;
        Colors.assign(static_cast<std::size_t>(Columns) * Rows, ColorOutside);
    }
    // ColorOutside outside the sampled corner.
    int32_t At(int x, int y) const {
        if (x < 0 || y < 0 || x >= Columns || y >= Rows) return ColorOutside;
        return Colors[static_cast<std::size_t>(y) * Columns + x];
    }
    void Set(int x, int y, int32_t color) {
        Colors[static_cast<std::size_t>(y) * Columns + x] = color;
    }
};

// 0x00BBGGRR from 8-bit channels.
constexpr int32_t MakeColorRef(uint32_t red, uint32_t green, uint32_t blue) {
    return static_cast<int32_t>(red | (green << 8) | (blue << 16));
}

}  // namespace zozavud
