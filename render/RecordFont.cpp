#include "RecordFont.h"

#include "CodePage.h"
#include "ShortString.h"

namespace zozavud {

FontSpec FontSpecFromRecord(const ImageRecord& record) {
    FontSpec font;
    font.Charset = record.FontCharset;
    font.Color = record.FontColor;
    font.Height = record.FontHeight;
    // Face names are stored in the record's code page, like its texts.
    font.Name = DecodeText(ShortStringBytes(record.FontName), record.FontCharset);
    font.Style = record.FontStyle;
    return font;
}

void StoreFontSpec(ImageRecord& record, const FontSpec& font) {
    record.FontCharset = font.Charset;
    record.FontColor = font.Color;
    record.FontHeight = font.Height;
    StoreShortString(record.FontName,
                     EncodeTextKeeping(font.Name, ShortStringBytes(record.FontName), font.Charset));
    record.FontStyle = font.Style & 0x0F;
}

void StoreChosenFont(ImageRecord& record, const FontSpec& font, const RecordTexts& shown) {
    ChangeTextCharset(record, font.Charset, shown);
    StoreFontSpec(record, font);
}

}  // namespace zozavud
