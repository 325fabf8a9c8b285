#include <gtest/gtest.h>

#include <climits>

#include "FontRules.h"

namespace zozavud {
namespace {

// Tahoma's figures: 2048 units per em, winAscent 2049, winDescent 423.
constexpr FaceUnits Tahoma{2048, 2049, 423};

TEST(FontRules, HeightSignPicksTheWrongSize) {
    const struct {
        int32_t Height;
        FaceUnits Face;
        int Em;
    } cases[] = {
        {-12, Tahoma, 12},  // an em height, whatever the face
        {-1, Tahoma, 1},
        {14, Tahoma, 12},            // a cell: 14 * 2048 / 2472 = 11.6
        {25, Tahoma, 21},            // 20.7, rounded; its cell 25.3 rounds to 25
        {20, Tahoma, 16},            // 16.6 gives 17, whose cell 20.5 rounds to 21 > 20
        {10, {2048, 1918, 483}, 8},  // 8.5 gives 9, a cell of 10.6: one em smaller
        {1, Tahoma, 1},              // never below one pixel
        {0, Tahoma, 13},             // the default 16-pixel cell
        {16, {1000, 800, 200}, 16},  // cell == em
        {10, {0, 0, 0}, 10},         // no figures: the cell is taken as the em
        {INT32_MIN, Tahoma, MaxEmPixels},
        {INT32_MAX, Tahoma, MaxEmPixels},
    };
    for (const auto& c : cases) EXPECT_EQ(EmPixelsForHeight(c.Height, c.Face), c.Em) << "height " << c.Height;
}

TEST(FontRules, CellRoundsAscentAndDescentEachOnItsOwn) {
    EXPECT_EQ(CellRowsAt(Tahoma, 12).Ascent, 12);  // 12.006
    EXPECT_EQ(CellRowsAt(Tahoma, 12).Descent, 2);  // 2.48
    EXPECT_EQ(CellRowsAt(Tahoma, 20).Height(), 20 + 4);
}

TEST(FontRules, StrikeDrawsOnlyAtItsOwnSizeAndOnlyAsDesigned) {
    const std::vector<int> strikes{8, 9, 10, 11, 12, 13, 15, 16};
    EXPECT_TRUE(UsesBitmapStrike(strikes, 12, false));
    EXPECT_FALSE(UsesBitmapStrike(strikes, 14, false));  // a gap in the strikes
    EXPECT_FALSE(UsesBitmapStrike(strikes, 20, false));
    EXPECT_FALSE(UsesBitmapStrike(strikes, 12, true));  // made-up bold or slant
    EXPECT_FALSE(UsesBitmapStrike({}, 12, false));
}

}  // namespace
}  // namespace zozavud
