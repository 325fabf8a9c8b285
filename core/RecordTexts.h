#pragma once
// A record's two texts as the user reads them, and what a change of the record's charset
// does to them. No window is needed: the editor and the tool share these rules.

#include <QString>
#include <cstdint>

#include "ImageSet.h"

namespace zozavud {

struct RecordTexts {
    QString Text1, Text2;

    bool operator==(const RecordTexts&) const = default;
};

// The texts as a box shows a record it has not been typed into: the stored bytes read in
// the record's code page.
RecordTexts ShownTexts(const ImageRecord& record);

// Gives the record another charset and stores its texts, as the boxes show them, again in
// the new code page: every character the new page has reads as shown, and only the others
// become "?". Shown texts may hold what the old code page stored as "?". Changing to the
// charset the record already has leaves it as it is.
void ChangeTextCharset(ImageRecord& record, uint8_t charset, const RecordTexts& shown);
// The same for a record no box shows: its texts as ShownTexts reads them.
void ChangeTextCharset(ImageRecord& record, uint8_t charset);

// Each typed text that the record still stores as it would store it, else the text as the
// record shows it: typed text keeps the characters its code page stores as "?".
RecordTexts TypedTextsStoredIn(const RecordTexts& typed, const ImageRecord& record);

}  // namespace zozavud
