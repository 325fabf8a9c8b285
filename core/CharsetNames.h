#pragma once
#include <cstdint>

namespace zozavud {

// The display name of a Windows font charset code; "Unknown" for codes not listed.
const char* CharsetName(uint8_t charset);

}  // namespace zozavud
