#pragma once
// Builds BMP files of every layout from a picture, for the decoder tests.

#include <QByteArray>
#include <cstdint>
#include <ostream>
#include <vector>

namespace zozavud::test {

// Colours are 0x00BBGGRR, row 0 at the top.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<int32_t> Colors;
    int32_t At(int x, int y) const { return Colors[static_cast<std::size_t>(y) * Width + x]; }
};

// A busy pattern over the given colours, so that row order and bit packing both show.
Picture MakePattern(int width, int height, const std::vector<int32_t>& colors);

struct BmpVariant {
    const char* Name;
    uint32_t HeaderSize;  // 12, 16, 40, 52, 56, 64, 108 or 124
    int BitsPerPixel;
    uint32_t Compression;  // as stored in the header
    bool TopDown = false;
    uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha for the bit-field layouts
};
inline void PrintTo(const BmpVariant& variant, std::ostream* out) { *out << variant.Name; }

// The picture in the variant's layout; colours are looked up in a palette built from
// the picture (at most 2^BitsPerPixel of them) or packed through the masks.
// Header size fields and bfSize are filled in unless told to leave them zero.
QByteArray WriteBmp(const Picture& picture, const BmpVariant& variant, bool fillSizes = true);

}  // namespace zozavud::test
