#pragma once
// The document: one fixed block whose bytes are the .lcd file, byte for byte.
// Nothing here has pointers or variable parts, so the same bytes serve in memory
// and on disk.

#include <bit>
#include <cstddef>
#include <cstdint>

namespace zozavud {

static_assert(std::endian::native == std::endian::little,
              "the document block is stored in memory order, which must be little-endian");

inline constexpr int ImageCount = 19;
inline constexpr int LcdColumns = 256;
inline constexpr int LcdRows = 25;
inline constexpr int VisibleColumns = 128;
inline constexpr int LayerSize = LcdColumns * LcdRows;
inline constexpr int ShortStringCapacity = 255;
// The offset control's range, in rows. A stored offset may lie anywhere and draws as stored.
inline constexpr int MinVerticalOffset = -24;
inline constexpr int MaxVerticalOffset = 24;

// Colour values are 0x00BBGGRR. A layer element is a colour, never a bit.
inline constexpr int32_t ColorBlank = 0xFFFFFF;
inline constexpr int32_t ColorScrollArea = 0x00FFFF;
inline constexpr int32_t ColorSilver = 0xC0C0C0;
inline constexpr int32_t ColorOutside = -1;  // a pixel read outside a drawing surface
inline constexpr int32_t ColorPreviewBack = 0xF0FFEE;
inline constexpr int32_t ColorWindowText = static_cast<int32_t>(0xFF000008u);

// The one colour test shared by renderer, bitmap import and command encoder.
constexpr bool IsPixelOn(int32_t color) {
    return color != ColorBlank && color != ColorScrollArea && color != ColorSilver && color != ColorOutside;
}

enum FontStyleBits : uint8_t {
    FontStyleBold = 1 << 0,
    FontStyleItalic = 1 << 1,
    FontStyleUnderline = 1 << 2,
    FontStyleStrikeOut = 1 << 3,
};

// One length byte and 255 bytes; bytes past the length keep what a longer text left.
struct ShortString {
    uint8_t Length;
    char Bytes[ShortStringCapacity];
};

// A pixel layer stored column by column: element (x, y) is at x * 25 + y.
using PixelLayer = int32_t[LayerSize];

constexpr int LayerIndex(int column, int row) { return column * LcdRows + row; }

struct ImageRecord {
    char Marker[2];
    uint8_t ImageNo;
    uint8_t Reserved0;
    ShortString Text1;
    ShortString Text2;
    uint8_t FontCharset;
    uint8_t Reserved1[3];
    int32_t FontColor;
    int32_t FontHeight;
    ShortString FontName;
    uint8_t FontStyle;
    uint8_t Blink;
    uint8_t Scroll;
    uint8_t Reserved2;
    int32_t VerticalPositionOffset;
    uint8_t WideBitmap;
    uint8_t Reserved3[3303];
    PixelLayer BitmapData;
    PixelLayer RenderedData;
};

struct ImageSet {
    char Signature[4];
    uint8_t Reserved[4092];
    ImageRecord Records[ImageCount];

    // n is an image number, 1..19.
    ImageRecord& Record(int n) { return Records[n - 1]; }
    const ImageRecord& Record(int n) const { return Records[n - 1]; }
};

inline constexpr std::size_t ImageRecordSize = 55296;
inline constexpr std::size_t ImageSetSize = 1054720;

static_assert(sizeof(ShortString) == 256);
static_assert(sizeof(ImageRecord) == ImageRecordSize);
static_assert(sizeof(ImageSet) == ImageSetSize);
static_assert(alignof(ImageSet) == 4);
static_assert(offsetof(ImageRecord, Marker) == 0);
static_assert(offsetof(ImageRecord, ImageNo) == 2);
static_assert(offsetof(ImageRecord, Reserved0) == 3);
static_assert(offsetof(ImageRecord, Text1) == 4);
static_assert(offsetof(ImageRecord, Text2) == 260);
static_assert(offsetof(ImageRecord, FontCharset) == 516);
static_assert(offsetof(ImageRecord, Reserved1) == 517);
static_assert(offsetof(ImageRecord, FontColor) == 520);
static_assert(offsetof(ImageRecord, FontHeight) == 524);
static_assert(offsetof(ImageRecord, FontName) == 528);
static_assert(offsetof(ImageRecord, FontStyle) == 784);
static_assert(offsetof(ImageRecord, Blink) == 785);
static_assert(offsetof(ImageRecord, Scroll) == 786);
static_assert(offsetof(ImageRecord, Reserved2) == 787);
static_assert(offsetof(ImageRecord, VerticalPositionOffset) == 788);
static_assert(offsetof(ImageRecord, WideBitmap) == 792);
static_assert(offsetof(ImageRecord, Reserved3) == 793);
static_assert(offsetof(ImageRecord, BitmapData) == 4096);
static_assert(offsetof(ImageRecord, RenderedData) == 29696);
static_assert(offsetof(ImageSet, Signature) == 0);
static_assert(offsetof(ImageSet, Reserved) == 4);
static_assert(offsetof(ImageSet, Records) == 4096);

// The bytes 4..4095 of a record (Text1 up to the reserved tail), handed whole to the
// default-offset measurement.
inline constexpr std::size_t TextAttributesOffset = 4;
inline constexpr std::size_t TextAttributesSize = 4092;

}  // namespace zozavud
