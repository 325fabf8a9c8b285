#pragma once
// A record's font in the terms the Windows font engine uses.

#include <QString>
#include <cstdint>

#include "ImageSet.h"

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

}  // namespace zozavud
