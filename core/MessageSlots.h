#pragma once
// The printer's 19 message slots: line count and default texts in seven languages.

#include <QByteArray>
#include <QString>
#include <cstdint>

#include "MessageLanguage.h"

namespace zozavud {

struct TPrintMessage {
    int32_t LineCount;
    // Per language, line 1 then line 2, as UTF-8.
    const char* Texts[LanguageCount][2];
};

// Indexed by slot number - 1.
extern const TPrintMessage MessageSlotTable[19];

// slot 1..19 (anything else is clamped into range), line 1 or 2.
int SlotLineCount(int slot);
QString DefaultText(int slot, MessageLanguage language, int line);
// The text as the printer firmware stores it: in the language's code page.
QByteArray DefaultTextBytes(int slot, MessageLanguage language, int line);

}  // namespace zozavud
