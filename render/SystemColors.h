#pragma once
#include <cstdint>

namespace zozavud {

// A font colour as the canvas draws it: 0x00BBGGRR stays, a system colour 0xFF0000nn (any
// negative value, by its low byte) becomes the classic Windows default of index nn (never the desktop
// theme's, so a dark theme cannot make text unlit). Unknown system indexes give black, as GDI does.
int32_t ResolveFontColor(int32_t color);

}  // namespace zozavud
