#pragma once
// Our own strict BMP reader: it refuses truncated and malformed files instead of
// inventing pixels. For the LCD layer it decodes only the corner, so a picture of any
// declared size costs no more memory than 256 x 25 colours; whole pictures are bounded
// by the pixel limit.

#include <QByteArray>
#include <QString>

#include "BitmapSample.h"

namespace zozavud {

// True when the bytes start like a BMP file; such bytes are for DecodeBmp only.
bool HasBmpSignature(const QByteArray& bytes);

// Decodes the top-left corner (or the whole) of a BMP file held in memory. Safe on any
// bytes: on failure returns false, leaves sample untouched and says why in error.
bool DecodeBmp(const QByteArray& bytes, BitmapSample& sample, QString* error,
               PictureExtent extent = PictureExtent::Corner);

}  // namespace zozavud
