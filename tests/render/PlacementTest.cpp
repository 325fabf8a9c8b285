#include <gtest/gtest.h>

#include "LcdRenderer.h"

namespace zozavud {
namespace {

struct PlacementCase {
    const char* Name;
    int LineCount;
    bool Animated;
    int W1, H1;
    bool Space1;
    int W2, H2;
    bool Space2;
    LinePlacement Line1, Line2;
};

TEST(PlaceLines, Table) {
    const PlacementCase cases[] = {
        {"two lines at rows 0 and 13", 2, false, 40, 14, false, 60, 14, false, {44, 0}, {34, 13}},
        {"two lines even in a one-line slot", 1, true, 40, 14, false, 60, 14, false, {44, 0}, {34, 13}},
        {"lone line 2 centred vertically", 2, false, 0, 14, false, 50, 14, false, {64, 5}, {39, 5}},
        {"lone line 2 of 128 is centred", 2, false, 0, 14, false, 128, 14, false, {64, 5}, {0, 5}},
        {"lone line 2 of 129 starts left", 2, false, 0, 14, false, 129, 14, false, {64, 5}, {0, 5}},
        {"scrolling lone line in a two-line slot", 2, true, 0, 14, false, 129, 14, false, {64, 13}, {0, 13}},
        {"blinking lone line in a one-line slot", 1, true, 30, 14, false, 0, 14, false, {49, 8}, {64, 8}},
        {"200-pixel line starts left", 1, false, 200, 14, false, 0, 14, false, {0, 5}, {64, 5}},
        {"leading space asks for the left", 1, false, 40, 14, true, 0, 14, false, {0, 5}, {64, 5}},
        {"odd widths round down", 1, false, 41, 15, false, 0, 15, false, {43, 5}, {64, 5}},
        {"tall cell at the top", 1, false, 40, 25, false, 0, 25, false, {44, 0}, {64, 0}},
        {"24-row cell centred", 1, false, 40, 24, false, 0, 24, false, {44, 0}, {64, 0}},
        {"small cell", 1, false, 40, 9, false, 0, 9, false, {44, 8}, {64, 8}},
    };
    for (const PlacementCase& c : cases) {
        const LinePlacements p =
            PlaceLines(c.LineCount, c.Animated, c.W1, c.H1, c.Space1, c.W2, c.H2, c.Space2);
        EXPECT_EQ(p.Line1.X, c.Line1.X) << c.Name;
        EXPECT_EQ(p.Line1.Y, c.Line1.Y) << c.Name;
        EXPECT_EQ(p.Line2.X, c.Line2.X) << c.Name;
        EXPECT_EQ(p.Line2.Y, c.Line2.Y) << c.Name;
    }
}

}  // namespace
}  // namespace zozavud
