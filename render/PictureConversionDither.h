#pragma once
// Turning linear-light luminance into black and white dots.

#include <cstdint>
#include <vector>

#include "PictureConversionLuma.h"

namespace zozavud {

enum class DitherMethod { None, FloydSteinberg, Atkinson, Bayer };

// The linear-light value of an 8-bit sRGB threshold.
float ThresholdLinear(int threshold);

// One flag per pixel, row by row, true for a black dot.
// None: black where the luminance is below the threshold's linear value.
// The dithering methods keep the tone; their levels sit at the middle of linear light
// for threshold 128 and move by as much as the threshold's linear value moves.
std::vector<uint8_t> ToBlackAndWhite(const LumaPlane& luma, DitherMethod method, int threshold);

}  // namespace zozavud
