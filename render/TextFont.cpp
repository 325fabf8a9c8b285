#include "TextFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_DRIVER_H
#include FT_MODULE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>

#include "GlyphBitmaps.h"
#include "ImageSet.h"

namespace zozavud {

namespace {

constexpr size_t MaxCachedInk = size_t{16} << 20;  // bytes of glyph pixels per font
// The slant of a made-up italic: a quarter of the height, as a 16.16 shear.
constexpr FT_Fixed ItalicShear = 0x10000 / 4;
// The OS/2 panose proportion that marks a monospaced design.
constexpr int PanoseMonospaced = 9;

// Our own library instance, its interpreter version set rather than left to the
// environment: version 40 measures (normal target) as the platform's text does, and for
// the 1-bit target it hints in the older, full manner that draws as the platform draws.
FT_Library Library() {
    static FT_Library library = [] {
        FT_Library made = nullptr;
        if (FT_Init_FreeType(&made) != 0) return FT_Library{};
        FT_UInt version = TT_INTERPRETER_VERSION_40;
        FT_Property_Set(made, "truetype", "interpreter-version", &version);
        return made;
    }();
    return library;
}

FaceUnits ReadUnits(FT_Face face) {
    if (!face) return {};
    FaceUnits units;
    units.UnitsPerEm = face->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        units.WinAscent = os2->usWinAscent;
        units.WinDescent = os2->usWinDescent;
    } else {
        units.WinAscent = face->ascender;
        units.WinDescent = -face->descender;
    }
    return units;
}

std::vector<int> StrikeEms(FT_Face face) {
    std::vector<int> ems;
    for (int i = 0; face && i < face->num_fixed_sizes; ++i)
        ems.push_back(static_cast<int>((face->available_sizes[i].y_ppem + 32) >> 6));
    return ems;
}

int ScaleRound(long units, int ppem, int unitsPerEm) {
    if (unitsPerEm <= 0) return 0;
    const double v = double(units) * ppem / unitsPerEm;
    return static_cast<int>(v >= 0 ? v + 0.5 : v - 0.5);
}

// The underline: its top lies as far below the baseline as the face's post table puts
// the line (FreeType's figure is the stem's centre), halves rounded downwards.
TextBar UnderlineBar(FT_Face face, int ppem) {
    const long raw = face->underline_position + face->underline_thickness / 2;
    TextBar bar;
    bar.Rows = std::max(1, ScaleRound(face->underline_thickness, ppem, face->units_per_EM));
    // A thicker line grows upwards by half its extra rows.
    bar.Offset = static_cast<int>(std::floor(-double(raw) * ppem / face->units_per_EM + 0.5)) - bar.Rows / 2;
    return bar;
}

// The strikeout: centred on the OS/2 strikeout position above the baseline, a thicker
// line growing upwards by half its extra rows, halves rounded downwards.
TextBar StrikeoutBar(const TT_OS2& os2, int ppem, int unitsPerEm) {
    TextBar bar;
    bar.Rows = std::max(1, ScaleRound(os2.yStrikeoutSize, ppem, unitsPerEm));
    bar.Offset = -ScaleRound(os2.yStrikeoutPosition, ppem, unitsPerEm) - bar.Rows / 2;
    return bar;
}

}  // namespace

struct TextFont::Face {
    FT_Face Handle = nullptr;
    ~Face() {
        if (Handle) FT_Done_Face(Handle);
    }
};

TextFont::TextFont(const FontSpec& font, const FaceFile& file)
    : face_(std::make_unique<Face>()), file_(file) {
    FT_Library library = Library();
    if (library && !file.Path.isEmpty() &&
        FT_New_Face(library, file.Path.constData(), file.Index, &face_->Handle) != 0)
        face_->Handle = nullptr;
    FT_Face face = face_->Handle;
    const FaceUnits units = ReadUnits(face);
    ppem_ = EmPixelsForHeight(font.Height, units);
    cell_ = CellRowsAt(units, ppem_);
    if (!face) return;
    // What the file itself is: fontconfig reports the style asked for where it would
    // make one up, so the face's own flags decide.
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const bool bold = face->style_flags & FT_STYLE_FLAG_BOLD;
    emboldened_ = (font.Style & FontStyleBold) && !bold;
    const bool monospaced =
        FT_IS_FIXED_WIDTH(face) || (os2 && os2->version != 0xFFFF && os2->panose[3] == PanoseMonospaced);
    if (monospaced && os2 && os2->version != 0xFFFF) averageWidth_ = os2->xAvgCharWidth;
    slanted_ = (font.Style & FontStyleItalic) && !(face->style_flags & FT_STYLE_FLAG_ITALIC);
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(ppem_));
    strike_ = UsesBitmapStrike(StrikeEms(face), ppem_, emboldened_ || slanted_);
    if ((font.Style & FontStyleUnderline) && face->units_per_EM > 0) underline_ = UnderlineBar(face, ppem_);
    if ((font.Style & FontStyleStrikeOut) && os2) strikeout_ = StrikeoutBar(*os2, ppem_, units.UnitsPerEm);
}

