#include "BitmapTestWriter.h"

#include <algorithm>
#include <bit>

namespace zozavud::test {

namespace {

void Put16(QByteArray& bytes, uint32_t value) {
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}
void Put32(QByteArray& bytes, uint32_t value) {
    Put16(bytes, value & 0xFFFF);
    Put16(bytes, value >> 16);
}
void PutByte(QByteArray& bytes, uint32_t value) { bytes.append(static_cast<char>(value & 0xFF)); }
void PutBgr(QByteArray& bytes, int32_t color) {
    PutByte(bytes, color >> 16);
    PutByte(bytes, color >> 8);
    PutByte(bytes, color);
}
std::vector<int32_t> PaletteOf(const Picture& picture, int bitsPerPixel) {
    std::vector<int32_t> palette;
    for (int32_t color : picture.Colors)
        if (std::find(palette.begin(), palette.end(), color) == palette.end()) palette.push_back(color);
    if (bitsPerPixel <= 8 && palette.size() > (1u << bitsPerPixel)) palette.resize(1u << bitsPerPixel);
    return palette;
}

uint32_t IndexOf(const std::vector<int32_t>& palette, int32_t color) {
    const auto found = std::find(palette.begin(), palette.end(), color);
    return found == palette.end() ? 0 : static_cast<uint32_t>(found - palette.begin());
}

uint32_t Pack(uint32_t value8, uint32_t mask) {
    if (mask == 0) return 0;
    const uint64_t max = mask >> std::countr_zero(mask);
    return static_cast<uint32_t>((value8 * max + 127) / 255) << std::countr_zero(mask);
}

class Encoder {
public:
    Encoder(const Picture& picture, const BmpVariant& variant)
        : picture_(picture), variant_(variant), palette_(PaletteOf(picture, variant.BitsPerPixel)) {}

    const std::vector<int32_t>& Palette() const { return palette_; }

    QByteArray Plain() const {
        QByteArray out;
        const int bpp = variant_.BitsPerPixel;
        for (int line = 0; line < picture_.Height; ++line) {
            const int y = variant_.TopDown ? line : picture_.Height - 1 - line;
            const qsizetype rowStart = out.size();
            uint32_t bits = 0, filled = 0;
            for (int x = 0; x < picture_.Width; ++x) {
                const int32_t color = picture_.At(x, y);
                if (bpp <= 8) {
                    bits = bits << bpp | IndexOf(palette_, color);
                    filled += bpp;
                    if (filled == 8) {
                        PutByte(out, bits);
                        bits = filled = 0;
                    }
                } else if (bpp == 24) {
                    PutBgr(out, color);
                } else {
                    const uint32_t* m = variant_.Masks;
                    const uint32_t packed = Pack(color & 0xFF, m[0]) | Pack((color >> 8) & 0xFF, m[1]) |
                                            Pack((color >> 16) & 0xFF, m[2]) | Pack(255, m[3]);
                    if (bpp == 16)
                        Put16(out, packed);
                    else
                        Put32(out, packed);
                }
            }
            if (filled) PutByte(out, bits << (8 - filled));
            while ((out.size() - rowStart) % 4) out.append('\0');
        }
        return out;
    }

    QByteArray Rle() const {
        QByteArray out;
        for (int line = 0; line < picture_.Height; ++line) {
            const int y = picture_.Height - 1 - line;
            int x = 0;
            while (x < picture_.Width) {
                int run = 1;
                while (x + run < picture_.Width && run < 255 && Same(x, x + run, y)) ++run;
                int literal = 0;
                while (x + literal < picture_.Width && literal < 254 &&
                       (x + literal + 1 >= picture_.Width || !Same(x + literal, x + literal + 1, y)))
                    ++literal;
                if (run == 1 && literal >= 3) {
                    Literal(out, x, y, literal);
                    x += literal;
                } else {
                    Run(out, x, y, run);
                    x += run;
                }
            }
            Put16(out, 0);  // end of line
        }
        Put16(out, 0x0100);  // end of bitmap
        return out;
    }

private:
    uint32_t Item(int x, int y) const {
        return variant_.BitsPerPixel == 24 ? static_cast<uint32_t>(picture_.At(x, y))
                                           : IndexOf(palette_, picture_.At(x, y));
    }
    bool Same(int a, int b, int y) const { return Item(a, y) == Item(b, y); }

