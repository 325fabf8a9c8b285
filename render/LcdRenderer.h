#pragma once
// Turns an image record into its LCD picture (RenderedData, Scroll) and the 2x preview.

#include <QImage>
#include <memory>

#include "Composition.h"
#include "ImageSet.h"
#include "MessageLanguage.h"
#include "RecordFont.h"

namespace zozavud {

class WorkCanvas;

struct RenderContext {
    MessageLanguage Language = MessageLanguage::English;
    int32_t ScrollPosition = 0;
    bool BlinkPhase = false;  // true = blanked
};

struct RenderOutcome {
    int LineCount = 1;
    bool Scrolls = false;  // Scroll (as just derived) or WideBitmap
    bool Blinks = false;   // Blink and not scrolling
};

// Where a line of width w and height h goes on the work canvas.
struct LinePlacement {
    int X = 0;
    int Y = 0;
};
struct LinePlacements {
    LinePlacement Line1, Line2;
};
LinePlacements PlaceLines(int lineCount, bool animated, int w1, int h1, bool leadingSpace1, int w2, int h2,
                          bool leadingSpace2);

// The lines an image shows and the font that draws them: its own texts in its font or,
// without text, the slot's default message in the language. Where the record's face has
// no glyphs for that message, the language's own face and charset draw it instead, as
// the platform links a fallback face; height, style and colour stay the record's.
struct DrawnText {
    QString Line1, Line2;
    FontSpec Font;
    bool DefaultMessage = false;
    bool LanguageFace = false;  // the default message is drawn in the language's face
};
DrawnText TextToDraw(const ImageRecord& record, MessageLanguage language);

class LcdRenderer {
public:
    LcdRenderer();
    ~LcdRenderer();

    // Renders the record in place: RenderedData and Scroll are written.
    RenderOutcome Render(ImageRecord& record, const RenderContext& context);

    // The preview of the last render: 256 x 50, 2 x 2 dots of the visible 128 x 25.
    const QImage& Preview() const { return preview_; }
    const PreviewDots& Dots() const { return dots_; }

    // 0 when the cell of "A" in the record's font is at most 12 high, else (h - 12) / 2.
    int32_t DefaultVerticalOffset(const ImageRecord& record);

private:
    std::unique_ptr<WorkCanvas> canvas_;
    CanvasPixels pixels_{};
    PreviewDots dots_{};
    QImage preview_;
};

}  // namespace zozavud