TextFont::~TextFont() = default;

const GlyphBits& TextFont::Glyph(char32_t code, bool withInk) {
    auto it = glyphs_.find(code);
    if (it != glyphs_.end() && (it->second.Inked || !withInk)) return it->second;
    // Huge sizes from a loaded file make huge glyphs: the cache starts over rather than grow.
    if (cachedInk_ > MaxCachedInk) {
        glyphs_.clear();
        cachedInk_ = 0;
        it = glyphs_.end();
    }
    if (it != glyphs_.end()) {  // measured before: only the pixels are missing
        InkOutline(code, it->second);
        cachedInk_ += it->second.Ink.size();
        return it->second;
    }
    GlyphBits& bits = glyphs_[code];
    LoadGlyph(code, bits, withInk);
    cachedInk_ += bits.Ink.size();
    return bits;
}

// Glyphs load as the platform loads them for non-smoothed text: the picture hinted for
// the 1-bit target (or the face's strike) and drawn with that load's advances, while
// measuring counts the advances of the normal target. An outline is rasterised only when
// its pixels are asked for.
void TextFont::LoadGlyph(char32_t code, GlyphBits& bits, bool withInk) {
    bits = GlyphBits{};
    FT_Face face = face_->Handle;
    if (!face) return;
    if (FT_Load_Glyph(face, FT_Get_Char_Index(face, code), FT_LOAD_TARGET_NORMAL | FT_LOAD_NO_BITMAP) == 0)
        bits.Extent = PitchAdvance(face->glyph->advance.x);
    bits.Inked = true;  // a glyph that does not load has no pixels to ask for
    if (!LoadPicture(code)) return;
    FT_GlyphSlot slot = face->glyph;
    // Made-up bold glyphs are one pixel wider apart, drawn and measured.
    bits.Advance = PitchAdvance(slot->advance.x) + (emboldened_ ? 1 : 0);
    if (emboldened_) ++bits.Extent;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        RenderOutline(bits, withInk);
    } else {
        CopyBitmap(slot->bitmap, bits);
        bits.Left = slot->bitmap_left;
        bits.Top = slot->bitmap_top;
        ClipBitmapToCell(bits, cell_);
    }
}

// The glyph as it is drawn: hinted for the 1-bit target, or the face's strike.
bool TextFont::LoadPicture(char32_t code) {
    FT_Face face = face_->Handle;
    const FT_Int32 flags = FT_LOAD_TARGET_MONO | (strike_ ? 0 : FT_LOAD_NO_BITMAP);
    return FT_Load_Glyph(face, FT_Get_Char_Index(face, code), flags) == 0;
}

