#pragma once
// Reading and writing a whole .lcd document.

#include <QString>

#include "ImageSet.h"

namespace zozavud {

// Writes the set through a temporary file renamed over path; the old file stays on failure.
bool SaveImageSetFile(const QString& path, const ImageSet& set, QString* error = nullptr);

// Reads the whole file first; only a file of at least the set's size replaces the set
// (its first 1,054,720 bytes). Anything else, a directory, pipe or device included,
// leaves the set untouched and returns false.
bool LoadImageSetFile(const QString& path, ImageSet& set, QString* error = nullptr);

}  // namespace zozavud
