#pragma once
#include <QByteArray>
#include <cstdint>
#include <functional>

#include "MessageLanguage.h"

namespace zozavud {

// The display language and what follows from it, held for the whole run.
struct LanguageState {
    uint32_t SystemLocaleId = 0x0409;
    MessageLanguage SelectedLanguage = MessageLanguage::English;
    bool EnglishOverride = false;
    uint8_t MessageCharset = 0;
    QByteArray MessageFontName = "Tahoma";

    MessageLanguage EffectiveLanguage() const;

    // Clears the override and stores the language. The window's English check box is
    // unchecked between the two, so its click handling runs with the old language.
    void SetSelectedLanguage(MessageLanguage language, const std::function<void()>& uncheckEnglishBox = {});

    // Charset and font face of the effective language.
    void RecomputeMessageFont();

    // The start-up step: locale, language from it, charset and font face.
    void InitLanguage(uint32_t systemLocaleId);
};

}  // namespace zozavud
