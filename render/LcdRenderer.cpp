#include "LcdRenderer.h"

#include "CodePage.h"
#include "LanguageTables.h"
#include "MessageSlots.h"
#include "PreviewScaling.h"
#include "ShortString.h"
#include "TextFont.h"
#include "WorkCanvas.h"

namespace zozavud {

namespace {

int CentredX(int width, bool leadingSpace) {
    return (width <= VisibleColumns && !leadingSpace) ? (VisibleColumns - width) / 2 : 0;
}

int AloneY(int lineCount, bool animated, int height) {
    if (animated) return lineCount == 2 ? 13 : 8;
    return height <= 24 ? (LcdRows - height) / 2 : 0;
}

}  // namespace

LinePlacements PlaceLines(int lineCount, bool animated, int w1, int h1, bool leadingSpace1, int w2, int h2,
                          bool leadingSpace2) {
    LinePlacements p;
    p.Line1.X = CentredX(w1, leadingSpace1);
    p.Line2.X = CentredX(w2, leadingSpace2);
    if (w1 > 0 && w2 > 0) {
        p.Line1.Y = 0;
        p.Line2.Y = 13;
    } else {
        p.Line1.Y = AloneY(lineCount, animated, h1);
        p.Line2.Y = AloneY(lineCount, animated, h2);
    }
    return p;
}

DrawnText TextToDraw(const ImageRecord& record, MessageLanguage language) {
    DrawnText text;
    text.Font = FontSpecFromRecord(record);
    text.DefaultMessage = record.Text1.Length == 0 && record.Text2.Length == 0;
    if (!text.DefaultMessage) {
        text.Line1 = DecodeText(ShortStringBytes(record.Text1), record.FontCharset);
        text.Line2 = DecodeText(ShortStringBytes(record.Text2), record.FontCharset);
        return text;
    }
    text.Line1 = DefaultText(record.ImageNo, language, 1);
    text.Line2 = DefaultText(record.ImageNo, language, 2);
    FontSpec own = text.Font;
    own.Name = QString::fromLatin1(LanguageFont(language));
    own.Charset = LanguageCharset(language);
    if (own.Charset == text.Font.Charset && own.Name.compare(text.Font.Name, Qt::CaseInsensitive) == 0)
        return text;
    const std::shared_ptr<TextFont> face = TextFont::For(text.Font);
    if (face->HasGlyphsFor(text.Line1) && face->HasGlyphsFor(text.Line2)) return text;
    text.Font = own;
    text.LanguageFace = true;
    return text;
}

LcdRenderer::LcdRenderer() : canvas_(std::make_unique<WorkCanvas>()), preview_(ScaledPreview(dots_, 2)) {}

LcdRenderer::~LcdRenderer() = default;

RenderOutcome LcdRenderer::Render(ImageRecord& record, const RenderContext& context) {
    RenderOutcome outcome;
    outcome.LineCount = SlotLineCount(record.ImageNo);

    canvas_->Clear();
    const DrawnText text = TextToDraw(record, context.Language);
    canvas_->SetFont(text.Font);
    const QString& line1 = text.Line1;
    const QString& line2 = text.Line2;
    const QSize size1 = canvas_->Measure(line1);
    const QSize size2 = canvas_->Measure(line2);

    record.Scroll = (outcome.LineCount == 2 && size2.width() > VisibleColumns) ? 1 : 0;
    outcome.Scrolls = record.Scroll != 0 || record.WideBitmap != 0;
    outcome.Blinks = record.Blink != 0 && !outcome.Scrolls;

    const LinePlacements places =
        PlaceLines(outcome.LineCount, outcome.Scrolls || outcome.Blinks, size1.width(), size1.height(),
                   line1.startsWith(' '), size2.width(), size2.height(), line2.startsWith(' '));
    if (size1.width() > 0) canvas_->DrawText(places.Line1.X, places.Line1.Y, line1);
    if (size2.width() > 0) canvas_->DrawText(places.Line2.X, places.Line2.Y, line2);
    // The composition reads only the 25 rows the vertical offset picks.
    const int64_t firstRow = record.VerticalPositionOffset;
    canvas_->ReadPixels(pixels_, firstRow, firstRow + LcdRows - 1);

    AnimationFrame frame;
    frame.Mode = outcome.Scrolls ? Animation::Scroll : outcome.Blinks ? Animation::Blink : Animation::None;
    frame.LineCount = outcome.LineCount;
    frame.ScrollPosition = context.ScrollPosition;
    frame.BlinkBlank = context.BlinkPhase;
    ComposeImage(pixels_, record.BitmapData, record.VerticalPositionOffset, frame, record.RenderedData,
                 dots_);
    preview_ = ScaledPreview(dots_, 2);
    return outcome;
}

int32_t LcdRenderer::DefaultVerticalOffset(const ImageRecord& record) {
    canvas_->SetFont(FontSpecFromRecord(record));
    const int h = canvas_->Measure(QStringLiteral("A")).height();
    return h <= 12 ? 0 : (h - 12) / 2;
}

}  // namespace zozavud
