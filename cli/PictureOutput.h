#pragma once
// The picture files the tool writes: the format follows the name's extension.

#include <QString>

namespace zozavud::cli {

// "PNG", "JPEG" or "BMP" for a path ending in .png, .jpg, .jpeg or .bmp in any case, and
// "PNG" for "-" (stdout); nullptr for any other name, which no format is written under.
const char* PictureFormatFor(const QString& path);
// ".png, .jpg, .jpeg or .bmp": the extensions taken, for the help and the refusal.
QString PictureExtensions();

}  // namespace zozavud::cli
