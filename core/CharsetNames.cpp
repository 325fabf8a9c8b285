#include "CharsetNames.h"

namespace zozavud {

namespace {

struct CharsetNameEntry {
    uint8_t Code;
    const char* Name;
};

constexpr CharsetNameEntry CharsetNameTable[] = {
    {0, "ANSI"},      {1, "DEFAULT"},      {2, "SYMBOL"},       {77, "MAC"},          {128, "SHIFTJIS"},
    {129, "HANGEUL"}, {130, "JOHAB"},      {134, "GB2312"},     {136, "CHINESEBIG5"}, {161, "GREEK"},
    {162, "TURKISH"}, {163, "VIETNAMESE"}, {177, "HEBREW"},     {178, "ARABIC"},      {186, "BALTIC"},
    {204, "RUSSIAN"}, {222, "THAI"},       {238, "EASTEUROPE"}, {255, "OEM"},
};

}  // namespace

const char* CharsetName(uint8_t charset) {
    for (const CharsetNameEntry& entry : CharsetNameTable)
        if (entry.Code == charset) return entry.Name;
    return "Unknown";
}

}  // namespace zozavud
