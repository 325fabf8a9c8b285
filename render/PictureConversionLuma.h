#pragma once
// A picture as linear-light luminance, and its area-averaging resampler. Working in
// linear light keeps the tone of a photo when it is shrunk and later dithered.

#include <QImage>
#include <QRect>
#include <vector>

namespace zozavud {

// Row by row, 0 black .. 1 white, linear light.
struct LumaPlane {
    int Width = 0;
    int Height = 0;
    std::vector<float> Values;

    void Reset(int width, int height, float fill = 1.0f) {
        Width = width;
        Height = height;
        Values.assign(static_cast<std::size_t>(width) * height, fill);
    }
    float At(int x, int y) const { return Values[static_cast<std::size_t>(y) * Width + x]; }
    float& At(int x, int y) { return Values[static_cast<std::size_t>(y) * Width + x]; }
};

// An 8-bit sRGB channel value in linear light.
float SrgbToLinear(int value);

// Rec. 709 luma of the linearised channels; transparency is laid over white in linear
// light, so a transparent pixel is white.
LumaPlane LinearLuma(const QImage& picture);

// The part `window` of the picture scaled to scaledWidth x scaledHeight. Each output
// pixel is the mean of the source area it covers; the window must lie inside the
// scaled size. Scaling to the same size copies exactly.
LumaPlane ResampleWindow(const LumaPlane& source, int scaledWidth, int scaledHeight, const QRect& window);

}  // namespace zozavud
