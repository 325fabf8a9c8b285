#pragma once
// The 256 x 48 off-screen surface the text lines are drawn on.

#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "Composition.h"
#include "RecordFont.h"

namespace zozavud {

class TextFont;

class WorkCanvas {
public:
    WorkCanvas();
    ~WorkCanvas();

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
    // The font SetFont chose; never null after it.
    TextFont* Font() const { return font_.get(); }

private:
    QImage image_;
    std::shared_ptr<TextFont> font_;
    int32_t color_ = 0;
};

}  // namespace zozavud
