// Converting picture files into a record: the colours stored, invert, the wide flag,
// formats and files that must change nothing.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <memory>

#include "BitmapFile.h"
#include "BitmapImport.h"
#include "PictureConversion.h"
#include "RecordImportFixture.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

class PictureImportTest : public test::RecordImportTest {
protected:
    bool Import(const QString& path, int lines = 2, PictureOptions options = {}) {
        error_.clear();
        return ImportPicture(path, *record_, lines, options, &error_);
    }
    int LitCount() const {
        int lit = 0;
        for (int32_t c : record_->BitmapData) lit += IsPixelOn(c) ? 1 : 0;
        return lit;
    }
    // A dark red block on a light blue background, with a transparent stripe.
    static QImage Logo(int width, int height) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(qRgb(200, 220, 255));
        for (int y = height / 4; y < height * 3 / 4; ++y)
            for (int x = width / 4; x < width * 3 / 4; ++x) image.setPixel(x, y, qRgb(120, 0, 0));
        for (int x = 0; x < width; ++x) image.setPixel(x, 0, qRgba(0, 0, 0, 0));
        return image;
    }
};

TEST_F(PictureImportTest, StoresPureBlackAndWhiteAndInvertSwapsThem) {
    const QString path = Save(Logo(64, 24), "logo.png");
    PictureOptions options;
    options.Fit = PictureFit::None;
    ASSERT_TRUE(Import(path, 1, options)) << error_.toStdString();
    for (int x = 0; x < LcdColumns; ++x)
        for (int y = 0; y < LcdRows; ++y) {
            const bool block = x >= 16 && x < 48 && y >= 6 && y < 18;
            ASSERT_EQ(Layer(x, y), block ? 0x000000 : ColorBlank) << x << "," << y;
        }
    options.Invert = true;
    ASSERT_TRUE(Import(path, 1, options));
    // Only the picture's own area turns over; the layer beyond it stays unlit.
    EXPECT_EQ(Layer(20, 10), ColorBlank);
    EXPECT_EQ(Layer(0, 0), 0x000000);  // transparent counts as white, then inverted
    EXPECT_EQ(Layer(63, 23), 0x000000);
    EXPECT_EQ(Layer(64, 10), ColorBlank);
    EXPECT_EQ(Layer(10, 24), ColorBlank);
    EXPECT_EQ(LitCount(), 64 * 24 - 32 * 12);
    // Nothing but the layer and the flag is written.
    EXPECT_EQ(record_->Marker[0], 0x5A);
    EXPECT_EQ(record_->RenderedData[0], 0x5A5A5A5A);
}

TEST_F(PictureImportTest, WideFollowsTheBitmapRule) {
    const struct {
        QSize Size;
        PictureFit Fit;
        int Lines;
        uint8_t Wide;
    } cases[] = {
        {{129, 25}, PictureFit::None, 2, 1},   {{128, 25}, PictureFit::None, 2, 0},
        {{300, 40}, PictureFit::None, 1, 0},   {{400, 50}, PictureFit::Height, 2, 1},
        {{400, 50}, PictureFit::Height, 1, 0}, {{100, 50}, PictureFit::Height, 2, 0},
        {{50, 50}, PictureFit::Width, 2, 1},   {{50, 50}, PictureFit::Width, 1, 0},
        {{50, 50}, PictureFit::Contain, 2, 0},
    };
    for (const auto& c : cases) {
        record_->WideBitmap = 7;
        PictureOptions options;
        options.Fit = c.Fit;
        ASSERT_TRUE(Import(Save(Logo(c.Size.width(), c.Size.height()), "w.png"), c.Lines, options));
        EXPECT_EQ(record_->WideBitmap, c.Wide) << c.Size.width() << " fit " << static_cast<int>(c.Fit);
    }
}

