// The public BMP conformance suite, shipped in tests/data/bmpsuite.
#include <gtest/gtest.h>

#include <QDir>
#include <random>
#include <set>

#include "BitmapFile.h"
#include "BmpDecoder.h"
#include "PictureConversion.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

QString SuitePath(const QString& relative) { return QStringLiteral(ZOZAVUD_BMPSUITE_DIR "/") + relative; }

QStringList SuiteFiles(const QString& folder) {
    QStringList paths;
    for (const QString& name : QDir(SuitePath(folder)).entryList(QDir::Files, QDir::Name))
        paths << folder + "/" + name;
    return paths;
}

BitmapSample Load(const QString& relative) {
    BitmapSample sample;
    QString error;
    EXPECT_TRUE(ReadBitmapFile(SuitePath(relative), sample, &error))
        << relative.toStdString() << ": " << error.toStdString();
    return sample;
}

// Lit or not for every sampled pixel, the way the layer will see it.
std::vector<bool> Dots(const BitmapSample& sample) {
    std::vector<bool> dots;
    for (int32_t color : sample.Colors) dots.push_back(IsPixelOn(color));
    return dots;
}

TEST(BmpSuite, IsThere) {
    ASSERT_GE(SuiteFiles("g").size(), 20) << "missing " << SuitePath("g").toStdString();
}

TEST(BmpSuite, EveryGoodFileLoads) {
    for (const QString& file : SuiteFiles("g")) {
        const BitmapSample sample = Load(file);
        EXPECT_GT(sample.Width, 100) << file.toStdString();
        EXPECT_EQ(sample.Rows, LcdRows) << file.toStdString();
    }
}

struct SameAs {
    const char* Reference;
    QStringList Files;
};

// Each encoding of the 127 x 64 pattern gives the colours of the file it was made from.
TEST(BmpSuite, SamePictureSameColours) {
    const SameAs groups[] = {
        {"g/pal8.bmp",
         {"g/pal8-0.bmp", "g/pal8os2.bmp", "g/pal8rle.bmp", "g/pal8topdown.bmp", "g/pal8v4.bmp",
          "g/pal8v5.bmp", "q/pal8offs.bmp", "q/pal8os2-hs.bmp", "q/pal8os2-sz.bmp", "q/pal8os2sp.bmp",
          "q/pal8os2v2-16.bmp", "q/pal8os2v2-40sz.bmp", "q/pal8os2v2-sz.bmp", "q/pal8os2v2.bmp",
          "q/pal8oversizepal.bmp", "q/rgb24rle24.bmp"}},
        {"g/rgb24.bmp",
         {"g/rgb24pal.bmp", "g/rgb32.bmp", "g/rgb32bf.bmp", "g/rgb32bfdef.bmp", "q/rgb24largepal.bmp",
          "q/rgb24lprof.bmp", "q/rgb32-xbgr.bmp", "q/rgb32fakealpha.bmp", "q/rgb32h52.bmp"}},
        {"g/rgb16.bmp", {"g/rgb16bfdef.bmp", "q/rgb16faketrns.bmp", "q/rgba16-5551.bmp"}},
        {"g/rgb16-565.bmp", {"g/rgb16-565pal.bmp"}},
        {"g/pal4.bmp", {"g/pal4rle.bmp"}},
        // Wrong file size or resolution in the header, the pixels whole.
        {"g/pal1.bmp", {"g/pal1wb.bmp", "b/badfilesize.bmp", "b/baddens1.bmp", "b/baddens2.bmp"}},
        {"q/rgba32-1.bmp",
         {"q/rgba32-1010102.bmp", "q/rgba32-2.bmp", "q/rgba32-81284.bmp", "q/rgba32abf.bmp",
          "q/rgba32h56.bmp"}},
    };
    for (const SameAs& group : groups) {
        const BitmapSample reference = Load(group.Reference);
        ASSERT_EQ(reference.Columns, 127) << group.Reference;
        for (const QString& file : group.Files)
            EXPECT_EQ(Load(file).Colors, reference.Colors) << file.toStdString();
    }
}

// Files whose colours differ only in shades (or in what RLE skips) still give the same dots.
TEST(BmpSuite, SamePictureSameDots) {
    const SameAs groups[] = {
        {"g/pal8.bmp", {"q/pal8rletrns.bmp"}}, {"g/rgb24.bmp", {"q/rgb32-111110.bmp", "q/rgb32-7187.bmp"}},
        {"g/pal4.bmp", {"q/pal4rletrns.bmp"}}, {"q/pal2.bmp", {"q/pal2color.bmp"}},
        {"g/pal1bg.bmp", {"q/pal1p1.bmp"}},
    };
    for (const SameAs& group : groups)
        for (const QString& file : group.Files)
            EXPECT_EQ(Dots(Load(file)), Dots(Load(group.Reference))) << file.toStdString();
}

// Bit fields of every width come out as the true-colour picture, give or take rounding.
TEST(BmpSuite, BitFieldsScaleToFullColour) {
    const BitmapSample reference = Load("g/rgb24.bmp");
    for (const char* file : {"g/rgb16.bmp", "g/rgb16-565.bmp", "g/rgb16bfdef.bmp", "q/rgb32-111110.bmp",
                             "q/rgb32-7187.bmp", "q/rgba16-5551.bmp"}) {
        const BitmapSample sample = Load(file);
        ASSERT_EQ(sample.Colors.size(), reference.Colors.size());
        for (std::size_t i = 0; i < sample.Colors.size(); ++i)
            for (int shift : {0, 8, 16}) {
                const int got = (sample.Colors[i] >> shift) & 0xFF,
                          want = (reference.Colors[i] >> shift) & 0xFF;
                ASSERT_LE(std::abs(got - want), 5) << file << " pixel " << i;
            }
    }
}

