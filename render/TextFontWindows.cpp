// A record's font drawn by the platform's own text engine: the font made from the record's
// height, charset and style without smoothing, measured by its text extent and drawn with
// a transparent TextOut, as the editor has always drawn on Windows.
#include <windows.h>

#include <algorithm>

#include "GdiSurface.h"
#include "ImageSet.h"
#include "TextFont.h"

namespace zozavud {

namespace {

// Sizes from a loaded file are not trusted: beyond this the surfaces would not fit in memory.
constexpr int MaxHeight = MaxEmPixels;
// Ink reaches this far beyond the text's box at most (overhangs of slanted and script faces).
int InkMargin(int cellHeight) { return cellHeight + 8; }
// The widest box InkBounds draws into; ink beyond it is not seen.
constexpr int MaxInkWidth = 16384;

HFONT MakeFont(const FontSpec& font, const QString& family) {
    LOGFONTW request = FontRequest(family, font.Charset);
    request.lfHeight = std::clamp<int32_t>(font.Height, -MaxHeight, MaxHeight);
    request.lfWeight = (font.Style & FontStyleBold) ? FW_BOLD : FW_NORMAL;
    request.lfItalic = (font.Style & FontStyleItalic) ? 1 : 0;
    request.lfUnderline = (font.Style & FontStyleUnderline) ? 1 : 0;
    request.lfStrikeOut = (font.Style & FontStyleStrikeOut) ? 1 : 0;
    request.lfOutPrecision = OUT_DEFAULT_PRECIS;
    request.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    request.lfQuality = NONANTIALIASED_QUALITY;
    request.lfPitchAndFamily = DEFAULT_PITCH;
    return CreateFontIndirectW(&request);
}

}  // namespace

struct TextFont::Face {
    HFONT Font = nullptr;
    GdiSurface Surface;
    ~Face() {
        Surface.Select(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
        if (Font) DeleteObject(Font);
    }
};

TextFont::TextFont(const FontSpec& font, const FaceFile& file)
    : face_(std::make_unique<Face>()), file_(file) {
    face_->Font = MakeFont(font, file.Family.isEmpty() ? font.Name : file.Family);
    if (face_->Font) face_->Surface.Select(face_->Font);
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(face_->Surface.Dc(), &metrics))
        cell_ = CellRows{int(metrics.tmAscent), int(metrics.tmDescent)};
}

TextFont::~TextFont() = default;

int TextFont::Width(const QString& text) {
    SIZE size{};
    if (text.isEmpty() ||
        !GetTextExtentPoint32W(face_->Surface.Dc(), reinterpret_cast<const wchar_t*>(text.utf16()),
                               int(text.size()), &size))
        return 0;
    return int(size.cx);
}

bool TextFont::HasGlyphsFor(const QString& text) const {
    if (!face_->Font) return false;
    std::vector<WORD> glyphs(size_t(text.size()) + 1);
    if (GetGlyphIndicesW(face_->Surface.Dc(), reinterpret_cast<const wchar_t*>(text.utf16()),
                         int(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (glyphs[size_t(i)] == 0xFFFF && !text.at(i).isSpace()) return false;
    return true;
}

void TextFont::Draw(QImage& image, int x, int y, QRgb colour, const QString& text) {
    if (image.depth() != 32 || text.isEmpty()) return;  // the canvas's format; others are not drawn on
    const int w = image.width(), h = image.height();
    GdiSurface& surface = face_->Surface;
    if (!surface.Clear(w, h)) return;
    surface.Draw(x, y, text);
    // Only the rows and columns the text can reach are looked at.
    const int margin = InkMargin(cell_.Height());
    const int left = std::max(0, x - margin), right = std::min(w, x + Width(text) + margin);
    const int top = std::max(0, y - margin), bottom = std::min(h, y + cell_.Height() + margin);
    for (int py = top; py < bottom; ++py) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = left; px < right; ++px)
            if (surface.Lit(px, py)) row[px] = colour;
    }
}

QRect TextFont::InkBounds(const QString& text) {
    if (text.isEmpty()) return {};
    const int margin = InkMargin(cell_.Height());
    const int w = std::min(Width(text) + 2 * margin, MaxInkWidth), h = cell_.Height() + 2 * margin;
    GdiSurface& surface = face_->Surface;
    if (!surface.Clear(w, h)) return {};
    surface.Draw(margin, margin, text);
    return surface.LitBounds(w, h).translated(-margin, -margin);
}

}  // namespace zozavud
