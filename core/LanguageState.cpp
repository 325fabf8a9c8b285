#include "LanguageState.h"

#include "LanguageTables.h"

namespace zozavud {

MessageLanguage LanguageState::EffectiveLanguage() const {
    return EnglishOverride ? MessageLanguage::English : SelectedLanguage;
}

void LanguageState::SetSelectedLanguage(MessageLanguage language,
                                        const std::function<void()>& uncheckEnglishBox) {
    EnglishOverride = false;
    if (uncheckEnglishBox) uncheckEnglishBox();
    SelectedLanguage = language;
}

void LanguageState::RecomputeMessageFont() {
    MessageCharset = LanguageCharset(EffectiveLanguage());
    MessageFontName = LanguageFont(EffectiveLanguage());
}

void LanguageState::InitLanguage(uint32_t systemLocaleId) {
    SystemLocaleId = systemLocaleId;
    SetSelectedLanguage(LanguageFromLocale(SystemLocaleId));
    RecomputeMessageFont();
}

}  // namespace zozavud
