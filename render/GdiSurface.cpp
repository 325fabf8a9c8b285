#include "GdiSurface.h"

#include <algorithm>

namespace zozavud {

LOGFONTW FontRequest(const QString& family, uint8_t charset) {
    LOGFONTW request{};
    request.lfCharSet = charset;
    const std::u16string name = family.left(LF_FACESIZE - 1).toStdU16String();
    std::copy(name.begin(), name.end(), request.lfFaceName);
    return request;
}

GdiSurface::GdiSurface() : dc_(CreateCompatibleDC(nullptr)) {
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(0, 0, 0));
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

GdiSurface::~GdiSurface() {
    if (firstFont_) SelectObject(dc_, firstFont_);
    if (firstBitmap_) SelectObject(dc_, firstBitmap_);
    if (bitmap_) DeleteObject(bitmap_);
    DeleteDC(dc_);
}

void GdiSurface::Select(HFONT font) {
    const HGDIOBJ old = SelectObject(dc_, font);
    if (!firstFont_) firstFont_ = old;
}

bool GdiSurface::Clear(int width, int height) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (width > width_ || height > height_) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = std::max(width, width_);
        info.bmiHeader.biHeight = -std::max(height, height_);  // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP made = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (!made) return false;
        const HGDIOBJ old = SelectObject(dc_, made);
        if (!firstBitmap_) firstBitmap_ = old;
        if (bitmap_) DeleteObject(bitmap_);
        bitmap_ = made;
        bits_ = static_cast<uint32_t*>(bits);
        width_ = int(info.bmiHeader.biWidth);
        height_ = -int(info.bmiHeader.biHeight);
    }
    GdiFlush();
    std::fill(bits_, bits_ + size_t(width_) * size_t(height_), 0x00FFFFFFu);
    return true;
}

void GdiSurface::Draw(int x, int y, const QString& text) {
    TextOutW(dc_, x, y, reinterpret_cast<const wchar_t*>(text.utf16()), int(text.size()));
    GdiFlush();  // the pixels are read straight from the section
}

QRect GdiSurface::LitBounds(int width, int height) const {
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < std::min(height, height_); ++y)
        for (int x = 0; x < std::min(width, width_); ++x)
            if (Lit(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    if (right < 0) return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace zozavud
