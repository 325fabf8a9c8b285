#include "BmpLayout.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace zozavud {

namespace {

constexpr uint64_t FileHeaderSize = 14;
constexpr uint32_t CoreHeaderSize = 12;  // OS/2 1.x
constexpr uint32_t InfoHeaderSize = 40;

enum Compression : uint32_t {
    CompressionRgb = 0,
    CompressionRle8 = 1,
    CompressionRle4 = 2,
    CompressionBitFields = 3,  // OS/2 2.x: Huffman 1D
    CompressionJpeg = 4,       // OS/2 2.x: RLE24
    CompressionPng = 5,
    CompressionAlphaBitFields = 6,
};

bool Fail(QString* error, const QString& message) {
    if (error) *error = message;
    return false;
}

class LittleEndian {
public:
    explicit LittleEndian(const QByteArray& bytes) : bytes_(bytes) {}
    uint64_t Size() const { return static_cast<uint64_t>(bytes_.size()); }
    uint16_t U16(uint64_t at) const { return static_cast<uint16_t>(Byte(at) | Byte(at + 1) << 8); }
    uint32_t U32(uint64_t at) const { return U16(at) | static_cast<uint32_t>(U16(at + 2)) << 16; }
    int32_t I32(uint64_t at) const { return static_cast<int32_t>(U32(at)); }
    uint32_t Byte(uint64_t at) const { return static_cast<uint8_t>(bytes_[static_cast<qsizetype>(at)]); }

private:
    const QByteArray& bytes_;
};

bool IsInfoHeaderSize(uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}
bool IsOs2v2HeaderSize(uint32_t size) { return size == 16 || size == 64; }

bool MakeChannel(uint32_t mask, int bitsPerPixel, BmpChannel& channel) {
    if (mask == 0) return false;
    if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return false;
    const int shift = std::countr_zero(mask);
    const uint32_t bits = mask >> shift;
    if ((bits & (bits + 1)) != 0) return false;  // not one contiguous run
    channel = {mask, shift, std::popcount(mask)};
    return true;
}

bool SetMasks(BmpLayout& layout, uint32_t red, uint32_t green, uint32_t blue, uint32_t alpha,
              QString* error) {
    const int bpp = layout.BitsPerPixel;
    if (!MakeChannel(red, bpp, layout.Red) || !MakeChannel(green, bpp, layout.Green) ||
        !MakeChannel(blue, bpp, layout.Blue))
        return Fail(error, QStringLiteral("a colour mask is empty, split or wider than the pixel"));
    if ((red & green) || (red & blue) || (green & blue) || ((red | green | blue) & alpha))
        return Fail(error, QStringLiteral("the colour masks overlap"));
    return true;
}

bool EncodingFits(BmpEncoding encoding, bool bitFields, int bpp) {
    if (bitFields) return bpp == 16 || bpp == 32;
    switch (encoding) {
        case BmpEncoding::Rle8:
            return bpp == 8;
        case BmpEncoding::Rle4:
            return bpp == 4;
        case BmpEncoding::Rle24:
            return bpp == 24;
        case BmpEncoding::Plain:
            return bpp == 1 || bpp == 2 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32;
    }
    return false;
}

bool ReadPalette(const LittleEndian& in, uint64_t start, uint64_t declared, bool explicitCount, int entrySize,
                 BmpLayout& layout, QString* error) {
    const uint64_t room = layout.PixelOffset > start ? (layout.PixelOffset - start) / entrySize : 0;
    if (explicitCount && declared > room)
        return Fail(error, QStringLiteral("the colour table is larger than the file has room for"));
    const uint64_t usable = std::min({declared, room, uint64_t{1} << layout.BitsPerPixel});
    if (usable == 0) return Fail(error, QStringLiteral("the colour table is missing"));
    layout.Palette.resize(usable);
    for (uint64_t i = 0; i < usable; ++i) {
        const uint64_t at = start + i * entrySize;  // blue, green, red[, reserved]
        layout.Palette[i] = static_cast<int32_t>(in.Byte(at + 2) | in.Byte(at + 1) << 8 | in.Byte(at) << 16);
    }
    return true;
}

// What the headers say beyond the layout itself, carried from one step to the next.
struct BmpHeader {
    uint32_t Size = 0;  // of the info or core header
    bool Core = false;  // OS/2 1.x
    bool Os2v2 = false;
    uint64_t End = 0;  // first byte after the header
    uint32_t Compression = CompressionRgb;
    uint32_t SizeImage = 0;
    uint32_t ColorsUsed = 0;
    bool BitFields = false, AlphaBitFields = false;
    uint64_t TableStart = 0;  // masks after a 40-byte header, else the colour table
};

bool ReadDimensions(const LittleEndian& in, BmpHeader& header, BmpLayout& layout, QString* error) {
    int64_t width = 0, height = 0;
    uint32_t planes = 0;
    if (header.Core) {
        width = in.U16(18);
        height = in.U16(20);
        planes = in.U16(22);
        layout.BitsPerPixel = in.U16(24);
    } else {
        width = in.I32(18);
        height = in.I32(22);
        planes = in.U16(26);
        layout.BitsPerPixel = in.U16(28);
        if (header.Size >= 20) header.Compression = in.U32(30);
        if (header.Size >= 24) header.SizeImage = in.U32(34);
        if (header.Size >= 36) header.ColorsUsed = in.U32(46);
    }
    if (planes != 1) return Fail(error, QStringLiteral("the bitmap has %1 planes instead of 1").arg(planes));
    if (width <= 0) return Fail(error, QStringLiteral("the bitmap width is not positive"));
    if (height == 0 || height == std::numeric_limits<int32_t>::min())
        return Fail(error, QStringLiteral("the bitmap height is invalid"));
    layout.TopDown = height < 0;
    layout.Width = static_cast<int>(width);
    layout.Height = static_cast<int>(height < 0 ? -height : height);
    return true;
}

bool ReadHeader(const QByteArray& bytes, const LittleEndian& in, BmpHeader& header, BmpLayout& layout,
                QString* error) {
    if (in.Size() < FileHeaderSize + 4)
        return Fail(error, QStringLiteral("the file is too short to be a bitmap"));
    if (bytes[0] != 'B' || bytes[1] != 'M')
        return Fail(error, QStringLiteral("the file is not a BMP bitmap"));
    // The file-size field (offset 2) and the resolution (offsets 38 and 42) never touch
    // the pixels, and real tools write them wrong: they are not looked at. What the file
    // really holds is checked against the pixel data later.
    layout.PixelOffset = in.U32(10);

    header.Size = in.U32(14);
    header.Core = header.Size == CoreHeaderSize;
    header.Os2v2 = IsOs2v2HeaderSize(header.Size);
    if (!header.Core && !header.Os2v2 && !IsInfoHeaderSize(header.Size))
        return Fail(error,
                    QStringLiteral("the bitmap header has an unknown size (%1 bytes)").arg(header.Size));
    header.End = FileHeaderSize + header.Size;
    if (in.Size() < header.End) return Fail(error, QStringLiteral("the bitmap header is cut off"));
    return ReadDimensions(in, header, layout, error);
}

bool ReadCompression(BmpHeader& header, BmpLayout& layout, QString* error) {
    switch (header.Compression) {
        case CompressionRgb:
            break;
        case CompressionRle8:
            layout.Encoding = BmpEncoding::Rle8;
            break;
        case CompressionRle4:
            layout.Encoding = BmpEncoding::Rle4;
            break;
        case CompressionBitFields:
            if (header.Os2v2)
                return Fail(error, QStringLiteral("Huffman-compressed bitmaps are not supported"));
            header.BitFields = true;
            break;
        case CompressionJpeg:
            if (!header.Os2v2)
                return Fail(error, QStringLiteral("bitmaps holding a JPEG picture are not supported"));
            layout.Encoding = BmpEncoding::Rle24;
            break;
        case CompressionPng:
            return Fail(error, QStringLiteral("bitmaps holding a PNG picture are not supported"));
        case CompressionAlphaBitFields:
            header.BitFields = header.AlphaBitFields = true;
            break;
        default:
            return Fail(
                error, QStringLiteral("the bitmap uses an unknown compression (%1)").arg(header.Compression));
    }
    if (!EncodingFits(layout.Encoding, header.BitFields, layout.BitsPerPixel))
        return Fail(
            error,
            QStringLiteral("%1 bits per pixel do not fit the bitmap's compression").arg(layout.BitsPerPixel));
    if (layout.TopDown && layout.Encoding != BmpEncoding::Plain)
        return Fail(error, QStringLiteral("a compressed bitmap cannot be stored top-down"));
    return true;
}

// Masks stand in the header from 52 bytes on, else right after a 40-byte header;
// 16 and 32 bits without them take the fixed 5-5-5 and 8-8-8 masks.
bool ReadMasks(const LittleEndian& in, BmpHeader& header, BmpLayout& layout, QString* error) {
    header.TableStart = header.End;
    const int bpp = layout.BitsPerPixel;
    if (header.BitFields) {
        const uint64_t at = FileHeaderSize + InfoHeaderSize;
        const uint64_t maskBytes = header.AlphaBitFields ? 16 : 12;
        if (header.Size == InfoHeaderSize)
            header.TableStart += maskBytes;
        else if (header.Size < InfoHeaderSize + maskBytes)
            return Fail(error, QStringLiteral("the bitmap header has no room for its colour masks"));
        if (in.Size() < header.TableStart) return Fail(error, QStringLiteral("the colour masks are cut off"));
        const uint32_t alpha = header.AlphaBitFields || header.Size >= 56 ? in.U32(at + 12) : 0;
        if (!SetMasks(layout, in.U32(at), in.U32(at + 4), in.U32(at + 8), alpha, error)) return false;
    } else if (bpp == 16) {
        SetMasks(layout, 0x7C00, 0x03E0, 0x001F, 0, error);
    } else if (bpp == 32) {
        SetMasks(layout, 0xFF0000, 0xFF00, 0xFF, 0, error);
    }
    if (layout.PixelOffset < header.TableStart)
        return Fail(error, QStringLiteral("the pixel data would start inside the bitmap header"));
    if (layout.PixelOffset > in.Size()) return Fail(error, QStringLiteral("the pixel data is missing"));
    return true;
}

bool ReadColourTable(const LittleEndian& in, const BmpHeader& header, BmpLayout& layout, QString* error) {
    const int bpp = layout.BitsPerPixel;
    if (bpp > 8) return true;
    const bool explicitCount = !header.Core && header.ColorsUsed != 0;
    const uint64_t declared = explicitCount ? header.ColorsUsed : uint64_t{1} << bpp;
    return ReadPalette(in, header.TableStart, declared, explicitCount, header.Core ? 3 : 4, layout, error);
}

bool MeasurePixels(const LittleEndian& in, const BmpHeader& header, BmpLayout& layout, QString* error) {
    const uint64_t available = in.Size() - layout.PixelOffset;
    if (header.SizeImage > available)
        return Fail(error, QStringLiteral("the pixel data is cut off (the file may be truncated)"));
    if (layout.Encoding == BmpEncoding::Plain) {
        layout.RowStride = (static_cast<uint64_t>(layout.Width) * layout.BitsPerPixel + 31) / 32 * 4;
        if (static_cast<uint64_t>(layout.Height) > available / layout.RowStride)
            return Fail(error, QStringLiteral("the pixel data is cut off (the file may be truncated)"));
        layout.PixelBytes = layout.RowStride * layout.Height;
    } else {
        layout.PixelBytes = header.SizeImage != 0 ? header.SizeImage : available;
    }
    return true;
}

}  // namespace

bool ParseBmpLayout(const QByteArray& bytes, BmpLayout& layout, QString* error) {
    const LittleEndian in(bytes);
    layout = BmpLayout{};
    BmpHeader header;
    return ReadHeader(bytes, in, header, layout, error) && ReadCompression(header, layout, error) &&
           ReadMasks(in, header, layout, error) && ReadColourTable(in, header, layout, error) &&
           MeasurePixels(in, header, layout, error);
}

}  // namespace zozavud
