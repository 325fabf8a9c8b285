#pragma once
// Where a converted picture goes in the 256 x 25 layer: pure geometry.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zozavud {

enum class PictureFit { None, Width, Height, Contain };

struct PicturePlacement {
    QSize Scaled;   // the whole picture after scaling
    QPoint Offset;  // of the scaled picture's top-left corner in the layer; may be negative
    QSize Sample;   // the picture size handed to the bitmap rule (decides WideBitmap)
    QRect Window;   // the part of the scaled picture that lands in the layer, in its own coordinates
};

// The frame is 128 x 25 in a one-line slot and 256 x 25 in a two-line slot. Scaled
// pictures up to 128 wide are centred in the visible columns, wider ones start at the
// left edge and are cut at the frame; vertically they are centred and cut. --fit none
// keeps the picture as it is at the top-left corner, exactly as a bitmap file is taken.
PicturePlacement PlacePicture(QSize picture, PictureFit fit, int slotLineCount);

}  // namespace zozavud
