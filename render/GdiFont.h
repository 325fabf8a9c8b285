#pragma once
// A record's font in the terms the Windows font engine uses, made into a QFont.

#include <QFont>
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

// No smoothing, full hinting and no kerning: on a 1-bit LCD a dot is a dot.
QFont MakeCanvasFont(const FontSpec& font);

}  // namespace zozavud
