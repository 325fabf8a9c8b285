#include <gtest/gtest.h>

#include "CodePage.h"
#include "RecordFont.h"
#include "RenderTestSupport.h"
#include "ShortString.h"
#include "SystemColors.h"
#include "WorkCanvas.h"

namespace zozavud {
namespace {

class Renderer : public ::testing::Test {
protected:
    void SetUp() override { test::MakeFreshSet(state, renderer); }
    ImageRecord& Show(int n) {
        state.SelectImage(n);
        return state.CurrentRecord();
    }
    RenderOutcome Render() { return RenderCurrentImage(state, renderer); }
    void SetText(ShortString& field, const char* text) {
        StoreShortString(field, EncodeText(QString::fromUtf8(text), 0));
    }

    EditorState state;
    LcdRenderer renderer;
};

TEST_F(Renderer, DefaultMessageIsCentredAndFollowsTheLanguage) {
    Show(2);
    Render();
    const test::LitBounds english = test::Bounds(state.CurrentRecord());
    EXPECT_NEAR((english.Left + english.Right) / 2.0, 63.5, 1.5);
    EXPECT_LT(english.Right, 128);
    const PixelLayer& before = state.CurrentRecord().RenderedData;
    PixelLayer englishPixels;
    std::copy(std::begin(before), std::end(before), englishPixels);

    state.Language.SetSelectedLanguage(MessageLanguage::French);
    Render();
    EXPECT_FALSE(std::equal(std::begin(englishPixels), std::end(englishPixels),
                            std::begin(state.CurrentRecord().RenderedData)));
}

TEST_F(Renderer, OwnTextReplacesTheDefaultAndLeadingSpaceAlignsLeft) {
    ImageRecord& record = Show(2);
    SetText(record.Text1, "Online");
    Render();
    const test::LitBounds centred = test::Bounds(record);
    SetText(record.Text1, " Online");
    Render();
    const test::LitBounds left = test::Bounds(record);
    EXPECT_GT(centred.Left, 30);
    EXPECT_LT(left.Left, 10);
}

TEST_F(Renderer, TwoLinesSitAtRows0And13) {
    ImageRecord& record = Show(6);
    record.VerticalPositionOffset = 0;
    SetText(record.Text1, "Paper end");
    SetText(record.Text2, "Paper end");
    Render();
    const test::LitBounds b = test::Bounds(record);
    EXPECT_LT(b.Top, 4);
    EXPECT_GT(b.Bottom, 14);
}

TEST_F(Renderer, LoneSecondLineIsCentredUnlessTheImageAnimates) {
    ImageRecord& record = Show(6);
    record.VerticalPositionOffset = 0;
    SetText(record.Text2, "Paper end");
    Render();
    const test::LitBounds still = test::Bounds(record);
    record.Blink = 1;
    const RenderOutcome outcome = Render();
    EXPECT_TRUE(outcome.Blinks);
    const test::LitBounds blinking = test::Bounds(record);
    EXPECT_EQ(blinking.Top - still.Top, 13 - (25 - 15) / 2);
}

TEST_F(Renderer, WideSecondLineScrollsAndStartsLeft) {
    ImageRecord& record = Show(6);
    SetText(record.Text2, "Please replace the paper roll now");
    RenderOutcome outcome = Render();
    EXPECT_EQ(record.Scroll, 1);
    EXPECT_TRUE(outcome.Scrolls);
    EXPECT_LE(test::Bounds(record).Left, 1);
    EXPECT_GT(test::Bounds(record).Right, 128);

    SetText(record.Text2, "Paper");
    record.Scroll = 1;  // stale: every render derives it anew
    outcome = Render();
    EXPECT_EQ(record.Scroll, 0);
    EXPECT_FALSE(outcome.Scrolls);
}

TEST_F(Renderer, WideLineInAOneLineSlotNeverScrolls) {
    ImageRecord& record = Show(3);
    SetText(record.Text1, "A line that is far wider than the screen");
    const RenderOutcome outcome = Render();
    EXPECT_EQ(record.Scroll, 0);
    EXPECT_FALSE(outcome.Scrolls);
    const test::LitBounds b = test::Bounds(record);
    EXPECT_LE(b.Left, 1);
    EXPECT_GT(b.Right, 160);
    // Columns past 127 are stored, but the preview shows only the visible width.
    const QImage& preview = renderer.Preview();
    EXPECT_EQ(preview.size(), QSize(256, 50));
}

TEST_F(Renderer, WhiteTextLeavesNothingLitAndSystemColoursIgnoreTheTheme) {
    ImageRecord& record = Show(2);
    SetText(record.Text1, "Online");
    record.FontColor = 0xFFFFFF;
    Render();
    EXPECT_EQ(test::Bounds(record).Count, 0);
    EXPECT_EQ(ResolveFontColor(int32_t(0xFF000008)), 0x000000);
    EXPECT_EQ(ResolveFontColor(int32_t(0xFF000005)), 0xFFFFFF);
    EXPECT_EQ(ResolveFontColor(0x123456), 0x123456);
}

TEST_F(Renderer, DefaultOffsetFollowsTheCellOfA) {
    ImageRecord& record = Show(1);
    EXPECT_EQ(record.VerticalPositionOffset, 1);  // Tahoma at 12 pixels: a 14-row cell
    record.FontHeight = -8;
    EXPECT_EQ(renderer.DefaultVerticalOffset(record), 0);
    record.FontHeight = 26;  // a cell height: em 21 (22 would make 27 rows), 25 rows
    EXPECT_EQ(renderer.DefaultVerticalOffset(record), (25 - 12) / 2);
}

TEST_F(Renderer, HostileFontFieldsStayBounded) {
    ImageRecord& record = Show(6);
    for (int32_t height : {INT32_MIN, -100000, -1, 0, 1, 100000, INT32_MAX}) {
        record.FontHeight = height;
        record.VerticalPositionOffset = height;
        Render();
    }
    SUCCEED();
}

}  // namespace
}  // namespace zozavud

