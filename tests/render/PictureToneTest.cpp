// Black and white from grey: the linear-light luminance, the area resampler, a hard
// threshold that keeps thin lines, and dithering that keeps the tone.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numeric>

#include "PictureConversion.h"
#include "PictureConversionDither.h"
#include "PictureConversionLuma.h"

namespace zozavud {
namespace {

LumaPlane Plane(int width, int height, float value) {
    LumaPlane plane;
    plane.Reset(width, height, value);
    return plane;
}

double BlackShare(const std::vector<uint8_t>& black) {
    return static_cast<double>(std::accumulate(black.begin(), black.end(), 0)) / black.size();
}

TEST(PictureLumaTest, LinearisesSrgbWithRec709Weights) {
    const struct {
        QRgb Pixel;
        float Luma;
    } cases[] = {
        {qRgb(0, 0, 0), 0.0f},          {qRgb(255, 255, 255), 1.0f},
        {qRgb(128, 128, 128), 0.2158f}, {qRgb(188, 188, 188), 0.5029f},
        {qRgb(10, 10, 10), 0.003035f},  {qRgb(255, 0, 0), 0.2126f},
        {qRgb(0, 255, 0), 0.7152f},     {qRgb(0, 0, 255), 0.0722f},
        {qRgba(0, 0, 0, 0), 1.0f},      {qRgba(0, 0, 0, 128), 1.0f - 128 / 255.0f},
    };
    for (const auto& c : cases) {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, c.Pixel);
        EXPECT_NEAR(LinearLuma(image).At(0, 0), c.Luma, 2e-4) << std::hex << c.Pixel;
    }
}

TEST(PictureLumaTest, ResamplingKeepsTheMeanAndCopiesAtTheSameSize) {
    LumaPlane checker = Plane(64, 50, 0);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 64; ++x) checker.At(x, y) = ((x + y) % 2) ? 1.0f : 0.0f;
    const LumaPlane same = ResampleWindow(checker, 64, 50, QRect(0, 0, 64, 50));
    EXPECT_EQ(same.Values, checker.Values);
    // Shrinking a fine checker gives its mean grey in linear light, not black.
    const LumaPlane half = ResampleWindow(checker, 32, 25, QRect(0, 0, 32, 25));
    for (float v : half.Values) EXPECT_NEAR(v, 0.5f, 1e-5);
    // Odd ratios and enlargements keep white exactly white.
    const LumaPlane white = Plane(7, 3, 1.0f);
    for (const QSize to : {QSize(128, 25), QSize(3, 1), QSize(500, 25)})
        for (float v : ResampleWindow(white, to.width(), to.height(), QRect(QPoint(0, 0), to)).Values)
            EXPECT_EQ(v, 1.0f);
    // A window gives the same pixels as the whole.
    const LumaPlane whole = ResampleWindow(checker, 100, 30, QRect(0, 0, 100, 30));
    const LumaPlane part = ResampleWindow(checker, 100, 30, QRect(40, 10, 20, 5));
    EXPECT_FLOAT_EQ(part.At(3, 2), whole.At(43, 12));
}

TEST(PictureThresholdTest, HardEdgeAtTheThresholdsLinearValue) {
    // Grey g against threshold t: black exactly when g < t, compared in linear light.
    const struct {
        int Grey, Threshold;
        bool Black;
    } cases[] = {{127, 128, true}, {128, 128, false}, {0, 0, false},   {0, 1, true},
                 {254, 255, true}, {255, 255, false}, {60, 50, false}, {200, 201, true}};
    for (const auto& c : cases) {
        LumaPlane grey = Plane(1, 1, SrgbToLinear(c.Grey));
        EXPECT_EQ(ToBlackAndWhite(grey, DitherMethod::None, c.Threshold)[0] != 0, c.Black)
            << c.Grey << " vs " << c.Threshold;
    }
    // A gradient splits into one black run and one white run.
    LumaPlane ramp = Plane(256, 1, 0);
    for (int x = 0; x < 256; ++x) ramp.At(x, 0) = SrgbToLinear(x);
    const std::vector<uint8_t> black = ToBlackAndWhite(ramp, DitherMethod::None, 100);
    for (int x = 0; x < 256; ++x) EXPECT_EQ(black[x] != 0, x < 100) << x;
}

