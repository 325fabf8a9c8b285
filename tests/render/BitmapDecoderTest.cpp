// The BMP decoder on files built here: every layout gives the picture back, and cut,
// corrupted or oversized files are refused without touching the result.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

#include "BitmapTestWriter.h"
#include "BmpDecoder.h"

namespace zozavud {
namespace {

using test::BmpVariant;
using test::MakePattern;
using test::Picture;
using test::WriteBmp;

constexpr int32_t Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000,
                  Yellow = 0x00FFFF, Magenta = 0xFF00FF, Cyan = 0xFFFF00;

// Colours every layout can hold exactly, also through 1- and 2-bit channels.
const std::vector<int32_t> PureColors = {White, Black, Red, Green, Blue, Yellow, Magenta, Cyan};

const std::vector<int32_t>& ColorsFor(int bitsPerPixel) {
    static const std::vector<int32_t> two = {White, Black};
    static const std::vector<int32_t> four = {White, Black, ColorSilver, 0x123456};
    static const std::vector<int32_t> many = {White,    Black,    ColorSilver, 0xC0C0C1, Yellow,
                                              0x123456, 0x00A0FF, 0x7F7F7F,    0x010203, Red};
    switch (bitsPerPixel) {
        case 1:
            return two;
        case 2:
            return four;
        case 4:
        case 8:
        case 24:
            return many;
        default:
            return PureColors;
    }
}

const BmpVariant Variants[] = {
    {"core1", 12, 1, 0},
    {"core4", 12, 4, 0},
    {"core8", 12, 8, 0},
    {"core24", 12, 24, 0},
    {"os2v2short8", 16, 8, 0},
    {"os2v2_24", 64, 24, 0},
    {"os2v2rle8", 64, 8, 1},
    {"os2v2rle24", 64, 24, 4},
    {"info1", 40, 1, 0},
    {"info2", 40, 2, 0},
    {"info4", 40, 4, 0},
    {"info8", 40, 8, 0},
    {"info8topdown", 40, 8, 0, true},
    {"info16", 40, 16, 0, false, {0x7C00, 0x03E0, 0x001F, 0}},
    {"info24", 40, 24, 0},
    {"info24topdown", 40, 24, 0, true},
    {"info32", 40, 32, 0, false, {0xFF0000, 0xFF00, 0xFF, 0}},
    {"rle4", 40, 4, 2},
    {"rle8", 40, 8, 1},
    {"bitfields565", 40, 16, 3, false, {0xF800, 0x07E0, 0x001F, 0}},
    {"bitfields16rgb231", 40, 16, 3, true, {0x0030, 0x000E, 0x0001, 0}},
    {"bitfields32rgbx", 40, 32, 3, false, {0xFF000000, 0x00FF0000, 0x0000FF00, 0}},
    {"bitfields32wide", 40, 32, 3, false, {0x3FF00000, 0x000FFC00, 0x000003FF, 0}},
    {"alphabitfields4444", 40, 16, 6, false, {0x0F00, 0x00F0, 0x000F, 0xF000}},
    {"alphabitfields32", 40, 32, 6, false, {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000}},
    {"header52", 52, 32, 3, false, {0x00FF0000, 0x0000FF00, 0x000000FF, 0}},
    {"header56", 56, 16, 3, false, {0x7C00, 0x03E0, 0x001F, 0x8000}},
    {"v4pal8", 108, 8, 0},
    {"v4bitfields", 108, 32, 3, true, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}},
    {"v5pal4", 124, 4, 0},
    {"v5rle8", 124, 8, 1},
    {"v5bitfields565", 124, 16, 3, false, {0xF800, 0x07E0, 0x001F, 0}},
    {"v5rgb24topdown", 124, 24, 0, true},
};

class BmpVariantTest : public ::testing::TestWithParam<BmpVariant> {};

// Odd width and more rows than the LCD has, so padding and row order both matter.
Picture VariantPicture(const BmpVariant& variant, int width = 37, int height = 31) {
    return MakePattern(width, height, ColorsFor(variant.BitsPerPixel));
}

void ExpectCorner(const Picture& picture, const BitmapSample& sample) {
    ASSERT_EQ(sample.Width, picture.Width);
    ASSERT_EQ(sample.Height, picture.Height);
    ASSERT_EQ(sample.Columns, std::min(picture.Width, LcdColumns));
    ASSERT_EQ(sample.Rows, std::min(picture.Height, LcdRows));
    for (int y = 0; y < sample.Rows; ++y)
        for (int x = 0; x < sample.Columns; ++x)
            ASSERT_EQ(sample.At(x, y), picture.At(x, y)) << "at " << x << "," << y;
}

TEST_P(BmpVariantTest, GivesThePictureBack) {
    const Picture picture = VariantPicture(GetParam());
    BitmapSample sample;
    QString error;
    ASSERT_TRUE(DecodeBmp(WriteBmp(picture, GetParam()), sample, &error)) << error.toStdString();
    ExpectCorner(picture, sample);
}

TEST_P(BmpVariantTest, KeepsOnlyTheTopLeftCornerOfABigPicture) {
    const Picture picture = VariantPicture(GetParam(), 300, 40);
    BitmapSample sample;
    QString error;
    ASSERT_TRUE(DecodeBmp(WriteBmp(picture, GetParam()), sample, &error)) << error.toStdString();
    ExpectCorner(picture, sample);
}

// The conversion road reads every pixel, past the LCD's columns and rows.
TEST_P(BmpVariantTest, WholeExtentGivesEveryPixelBack) {
    const Picture picture = VariantPicture(GetParam(), 300, 40);
    BitmapSample sample;
    QString error;
    ASSERT_TRUE(DecodeBmp(WriteBmp(picture, GetParam()), sample, &error, PictureExtent::Whole))
        << error.toStdString();
    ASSERT_EQ(sample.Columns, 300);
    ASSERT_EQ(sample.Rows, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x) ASSERT_EQ(sample.At(x, y), picture.At(x, y)) << "at " << x << "," << y;
}

TEST_P(BmpVariantTest, RefusesEveryCutCopyAndLeavesTheSampleAlone) {
    const QByteArray file = WriteBmp(VariantPicture(GetParam()), GetParam());
    BitmapSample sample;
    sample.Reset(3, 3);
    const BitmapSample before = sample;
    for (qsizetype length = 0; length < file.size(); ++length) {
        QString error;
        ASSERT_FALSE(DecodeBmp(file.left(length), sample, &error)) << "cut at " << length;
        ASSERT_FALSE(error.isEmpty());
        ASSERT_EQ(sample.Colors, before.Colors);
        ASSERT_EQ(sample.Width, before.Width);
    }
}

// Without size fields only the pixel data itself shows the cut; an RLE stream may lose
// no more than its end marker.
TEST_P(BmpVariantTest, RefusesCutPixelDataWithoutSizeFields) {
    const QByteArray file = WriteBmp(VariantPicture(GetParam()), GetParam(), false);
    const bool rle = GetParam().Compression == 1 || GetParam().Compression == 2 ||
                     (GetParam().Compression == 4 && GetParam().HeaderSize == 64);
    BitmapSample sample;
    ASSERT_TRUE(DecodeBmp(file, sample, nullptr));
    for (qsizetype length = 0; length < file.size() - (rle ? 2 : 0); ++length)
        ASSERT_FALSE(DecodeBmp(file.left(length), sample, nullptr)) << "cut at " << length;
    if (rle) {
        ASSERT_TRUE(DecodeBmp(file.chopped(2), sample, nullptr));
    }
}

TEST_P(BmpVariantTest, SurvivesCorruptedBytes) {
    const QByteArray file = WriteBmp(VariantPicture(GetParam()), GetParam());
    std::mt19937 random(1234);
    for (int round = 0; round < 400; ++round) {
        QByteArray broken = file;
        const int flips = 1 + round % 4;
        for (int i = 0; i < flips; ++i) {
            // Mostly the headers, where the dangerous numbers are.
            const qsizetype span = round % 2 ? std::min<qsizetype>(broken.size(), 160) : broken.size();
            broken[random() % span] = static_cast<char>(random());
        }
        BitmapSample sample;
        QString error;
        if (DecodeBmp(broken, sample, &error)) {
            ASSERT_LE(sample.Columns, LcdColumns);
            ASSERT_LE(sample.Rows, LcdRows);
            ASSERT_EQ(sample.Colors.size(), std::size_t(sample.Columns) * sample.Rows);
        } else {
            ASSERT_FALSE(error.isEmpty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, BmpVariantTest, ::testing::ValuesIn(Variants),
                         [](const auto& info) { return std::string(info.param.Name); });

const BmpVariant Info24 = {"info24", 40, 24, 0};
const BmpVariant Rle8 = {"rle8", 40, 8, 1};

void PutU32(QByteArray& bytes, int at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

bool Refused(const QByteArray& bytes) {
    BitmapSample sample;
    QString error;
    const bool ok = DecodeBmp(bytes, sample, &error);
    EXPECT_TRUE(ok || !error.isEmpty());
    return !ok;
}

// A plain array that large cannot be in the file; an RLE stream may legally stop early,
// but then the corner it never reached must stay undefined.
TEST(BmpDecoder, HugeDeclaredSizesAnswerAtOnceWithoutInventingPixels) {
    const Picture picture = MakePattern(20, 20, PureColors);
    for (const auto& [width, height] :
         {std::pair{3000000, 2000000}, {0x7FFFFFFF, 0x7FFFFFFF}, {0x7FFFFFFF, 1}, {1, 0x7FFFFFFF}}) {
        QByteArray plain = WriteBmp(picture, Info24), rle = WriteBmp(picture, Rle8);
        for (QByteArray* file : {&plain, &rle}) {
            PutU32(*file, 18, width);
            PutU32(*file, 22, height);
        }
        QElapsedTimer timer;
        timer.start();
        EXPECT_TRUE(Refused(plain)) << width << " x " << height;
        BitmapSample sample;
        if (DecodeBmp(rle, sample, nullptr) && height > 45) {
            for (int32_t color : sample.Colors) ASSERT_EQ(color, ColorOutside);
        }
        EXPECT_LT(timer.elapsed(), 200);
    }
}

TEST(BmpDecoder, RefusesImpossibleHeaders) {
    const QByteArray good = WriteBmp(MakePattern(20, 20, ColorsFor(8)), {"info8", 40, 8, 0});
    ASSERT_FALSE(Refused(good));
    const struct {
        const char* What;
        int At;
        uint32_t Value;
    } cases[] = {
        {"signature", 0, 0x4D42 ^ 0x0100},
        {"pixel offset past the end", 10, 0x00FFFFFF},
        {"pixel offset inside the header", 10, 20},
        {"unknown header size", 14, 66},
        {"zero width", 18, 0},
        {"negative width", 18, 0xFFFFFF00},
        {"zero height", 22, 0},
        {"two planes", 26, 0x00080002},
        {"odd bit depth", 26, 0x00070001},
        {"unknown compression", 30, 9},
        {"rle4 on 8 bits", 30, 2},
        {"embedded png", 30, 5},
        {"pixel data size past the end", 34, 0x7FFFFFF0},
        {"colour table past the end", 46, 0x12345678},
    };
    for (const auto& c : cases) {
        QByteArray bad = good;
        PutU32(bad, c.At, c.Value);
        EXPECT_TRUE(Refused(bad)) << c.What;
    }
}

// Real tools write these fields wrong; the pixels are read all the same, and a file
// whose pixel data is really cut short is still refused.
TEST(BmpDecoder, FieldsThatDoNotTouchThePixelsAreNotChecked) {
    const struct {
        const char* What;
        int At;
        uint32_t Value;
    } cases[] = {
        {"file size past the end", 2, 0x7FFFFFFF},      {"file size zero", 2, 0},
        {"absurd horizontal resolution", 38, 30000000}, {"negative vertical resolution", 42, 0xFFFFFFFF},
        {"most negative resolution", 38, 0x80000000},
    };
    const Picture picture = MakePattern(20, 20, ColorsFor(8));
    for (const BmpVariant& variant : {BmpVariant{"info8", 40, 8, 0}, Rle8, Info24}) {
        const QByteArray good = WriteBmp(picture, variant);
        BitmapSample want;
        ASSERT_TRUE(DecodeBmp(good, want, nullptr)) << variant.Name;
        for (const auto& c : cases) {
            QByteArray odd = good;
            PutU32(odd, c.At, c.Value);
            BitmapSample got;
            QString error;
            EXPECT_TRUE(DecodeBmp(odd, got, &error))
                << variant.Name << ", " << c.What << ": " << error.toStdString();
            EXPECT_EQ(got.Colors, want.Colors) << variant.Name << ", " << c.What;
            EXPECT_TRUE(Refused(odd.chopped(1))) << variant.Name << ", " << c.What << ", cut";
        }
    }
}

TEST(BmpDecoder, RefusesBadMasks) {
    const Picture picture = MakePattern(20, 20, PureColors);
    const BmpVariant cases[] = {
        {"empty blue", 40, 16, 3, false, {0xFF00, 0x00FF, 0, 0}},
        {"overlap", 40, 16, 3, false, {0xF800, 0x0FE0, 0x001F, 0}},
        {"split", 40, 32, 3, false, {0xFF00FF, 0x00FF00, 0xFF000000, 0}},
        {"wider than the pixel", 40, 16, 3, false, {0x1F0000, 0x07E0, 0x001F, 0}},
        {"alpha over a colour", 40, 32, 6, false, {0xFF0000, 0xFF00, 0xFF, 0x80000000 | 0xFF}},
        {"bit fields on 8 bits", 40, 8, 3, false, {0xE0, 0x1C, 0x03, 0}},
    };
    for (const BmpVariant& variant : cases) EXPECT_TRUE(Refused(WriteBmp(picture, variant))) << variant.Name;
}

// Index 3 of a 4-bit file with a two-colour table names no colour.
TEST(BmpDecoder, RefusesIndexesPastTheColourTable) {
    const Picture picture = MakePattern(20, 20, ColorsFor(4));
    for (const BmpVariant& variant :
         {BmpVariant{"info4", 40, 4, 0}, BmpVariant{"rle4", 40, 4, 2}, BmpVariant{"rle8", 40, 8, 1}}) {
        QByteArray file = WriteBmp(picture, variant);
        ASSERT_FALSE(Refused(file)) << variant.Name;
        PutU32(file, 46, 2);  // colour count; the table bytes stay where they are
        EXPECT_TRUE(Refused(file)) << variant.Name;
    }
}

// Stream edits: each one makes a run, jump or literal leave the picture.
TEST(BmpDecoder, RefusesBrokenRleStreams) {
    const Picture picture = MakePattern(16, 4, {White, Black});
    const QByteArray good = WriteBmp(picture, Rle8, false);
    const uint32_t offset = static_cast<uint8_t>(good[10]) | static_cast<uint8_t>(good[11]) << 8;
    auto withStream = [&](const QByteArray& stream) { return good.left(offset) + stream; };
    ASSERT_FALSE(
        Refused(withStream(QByteArray::fromHex("1000"
                                               "0000"
                                               "1001"
                                               "0000"
                                               "0001"))));
    const char* broken[] = {
        "1100"
        "0001",  // run past the end of the row
        "0800"
        "0900"
        "0001",  // second run crosses the row end
        "0002"
        "1100"
        "0001",  // jump right past the row
        "0002"
        "0005"
        "0100"
        "0001",  // jump above the picture
        "0004"
        "0000",  // literal of four, data cut
        "0011"
        "00000000000000000000000000000000"
        "00",  // literal wider than the row
        "0000"
        "0000"
        "0000"
        "0000"
        "0400",  // pixels after the last row
        "0400"
        "0000",  // stream ends before the last row
        "0405",  // colour index missing from the table
    };
    for (const char* hex : broken) EXPECT_TRUE(Refused(withStream(QByteArray::fromHex(hex)))) << hex;
}

// Skipped pixels are not invented: they come back as ColorOutside, which imports unlit.
TEST(BmpDecoder, RlePixelsTheStreamSkipsStayUndefined) {
    const Picture picture = MakePattern(16, 4, {White, Black});
    const QByteArray good = WriteBmp(picture, Rle8, false);
    const uint32_t offset = static_cast<uint8_t>(good[10]) | static_cast<uint8_t>(good[11]) << 8;
    // The table is in order of first use: white 0, black 1. Bottom row: 4 black, jump 2 right and 2
    // up, 3 black, then the end.
    const QByteArray stream = QByteArray::fromHex(
        "0401"
        "0002"
        "0202"
        "0301"
        "0001");
    BitmapSample sample;
    QString error;
    ASSERT_TRUE(DecodeBmp(good.left(offset) + stream, sample, &error)) << error.toStdString();
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 16; ++x) {
            const bool bottomRun = y == 3 && x < 4, raisedRun = y == 1 && x >= 6 && x < 9;
            EXPECT_EQ(sample.At(x, y), bottomRun || raisedRun ? Black : ColorOutside) << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace zozavud
