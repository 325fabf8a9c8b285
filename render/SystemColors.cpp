#include "SystemColors.h"

namespace zozavud {

namespace {

// The classic "Windows Standard" scheme, 0x00BBGGRR, by system colour index.
constexpr int32_t ClassicSystemColors[] = {
    0xC0C0C0,  //  0 scroll bar
    0x808000,  //  1 desktop
    0x800000,  //  2 active caption
    0x808080,  //  3 inactive caption
    0xC0C0C0,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3-D dark shadow
    0xC0C0C0,  // 22 3-D light
    0x000000,  // 23 info text
    0xE1FFFF,  // 24 info background
    0xB5B5B5,  // 25 alternate button face
    0x800000,  // 26 hot light
    0xF0CAA6,  // 27 gradient active caption
    0xC0C0C0,  // 28 gradient inactive caption
    0x800000,  // 29 menu highlight
    0xC0C0C0,  // 30 menu bar
};

}  // namespace

int32_t ResolveFontColor(int32_t color) {
    const auto value = static_cast<uint32_t>(color);
    // Any negative value names a system colour by its low byte.
    if (color < 0) {
        const uint32_t index = value & 0xFFu;
        if (index < sizeof ClassicSystemColors / sizeof ClassicSystemColors[0])
            return ClassicSystemColors[index];
        return 0x000000;
    }
    return static_cast<int32_t>(value & 0x00FFFFFFu);
}

}  // namespace zozavud
