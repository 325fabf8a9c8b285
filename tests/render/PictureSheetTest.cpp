// The contact sheet: its size, and that each picture lands numbered in its own cell.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "ContactSheet.h"

namespace zozavud {
namespace {

// Image k lights a k-wide block from column 12k, row 0 down: in the visible columns for
// the first ones, across or beyond column 128 for the later ones. Images 10 and 19 scroll.
std::unique_ptr<ImageSet> MarkedSet() {
    auto set = std::make_unique<ImageSet>();
    for (int n = 1; n <= ImageCount; ++n) {
        ImageRecord& record = set->Record(n);
        for (int32_t& c : record.RenderedData) c = ColorBlank;
        record.Scroll = record.WideBitmap = record.Blink = 0;
        for (int x = 12 * n; x < 13 * n; ++x)
            for (int y = 0; y < std::min(n, LcdRows); ++y) record.RenderedData[LayerIndex(x, y)] = 0x000000;
    }
    set->Record(10).Scroll = 1;
    set->Record(19).WideBitmap = 1;
    return set;
}

bool Dark(const QImage& sheet, QPoint p) { return qGray(sheet.pixel(p)) < 60; }

TEST(ContactSheetTest, SizeFollowsTheScale) {
    const auto set = MarkedSet();
    for (int scale : {1, 2, 5}) {
        const ContactSheetLayout layout(scale);
        const QImage sheet = DrawContactSheet(*set, scale);
        EXPECT_EQ(sheet.size(), layout.Sheet);
        EXPECT_EQ(layout.Sheet.width(), 4 * layout.Cell.width());
        EXPECT_EQ(layout.Sheet.height(), 5 * layout.Cell.height());
        EXPECT_GE(layout.Cell.width(), 256 * scale);
        for (int n = 1; n <= ImageCount; ++n)
            EXPECT_TRUE(layout.CellRect(n).contains(layout.PictureRect(n))) << n;
    }
}

TEST(ContactSheetTest, EachPictureLandsInItsCellNumbered) {
    const auto set = MarkedSet();
    const int k = 2;
    const ContactSheetLayout layout(k);
    const QImage sheet = DrawContactSheet(*set, k);
    for (int n = 1; n <= ImageCount; ++n) {
        SCOPED_TRACE(n);
        const QRect picture = layout.PictureRect(n);
        const bool scrolls = n == 10 || n == 19;
        for (int x = 0; x < LcdColumns; ++x)
            for (int y = 0; y < LcdRows; ++y) {
                const QPoint centre = picture.topLeft() + QPoint(x * k + k / 2, y * k + k / 2);
                const bool lit = x >= 12 * n && x < 13 * n && y < n;
                const QRgb pixel = sheet.pixel(centre);
                const bool shown = x < VisibleColumns || scrolls;
                const int expected = !lit || !shown ? -1 : x < VisibleColumns ? 0 : 128;
                if (expected < 0) {
                    EXPECT_FALSE(Dark(sheet, centre)) << x << "," << y;
                } else {
                    EXPECT_EQ(qGray(pixel), expected) << x << "," << y;
                }
            }
        // The number is drawn as text in the label strip above the picture.
        int ink = 0;
        const QRect label(picture.left(), picture.top() - layout.LabelHeight, 40 * k, layout.LabelHeight - 1);
        for (int x = label.left(); x <= label.right(); ++x)
            for (int y = label.top(); y <= label.bottom(); ++y) ink += Dark(sheet, {x, y}) ? 1 : 0;
        EXPECT_GT(ink, 5);
    }
}

}  // namespace
}  // namespace zozavud
