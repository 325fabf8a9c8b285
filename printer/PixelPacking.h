#pragma once
// The colour test over a whole RenderedData layer, three ways: a portable loop and two
// vector forms picked at run time. All give the same bytes.

#include <cstdint>

#include "ImageSet.h"

namespace zozavud {

enum class PackingPath { Portable, Sse2, Avx2 };

// Writes rows 0..24 of the 32-byte-per-row dot block; rows 25..31 are not touched.
// The first form takes the fastest path this processor has; the second is for tests
// and must only be given a path that PackingPathAvailable accepts.
void PackRows(const ImageRecord& record, uint8_t* block);
void PackRows(const ImageRecord& record, uint8_t* block, PackingPath path);

bool PackingPathAvailable(PackingPath path);

}  // namespace zozavud
