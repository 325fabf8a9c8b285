#pragma once
// The pixels of one glyph as the platform makes them: copied from a face's bitmap, or an
// outline drawn into a box of whole pixels, and cut to the cell.

#include <ft2build.h>
#include FT_FREETYPE_H

#include "FontRules.h"
#include "TextFont.h"

namespace zozavud {

// A 1-bit (or grey, lit from half) FreeType bitmap copied into the glyph, one byte a pixel.
void CopyBitmap(const FT_Bitmap& bitmap, GlyphBits& bits);

// A bitmap glyph taller than the cell keeps its top rows, moved down to the cell's top,
// and loses the rows below the cell: the platform clips the glyph's box, not its picture.
void ClipBitmapToCell(GlyphBits& bits, const CellRows& cell);

// The box around the four corners of a box once slanted.
FT_BBox SlantedBox(const FT_BBox& box, const FT_Matrix& shear);

// Sets the glyph's box to `box` (26.6, relative to the pen and the baseline) floored and
// ceiled outwards to whole pixels, and, with withInk, draws the outline into it: the
// rasteriser's drop-out pixels depend on the box's edges, and this is the box the platform
// draws into. A box that is empty or beyond any em we draw leaves the glyph without pixels.
void DrawOutlineInBox(FT_Library library, FT_Outline& outline, const FT_BBox& box, bool withInk,
                      GlyphBits& bits);

}  // namespace zozavud
