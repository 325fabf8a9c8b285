#pragma once
#include <QString>

#include "BitmapSample.h"

namespace zozavud {

// Reads the top-left corner of a picture file: BMP through our own decoder, any other
// format Qt reads through QImageReader, with transparency laid over white. On failure
// returns false, leaves sample untouched and error names the file and the reason.
bool ReadBitmapFile(const QString& path, BitmapSample& sample, QString* error);

}  // namespace zozavud
