// zozavud-cli edit --picture and preview --all, end to end through the built tool.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliProcess.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::CliRun;
using test::RunCli;

class PictureCli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        doc = dir.filePath("doc.lcd");
        ASSERT_EQ(RunCli({"new", doc, "--language", "en"}).ExitCode, 0);
    }
    QJsonObject Image(int n) {
        const CliRun run = RunCli({"info", doc, "--image", QString::number(n), "--json"});
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        return QJsonDocument::fromJson(run.RawOut).object()["images"].toArray().at(0).toObject();
    }
    // A black bar across the middle of a light grey picture.
    QString Banner(int width, int height, const QString& name) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(230, 230, 230));
        for (int y = height / 3; y < height * 2 / 3; ++y)
            for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 0));
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }
    QImage Sheet(const QString& name, const QStringList& extra = {}) {
        const QString path = dir.filePath(name);
        const CliRun run = RunCli(QStringList{"preview", doc, "--all", "-o", path} + extra);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        return QImage(path);
    }
    QTemporaryDir dir;
    QString doc;
};

TEST_F(PictureCli, ConvertsIntoTheLayerAndTheWideFlagFollowsTheSlot) {
    const QString wide = Banner(800, 50, "wide.png");
    // Image 1 has two lines: the banner fitted to 25 rows uses all 256 columns and scrolls.
    CliRun run = RunCli({"edit", doc, "--image", "1", "--picture", wide, "--dither", "floyd-steinberg"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Image(1)["wideBitmap"].toInt(), 1);
    EXPECT_EQ(Image(1)["scroll"].toInt(), 0);
    // Image 2 has one line: never wide.
    run = RunCli({"edit", doc, "--image", "2", "--picture", wide, "--fit", "contain", "--threshold", "200"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Image(2)["wideBitmap"].toInt(), 0);
    const int bar = Image(2)["litPixels"].toInt();
    ASSERT_EQ(
        RunCli({"edit", doc, "--image", "2", "--picture", wide, "--fit", "contain", "--invert"}).ExitCode, 0);
    EXPECT_GT(Image(2)["litPixels"].toInt(), bar);
}

TEST_F(PictureCli, BadOptionsAndBrokenFilesLeaveTheDocumentAsItWas) {
    const QByteArray before = test::ReadWholeFile(doc);
    const QString logo = Banner(60, 30, "logo.png");
    const QString broken = dir.filePath("broken.bmp");
    ASSERT_TRUE(test::WriteWholeFile(broken, QByteArray("BM") + QByteArray(60, '\0')));
    const struct {
        QStringList Arguments;
        int Exit;
        const char* Message;
    } cases[] = {
        {{"--picture", logo, "--dither", "stucki"}, 2, "unknown dither"},
        {{"--picture", logo, "--threshold", "256"}, 2, "--threshold must be 0..255"},
        {{"--picture", logo, "--threshold", "dark"}, 2, "--threshold must be 0..255"},
        {{"--picture", logo, "--fit", "cover"}, 2, "unknown fit"},
        {{"--fit", "width"}, 2, "--fit needs --picture"},
        {{"--invert"}, 2, "--invert needs --picture"},
        {{"--picture", logo, "--bitmap", logo}, 2, "--picture excludes"},
        {{"--picture", broken}, 1, "broken.bmp"},
        {{"--picture", dir.filePath("none.png")}, 1, "does not exist"},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(QStringList{"edit", doc, "--image", "3"} + c.Arguments);
        EXPECT_EQ(run.ExitCode, c.Exit) << c.Arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
        test::ExpectSameBytes(test::ReadWholeFile(doc), before, c.Arguments.join(' '));
    }
}

// A cut RLE stream leaves rows undefined; --picture must not fill them from memory.
TEST_F(PictureCli, CutRleBitmapGivesTheSameDocumentOnEveryRun) {
    const QString cut = test::SourcePath("data/bmpsuite/q/pal8rlecut.bmp");
    QByteArray first;
    for (int run = 0; run < 3; ++run) {
        const QString copy = dir.filePath(QString("run%1.lcd").arg(run));
        ASSERT_TRUE(QFile::copy(doc, copy));
        const CliRun edit = RunCli({"edit", copy, "--image", "1", "--picture", cut});
        ASSERT_EQ(edit.ExitCode, 0) << edit.Err.toStdString();
        if (run == 0) first = test::ReadWholeFile(copy);
        test::ExpectSameBytes(test::ReadWholeFile(copy), first, QStringLiteral("run %1").arg(run));
    }
}

TEST_F(PictureCli, ContactSheetShowsEachPictureInItsOwnCell) {
    const QImage fresh = Sheet("fresh.png", {"--scale", "1"});
    ASSERT_FALSE(fresh.isNull());
    EXPECT_EQ(fresh.width() % 4, 0);
    EXPECT_EQ(fresh.height() % 5, 0);
    EXPECT_GE(fresh.width(), 4 * 256);
    EXPECT_EQ(Sheet("big.png").size(), Sheet("big2.png", {"--scale", "2"}).size());
    EXPECT_GT(Sheet("big.png").width(), fresh.width());

    // Image 7 becomes a black bar; only its cell changes.
    ASSERT_EQ(RunCli({"edit", doc, "--image", "7", "--picture", Banner(128, 25, "bar.png")}).ExitCode, 0);
    const QImage edited = Sheet("edited.png", {"--scale", "1"});
    ASSERT_EQ(edited.size(), fresh.size());
    const QSize cell(fresh.width() / 4, fresh.height() / 5);
    const QRect seventh(QPoint(2 * cell.width(), 1 * cell.height()), cell);
    int changed = 0;
    for (int y = 0; y < fresh.height(); ++y)
        for (int x = 0; x < fresh.width(); ++x)
            if (fresh.pixel(x, y) != edited.pixel(x, y)) {
                ASSERT_TRUE(seventh.contains(x, y)) << x << "," << y;
                ++changed;
            }
    EXPECT_GT(changed, 128 * 5);
}

TEST_F(PictureCli, ContactSheetRefusesWhatItCannotDo) {
    const QString out = dir.filePath("sheet.png");
    EXPECT_EQ(RunCli({"preview", doc, "--all", "-o", out, "--scale", "9"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"preview", doc, "--all", "-o", out, "--image", "2"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"preview", doc, "--all"}).ExitCode, 2);
    const CliRun run = RunCli({"preview", doc, "--all", "-o", dir.filePath("no/such/dir/sheet.png")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("sheet.png")) << run.Err.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

}  // namespace
}  // namespace zozavud
