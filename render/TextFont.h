#pragma once
// A record's font as the canvas draws it: FreeType glyphs without smoothing, hinted by
// the face's TrueType program for the 1-bit target or taken from its bitmap strike, with
// made-up bold and slant where the face lacks them, measured as the platform measures
// (TextFont.cpp). On Windows the platform's own engine draws and measures it
// (TextFontWindows.cpp), and of the members below only the face, the file and the cell
// are used.

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "FontFiles.h"
#include "FontRules.h"
#include "RecordFont.h"

namespace zozavud {

struct GlyphBits {
    int Left = 0;  // from the pen to the first column
    int Top = 0;   // from the baseline up to the first row
    int Width = 0;
    int Rows = 0;
    int Advance = 0;           // how far the pen moves when the glyph is drawn
    int Extent = 0;            // what measuring counts: the outline's advance even where a strike draws
    std::vector<uint8_t> Ink;  // Width * Rows, row by row, 1 = lit, once Inked
    bool Inked = false;        // false: only measured, the outline not rasterised yet
};

// A horizontal bar (underline, strikeout) relative to the baseline, rows downwards.
struct TextBar {
    int Offset = 0;  // first row below the baseline (negative: above)
    int Rows = 0;    // 0: no bar
};

class TextFont {
public:
    // Fonts are shared through a small cache: the same FontSpec gives the same object.
    static std::shared_ptr<TextFont> For(const FontSpec& font);
    ~TextFont();
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

    const CellRows& Cell() const { return cell_; }
    const FaceFile& File() const { return file_; }

    // The sum of the glyphs' measured advances, no kerning.
    int Width(const QString& text);
    // True when the face has a glyph of its own for every character of the text but spaces.
    bool HasGlyphsFor(const QString& text) const;
    // Lights the text's pixels in the image, its cell's top-left at (x, y); clipped.
    void Draw(QImage& image, int x, int y, QRgb colour, const QString& text);
    // The lit pixels' box for a cell at (0, 0); empty when nothing would be lit.
    QRect InkBounds(const QString& text);

private:
    struct Face;
    TextFont(const FontSpec& font, const FaceFile& file);
    // The glyph's measures and box; its pixels too when withInk is set.
    const GlyphBits& Glyph(char32_t code, bool withInk);
    void LoadGlyph(char32_t code, GlyphBits& bits, bool withInk);
    bool LoadPicture(char32_t code);
    void InkOutline(char32_t code, GlyphBits& bits);
    void RenderOutline(GlyphBits& bits, bool withInk);
    int PitchAdvance(long advance) const;
    template <class Plot>
    void ForEachInk(const QString& text, int x, int y, const QRect& clip, Plot&& plot);

    std::unique_ptr<Face> face_;
    FaceFile file_;
    int ppem_ = 1;
    CellRows cell_;
    bool strike_ = false;
    bool emboldened_ = false;
    bool slanted_ = false;
    long averageWidth_ = 0;  // font units; set only for a monospaced face
    TextBar underline_, strikeout_;
    std::unordered_map<char32_t, GlyphBits> glyphs_;
    size_t cachedInk_ = 0;
};

}  // namespace zozavud