TEST(PictureThresholdTest, ThinLinesOfALineDrawingSurvive) {
    // One-pixel dark grey lines on white, 128 x 25: a frame, a diagonal and a cross.
    QImage drawing(128, 25, QImage::Format_RGB32);
    drawing.fill(qRgb(255, 255, 255));
    const QRgb ink = qRgb(90, 90, 90);
    for (int x = 0; x < 128; ++x) drawing.setPixel(x, 0, ink), drawing.setPixel(x, 24, ink);
    for (int y = 0; y < 25; ++y) drawing.setPixel(0, y, ink), drawing.setPixel(127, y, ink);
    for (int i = 0; i < 25; ++i) drawing.setPixel(20 + i, i, ink), drawing.setPixel(80, i, ink);
    for (const PictureFit fit : {PictureFit::None, PictureFit::Height, PictureFit::Contain}) {
        PictureOptions options;
        options.Fit = fit;
        const BitmapSample sample = ConvertPicture(drawing, options, 1);
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 128; ++x)
                ASSERT_EQ(sample.At(x, y) == 0, drawing.pixel(x, y) == ink)
                    << "fit " << static_cast<int>(fit) << " at " << x << "," << y;
    }
}

TEST(PictureDitherTest, EveryMethodKeepsTheToneOfAGradient) {
    // Sixteen bands of 16 columns, a smooth sRGB gradient within each band and across.
    LumaPlane ramp = Plane(256, 25, 0);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 256; ++x) ramp.At(x, y) = SrgbToLinear(x);
    const struct {
        DitherMethod Method;
        double Tolerance;  // of the black share against the band's mean darkness
    } cases[] = {{DitherMethod::FloydSteinberg, 0.03},
                 // Passes on only 3/4 of the error by design: deeper contrast, clipped ends.
                 {DitherMethod::Atkinson, 0.12},
                 {DitherMethod::Bayer, 0.03}};
    for (const auto& c : cases) {
        const std::vector<uint8_t> black = ToBlackAndWhite(ramp, c.Method, 128);
        double previous = 1.0;
        for (int band = 0; band < 16; ++band) {
            double dots = 0, darkness = 0;
            for (int y = 0; y < 25; ++y)
                for (int x = band * 16; x < band * 16 + 16; ++x) {
                    dots += black[static_cast<std::size_t>(y) * 256 + x];
                    darkness += 1.0 - ramp.At(x, y);
                }
            EXPECT_NEAR(dots / 400, darkness / 400, c.Tolerance)
                << "method " << static_cast<int>(c.Method) << " band " << band;
            EXPECT_LE(dots / 400, previous + 0.01)
                << "method " << static_cast<int>(c.Method) << " band " << band;
            previous = dots / 400;
        }
    }
}

TEST(PictureDitherTest, FlatGreysDitherToTheirShareAndTheThresholdShiftsIt) {
    const DitherMethod methods[] = {DitherMethod::FloydSteinberg, DitherMethod::Atkinson,
                                    DitherMethod::Bayer};
    for (const DitherMethod method : methods) {
        for (const int threshold : {0, 128, 255}) {
            EXPECT_EQ(BlackShare(ToBlackAndWhite(Plane(64, 25, 1.0f), method, threshold)), 0.0);
            EXPECT_EQ(BlackShare(ToBlackAndWhite(Plane(64, 25, 0.0f), method, threshold)), 1.0);
        }
        const double neutral = BlackShare(ToBlackAndWhite(Plane(64, 24, 0.5f), method, 128));
        EXPECT_NEAR(neutral, 0.5, 0.03) << static_cast<int>(method);
        // Not a hard threshold: a 50% grey is lighter than the 128 level, yet dithers to half.
        EXPECT_EQ(BlackShare(ToBlackAndWhite(Plane(64, 24, 0.5f), DitherMethod::None, 128)), 0.0);
    }
    const double lighter = BlackShare(ToBlackAndWhite(Plane(64, 24, 0.5f), DitherMethod::Bayer, 80));
    const double darker = BlackShare(ToBlackAndWhite(Plane(64, 24, 0.5f), DitherMethod::Bayer, 180));
    EXPECT_LT(lighter, 0.45);
    EXPECT_GT(darker, 0.55);
}

}  // namespace
}  // namespace zozavud
