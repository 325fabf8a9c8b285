#pragma once
// Reading and writing a whole .lcd document.

#include <QString>

#include "ImageSet.h"

namespace zozavud {

// Writes the set through a temporary file renamed over path; the old file stays on failure.
bool SaveImageSetFile(const QString& path, const ImageSet& set, QString* error = nullptr);

// Reads the whole file first; only a file of at least the set's size replaces the set
// (its first 1,054,720 bytes). Anything else, a directory, pipe or device included,
// leaves the set untouched and returns false. A file that was read but is not exactly a
// document (longer than one, or not beginning "LCD1") sets notADocument to why; it is
// emptied otherwise.
bool LoadImageSetFile(const QString& path, ImageSet& set, QString* error = nullptr,
                      QString* notADocument = nullptr);

// Why a file of fileSize bytes whose first four are signature is not a document, or
// empty when it is one.
QString NotADocumentReason(qint64 fileSize, const QByteArray& signature);

}  // namespace zozavud