    void Run(QByteArray& out, int x, int y, int count) const {
        PutByte(out, count);
        if (variant_.BitsPerPixel == 24) {
            PutBgr(out, picture_.At(x, y));
        } else {
            const uint32_t index = Item(x, y);
            PutByte(out, variant_.BitsPerPixel == 4 ? index << 4 | index : index);
        }
    }

    void Literal(QByteArray& out, int x, int y, int count) const {
        PutByte(out, 0);
        PutByte(out, count);
        const qsizetype start = out.size();
        for (int i = 0; i < count; ++i) {
            if (variant_.BitsPerPixel == 24) {
                PutBgr(out, picture_.At(x + i, y));
            } else if (variant_.BitsPerPixel == 8) {
                PutByte(out, Item(x + i, y));
            } else if (i % 2 == 0) {
                const uint32_t next = i + 1 < count ? Item(x + i + 1, y) : 0;
                PutByte(out, Item(x + i, y) << 4 | next);
            }
        }
        if ((out.size() - start) % 2) out.append('\0');
    }

    const Picture& picture_;
    const BmpVariant& variant_;
    std::vector<int32_t> palette_;
};

}  // namespace

Picture MakePattern(int width, int height, const std::vector<int32_t>& colors) {
    Picture picture{width, height, {}};
    picture.Colors.resize(static_cast<std::size_t>(width) * height);
    const std::size_t n = colors.size();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.Colors[static_cast<std::size_t>(y) * width + x] =
                colors[(x / 3 + y * 2 + (x * y) / 7 + (x % 4 == 0 ? y : 0)) % n];
    return picture;
}

QByteArray WriteBmp(const Picture& picture, const BmpVariant& variant, bool fillSizes) {
    const Encoder encoder(picture, variant);
    const bool rle = variant.Compression == 1 || variant.Compression == 2 ||
                     (variant.Compression == 4 && variant.HeaderSize == 64);
    const QByteArray pixels = rle ? encoder.Rle() : encoder.Plain();
    const int bpp = variant.BitsPerPixel;
    const int height = variant.TopDown ? -picture.Height : picture.Height;

    QByteArray info;
    if (variant.HeaderSize == 12) {
        Put32(info, 12);
        Put16(info, picture.Width);
        Put16(info, picture.Height);
        Put16(info, 1);
        Put16(info, bpp);
    } else {
        Put32(info, variant.HeaderSize);
        Put32(info, picture.Width);
        Put32(info, height);
        Put16(info, 1);
        Put16(info, bpp);
        if (variant.HeaderSize > 16) {
            Put32(info, variant.Compression);
            Put32(info, fillSizes ? pixels.size() : 0);
            Put32(info, 2835);
            Put32(info, 2835);
            Put32(info, bpp <= 8 ? encoder.Palette().size() : 0);
            Put32(info, 0);
            if (variant.HeaderSize >= 52)
                for (int i = 0; i < (variant.HeaderSize >= 56 ? 4 : 3); ++i) Put32(info, variant.Masks[i]);
            info.resize(variant.HeaderSize, '\0');
        }
    }
    if (variant.HeaderSize == 40 && (variant.Compression == 3 || variant.Compression == 6))
        for (int i = 0; i < (variant.Compression == 6 ? 4 : 3); ++i) Put32(info, variant.Masks[i]);
    if (bpp <= 8) {
        // Headers without a colour count imply a full table.
        const bool full = variant.HeaderSize <= 16;
        const std::size_t entries = full ? std::size_t{1} << bpp : encoder.Palette().size();
        for (std::size_t i = 0; i < entries; ++i) {
            const int32_t color = i < encoder.Palette().size() ? encoder.Palette()[i] : 0;
            PutBgr(info, color);
            if (variant.HeaderSize != 12) PutByte(info, 0);
        }
    }

    QByteArray file("BM");
    const uint32_t offset = 14 + static_cast<uint32_t>(info.size());
    Put32(file, fillSizes ? offset + pixels.size() : 0);
    Put32(file, 0);
    Put32(file, offset);
    file += info;
    file += pixels;
    return file;
}

}  // namespace zozavud::test
