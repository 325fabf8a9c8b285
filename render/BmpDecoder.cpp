#include "BmpDecoder.h"

#include "BmpLayout.h"
#include "BmpRle.h"

namespace zozavud {

namespace {

uint32_t ScaleToByte(uint32_t value, int bits) {
    if (bits == 8) return value;
    const uint64_t max = (uint64_t{1} << bits) - 1;
    return static_cast<uint32_t>((value * uint64_t{255} + max / 2) / max);
}

uint32_t Channel(uint32_t pixel, const BmpChannel& channel) {
    return ScaleToByte((pixel & channel.Mask) >> channel.Shift, channel.Bits);
}

class PlainRows {
public:
    PlainRows(const uint8_t* pixels, const BmpLayout& layout) : pixels_(pixels), layout_(layout) {}

    // Row 0 is the top of the picture.
    const uint8_t* Row(int y) const {
        const int stored = layout_.TopDown ? y : layout_.Height - 1 - y;
        return pixels_ + static_cast<uint64_t>(stored) * layout_.RowStride;
    }

    uint32_t Index(const uint8_t* row, int x) const {
        const int bpp = layout_.BitsPerPixel;
        const uint64_t bit = static_cast<uint64_t>(x) * bpp;
        const int shift = 8 - bpp - static_cast<int>(bit % 8);
        return (row[bit / 8] >> shift) & ((1u << bpp) - 1);
    }

    int32_t Color(const uint8_t* row, int x) const {
        switch (layout_.BitsPerPixel) {
            case 16:
                return Masked(row[2 * x] | row[2 * x + 1] << 8);
            case 24:
                return MakeColorRef(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
            case 32: {
                const uint8_t* p = row + 4 * static_cast<uint64_t>(x);
                return Masked(p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24);
            }
            default:
                return layout_.Palette[Index(row, x)];
        }
    }

    // A short colour table leaves indexes that name no colour; any of them anywhere
    // marks the file as broken, so the whole array is looked at.
    bool IndexesInRange() const {
        if (layout_.BitsPerPixel > 8) return true;
        const uint32_t count = static_cast<uint32_t>(layout_.Palette.size());
        if (count == 1u << layout_.BitsPerPixel) return true;
        for (int y = 0; y < layout_.Height; ++y) {
            const uint8_t* row = Row(y);
            for (int x = 0; x < layout_.Width; ++x)
                if (Index(row, x) >= count) return false;
        }
        return true;
    }

private:
    int32_t Masked(uint32_t pixel) const {
        return MakeColorRef(Channel(pixel, layout_.Red), Channel(pixel, layout_.Green),
                            Channel(pixel, layout_.Blue));
    }

    const uint8_t* pixels_;
    const BmpLayout& layout_;
};

}  // namespace

bool HasBmpSignature(const QByteArray& bytes) { return bytes.startsWith("BM"); }

bool DecodeBmp(const QByteArray& bytes, BitmapSample& sample, QString* error, PictureExtent extent) {
    BmpLayout layout;
    if (!ParseBmpLayout(bytes, layout, error)) return false;
    if (extent == PictureExtent::Whole && !WithinPixelLimit(layout.Width, layout.Height, error)) return false;
    const auto* pixels = reinterpret_cast<const uint8_t*>(bytes.constData()) + layout.PixelOffset;

    BitmapSample decoded;
    decoded.Reset(layout.Width, layout.Height, extent);
    if (layout.Encoding != BmpEncoding::Plain) {
        if (!DecodeBmpRle(pixels, layout.PixelBytes, layout, decoded, error)) return false;
    } else {
        const PlainRows rows(pixels, layout);
        if (!rows.IndexesInRange()) {
            if (error) *error = QStringLiteral("a pixel names a colour missing from the colour table");
            return false;
        }
        for (int y = 0; y < decoded.Rows; ++y) {
            const uint8_t* row = rows.Row(y);
            for (int x = 0; x < decoded.Columns; ++x) decoded.Set(x, y, rows.Color(row, x));
        }
    }
    sample = std::move(decoded);
    return true;
}

}  // namespace zozavud
