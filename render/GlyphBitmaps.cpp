#include "GlyphBitmaps.h"

#include FT_OUTLINE_H

#include <algorithm>
#include <climits>
#include <vector>

namespace zozavud {

void CopyBitmap(const FT_Bitmap& bitmap, GlyphBits& bits) {
    bits.Width = static_cast<int>(bitmap.width);
    bits.Rows = static_cast<int>(bitmap.rows);
    bits.Ink.assign(size_t(bits.Width) * bits.Rows, 0);
    for (int r = 0; r < bits.Rows; ++r) {
        const unsigned char* row = bitmap.buffer + std::ptrdiff_t(r) * bitmap.pitch;
        for (int c = 0; c < bits.Width; ++c) {
            const bool on = bitmap.pixel_mode == FT_PIXEL_MODE_MONO
                                ? (row[c >> 3] & (0x80 >> (c & 7))) != 0
                                : bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && row[c] >= 128;
            bits.Ink[size_t(r) * bits.Width + c] = on ? 1 : 0;
        }
    }
}

void ClipBitmapToCell(GlyphBits& bits, const CellRows& cell) {
    const int top = std::min(bits.Top, cell.Ascent);
    const int bottom = std::max(bits.Top - bits.Rows, -cell.Descent);
    const int keep = std::clamp(top - bottom, 0, bits.Rows);
    bits.Ink.resize(size_t(keep) * size_t(bits.Width));
    bits.Rows = keep;
    bits.Top = top;
}

FT_BBox SlantedBox(const FT_BBox& box, const FT_Matrix& shear) {
    FT_BBox out{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (const FT_Pos x : {box.xMin, box.xMax})
        for (const FT_Pos y : {box.yMin, box.yMax}) {
            FT_Vector v{x, y};
            FT_Vector_Transform(&v, &shear);
            out.xMin = std::min(out.xMin, v.x);
            out.xMax = std::max(out.xMax, v.x);
            out.yMin = std::min(out.yMin, v.y);
            out.yMax = std::max(out.yMax, v.y);
        }
    return out;
}

void DrawOutlineInBox(FT_Library library, FT_Outline& outline, const FT_BBox& box, bool withInk,
                      GlyphBits& bits) {
    const FT_Pos left = box.xMin & -64, right = (box.xMax + 63) & -64;
    const FT_Pos bottom = box.yMin & -64, top = (box.yMax + 63) & -64;
    const long width = (right - left) >> 6, rows = (top - bottom) >> 6;
    if (width <= 0 || rows <= 0 || width > 4 * MaxEmPixels || rows > 4 * MaxEmPixels) return;
    bits.Left = static_cast<int>(left >> 6);
    bits.Top = static_cast<int>(top >> 6);
    bits.Width = static_cast<int>(width);
    bits.Rows = static_cast<int>(rows);
    bits.Inked = withInk;
    if (!withInk) return;
    std::vector<unsigned char> buffer(size_t(rows) * size_t((width + 7) / 8));
    FT_Bitmap target{};
    target.width = static_cast<unsigned>(width);
    target.rows = static_cast<unsigned>(rows);
    target.pitch = static_cast<int>((width + 7) / 8);
    target.pixel_mode = FT_PIXEL_MODE_MONO;
    target.buffer = buffer.data();
    FT_Outline_Translate(&outline, -left, -bottom);
    if (FT_Outline_Get_Bitmap(library, &outline, &target) == 0)
        CopyBitmap(target, bits);
    else
        bits.Width = bits.Rows = 0;
}

}  // namespace zozavud