QImage WholePicture(const QString& relative) {
    QImage picture;
    QString error;
    EXPECT_TRUE(ReadPictureFile(SuitePath(relative), picture, &error))
        << relative.toStdString() << ": " << error.toStdString();
    return picture;
}

// A picture converted whole is decoded by our reader, never by Qt's BMP reader, which
// hands back rows a cut RLE stream never wrote as whatever was in memory. A row or
// pixel the file leaves undefined is white, on every read alike.
TEST(BmpSuite, WholePicturesComeFromOurDecoderWithUndefinedPixelsWhite) {
    const struct {
        const char* File;
        const char* Reference;
        bool Cut;  // the stream ends before the top rows
    } cases[] = {
        {"g/pal8rle.bmp", "g/pal8.bmp", false},    {"g/pal8topdown.bmp", "g/pal8.bmp", false},
        {"q/rgb24rle24.bmp", "g/pal8.bmp", false}, {"g/pal4rle.bmp", "g/pal4.bmp", false},
        {"q/pal8rlecut.bmp", "g/pal8.bmp", true},  {"q/pal4rlecut.bmp", "g/pal4.bmp", true},
    };
    for (const auto& c : cases) {
        const QImage reference = WholePicture(c.Reference), picture = WholePicture(c.File);
        ASSERT_EQ(picture.size(), QSize(127, 64)) << c.File;
        ASSERT_EQ(reference.size(), picture.size()) << c.Reference;
        int white = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb got = picture.pixel(x, y), want = reference.pixel(x, y);
                if (got == want) continue;
                ASSERT_TRUE(c.Cut && got == qRgb(255, 255, 255))
                    << c.File << " at " << x << "," << y << ": " << std::hex << got;
                ++white;
            }
        EXPECT_EQ(white > 0, c.Cut) << c.File;
        EXPECT_EQ(WholePicture(c.File), picture) << c.File << " read twice";
    }
}

TEST(BmpSuite, QuestionableFilesLoadOrAreRefusedAsChosen) {
    const std::set<QString> refused = {"q/pal1huffmsb.bmp", "q/rgb24jpeg.bmp", "q/rgb24png.bmp",
                                       "q/rgba64.bmp"};
    for (const QString& file : SuiteFiles("q")) {
        BitmapSample sample;
        QString error;
        const bool loaded = ReadBitmapFile(SuitePath(file), sample, &error);
        EXPECT_EQ(loaded, !refused.count(file)) << file.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(error.isEmpty(), loaded) << file.toStdString();
    }
}

TEST(BmpSuite, BadFilesAreRefusedNamingTheFile) {
    // Bad only in fields that do not touch the pixels: read (see SamePictureSameColours).
    const std::set<QString> read = {"b/badfilesize.bmp", "b/baddens1.bmp", "b/baddens2.bmp"};
    const QStringList files = SuiteFiles("b") + SuiteFiles("x");
    ASSERT_GE(files.size(), 20);
    for (const QString& file : files) {
        if (read.count(file)) continue;
        BitmapSample sample;
        QString error;
        EXPECT_FALSE(ReadBitmapFile(SuitePath(file), sample, &error)) << file.toStdString();
        EXPECT_TRUE(error.contains(QFileInfo(file).fileName())) << error.toStdString();
        EXPECT_TRUE(sample.Colors.empty()) << file.toStdString();
    }
}

TEST(BmpSuite, CutCopiesOfGoodFilesAreRefused) {
    for (const QString& file : SuiteFiles("g")) {
        const QByteArray bytes = test::ReadWholeFile(SuitePath(file));
        for (qsizetype length = 0; length < bytes.size(); length += 1 + length / 64) {
            BitmapSample sample;
            QString error;
            ASSERT_FALSE(DecodeBmp(bytes.left(length), sample, &error))
                << file.toStdString() << " cut at " << length;
        }
        BitmapSample sample;
        EXPECT_FALSE(DecodeBmp(bytes.chopped(1), sample, nullptr)) << file.toStdString();
    }
}

TEST(BmpSuite, CorruptedCopiesNeverCrash) {
    std::mt19937 random(99);
    for (const QString& file : SuiteFiles("g") + SuiteFiles("q") + SuiteFiles("b")) {
        const QByteArray bytes = test::ReadWholeFile(SuitePath(file));
        for (int round = 0; round < 150; ++round) {
            QByteArray broken = bytes;
            for (int i = 0; i < 1 + round % 3; ++i) {
                const qsizetype span = round % 2 ? std::min<qsizetype>(broken.size(), 140) : broken.size();
                broken[random() % span] = static_cast<char>(random());
            }
            BitmapSample sample;
            QString error;
            if (DecodeBmp(broken, sample, &error))
                ASSERT_EQ(sample.Colors.size(), std::size_t(sample.Columns) * sample.Rows);
            else
                ASSERT_FALSE(error.isEmpty());
        }
    }
}

}  // namespace
}  // namespace zozavud
