#include "LanguageTables.h"

#include <algorithm>

namespace zozavud {

using L = MessageLanguage;

const LocaleLanguageEntry LocaleLanguageTable[LocaleLanguageCount] = {
    {0x0411, L::Japanese}, {0x040C, L::French},  {0x080C, L::French},  {0x0C0C, L::French},
    {0x140C, L::French},   {0x100C, L::French},  {0x0407, L::German},  {0x0C07, L::German},
    {0x1407, L::German},   {0x1007, L::German},  {0x0807, L::German},  {0x040A, L::Spanish},
    {0x0C0A, L::Spanish},  {0x2C0A, L::Spanish}, {0x400A, L::Spanish}, {0x340A, L::Spanish},
    {0x240A, L::Spanish},  {0x140A, L::Spanish}, {0x1C0A, L::Spanish}, {0x300A, L::Spanish},
    {0x100A, L::Spanish},  {0x480A, L::Spanish}, {0x080A, L::Spanish}, {0x4C0A, L::Spanish},
    {0x180A, L::Spanish},  {0x280A, L::Spanish}, {0x500A, L::Spanish}, {0x3C0A, L::Spanish},
    {0x440A, L::Spanish},  {0x380A, L::Spanish}, {0x200A, L::Spanish}, {0x0410, L::Italian},
    {0x0810, L::Italian},  {0x0804, L::Chinese}, {0x0C04, L::Chinese}, {0x1004, L::Chinese},
    {0x0404, L::Chinese},  {0x0436, L::English}, {0x041C, L::English}, {0x3801, L::English},
    {0x3C01, L::English},  {0x1401, L::English}, {0x0C01, L::English}, {0x0801, L::English},
    {0x2C01, L::English},  {0x3401, L::English}, {0x3001, L::English}, {0x1001, L::English},
    {0x1801, L::English},  {0x2001, L::English}, {0x4001, L::English}, {0x0401, L::English},
    {0x2801, L::English},  {0x1C01, L::English}, {0x2401, L::English}, {0x042D, L::English},
    {0x0423, L::English},  {0x0402, L::English}, {0x0403, L::English}, {0x041A, L::English},
    {0x0405, L::English},  {0x0406, L::English}, {0x0413, L::English}, {0x0813, L::English},
    {0x0C09, L::English},  {0x2809, L::English}, {0x1009, L::English}, {0x1809, L::English},
    {0x2009, L::English},  {0x1409, L::English}, {0x1C09, L::English}, {0x2C09, L::English},
    {0x0809, L::English},  {0x0409, L::English}, {0x0425, L::English}, {0x0429, L::English},
    {0x040B, L::English},  {0x0438, L::English}, {0x043C, L::English}, {0x0408, L::English},
    {0x040D, L::English},  {0x0439, L::English}, {0x040E, L::English}, {0x040F, L::English},
    {0x0421, L::English},  {0x0412, L::English}, {0x0426, L::English}, {0x0427, L::English},
    {0x042F, L::English},  {0x043E, L::English}, {0x043A, L::English}, {0x0414, L::English},
    {0x0415, L::English},  {0x0816, L::English}, {0x0416, L::English}, {0x0417, L::English},
    {0x0418, L::English},  {0x0818, L::English}, {0x0419, L::English}, {0x0819, L::English},
    {0x0C1A, L::English},  {0x0432, L::English}, {0x0424, L::English}, {0x041B, L::English},
    {0x042E, L::English},  {0x0430, L::English}, {0x041D, L::English}, {0x081D, L::English},
    {0x041E, L::English},  {0x041F, L::English}, {0x0431, L::English}, {0x0422, L::English},
    {0x0420, L::English},  {0x042A, L::English}, {0x0434, L::English}, {0x043D, L::English},
    {0x0435, L::English},
};

const uint8_t LanguageCharsetTable[LanguageCount] = {0, 128, 0, 0, 0, 0, 134};

const char* const LanguageFontTable[LanguageCount] = {
    "Tahoma", "MS UI Gothic", "Tahoma", "Tahoma", "Tahoma", "Tahoma", "MS UI Gothic",
};

namespace {
int Index(MessageLanguage language) { return std::clamp(static_cast<int>(language), 0, LanguageCount - 1); }
}  // namespace

uint8_t LanguageCharset(MessageLanguage language) { return LanguageCharsetTable[Index(language)]; }

const char* LanguageFont(MessageLanguage language) { return LanguageFontTable[Index(language)]; }

MessageLanguage LanguageFromLocale(uint32_t localeId) {
    for (const LocaleLanguageEntry& entry : LocaleLanguageTable)
        if (entry.LocaleId == localeId) return entry.Language;
    return MessageLanguage::English;
}

}  // namespace zozavud