// The pixels of an outline glyph that was only measured; its measures stay.
void TextFont::InkOutline(char32_t code, GlyphBits& bits) {
    bits.Inked = true;
    bits.Width = bits.Rows = 0;  // no pixels unless the outline draws again
    if (LoadPicture(code) && face_->Handle->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
        RenderOutline(bits, true);
}

// A glyph's advance in whole pixels. In a monospaced face (CJK faces mix single and double
// widths) a glyph two average characters wide advances exactly twice the rounded average
// width, as the platform measures and draws it, however the face's own width rounds.
int TextFont::PitchAdvance(FT_Pos advance) const {
    const int own = static_cast<int>((advance + 32) >> 6);
    FT_Face face = face_->Handle;
    if (averageWidth_ <= 0 || face->units_per_EM == 0) return own;
    const FT_Fixed scale = FT_MulDiv(ppem_, 1 << 16, face->units_per_EM);
    if (((advance + 63) >> 6) != FT_MulFix(2 * averageWidth_, scale)) return own;
    return static_cast<int>(2 * FT_MulFix(averageWidth_, scale));
}

// The loaded outline, made up bold or slanted where asked, drawn into the box of its
// measures cut to the cell's rows.
void TextFont::RenderOutline(GlyphBits& bits, bool withInk) {
    FT_GlyphSlot slot = face_->Handle->glyph;
    FT_Outline& outline = slot->outline;
    FT_BBox box{slot->metrics.horiBearingX, slot->metrics.horiBearingY - slot->metrics.height,
                slot->metrics.horiBearingX + slot->metrics.width, slot->metrics.horiBearingY};
    // A made-up bold grows the outline by a 24th of the em each way; its box is the
    // grown outline's own.
    if (emboldened_ && FT_Outline_Embolden(&outline, FT_MulDiv(ppem_, 64, 24)) == 0)
        FT_Outline_Get_CBox(&outline, &box);
    box.yMax = std::min<FT_Pos>(box.yMax, FT_Pos{cell_.Ascent} * 64);
    box.yMin = std::max<FT_Pos>(box.yMin, -FT_Pos{cell_.Descent} * 64);
    if (slanted_) {
        const FT_Matrix shear{0x10000, ItalicShear, 0, 0x10000};
        FT_Outline_Transform(&outline, &shear);
        box = SlantedBox(box, shear);
    }
    DrawOutlineInBox(Library(), outline, box, withInk, bits);
}

// Plots the text's lit pixels that fall inside the clip (everywhere when it is null);
// glyphs wholly outside it are never rasterised.
template <class Plot>
void TextFont::ForEachInk(const QString& text, int x, int y, const QRect& clip, Plot&& plot) {
    const int baseline = y + cell_.Ascent;
    int pen = x, measured = 0;
    for (const char32_t code : text.toUcs4()) {
        const int at = pen;
        const GlyphBits& box = Glyph(code, false);
        measured += box.Extent;
        pen += box.Advance;
        QRect area(at + box.Left, baseline - box.Top, box.Width, box.Rows);
        if (!clip.isNull()) area &= clip;
        if (area.isEmpty()) continue;
        const GlyphBits& g = Glyph(code, true);
        const int left = at + g.Left, top = baseline - g.Top;
        area &= QRect(left, top, g.Width, g.Rows);
        for (int py = area.top(); py <= area.bottom(); ++py)
            for (int px = area.left(); px <= area.right(); ++px)
                if (g.Ink[size_t(py - top) * g.Width + size_t(px - left)]) plot(px, py);
    }
    // The bars run the measured width, which may differ from where the pen ended.
    for (const TextBar& bar : {underline_, strikeout_}) {
        QRect area(x, baseline + bar.Offset, measured, bar.Rows);
        if (!clip.isNull()) area &= clip;
        for (int py = area.top(); py <= area.bottom() && !area.isEmpty(); ++py)
            for (int px = area.left(); px <= area.right(); ++px) plot(px, py);
    }
}

int TextFont::Width(const QString& text) {
    int width = 0;
    for (const char32_t code : text.toUcs4()) width += Glyph(code, false).Extent;
    return width;
}

bool TextFont::HasGlyphsFor(const QString& text) const {
    if (!face_->Handle) return false;
    for (const char32_t code : text.toUcs4())
        if (!QChar::isSpace(code) && FT_Get_Char_Index(face_->Handle, code) == 0) return false;
    return true;
}

void TextFont::Draw(QImage& image, int x, int y, QRgb colour, const QString& text) {
    if (image.depth() != 32) return;  // the canvas's format; others are not drawn on
    const int w = image.width(), h = image.height();
    uchar* const pixels = image.bits();  // detaches once, not per pixel
    const qsizetype stride = image.bytesPerLine();
    ForEachInk(text, x, y, QRect(0, 0, w, h),
               [&](int px, int py) { reinterpret_cast<QRgb*>(pixels + py * stride)[px] = colour; });
}

QRect TextFont::InkBounds(const QString& text) {
    int left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    ForEachInk(text, 0, 0, QRect(), [&](int px, int py) {
        left = std::min(left, px);
        right = std::max(right, px);
        top = std::min(top, py);
        bottom = std::max(bottom, py);
    });
    if (right < left) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace zozavud
