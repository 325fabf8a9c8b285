#pragma once
// A white 32-bit drawing surface the platform's text engine draws black text on, and the
// device context that holds it with a font selected.

#include <windows.h>

#include <QRect>
#include <QString>
#include <cstdint>

namespace zozavud {

// A font request for the family (cut to what the platform takes) in the charset; every
// other field is the platform's default.
LOGFONTW FontRequest(const QString& family, uint8_t charset);

class GdiSurface {
public:
    GdiSurface();
    ~GdiSurface();
    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;

    HDC Dc() const { return dc_; }
    // The font text is measured and drawn with; the surface keeps it until the next.
    void Select(HFONT font);
    // Makes the surface at least width x height (each at least 1) and all white; false
    // when the system has no memory for it.
    bool Clear(int width, int height);
    // Draws the text with its cell's top-left at (x, y), without smoothing or background.
    void Draw(int x, int y, const QString& text);
    // True where text was drawn; (x, y) must lie inside the last Clear.
    bool Lit(int x, int y) const {
        return (bits_[size_t(y) * size_t(width_) + size_t(x)] & 0xFFFFFF) != 0xFFFFFF;
    }
    // The lit pixels' box within (0, 0, width, height); empty when none is lit.
    QRect LitBounds(int width, int height) const;

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ firstBitmap_ = nullptr, firstFont_ = nullptr;
    uint32_t* bits_ = nullptr;
    int width_ = 0, height_ = 0;
};

}  // namespace zozavud
