#include "GdiFont.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "CodePage.h"
#include "FontSubstitution.h"
#include "GdiMetrics.h"
#include "ShortString.h"

namespace zozavud {

namespace {

// Font sizes from a loaded file are not trusted; this keeps rasterising bounded.
constexpr int MaxPixelSize = 1024;
constexpr int DefaultEmHeight = 12;

QFont BaseFont(const FontSpec& font) {
    QFont result;
    result.setFamilies(FontFamiliesFor(font.Name, font.Charset));
    result.setBold(font.Style & FontStyleBold);
    result.setItalic(font.Style & FontStyleItalic);
    result.setUnderline(font.Style & FontStyleUnderline);
    result.setStrikeOut(font.Style & FontStyleStrikeOut);
    result.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    result.setHintingPreference(QFont::PreferFullHinting);
    result.setKerning(false);
    return result;
}

}  // namespace

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
    StoreShortString(record.FontName, EncodeText(font.Name, font.Charset));
    record.FontStyle = font.Style & 0x0F;
}

QFont MakeCanvasFont(const FontSpec& font) {
    QFont result = BaseFont(font);
    if (font.Height < 0) {
        // An em height: what a pixel size means to Qt.
        const int64_t em = -static_cast<int64_t>(font.Height);
        result.setPixelSize(static_cast<int>(std::min<int64_t>(em, MaxPixelSize)));
    } else if (font.Height > 0) {
        // A cell height: scale the em so that ascent + descent come to it.
        const int height = std::min(font.Height, MaxPixelSize);
        result.setPixelSize(64);
        double perEm = CellHeightPerEm(result);
        if (perEm <= 0) perEm = std::max(1, QFontMetrics(result).height()) / 64.0;
        result.setPixelSize(std::clamp(static_cast<int>(std::lround(height / perEm)), 1, MaxPixelSize));
    } else {
        result.setPixelSize(DefaultEmHeight);
    }
    return result;
}

}  // namespace zozavud
