#include "FitChecker.h"

#include <QStringList>
#include <algorithm>

#include "CodePage.h"
#include "FontFiles.h"
#include "FontSubstitution.h"
#include "LcdRenderer.h"
#include "MessageSlots.h"
#include "ShortString.h"
#include "TextFont.h"
#include "WorkCanvas.h"

namespace zozavud {

namespace {

struct Line {
    int Number = 1;
    QString Text;
    QSize Size;
    LinePlacement Place;
};

QString RowSpan(int first, int last) {
    return first == last ? QStringLiteral("row %1").arg(first)
                         : QStringLiteral("rows %1..%2").arg(first).arg(last);
}

// Lit pixels of the canvas in rows first..last (clipped), and the rows they lie in.
struct LitRows {
    int Count = 0, First = -1, Last = -1;
};
LitRows CountLit(const CanvasPixels& pixels, int64_t first, int64_t last) {
    LitRows lit;
    const int from = static_cast<int>(std::clamp<int64_t>(first, 0, CanvasHeight));
    const int to = static_cast<int>(std::clamp<int64_t>(last + 1, 0, CanvasHeight));
    for (int y = from; y < to; ++y)
        for (int x = 0; x < CanvasWidth; ++x) {
            if (!IsPixelOn(pixels[y * CanvasWidth + x])) continue;
            ++lit.Count;
            if (lit.First < 0) lit.First = y;
            lit.Last = y;
        }
    return lit;
}

void CheckWindow(const CanvasPixels& pixels, const Line& line, int64_t offset,
                 std::vector<FitWarning>& warnings) {
    const int64_t window = offset;  // canvas row shown as picture row 0
    const LitRows above = CountLit(pixels, 0, window - 1);
    const LitRows below = CountLit(pixels, window + LcdRows, CanvasHeight - 1);
    const QString shown =
        QStringLiteral("the picture shows canvas rows %1..%2").arg(window).arg(window + LcdRows - 1);
    if (above.Count > 0)
        warnings.push_back(
            {FitWarningKind::LostAboveWindow,
             QStringLiteral("line %1: %2 glyph pixel(s) lost above the picture, in canvas %3 (%4)")
                 .arg(line.Number)
                 .arg(above.Count)
                 .arg(RowSpan(above.First, above.Last), shown),
             above.Count});
    if (below.Count > 0)
        warnings.push_back(
            {FitWarningKind::LostBelowWindow,
             QStringLiteral("line %1: %2 glyph pixel(s) lost below the picture, in canvas %3 (%4)")
                 .arg(line.Number)
                 .arg(below.Count)
                 .arg(RowSpan(below.First, below.Last), shown),
             below.Count});
}

// Ink that would fall beyond the canvas edges, from the lit pixels' box of the line at
// its placed position.
void CheckCanvasEdges(TextFont& font, const Line& line, std::vector<FitWarning>& warnings) {
    const QRect ink = font.InkBounds(line.Text).translated(line.Place.X, line.Place.Y);
    if (ink.isEmpty()) return;
    QStringList sides;
    if (ink.left() < 0) sides << QStringLiteral("%1 beyond the left edge").arg(-ink.left());
    if (ink.right() >= CanvasWidth)
        sides << QStringLiteral("%1 beyond the right edge").arg(ink.right() - CanvasWidth + 1);
    if (ink.top() < 0) sides << QStringLiteral("%1 beyond the top edge").arg(-ink.top());
    if (ink.bottom() >= CanvasHeight)
        sides << QStringLiteral("%1 beyond the bottom edge").arg(ink.bottom() - CanvasHeight + 1);
    if (sides.isEmpty()) return;
    warnings.push_back(
        {FitWarningKind::OffCanvas, QStringLiteral("line %1: glyphs clipped by the %2 x %3 canvas: pixels %4")
                                        .arg(line.Number)
                                        .arg(CanvasWidth)
                                        .arg(CanvasHeight)
                                        .arg(sides.join(", "))});
}

void CheckHiddenColumns(const ImageRecord& record, std::vector<FitWarning>& warnings) {
    if (record.Scroll != 0 || record.WideBitmap != 0) return;
    int count = 0, first = LcdColumns, last = -1;
    for (int x = VisibleColumns; x < LcdColumns; ++x)
        for (int y = 0; y < LcdRows; ++y)
            if (IsPixelOn(record.RenderedData[LayerIndex(x, y)])) {
                ++count;
                first = std::min(first, x);
                last = std::max(last, x);
            }
    if (count == 0) return;
    warnings.push_back({FitWarningKind::HiddenColumns,
                        QStringLiteral("%1 lit dot(s) in columns %2..%3, but the image does not scroll: "
                                       "the printer shows columns 0..127 only")
                            .arg(count)
                            .arg(first)
                            .arg(last),
                        count});
}

void CheckCutTexts(const ImageRecord& record, std::vector<FitWarning>& warnings) {
    const ShortString* texts[2] = {&record.Text1, &record.Text2};
    for (int i = 0; i < 2; ++i)
        if (texts[i]->Length == ShortStringCapacity)
            warnings.push_back({FitWarningKind::TextCut,
                                QStringLiteral("text line %1 is 255 bytes long, the most a record holds: "
                                               "it may have been cut")
                                    .arg(i + 1)});
}

// The family drawn, where it is none of the record's face and our stand-ins for it.
QString SubstitutedFamily(const FontSpec& font, const FaceFile& file) {
    // The face itself and our stand-ins for it; where our table replaces the face
    // wholesale (a Chinese face for Chinese texts), that list too.
    QStringList intended = FaceCandidates(font.Name, 0);
    const QStringList families = FontFamiliesFor(font.Name, font.Charset);
    if (families.value(0).compare(font.Name, Qt::CaseInsensitive) != 0)
        intended += FaceCandidates(font.Name, font.Charset);
    for (const QString& face : intended)
        if (!face.isEmpty() && file.Family.compare(face, Qt::CaseInsensitive) == 0) return {};
    return file.Family;
}

FaceFile DrawnFile(const FontSpec& font) {
    return FindFaceFile(font.Name, font.Charset, font.Style & FontStyleBold, font.Style & FontStyleItalic);
}

// The face that draws the lines, where it is not the record's own or a stand-in for it.
void CheckDrawnFace(const FontSpec& recordFont, const DrawnText& text, std::vector<FitWarning>& warnings) {
    if (text.LanguageFace)
        warnings.push_back({FitWarningKind::LanguageFace,
                            QStringLiteral("font \"%1\" has no glyphs for the slot's default message: it is "
                                           "drawn in the language's face \"%2\" (charset %3)")
                                .arg(recordFont.Name, text.Font.Name)
                                .arg(text.Font.Charset),
                            0, true});
    if (const QString problem = FontSubstitutionProblem(text.Font); !problem.isEmpty())
        warnings.push_back({FitWarningKind::FontSubstituted, problem});
}

}  // namespace

QString FontSubstitutionProblem(const FontSpec& font) {
    const FaceFile file = DrawnFile(font);
    const QString drawn = SubstitutedFamily(font, file);
    if (drawn.isEmpty()) return {};
    const QString why = file.LacksCharset
                            ? QStringLiteral("has no characters of charset %1").arg(font.Charset)
                            : QStringLiteral("is not installed");
    return QStringLiteral("font \"%1\" %2: the text is drawn in \"%3\"").arg(font.Name, why, drawn);
}

QString SubstitutedFace(const FontSpec& font) { return SubstitutedFamily(font, DrawnFile(font)); }

FitChecker::FitChecker()
    : renderer_(std::make_unique<LcdRenderer>()), canvas_(std::make_unique<WorkCanvas>()) {}

FitChecker::~FitChecker() = default;

std::vector<FitWarning> FitChecker::Check(const ImageRecord& record, int imageNo, MessageLanguage language) {
    std::vector<FitWarning> warnings;
    auto copy = std::make_unique<ImageRecord>(record);
    copy->ImageNo = static_cast<uint8_t>(imageNo);
    RenderContext context;
    context.Language = language;
    const RenderOutcome outcome = renderer_->Render(*copy, context);

    const DrawnText text = TextToDraw(*copy, language);
    const bool useDefaults = text.DefaultMessage;
    Line lines[2];
    lines[0].Text = text.Line1;
    lines[1].Text = text.Line2;
    lines[1].Number = 2;
    canvas_->SetFont(text.Font);
    for (Line& line : lines) line.Size = canvas_->Measure(line.Text);
    // The placement the renderer used, so the lines land where it drew them.
    const LinePlacements places =
        PlaceLines(outcome.LineCount, outcome.Scrolls || outcome.Blinks, lines[0].Size.width(),
                   lines[0].Size.height(), lines[0].Text.startsWith(' '), lines[1].Size.width(),
                   lines[1].Size.height(), lines[1].Text.startsWith(' '));
    lines[0].Place = places.Line1;
    lines[1].Place = places.Line2;

    auto pixels = std::make_unique<CanvasPixels>();
    for (const Line& line : lines) {
        if (line.Size.width() <= 0) continue;
        // One line at a time, so that each loss is told against its own line.
        canvas_->Clear();
        canvas_->DrawText(line.Place.X, line.Place.Y, line.Text);
        canvas_->ReadPixels(*pixels);
        const size_t before = warnings.size();
        CheckWindow(*pixels, line, copy->VerticalPositionOffset, warnings);
        CheckCanvasEdges(*canvas_->Font(), line, warnings);
        if (!useDefaults) continue;
        for (size_t i = before; i < warnings.size(); ++i) {
            warnings[i].Note = true;
            warnings[i].Message += " (the slot's default message)";
        }
    }

    CheckHiddenColumns(record, warnings);
    CheckCutTexts(record, warnings);
    const bool drawsText = lines[0].Size.width() > 0 || lines[1].Size.width() > 0;
    if (drawsText) CheckDrawnFace(FontSpecFromRecord(*copy), text, warnings);
    return warnings;
}

}  // namespace zozavud