namespace zozavud {
namespace {

// A string of exactly the width asked for in the record's font, built from two glyphs.
QString TextOfWidth(WorkCanvas& canvas, int width) {
    for (const char* glyphs : {"Wl", "Wi", "al", "a.", "ml", "Mi"})
        for (int wide = 0; wide < 40; ++wide)
            for (int narrow = 0; narrow < 80; ++narrow) {
                const QString text = QString(wide, glyphs[0]) + QString(narrow, glyphs[1]);
                if (canvas.Measure(text).width() == width) return text;
            }
    return QString();
}

TEST(RendererBoundary, SecondLineOf129ScrollsAnd128DoesNot) {
    EditorState state;
    LcdRenderer renderer;
    test::MakeFreshSet(state, renderer);
    state.SelectImage(6);
    ImageRecord& record = state.CurrentRecord();
    WorkCanvas canvas;
    canvas.SetFont(FontSpecFromRecord(record));
    for (const auto& [width, scrolls] : {std::pair{128, false}, std::pair{129, true}}) {
        const QString text = TextOfWidth(canvas, width);
        ASSERT_FALSE(text.isEmpty()) << "no text of width " << width;
        record.Text1.Length = 0;
        StoreShortString(record.Text2, text.toLatin1());
        const RenderOutcome outcome = RenderCurrentImage(state, renderer);
        EXPECT_EQ(record.Scroll, scrolls ? 1 : 0) << width;
        // Either way the line starts at the left edge; only the scrolling one sits at row 13.
        const test::LitBounds b = test::Bounds(record);
        EXPECT_LE(b.Left, 1) << width;
        EXPECT_EQ(outcome.Scrolls, scrolls);
        if (scrolls)
            EXPECT_GE(b.Top, 13) << width;
        else
            EXPECT_LT(b.Top, 13) << width;
    }
}

}  // namespace
}  // namespace zozavud
