#include "PictureConversionDither.h"

#include <algorithm>
#include <array>

namespace zozavud {

namespace {

struct ErrorShare {
    int Dx, Dy;
    float Weight;
};

constexpr std::array<ErrorShare, 4> FloydSteinberg = {
    {{1, 0, 7 / 16.0f}, {-1, 1, 3 / 16.0f}, {0, 1, 5 / 16.0f}, {1, 1, 1 / 16.0f}}};
// Passes on only 6/8 of the error, which gives cleaner highlights and shadows.
constexpr std::array<ErrorShare, 6> Atkinson = {{{1, 0, 1 / 8.0f},
                                                 {2, 0, 1 / 8.0f},
                                                 {-1, 1, 1 / 8.0f},
                                                 {0, 1, 1 / 8.0f},
                                                 {1, 1, 1 / 8.0f},
                                                 {0, 2, 1 / 8.0f}}};

// The classic 8 x 8 ordered matrix, values 0..63.
constexpr std::array<std::array<uint8_t, 8>, 8> Bayer8 = {{{0, 32, 8, 40, 2, 34, 10, 42},
                                                           {48, 16, 56, 24, 50, 18, 58, 26},
                                                           {12, 44, 4, 36, 14, 46, 6, 38},
                                                           {60, 28, 52, 20, 62, 30, 54, 22},
                                                           {3, 35, 11, 43, 1, 33, 9, 41},
                                                           {51, 19, 59, 27, 49, 17, 57, 25},
                                                           {15, 47, 7, 39, 13, 45, 5, 37},
                                                           {63, 31, 55, 23, 61, 29, 53, 21}}};

template <std::size_t N>
std::vector<uint8_t> Diffuse(const LumaPlane& luma, const std::array<ErrorShare, N>& shares, float level) {
    LumaPlane work = luma;
    std::vector<uint8_t> black(work.Values.size(), 0);
    for (int y = 0; y < work.Height; ++y) {
        // Serpentine: every other row runs right to left, so the error has no drift.
        const bool backwards = (y % 2) == 1;
        for (int i = 0; i < work.Width; ++i) {
            const int x = backwards ? work.Width - 1 - i : i;
            const float value = work.At(x, y);
            const bool dot = value < level;
            black[static_cast<std::size_t>(y) * work.Width + x] = dot ? 1 : 0;
            const float error = value - (dot ? 0.0f : 1.0f);
            for (const ErrorShare& s : shares) {
                const int tx = backwards ? x - s.Dx : x + s.Dx, ty = y + s.Dy;
                if (tx < 0 || tx >= work.Width || ty >= work.Height) continue;
                work.At(tx, ty) += error * s.Weight;
            }
        }
    }
    return black;
}

}  // namespace

float ThresholdLinear(int threshold) { return SrgbToLinear(threshold); }

std::vector<uint8_t> ToBlackAndWhite(const LumaPlane& luma, DitherMethod method, int threshold) {
    const float linear = ThresholdLinear(threshold);
    const float bias = linear - ThresholdLinear(128);
    // Whatever the threshold, pure white stays white and pure black stays black.
    const auto level = [](float value) { return std::clamp(value, 1 / 128.0f, 127 / 128.0f); };
    switch (method) {
        case DitherMethod::None:
            break;  // the plain threshold below
        case DitherMethod::FloydSteinberg:
            return Diffuse(luma, FloydSteinberg, level(0.5f + bias));
        case DitherMethod::Atkinson:
            return Diffuse(luma, Atkinson, level(0.5f + bias));
        case DitherMethod::Bayer: {
            std::vector<uint8_t> black(luma.Values.size(), 0);
            for (int y = 0; y < luma.Height; ++y)
                for (int x = 0; x < luma.Width; ++x) {
                    const float cell = level((Bayer8[y % 8][x % 8] + 0.5f) / 64.0f + bias);
                    black[static_cast<std::size_t>(y) * luma.Width + x] = luma.At(x, y) < cell ? 1 : 0;
                }
            return black;
        }
    }
    std::vector<uint8_t> black(luma.Values.size(), 0);
    for (std::size_t i = 0; i < black.size(); ++i) black[i] = luma.Values[i] < linear ? 1 : 0;
    return black;
}

}  // namespace zozavud
