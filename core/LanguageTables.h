#pragma once
#include <cstdint>

#include "MessageLanguage.h"

namespace zozavud {

struct LocaleLanguageEntry {
    uint32_t LocaleId;
    MessageLanguage Language;
};

inline constexpr int LocaleLanguageCount = 117;
extern const LocaleLanguageEntry LocaleLanguageTable[LocaleLanguageCount];

extern const uint8_t LanguageCharsetTable[LanguageCount];
extern const char* const LanguageFontTable[LanguageCount];

uint8_t LanguageCharset(MessageLanguage language);
const char* LanguageFont(MessageLanguage language);

// The first entry equal in all 32 bits gives the language; no match gives English.
MessageLanguage LanguageFromLocale(uint32_t localeId);

}  // namespace zozavud
