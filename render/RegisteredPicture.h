#pragma once
// A registered picture drawn flat, as a simulator of the printer's LCD: all 256
// columns, the scroll area (128..255) on a background of its own.

#include <QByteArray>
#include <QImage>

#include "ImageSet.h"
#include "PixelBlock.h"

namespace zozavud {

inline constexpr int AuditorDotScale = 4;

QImage DrawRegisteredPicture(const PixelBlock& pixels, int scale = AuditorDotScale);

// The picture as PNG bytes; empty if encoding failed.
QByteArray RegisteredPicturePng(const PixelBlock& pixels, int scale = AuditorDotScale);

}  // namespace zozavud
