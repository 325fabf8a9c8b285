#pragma once
#include <QFont>

namespace zozavud {

// Cell metrics as the Windows font engine reports them: from the font's OS/2
// winAscent and winDescent, scaled to the pixel size and rounded each. Qt's own ascent
// comes from other tables and would place and measure text a few rows off.
struct GdiMetrics {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

GdiMetrics MeasureGdiMetrics(const QFont& font);

// (winAscent + winDescent) / unitsPerEm of the face the font resolves to; 0 if unknown.
double CellHeightPerEm(const QFont& font);

}  // namespace zozavud
