#pragma once
// The one road from a picture file to its pixels, for the bitmap import and for the
// picture conversion alike.

#include <QString>

#include "BitmapSample.h"

namespace zozavud {

// Reads a picture file. Bytes that start like a BMP go to our own strict decoder and
// nowhere else; any other format Qt reads goes through QImageReader, with transparency
// laid over white. Either way a picture is decoded whole only within the pixel limit
// (Qt's readers always decode whole, so the limit holds for them with either extent).
// On failure returns false, leaves sample untouched and says why in reason.
bool ReadPicture(const QString& path, PictureExtent extent, BitmapSample& sample, QString* reason);

}  // namespace zozavud
