#pragma once
// The words of the commands' enum options.

#include <cstdint>

#include "CommandEncoder.h"
#include "MessageLanguage.h"
#include "OptionWords.h"
#include "PictureConversionDither.h"
#include "PictureConversionPlace.h"

namespace zozavud::cli {

// register, register-all, delete, delete-all; written exactly so.
const OptionWords<CommandKind>& CommandKindWords();
// en, ja, fr, de, es, it, zh in any case.
const OptionWords<MessageLanguage>& LanguageWords();
// The --picture conversion: dither methods and fits, in any case.
const OptionWords<DitherMethod>& DitherWords();
const OptionWords<PictureFit>& FitWords();
// on, off, in any case.
const OptionWords<bool>& SwitchWords();
// The font style bits; regular and none stand for no bit.
const OptionWords<uint8_t>& StyleWords();

// "bold,underline": a comma list of style words, blanks around them allowed.
std::optional<uint8_t> ParseStyleList(const QString& text);
// The bits back as such a list; "" for none.
QString StyleListText(uint8_t style);

}  // namespace zozavud::cli
