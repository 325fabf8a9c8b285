#pragma once
// All 19 pictures at rest in one image, numbered: a preview of the whole document
// without a printer. Drawn from each record's RenderedData as stored, which is exactly
// what a command file sends.

#include <QImage>
#include <QRect>

#include "ImageSet.h"

namespace zozavud {

inline constexpr int ContactSheetColumns = 4;
inline constexpr int ContactSheetMaxScale = 8;

struct ContactSheetLayout {
    int Scale = 2;  // pixels per dot
    int Padding = 0;
    int LabelHeight = 0;
    QSize Cell;
    QSize Sheet;

    explicit ContactSheetLayout(int scale);
    // Where the 256 x 25 dots of image n (1..19) are drawn; the right half is the
    // scroll area.
    QRect PictureRect(int n) const;
    QRect CellRect(int n) const;
};

// The visible 128 columns are black on the preview background; the scroll area is shown,
// dimmed, only for an image that scrolls, since the printer shows no other.
// scale is 1..ContactSheetMaxScale.
QImage DrawContactSheet(const ImageSet& set, int scale);

}  // namespace zozavud
