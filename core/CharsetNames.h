#pragma once
#include <cstdint>

namespace zozavud {

// The display name of a Windows font charset code; "Unknown" for codes not listed.
const char* CharsetName(uint8_t charset);

// The code page a charset's texts are stored in: the platform's own page for the charset,
// 1252 for Symbol (whose own conversion holds no letters) and for codes not listed.
int CharsetCodePage(uint8_t charset);

}  // namespace zozavud
