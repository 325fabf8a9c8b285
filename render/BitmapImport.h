#pragma once
// Fills and empties the bitmap layer of an image record.

#include <QString>

#include "BitmapSample.h"
#include "ImageSet.h"

namespace zozavud {

// Reads the picture; on failure returns false with a clear message and changes nothing.
// Setting Modified and rendering is the caller's job.
bool ImportBitmap(const QString& path, ImageRecord& record, int slotLineCount, QString* error);

// The layer from the sampled corner: lit colours kept, everything else 0xFFFFFF.
void StoreBitmapSample(const BitmapSample& sample, ImageRecord& record, int slotLineCount);

// All 0xFFFFFF, WideBitmap 0.
void ClearBitmapData(ImageRecord& record);

}  // namespace zozavud