TEST_F(PictureImportTest, FitNoneMatchesTheBitmapImportOfABlackAndWhiteFile) {
    QImage image(300, 40, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    for (int x = 0; x < 300; x += 3)
        for (int y = (x / 3) % 40; y < 40; y += 7) image.setPixel(x, y, qRgb(0, 0, 0));
    const QString path = Save(image, "bw.png");
    auto expected = std::make_unique<ImageRecord>(*record_);
    ASSERT_TRUE(ImportBitmap(path, *expected, 2, nullptr));
    PictureOptions options;
    options.Fit = PictureFit::None;
    ASSERT_TRUE(Import(path, 2, options));
    EXPECT_EQ(std::memcmp(record_->BitmapData, expected->BitmapData, sizeof(PixelLayer)), 0);
    EXPECT_EQ(record_->WideBitmap, expected->WideBitmap);
}

TEST_F(PictureImportTest, ReadsTheCommonFormatsAndLargeBmpsWhole) {
    const QImage logo = Logo(200, 100);  // fit to height: 50 x 25, block at columns 51..75
    for (const char* name : {"l.png", "l.bmp", "l.jpg", "l.ppm"}) {
        ASSERT_TRUE(Import(Save(logo.convertToFormat(QImage::Format_RGB32), name), 1))
            << name << error_.toStdString();
        EXPECT_EQ(Layer(64, 12), 0x000000) << name;
        EXPECT_EQ(Layer(45, 12), ColorBlank) << name;
        EXPECT_EQ(Layer(64, 3), ColorBlank) << name;
    }
}

TEST_F(PictureImportTest, RefusesBrokenFilesAndChangesNothing) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(Logo(300, 40).save(&buffer, "BMP"));
    QByteArray lyingSize = bmp;
    lyingSize[23] = 0x10;  // 4136 rows declared in a file that holds 40
    const struct {
        const char* Name;
        QByteArray Bytes;
    } cases[] = {
        {"short.bmp", bmp.left(bmp.size() / 2)},
        {"height.bmp", lyingSize},
        {"garbage.bmp", QByteArray("BM") + QByteArray(100, '\x7f')},
        {"text.png", QByteArray("not a picture at all")},
        {"empty.png", QByteArray()},
    };
    const auto before = std::make_unique<ImageRecord>(*record_);
    for (const auto& c : cases) {
        const QString path = dir_.filePath(c.Name);
        ASSERT_TRUE(test::WriteWholeFile(path, c.Bytes));
        EXPECT_FALSE(Import(path)) << c.Name;
        EXPECT_TRUE(error_.contains(c.Name)) << error_.toStdString();
        EXPECT_EQ(std::memcmp(record_.get(), before.get(), sizeof(ImageRecord)), 0) << c.Name;
    }
    EXPECT_FALSE(Import(dir_.filePath("missing.png")));
    EXPECT_TRUE(error_.contains("does not exist"));
}

// An RLE8 bitmap of any declared size whose stream ends at once: 64 bytes on disk.
QByteArray EmptyRle8(uint32_t width, uint32_t height) {
    QByteArray bytes = QByteArray::fromHex(
        "424d"
        "40000000"
        "00000000"
        "3e000000"  // size 64, pixels at 62
        "28000000"
        "00000000"
        "00000000"
        "0100"
        "0800"
        "01000000"  // size, 1 plane, 8 bits, RLE8
        "02000000"
        "00000000"
        "00000000"
        "02000000"
        "00000000"  // stream size 2, 2 colours
        "00000000"
        "ffffff00"
        "0001");  // black, white, end of bitmap
    for (int i = 0; i < 4; ++i) {
        bytes[18 + i] = static_cast<char>(width >> (8 * i));
        bytes[22 + i] = static_cast<char>(height >> (8 * i));
    }
    return bytes;
}

// One limit on decoded pixels for both roads. Qt's readers decode whole even when the
// bitmap import wants only the corner; our BMP decoder keeps to the corner there and
// meets the limit only when the conversion reads a picture whole.
TEST_F(PictureImportTest, OnePixelLimitGuardsTheBitmapAndThePictureRoads) {
    const struct {
        const char* Name;
        QByteArray Bytes;
        bool Corner, Whole;  // read by the bitmap import, by the conversion
        const char* Size;
    } cases[] = {
        {"huge.ppm", QByteArray("P6\n20000 20000\n255\n") + QByteArray(64, '\0'), false, false,
         "20000 x 20000"},
        {"huge.bmp", EmptyRle8(10000, 10000), true, false, "10000 x 10000"},
        {"just-over.bmp", EmptyRle8(8192, 8193), true, false, "8192 x 8193"},
        {"small.bmp", EmptyRle8(300, 40), true, true, ""},
        {"small.ppm", QByteArray("P6\n2 2\n255\n") + QByteArray(12, '\x40'), true, true, ""},
    };
    for (const auto& c : cases) {
        const QString path = SaveBytes(c.Bytes, c.Name);
        BitmapSample sample;
        QImage picture;
        QString cornerError, wholeError;
        EXPECT_EQ(ReadBitmapFile(path, sample, &cornerError), c.Corner) << c.Name;
        EXPECT_EQ(ReadPictureFile(path, picture, &wholeError), c.Whole) << c.Name;
        for (const QString& error : {cornerError, wholeError}) {
            if (error.isEmpty()) continue;
            EXPECT_TRUE(error.contains(QString(c.Size) + " pixels") && error.contains(c.Name))
                << error.toStdString();
        }
    }
}

}  // namespace
}  // namespace zozavud
