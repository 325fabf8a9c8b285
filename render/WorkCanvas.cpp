#include "WorkCanvas.h"

#include <algorithm>

#include "SystemColors.h"
#include "TextFont.h"

namespace zozavud {

namespace {

QRgb ToQRgb(int32_t colorRef) {
    const auto c = static_cast<uint32_t>(colorRef);
    return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

int32_t ToColorRef(QRgb rgb) {
    return static_cast<int32_t>(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
}

}  // namespace

WorkCanvas::WorkCanvas() : image_(CanvasWidth, CanvasHeight, QImage::Format_RGB32) {
    Clear();
    SetFont(FontSpec{});
}

WorkCanvas::~WorkCanvas() = default;

void WorkCanvas::Clear() {
    const QRgb blank = ToQRgb(ColorBlank);
    const QRgb scrollArea = ToQRgb(ColorScrollArea);
    for (int y = 0; y < CanvasHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = 0; x < CanvasWidth; ++x) line[x] = x < VisibleColumns ? blank : scrollArea;
    }
}

void WorkCanvas::SetFont(const FontSpec& font) {
    font_ = TextFont::For(font);
    color_ = ResolveFontColor(font.Color);
}

QSize WorkCanvas::Measure(const QString& text) const {
    return QSize(text.isEmpty() ? 0 : font_->Width(text), font_->Cell().Height());
}

void WorkCanvas::DrawText(int x, int y, const QString& text) {
    if (text.isEmpty()) return;
    font_->Draw(image_, x, y, ToQRgb(color_), text);
}

void WorkCanvas::ReadPixels(CanvasPixels& pixels, int64_t firstRow, int64_t lastRow) const {
    const int from = static_cast<int>(std::clamp<int64_t>(firstRow, 0, CanvasHeight));
    const int to = static_cast<int>(std::clamp<int64_t>(lastRow + 1, 0, CanvasHeight));
    for (int y = from; y < to; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
        for (int x = 0; x < CanvasWidth; ++x) pixels[y * CanvasWidth + x] = ToColorRef(line[x]);
    }
}

}  // namespace zozavud
