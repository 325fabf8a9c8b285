#include "BmpRle.h"

namespace zozavud {

namespace {

enum Escape : uint8_t { EndOfLine = 0, EndOfBitmap = 1, Delta = 2 };

class RleWalker {
public:
    RleWalker(const uint8_t* data, uint64_t size, const BmpLayout& layout, BitmapSample& sample)
        : data_(data), size_(size), layout_(layout), sample_(sample) {}

    bool Run(QString* error) {
        while (true) {
            if (!Has(2)) {
                // A stream that stops after its last row has only lost its end marker.
                if (y_ >= layout_.Height) return true;
                return Fail(error, QStringLiteral(
                                       "the compressed pixel data ends early (the file may be truncated)"));
            }
            const uint8_t count = data_[at_], value = data_[at_ + 1];
            at_ += 2;
            if (count > 0) {
                if (!Repeat(count, value, error)) return false;
                continue;
            }
            switch (value) {
                case EndOfLine:
                    x_ = 0;
                    ++y_;
                    break;
                case EndOfBitmap:
                    return true;
                case Delta:
                    if (!Has(2))
                        return Fail(error, QStringLiteral("the compressed pixel data ends inside a jump"));
                    x_ += data_[at_];
                    y_ += data_[at_ + 1];
                    at_ += 2;
                    if (x_ > layout_.Width || y_ > layout_.Height)
                        return Fail(error,
                                    QStringLiteral("the compressed pixel data jumps outside the picture"));
                    break;
                default:
                    if (!Literal(value, error)) return false;
            }
        }
    }

private:
    bool Has(uint64_t n) const { return size_ - at_ >= n; }

    static bool Fail(QString* error, const QString& message) {
        if (error) *error = message;
        return false;
    }

    bool Fits(int count, QString* error) const {
        if (y_ >= layout_.Height || x_ + count > layout_.Width)
            return Fail(error, QStringLiteral("the compressed pixel data runs outside the picture"));
        return true;
    }

    bool PaletteColor(uint32_t index, int32_t& color, QString* error) const {
        if (index >= layout_.Palette.size())
            return Fail(error, QStringLiteral("a pixel names a colour missing from the colour table"));
        color = layout_.Palette[index];
        return true;
    }

    // Picture row of the stream's current line, counted from the top.
    void Put(int x, int32_t color) {
        const int row = layout_.Height - 1 - static_cast<int>(y_);
        if (row < sample_.Rows && x < sample_.Columns) sample_.Set(x, row, color);
    }

    int32_t Rgb(uint64_t at) const { return MakeColorRef(data_[at + 2], data_[at + 1], data_[at]); }

    bool Repeat(int count, uint8_t value, QString* error) {
        if (!Fits(count, error)) return false;
        int32_t colors[2];
        switch (layout_.Encoding) {
            case BmpEncoding::Rle24:
                // The value byte is the run's blue; green and red follow, keeping the step even.
                if (!Has(2))
                    return Fail(error, QStringLiteral("the compressed pixel data ends inside a run"));
                colors[0] = colors[1] = MakeColorRef(data_[at_ + 1], data_[at_], value);
                at_ += 2;
                break;
            case BmpEncoding::Rle4:
                if (!PaletteColor(value >> 4, colors[0], error) ||
                    !PaletteColor(value & 0xF, colors[1], error))
                    return false;
                break;
            default:
                if (!PaletteColor(value, colors[0], error)) return false;
                colors[1] = colors[0];
        }
        for (int i = 0; i < count; ++i) Put(x_ + i, colors[i & 1]);
        x_ += count;
        return true;
    }

    bool Literal(int count, QString* error) {
        if (!Fits(count, error)) return false;
        const uint64_t bytes = layout_.Encoding == BmpEncoding::Rle4    ? (count + 1) / 2
                               : layout_.Encoding == BmpEncoding::Rle24 ? uint64_t(count) * 3
                                                                        : count;
        if (!Has(bytes))
            return Fail(error, QStringLiteral("the compressed pixel data ends inside a literal run"));
        for (int i = 0; i < count; ++i) {
            int32_t color = 0;
            if (layout_.Encoding == BmpEncoding::Rle24) {
                color = Rgb(at_ + 3 * i);
            } else {
                const uint8_t byte = data_[at_ + (layout_.Encoding == BmpEncoding::Rle4 ? i / 2 : i)];
                const uint32_t index =
                    layout_.Encoding == BmpEncoding::Rle4 ? (i % 2 ? byte & 0xF : byte >> 4) : byte;
                if (!PaletteColor(index, color, error)) return false;
            }
            Put(x_ + i, color);
        }
        x_ += count;
        at_ += bytes + (bytes & 1);  // literal runs keep the stream on 16-bit steps
        if (at_ > size_) at_ = size_;
        return true;
    }

    const uint8_t* data_;
    uint64_t size_;
    uint64_t at_ = 0;
    const BmpLayout& layout_;
    BitmapSample& sample_;
    int64_t x_ = 0;
    int64_t y_ = 0;  // stream line: 0 is the bottom row
};

}  // namespace

bool DecodeBmpRle(const uint8_t* data, uint64_t size, const BmpLayout& layout, BitmapSample& sample,
                  QString* error) {
    return RleWalker(data, size, layout, sample).Run(error);
}

}  // namespace zozavud
