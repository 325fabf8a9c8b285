#include "CharsetNames.h"

#include "CodePage.h"

namespace zozavud {

namespace {

struct CharsetNameEntry {
    uint8_t Code;
    const char* Name;
    int CodePage;
    const char* CodePageName;
};

constexpr CharsetNameEntry CharsetNameTable[] = {
    {0, "ANSI", 1252, "windows-1252"},
    {1, "DEFAULT", 1252, "windows-1252"},
    {2, "SYMBOL", 1252, "windows-1252"},
    {77, "MAC", 10000, "macintosh"},
    {128, "SHIFTJIS", 932, "windows-31j"},
    {129, "HANGEUL", 949, "windows-949"},
    {130, "JOHAB", 1361, "windows-1361"},
    {134, "GB2312", 936, "windows-936"},
    {136, "CHINESEBIG5", 950, "windows-950"},
    {161, "GREEK", 1253, "windows-1253"},
    {162, "TURKISH", 1254, "windows-1254"},
    {163, "VIETNAMESE", 1258, "windows-1258"},
    {177, "HEBREW", 1255, "windows-1255"},
    {178, "ARABIC", 1256, "windows-1256"},
    {186, "BALTIC", 1257, "windows-1257"},
    {204, "RUSSIAN", 1251, "windows-1251"},
    {222, "THAI", 874, "windows-874"},
    {238, "EASTEUROPE", 1250, "windows-1250"},
    {255, "OEM", 437, "ibm-437"},
};

const CharsetNameEntry* Find(uint8_t charset) {
    for (const CharsetNameEntry& entry : CharsetNameTable)
        if (entry.Code == charset) return &entry;
    return nullptr;
}

}  // namespace

const char* CharsetName(uint8_t charset) {
    const CharsetNameEntry* entry = Find(charset);
    return entry ? entry->Name : "Unknown";
}

int CharsetCodePage(uint8_t charset) {
    const CharsetNameEntry* entry = Find(charset);
    return entry ? entry->CodePage : 1252;
}

const char* CodePageForCharset(uint8_t charset) {
    const CharsetNameEntry* entry = Find(charset);
    return entry ? entry->CodePageName : "windows-1252";
}

}  // namespace zozavud
