#pragma once
// The 256 x 48 off-screen surface the text lines are drawn on.

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

#include "Composition.h"
#include "GdiFont.h"
#include "GdiMetrics.h"

namespace zozavud {

class WorkCanvas {
public:
    WorkCanvas();

    // Left half ColorBlank, right half ColorScrollArea.
    void Clear();
    void SetFont(const FontSpec& font);
    // Width (advance) and cell height of the text in the current font.
    QSize Measure(const QString& text) const;
    // (x, y) is the top-left corner of the text cell; the background stays.
    void DrawText(int x, int y, const QString& text);
    // Only rows firstRow..lastRow (clipped to the canvas) are read; the rest stay as they were.
    void ReadPixels(CanvasPixels& pixels, int64_t firstRow = 0, int64_t lastRow = CanvasHeight - 1) const;

    const QImage& Image() const { return image_; }

private:
    QImage image_;
    QFont font_;
    GdiMetrics metrics_;
    int32_t color_ = 0;
};

}  // namespace zozavud
