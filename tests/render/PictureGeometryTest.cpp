// Where a converted picture lands: scaling per fit mode, centring, cutting, and the
// size that decides WideBitmap.
#include <gtest/gtest.h>

#include "PictureConversionPlace.h"

namespace zozavud {
namespace {

TEST(PicturePlacementTest, FitModesScaleCentreAndCut) {
    const struct {
        QSize Picture;
        PictureFit Fit;
        int Lines;
        QSize Scaled;
        QPoint Offset;
        QSize Sample;
        QRect Window;
    } cases[] = {
        // Default fit to height: a 100 x 50 logo becomes 50 x 25, centred in 128 columns.
        {{100, 50}, PictureFit::Height, 1, {50, 25}, {39, 0}, {128, 25}, {0, 0, 50, 25}},
        {{100, 50}, PictureFit::Height, 2, {50, 25}, {39, 0}, {128, 25}, {0, 0, 50, 25}},
        // A banner: in a one-line slot cut at 128, in a two-line slot it may use 256.
        {{800, 50}, PictureFit::Height, 1, {400, 25}, {0, 0}, {128, 25}, {0, 0, 128, 25}},
        {{800, 50}, PictureFit::Height, 2, {400, 25}, {0, 0}, {256, 25}, {0, 0, 256, 25}},
        {{300, 25}, PictureFit::Height, 2, {300, 25}, {0, 0}, {256, 25}, {0, 0, 256, 25}},
        {{200, 25}, PictureFit::Height, 2, {200, 25}, {0, 0}, {200, 25}, {0, 0, 200, 25}},
        // Fit to width: a square is cut evenly above and below.
        {{64, 64}, PictureFit::Width, 1, {128, 128}, {0, -51}, {128, 25}, {0, 51, 128, 25}},
        {{256, 10}, PictureFit::Width, 1, {128, 5}, {0, 10}, {128, 25}, {0, 0, 128, 5}},
        {{256, 10}, PictureFit::Width, 2, {256, 10}, {0, 7}, {256, 25}, {0, 0, 256, 10}},
        // Contain: the whole picture, as large as fits.
        {{64, 64}, PictureFit::Contain, 2, {25, 25}, {51, 0}, {128, 25}, {0, 0, 25, 25}},
        {{1000, 20}, PictureFit::Contain, 1, {128, 3}, {0, 11}, {128, 25}, {0, 0, 128, 3}},
        {{1000, 20}, PictureFit::Contain, 2, {256, 5}, {0, 10}, {256, 25}, {0, 0, 256, 5}},
        {{10, 10}, PictureFit::Contain, 1, {25, 25}, {51, 0}, {128, 25}, {0, 0, 25, 25}},
        // None: untouched at the top-left corner, the picture's own size for the bitmap rule.
        {{300, 40}, PictureFit::None, 2, {300, 40}, {0, 0}, {300, 40}, {0, 0, 256, 25}},
        {{300, 40}, PictureFit::None, 1, {300, 40}, {0, 0}, {300, 40}, {0, 0, 256, 25}},
        {{10, 10}, PictureFit::None, 1, {10, 10}, {0, 0}, {10, 10}, {0, 0, 10, 10}},
        // Extreme aspect ratios never scale to nothing.
        {{1, 5000}, PictureFit::Height, 1, {1, 25}, {63, 0}, {128, 25}, {0, 0, 1, 25}},
        {{5000, 1}, PictureFit::Contain, 1, {128, 1}, {0, 12}, {128, 25}, {0, 0, 128, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Picture.width() << "x" << c.Picture.height() << " fit "
                                        << static_cast<int>(c.Fit) << " lines " << c.Lines);
        const PicturePlacement p = PlacePicture(c.Picture, c.Fit, c.Lines);
        EXPECT_EQ(p.Scaled, c.Scaled);
        EXPECT_EQ(p.Offset, c.Offset);
        EXPECT_EQ(p.Sample, c.Sample);
        EXPECT_EQ(p.Window, c.Window);
    }
}

TEST(PicturePlacementTest, TheWindowAlwaysLandsInsideTheLayer) {
    const PictureFit fits[] = {PictureFit::None, PictureFit::Width, PictureFit::Height, PictureFit::Contain};
    const QSize sizes[] = {{1, 1}, {3, 200}, {127, 24}, {129, 26}, {256, 25}, {257, 25}, {4000, 3000}};
    for (const PictureFit fit : fits)
        for (const QSize size : sizes)
            for (int lines = 1; lines <= 2; ++lines) {
                const PicturePlacement p = PlacePicture(size, fit, lines);
                const QRect landed = p.Window.translated(p.Offset);
                EXPECT_TRUE(QRect(0, 0, 256, 25).contains(landed)) << size.width() << "x" << size.height();
                EXPECT_TRUE(QRect(QPoint(0, 0), p.Scaled).contains(p.Window));
                EXPECT_FALSE(p.Window.isEmpty());
            }
}

}  // namespace
}  // namespace zozavud
