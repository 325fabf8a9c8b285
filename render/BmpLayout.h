#pragma once
// What a BMP file's headers say about its pixels, checked against the bytes it holds.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace zozavud {

enum class BmpEncoding { Plain, Rle8, Rle4, Rle24 };

// One colour channel of a 16- or 32-bit pixel.
struct BmpChannel {
    uint32_t Mask = 0;
    int Shift = 0;
    int Bits = 0;
};

struct BmpLayout {
    int Width = 0;   // positive
    int Height = 0;  // positive; TopDown tells the row order
    bool TopDown = false;
    int BitsPerPixel = 0;
    BmpEncoding Encoding = BmpEncoding::Plain;
    BmpChannel Red, Green, Blue;   // 16 and 32 bits per pixel
    std::vector<int32_t> Palette;  // 0x00BBGGRR; at most 2^BitsPerPixel entries
    uint64_t PixelOffset = 0;      // first byte of the pixel array or RLE stream
    uint64_t PixelBytes = 0;       // bytes of pixel data the file holds from there
    uint64_t RowStride = 0;        // plain rows, padded to four bytes
};

// Reads and checks the headers, colour table and masks. A plain pixel array must be
// wholly present; an RLE stream is checked while it is decoded.
bool ParseBmpLayout(const QByteArray& bytes, BmpLayout& layout, QString* error);

}  // namespace zozavud
