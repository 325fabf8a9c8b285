#pragma once
#include <QString>
#include <cstdint>

#include "BitmapSample.h"
#include "BmpLayout.h"

namespace zozavud {

// Walks a whole RLE4, RLE8 or RLE24 stream (bottom-up by nature) and keeps the pixels
// of the sampled corner; pixels the stream skips stay ColorOutside. Any run or jump
// outside the picture, bad colour index or early end of data fails.
bool DecodeBmpRle(const uint8_t* data, uint64_t size, const BmpLayout& layout, BitmapSample& sample,
                  QString* error);

}  // namespace zozavud
