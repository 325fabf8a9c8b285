#pragma once
// The pure rules of the text layer: what a record's height asks of a face, and
// when a face's own bitmaps draw the glyphs instead of its outlines.

#include <cstdint>
#include <vector>

namespace zozavud {

// The face's vertical design figures, in font units.
struct FaceUnits {
    int UnitsPerEm = 0;
    int WinAscent = 0;   // OS/2 usWinAscent (or hhea ascender when the face has no OS/2)
    int WinDescent = 0;  // OS/2 usWinDescent (or -hhea descender)
};

// Font sizes from a loaded file are not trusted; this keeps rasterising bounded.
inline constexpr int MaxEmPixels = 1024;
// What a height of 0 stands for: the platform's default, a 16-pixel cell.
inline constexpr int DefaultCellPixels = 16;

// The pixels per em a record's height asks for: a negative height is the em itself, a
// positive one the cell (ascent + descent) the em is scaled to fill, never one that would
// make the cell taller than asked, 0 the default cell.
// The result lies in 1..MaxEmPixels.
int EmPixelsForHeight(int32_t height, const FaceUnits& face);

// Ascent and descent in whole pixels at ppem, each rounded on its own.
struct CellRows {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};
CellRows CellRowsAt(const FaceUnits& face, int ppem);

// A face's bitmap strike draws the glyphs when one is made for exactly this em and the
// glyphs are drawn as designed; a made-up bold or slant needs the outlines.
bool UsesBitmapStrike(const std::vector<int>& strikeEms, int ppem, bool synthesised);

}  // namespace zozavud
