#include "FontRules.h"

#include <algorithm>
#include <cmath>

namespace zozavud {

namespace {

int64_t CellUnits(const FaceUnits& face) { return int64_t{face.WinAscent} + face.WinDescent; }

// a * b / c rounded half away from zero, as the platform's MulDiv.
int64_t MulDivRounded(int64_t a, int64_t b, int64_t c) {
    const int64_t product = a * b;
    return (product + (product >= 0 ? c / 2 : -c / 2)) / c;
}

}  // namespace

int EmPixelsForHeight(int32_t height, const FaceUnits& face) {
    int64_t ppem = 0;
    if (height < 0) {
        ppem = -int64_t{height};
    } else {
        const int64_t cell = CellUnits(face);
        const int64_t asked =
            height == 0 ? DefaultCellPixels : std::min<int64_t>(height, int64_t{MaxEmPixels} * 4);
        if (cell <= 0 || face.UnitsPerEm <= 0) {
            ppem = asked;
        } else {
            // The nearest em, then smaller ones until the whole cell, rounded as one
            // figure, fits the height asked for.
            ppem = MulDivRounded(asked, face.UnitsPerEm, cell);
            while (ppem > 1 && MulDivRounded(ppem, cell, face.UnitsPerEm) > asked) --ppem;
        }
    }
    return static_cast<int>(std::clamp<int64_t>(ppem, 1, MaxEmPixels));
}

CellRows CellRowsAt(const FaceUnits& face, int ppem) {
    if (face.UnitsPerEm <= 0) return {ppem, 0};
    const double scale = double(ppem) / face.UnitsPerEm;
    return {static_cast<int>(std::lround(face.WinAscent * scale)),
            static_cast<int>(std::lround(face.WinDescent * scale))};
}

bool UsesBitmapStrike(const std::vector<int>& strikeEms, int ppem, bool synthesised) {
    if (synthesised) return false;
    return std::find(strikeEms.begin(), strikeEms.end(), ppem) != strikeEms.end();
}

}  // namespace zozavud
