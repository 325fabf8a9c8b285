#pragma once
// A record's font in the terms the Windows font engine uses.

#include <QString>
#include <cstdint>

#include "ImageSet.h"
#include "RecordTexts.h"

namespace zozavud {

struct FontSpec {
    uint8_t Charset = 0;
    int32_t Color = ColorWindowText;
    int32_t Height = -12;  // negative: em height in pixels; positive: cell height
    QString Name = "Tahoma";
    uint8_t Style = 0;

    bool operator==(const FontSpec&) const = default;
};

FontSpec FontSpecFromRecord(const ImageRecord& record);
void StoreFontSpec(ImageRecord& record, const FontSpec& font);
// A font chosen for a record whose texts read as shown: a charset other than the record's
// first stores those texts again in its code page (ChangeTextCharset).
void StoreChosenFont(ImageRecord& record, const FontSpec& font, const RecordTexts& shown);

}  // namespace zozavud
