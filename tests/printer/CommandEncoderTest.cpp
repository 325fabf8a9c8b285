#include <gtest/gtest.h>

#include <random>

#include "CommandEncoder.h"
#include "PixelPacking.h"
#include "PrinterTestData.h"
#include "SameBytes.h"

namespace zozavud {
namespace {

using test::BlankRecord;

struct PackCase {
    int X, Y;
    int32_t Color;
    int Byte;  // -1: no dot
    uint8_t Mask;
};

void PrintTo(const PackCase& c, std::ostream* os) {
    *os << "(" << c.X << "," << c.Y << ") " << std::hex << static_cast<uint32_t>(c.Color);
}

class PrinterPackImagePixelsTest : public ::testing::TestWithParam<PackCase> {};

TEST_P(PrinterPackImagePixelsTest, SinglePixelLandsInItsBitOrNowhere) {
    const PackCase c = GetParam();
    ImageRecord record = BlankRecord();
    record.RenderedData[LayerIndex(c.X, c.Y)] = c.Color;
    const PixelBlock block = PackImagePixels(record);
    for (int i = 0; i < PixelBlockSize; ++i) EXPECT_EQ(block[i], i == c.Byte ? c.Mask : 0) << "byte " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Printer, PrinterPackImagePixelsTest,
    ::testing::Values(PackCase{0, 0, 0, 0, 0x80}, PackCase{9, 1, 0, 33, 0x40},
                      PackCase{255, 24, 0, 799, 0x01}, PackCase{127, 0, 0, 15, 0x01},
                      PackCase{128, 3, 0, 112, 0x80}, PackCase{3, 7, 0x000001, 224, 0x10},
                      PackCase{3, 7, ColorWindowText, 224, 0x10}, PackCase{3, 7, ColorScrollArea, -1, 0},
                      PackCase{3, 7, ColorSilver, -1, 0}, PackCase{3, 7, ColorOutside, -1, 0},
                      PackCase{3, 7, ColorBlank, -1, 0}));

TEST(PrinterPackImagePixels, RowsPastTheImageStayZeroWhenEveryDotIsLit) {
    ImageRecord record = BlankRecord();
    std::fill(std::begin(record.RenderedData), std::end(record.RenderedData), 0);
    const PixelBlock block = PackImagePixels(record);
    for (int i = 0; i < PixelBlockSize; ++i) EXPECT_EQ(block[i], i < 800 ? 0xFF : 0) << i;
}

// Every colour the test knows and a near miss of each, in random places, and real renders.
TEST(PrinterPackingPaths, VectorFormsAgreeWithThePortableLoop) {
    const int32_t colors[] = {
        ColorBlank, ColorScrollArea, ColorSilver, ColorOutside,    0,         1, 0x01FFFFFF,
        0x00FFFE,   0xC0C0C1,        -2,          ColorWindowText, 0x7FFFFFFF};
    std::mt19937 random(7);
    auto set = std::make_unique<ImageSet>();
    for (int n = 1; n <= ImageCount; ++n)
        for (int32_t& color : set->Record(n).RenderedData) color = colors[random() % std::size(colors)];
    // Real renders in images 13..18.
    int target = 13;
    for (const char* name : {"fresh.lcd", "edited.lcd"}) {
        const auto golden = test::LoadGoldenDocument(name);
        ASSERT_TRUE(golden) << name;
        for (int n = 2; n <= 4; ++n) set->Record(target++) = golden->Record(n);
    }
    for (const PackingPath path : {PackingPath::Sse2, PackingPath::Avx2}) {
        if (!PackingPathAvailable(path)) continue;
        for (int n = 1; n <= ImageCount; ++n) {
            PixelBlock expected{}, got{};
            PackRows(set->Record(n), expected.data(), PackingPath::Portable);
            PackRows(set->Record(n), got.data(), path);
            EXPECT_EQ(got, expected) << "path " << int(path) << " image " << n;
        }
    }
}

struct AttributeCase {
    uint8_t Blink, Scroll, WideBitmap;
    uint8_t ExpectBlink, ExpectScroll;
};

TEST(PrinterEntryAttributes, ScrollWinsOverBlink) {
    const AttributeCase cases[] = {
        {0, 0, 0, 0, 0}, {1, 0, 0, 1, 0}, {0, 1, 0, 0, 1}, {0, 0, 1, 0, 1},   {1, 1, 0, 0, 1},
        {1, 0, 1, 0, 1}, {1, 1, 1, 0, 1}, {7, 0, 0, 1, 0}, {0, 0, 200, 0, 1},
    };
    for (const AttributeCase& c : cases) {
        ImageRecord record = BlankRecord();
        record.Blink = c.Blink;
        record.Scroll = c.Scroll;
        record.WideBitmap = c.WideBitmap;
        const EntryBytes bytes = EntryAttributes(record);
        EXPECT_EQ(bytes.Blink, c.ExpectBlink) << int(c.Blink) << int(c.Scroll) << int(c.WideBitmap);
        EXPECT_EQ(bytes.Scroll, c.ExpectScroll) << int(c.Blink) << int(c.Scroll) << int(c.WideBitmap);
    }
}

QByteArray Hex(const char* text) { return QByteArray::fromHex(text); }

TEST(PrinterBuilders, FixedBytesAndSizes) {
    const QByteArray prefix = Hex("12 14 05 2A 3D 21 3F 25 23 1D 28 79 4C 43 44") + QByteArray(17, ' ');
    ImageRecord record = BlankRecord();

    const QByteArray one = BuildRegisterImageCommand(record);
    ASSERT_EQ(one.size(), 1069);
    test::ExpectSameBytes(one,
                          prefix + Hex("09 04 00 00 30 70 00 00 00 20 00 20 00") + QByteArray(1024, '\0'));

    record.ImageNo = 19;
    const QByteArray del = BuildDeleteImageCommand(record);
    test::ExpectSameBytes(del, prefix + Hex("03 00 00 00 30 42 12"));
    test::ExpectSameBytes(BuildDeleteAllImagesCommand(), prefix + Hex("05 00 00 00 30 41 43 4C 52"));
}

TEST(PrinterBuilders, RegisterAllCarriesEveryImageInOrder) {
    auto set = std::make_unique<ImageSet>();
    for (int n = 1; n <= ImageCount; ++n) {
        set->Record(n) = BlankRecord();
        set->Record(n).ImageNo = 0;  // the index comes from the position, not this
        set->Record(n).RenderedData[LayerIndex(n, 0)] = 0;
    }
    set->Record(5).WideBitmap = 1;
    set->Record(5).Blink = 1;
    const QByteArray all = BuildRegisterAllImagesCommand(*set);
    ASSERT_EQ(all.size(), 19627);
    test::ExpectSameBytes(all.mid(32, 6), Hex("87 4C 00 00 30 70"));
    for (int k = 1; k <= ImageCount; ++k) {
        const QByteArray entry = all.mid(38 + 1031 * (k - 1), 1031);
        QByteArray head(7, '\0');
        head[0] = char(k - 1);
        head[2] = char(k == 5 ? 1 : 0);
        head[3] = head[5] = 0x20;
        test::ExpectSameBytes(entry.left(7), head, QStringLiteral("image %1").arg(k));
        EXPECT_EQ(uint8_t(entry[7 + k / 8]), 0x80 >> (k % 8)) << k;
    }
}

TEST(PrinterBuildCommand, PicksTheBuilderAndTakesTheIndexFromTheCurrentImage) {
    auto set = std::make_unique<ImageSet>();
    for (int n = 1; n <= ImageCount; ++n) set->Record(n) = test::HandMadeRecord();
    // A loaded record may hold a stale number; the current image decides the slot.
    set->Record(12).ImageNo = 0;
    EXPECT_EQ(BuildCommand(CommandKind::RegisterImage, *set, 12).at(38), 11);
    EXPECT_EQ(BuildCommand(CommandKind::DeleteImage, *set, 12).right(1), Hex("0B"));
    test::ExpectSameBytes(BuildCommand(CommandKind::RegisterAllImages, *set, 99),
                          BuildRegisterAllImagesCommand(*set));
    test::ExpectSameBytes(BuildCommand(CommandKind::DeleteAllImages, *set, 0), BuildDeleteAllImagesCommand());
    for (const CommandKind kind : {CommandKind::RegisterImage, CommandKind::DeleteImage}) {
        EXPECT_TRUE(BuildCommand(kind, *set, 0).isEmpty());
        EXPECT_TRUE(BuildCommand(kind, *set, 20).isEmpty());
    }
}

}  // namespace
}  // namespace zozavud
