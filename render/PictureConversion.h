#pragma once
// Any picture into the bitmap layer: read, scale and place, reduce to black and white,
// then store by the bitmap rule, so WideBitmap follows as for a bitmap file.

#include <QImage>
#include <QString>
#include <optional>

#include "BitmapSample.h"
#include "ImageSet.h"
#include "PictureConversionDither.h"
#include "PictureConversionPlace.h"

namespace zozavud {

// The defaults suit logos: a hard threshold at the middle grey, scaled to the height.
struct PictureOptions {
    DitherMethod Dither = DitherMethod::None;
    int Threshold = 128;  // 0..255, sRGB
    PictureFit Fit = PictureFit::Height;
    bool Invert = false;  // swaps the black and white dots of the picture
};

// Reads the whole of a picture file of any format Qt reads; a file that starts like a
// BMP is read by our strict decoder alone, so a broken one is refused rather than half
// read. On failure returns false with error naming the file and the reason.
bool ReadPictureFile(const QString& path, QImage& picture, QString* error);

// Black dots 0x000000, white 0xFFFFFF; the sample's size is the placed picture's.
BitmapSample ConvertPicture(const QImage& picture, const PictureOptions& options, int slotLineCount);

// Reads, converts and stores into the record; on failure changes nothing.
bool ImportPicture(const QString& path, ImageRecord& record, int slotLineCount, const PictureOptions& options,
                   QString* error);

}  // namespace zozavud
