#pragma once
// The LCD's dots one bit each, as the printer stores a picture: 32 rows of 32 bytes,
// row y, column x at bit 7 - x % 8 of byte 32 * y + x / 8. Rows 25..31 carry nothing.

#include <array>
#include <cstdint>

namespace zozavud {

inline constexpr int PixelBlockRowBytes = 32;
inline constexpr int PixelBlockRows = 32;
inline constexpr int PixelBlockSize = PixelBlockRowBytes * PixelBlockRows;  // 1024

using PixelBlock = std::array<uint8_t, PixelBlockSize>;

constexpr bool PixelBlockDot(const PixelBlock& pixels, int x, int y) {
    return (pixels[y * PixelBlockRowBytes + x / 8] & (0x80 >> (x % 8))) != 0;
}

}  // namespace zozavud
