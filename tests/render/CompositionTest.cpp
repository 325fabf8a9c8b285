#include <gtest/gtest.h>

#include <algorithm>

#include "Composition.h"

namespace zozavud {
namespace {

constexpr int32_t Ink = 0x000000;

struct Picture {
    CanvasPixels Canvas{};
    PixelLayer Bitmap{};
    PixelLayer Rendered{};
    PreviewDots Dots{};

    Picture() {
        for (int y = 0; y < CanvasHeight; ++y)
            for (int x = 0; x < CanvasWidth; ++x)
                Canvas[y * CanvasWidth + x] = x < VisibleColumns ? ColorBlank : ColorScrollArea;
        std::fill(std::begin(Bitmap), std::end(Bitmap), ColorBlank);
    }
    void Ink(int x, int y, int32_t color = zozavud::Ink) { Canvas[y * CanvasWidth + x] = color; }
    void Compose(int32_t offset, AnimationFrame frame = {}) {
        ComposeImage(Canvas, Bitmap, offset, frame, Rendered, Dots);
    }
    int32_t At(int x, int y) const { return Rendered[LayerIndex(x, y)]; }
    bool Dot(int x, int y) const { return Dots[y * VisibleColumns + x]; }
};

TEST(Composition, OffsetPicksTheCanvasRows) {
    struct Case {
        int32_t Offset;
        int CanvasRow;
        int LcdRow;  // where that canvas row lands, or -1 if outside
    };
    const Case cases[] = {{0, 0, 0},    {0, 24, 24}, {0, 25, -1},        {-24, 0, 24},       {24, 24, 0},
                          {24, 47, 23}, {1, 0, -1},  {INT32_MIN, 0, -1}, {INT32_MAX, 47, -1}};
    for (const Case& c : cases) {
        Picture p;
        p.Ink(5, c.CanvasRow);
        p.Compose(c.Offset);
        for (int row = 0; row < LcdRows; ++row)
            EXPECT_EQ(p.At(5, row) == Ink, row == c.LcdRow)
                << "offset " << c.Offset << " canvas row " << c.CanvasRow << " lcd row " << row;
    }
}

TEST(Composition, RowsAboveTheCanvasAreUnlitButTheBitmapStillShows) {
    Picture p;
    for (int x = 0; x < CanvasWidth; ++x) p.Ink(x, 0);
    p.Bitmap[LayerIndex(3, 2)] = 0x112233;
    p.Compose(-24);
    EXPECT_EQ(p.At(3, 2), 0x112233);
    EXPECT_EQ(p.At(4, 2), ColorBlank);
    EXPECT_EQ(p.At(4, 24), Ink);
}

TEST(Composition, LitBitmapWinsAndUnlitValuesBecomeBlank) {
    Picture p;
    p.Ink(1, 1, 0x0000FF);
    p.Bitmap[LayerIndex(1, 1)] = 0x00FF00;
    p.Ink(2, 1, 0x0000FF);
    p.Bitmap[LayerIndex(2, 1)] = ColorSilver;  // unlit bitmap pixel lets the text through
    p.Compose(0);
    EXPECT_EQ(p.At(1, 1), 0x00FF00);
    EXPECT_EQ(p.At(2, 1), 0x0000FF);
    // The scroll area background is unlit and stored as blank.
    EXPECT_EQ(p.At(200, 3), ColorBlank);
    EXPECT_TRUE(std::all_of(std::begin(p.Rendered), std::end(p.Rendered),
                            [](int32_t c) { return c == ColorBlank || IsPixelOn(c); }));
}

TEST(Composition, PreviewShowsOnlyTheVisibleColumns) {
    Picture p;
    p.Ink(127, 10);
    p.Ink(128, 10);
    p.Ink(200, 10);
    p.Compose(0);
    EXPECT_TRUE(p.Dot(127, 10));
    EXPECT_EQ(std::count(p.Dots.begin(), p.Dots.end(), true), 1);
    EXPECT_EQ(p.At(200, 10), Ink);  // stored, though never shown at rest
}

TEST(Composition, ScrollMovesOnlyTheAnimationWindowAndKeepsTheStoredPicture) {
    Picture p;
    p.Ink(200, 20);  // inside rows 13..24 of a two-line slot
    p.Ink(100, 5);   // above the window
    p.Compose(0, AnimationFrame{Animation::Scroll, 2, 248, false});
    EXPECT_TRUE(p.Dot(100, 5));
    EXPECT_EQ(p.At(200, 20), Ink);
    EXPECT_EQ(p.At(100, 5), Ink);
}

TEST(Composition, ScrollShiftsBy8ColumnsPerStep) {
    for (int32_t position : {0, 8, 64, 120, 248}) {
        Picture p;
        p.Ink(130, 14);
        p.Compose(0, AnimationFrame{Animation::Scroll, 2, position, false});
        const int expected = (130 - position + 256) % 256;
        for (int j = 0; j < VisibleColumns; ++j)
            EXPECT_EQ(p.Dot(j, 14), j == expected) << "position " << position << " column " << j;
    }
}

// The window's first and last rows, and the rows just outside, for both slot kinds: a
// window one row short or long at either end must fail here.
TEST(Composition, AnimationWindowEdgeRowsForOneAndTwoLineSlots) {
    struct Case {
        int LineCount;
        int Row;
        bool InWindow;
    };
    const Case cases[] = {{1, 7, false},  {1, 8, true},  {1, 22, true}, {1, 23, false},
                          {2, 12, false}, {2, 13, true}, {2, 24, true}};
    for (const Case& c : cases) {
        Picture blink;
        blink.Ink(10, c.Row);
        blink.Compose(0, AnimationFrame{Animation::Blink, c.LineCount, 0, true});
        EXPECT_EQ(blink.Dot(10, c.Row), !c.InWindow) << "blink, lines " << c.LineCount << " row " << c.Row;
        Picture scroll;
        scroll.Ink(10, c.Row);
        scroll.Compose(0, AnimationFrame{Animation::Scroll, c.LineCount, 8, false});
        EXPECT_EQ(scroll.Dot(2, c.Row), c.InWindow) << "scroll, lines " << c.LineCount << " row " << c.Row;
        EXPECT_EQ(scroll.Dot(10, c.Row), !c.InWindow) << "scroll, lines " << c.LineCount << " row " << c.Row;
    }
}

TEST(Composition, BlinkBlanksOnlyTheWindowRows) {
    Picture p;
    p.Ink(10, 7);
    p.Ink(10, 8);
    p.Ink(10, 22);
    p.Ink(10, 23);
    p.Compose(0, AnimationFrame{Animation::Blink, 1, 0, true});
    EXPECT_TRUE(p.Dot(10, 7));
    EXPECT_FALSE(p.Dot(10, 8));
    EXPECT_FALSE(p.Dot(10, 22));
    EXPECT_TRUE(p.Dot(10, 23));
    EXPECT_EQ(p.At(10, 8), Ink);
    p.Compose(0, AnimationFrame{Animation::Blink, 1, 0, false});
    EXPECT_TRUE(p.Dot(10, 8));
}

}  // namespace
}  // namespace zozavud
