// Filling the bitmap layer of a record: sampling, the colour rule, the wide flag, and
// files that must change nothing.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "BitmapImport.h"
#include "RecordImportFixture.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

class BitmapImportTest : public test::RecordImportTest {
protected:
    static QImage Filled(int width, int height, QRgb color, QImage::Format format = QImage::Format_RGB32) {
        QImage image(width, height, format);
        image.fill(color);
        return image;
    }
    bool Import(const QString& path, int lineCount = 2) {
        error_.clear();
        return ImportBitmap(path, *record_, lineCount, &error_);
    }
};

TEST_F(BitmapImportTest, WideOnlyPastTheVisibleColumnsOfATwoLineSlot) {
    const struct {
        int Width;
        int LineCount;
        uint8_t Wide;
    } cases[] = {{128, 2, 0}, {129, 2, 1}, {300, 2, 1}, {129, 1, 0}, {300, 1, 0}, {10, 2, 0}};
    for (const auto& c : cases) {
        record_->WideBitmap = 7;
        ASSERT_TRUE(Import(Save(Filled(c.Width, 25, qRgb(0, 0, 0)), "w.bmp"), c.LineCount))
            << error_.toStdString();
        EXPECT_EQ(record_->WideBitmap, c.Wide) << c.Width << " wide, " << c.LineCount << " lines";
    }
}

TEST_F(BitmapImportTest, BigPictureFillsTheLayerFromItsTopLeft) {
    QImage image = Filled(300, 40, qRgb(255, 255, 255));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            if ((x + y) % 3 == 0) image.setPixel(x, y, qRgb(x % 256, y, 7));
    ASSERT_TRUE(Import(Save(image, "big.bmp"))) << error_.toStdString();
    for (int x = 0; x < LcdColumns; ++x)
        for (int y = 0; y < LcdRows; ++y)
            ASSERT_EQ(Layer(x, y), (x + y) % 3 ? ColorBlank : MakeColorRef(x, y, 7)) << x << "," << y;
    EXPECT_EQ(record_->WideBitmap, 1);
}

TEST_F(BitmapImportTest, SmallSquareLightsOnlyItsOwnDots) {
    record_->VerticalPositionOffset = 6;  // the layer is never shifted
    ASSERT_TRUE(Import(Save(Filled(10, 10, qRgb(0, 0, 0)), "square.bmp"))) << error_.toStdString();
    for (int x = 0; x < LcdColumns; ++x)
        for (int y = 0; y < LcdRows; ++y)
            ASSERT_EQ(Layer(x, y), x < 10 && y < 10 ? 0 : ColorBlank) << x << "," << y;
}

TEST_F(BitmapImportTest, OnlyTheThreeUnlitColoursStayDark) {
    const struct {
        QRgb Color;
        int32_t Stored;
    } cases[] = {
        {qRgb(0xC0, 0xC0, 0xC0), ColorBlank}, {qRgb(0xC1, 0xC0, 0xC0), 0xC0C0C1},
        {qRgb(255, 255, 255), ColorBlank},    {qRgb(255, 255, 0), ColorBlank},
        {qRgb(255, 254, 0), 0x00FEFF},        {qRgb(0, 255, 255), 0xFFFF00},
        {qRgb(0x12, 0x34, 0x56), 0x563412},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(Import(Save(Filled(4, 4, c.Color), "c.bmp"))) << error_.toStdString();
        EXPECT_EQ(Layer(3, 3), c.Stored) << std::hex << c.Color;
    }
}

TEST_F(BitmapImportTest, OtherFormatsFollowTheSameRuleWithTransparencyOverWhite) {
    QImage image = Filled(4, 2, qRgba(0, 0, 0, 0), QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0x10, 0x20, 0x30, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 128));
    image.setPixel(2, 0, qRgba(0xC0, 0xC0, 0xC0, 255));
    ASSERT_TRUE(Import(Save(image, "picture.png"))) << error_.toStdString();
    EXPECT_EQ(Layer(0, 0), 0x302010);
    EXPECT_EQ(Layer(1, 0), 0x7F7F7F);
    EXPECT_EQ(Layer(2, 0), ColorBlank);
    EXPECT_EQ(Layer(3, 0), ColorBlank);
    EXPECT_EQ(Layer(0, 1), ColorBlank);
    EXPECT_EQ(Layer(0, 5), ColorBlank);
    // The name does not decide the reader: a PNG called .bmp still loads.
    ASSERT_TRUE(Import(SaveBytes(test::ReadWholeFile(dir_.filePath("picture.png")), "png.bmp")));
    EXPECT_EQ(Layer(0, 0), 0x302010);
}

TEST_F(BitmapImportTest, RefusedFilesChangeNothing) {
    const QByteArray good = test::ReadWholeFile(Save(Filled(40, 30, qRgb(0, 0, 0)), "good.bmp"));
    QByteArray flipped = good;
    flipped[28] = 3;  // 3 bits per pixel
    const QString files[] = {
        SaveBytes(good.left(good.size() - 10), "cut.bmp"),
        SaveBytes(good.left(30), "header-only.bmp"),
        SaveBytes(flipped, "bits.bmp"),
        SaveBytes(QByteArray(), "empty.bmp"),
        SaveBytes("just some text, not a picture", "notes.txt"),
        SaveBytes(test::ReadWholeFile(Save(Filled(40, 30, qRgb(1, 2, 3)), "whole.png")).left(60), "cut.png"),
        dir_.filePath("missing.bmp"),
        dir_.path(),
    };
    const auto before = std::make_unique<ImageRecord>(*record_);
    for (const QString& path : files) {
        EXPECT_FALSE(Import(path)) << path.toStdString();
        EXPECT_TRUE(error_.contains(QFileInfo(path).fileName())) << error_.toStdString();
        EXPECT_EQ(std::memcmp(before.get(), record_.get(), sizeof(ImageRecord)), 0) << path.toStdString();
    }
}

TEST_F(BitmapImportTest, ImportAndClearTouchOnlyTheLayerAndTheFlag) {
    const auto before = std::make_unique<ImageRecord>(*record_);
    ASSERT_TRUE(Import(Save(Filled(200, 25, qRgb(0, 0, 0)), "wide.bmp"))) << error_.toStdString();
    auto unchangedOutside = [&] {
        const auto* a = reinterpret_cast<const char*>(before.get());
        const auto* b = reinterpret_cast<const char*>(record_.get());
        const std::size_t flag = offsetof(ImageRecord, WideBitmap);
        const std::size_t layer = offsetof(ImageRecord, BitmapData), end = layer + sizeof(PixelLayer);
        return std::memcmp(a, b, flag) == 0 &&
               std::memcmp(a + flag + 1, b + flag + 1, layer - flag - 1) == 0 &&
               std::memcmp(a + end, b + end, sizeof(ImageRecord) - end) == 0;
    };
    EXPECT_TRUE(unchangedOutside());
    EXPECT_EQ(record_->WideBitmap, 1);
    ClearBitmapData(*record_);
    EXPECT_TRUE(unchangedOutside());
    EXPECT_EQ(record_->WideBitmap, 0);
    for (int32_t color : record_->BitmapData) ASSERT_EQ(color, ColorBlank);
}

}  // namespace
}  // namespace zozavud
