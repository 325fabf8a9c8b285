#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "CliProcess.h"
#include "CommandEncoder.h"
#include "PrinterTestData.h"
#include "RegisteredPicture.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

test::CliRun Audit(const QStringList& arguments) { return test::RunCli(QStringList{"inspect"} + arguments); }

TEST(AuditCli, GoldenFilesAreCleanAndListed) {
    const test::CliRun all = Audit({test::GoldenPath("edited_regist_all.prn")});
    EXPECT_EQ(all.ExitCode, 0) << all.Err.toStdString();
    EXPECT_TRUE(all.Err.isEmpty()) << all.Err.toStdString();
    EXPECT_TRUE(all.Out.contains("register, 19 entries"));
    // Image 2 blinks and image 4 (WideBitmap + Blink) scrolls in edited.lcd.
    EXPECT_TRUE(all.Out.contains("offset 1069 (0x42d): image 2, blink 1, scroll 0")) << all.Out.toStdString();
    EXPECT_TRUE(all.Out.contains("offset 3131 (0xc3b): image 4, blink 0, scroll 1"));
    const test::CliRun del = Audit({test::GoldenPath("fresh_delete_19.prn")});
    EXPECT_EQ(del.ExitCode, 0);
    EXPECT_TRUE(del.Out.contains("delete, image 19"));
}

TEST(AuditCli, DamageIsReportedWithItsOffset) {
    QTemporaryDir dir;
    QByteArray bytes = test::ReadWholeFile(test::GoldenPath("fresh_regist_07.prn"));
    bytes[39] = 1;  // blink beside the scroll byte already set
    bytes.truncate(1000);
    const QString path = dir.filePath("damaged.prn");
    ASSERT_TRUE(test::WriteWholeFile(path, bytes));
    const test::CliRun run = Audit({path});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("offset 32 (0x20): length field says 1033 body bytes, only 964 follow"))
        << run.Err.toStdString();
    EXPECT_TRUE(run.Err.contains("offset 38 (0x26): entry cut short"));
    EXPECT_TRUE(run.Err.contains("offset 39 (0x27): blink and scroll both set"));
    EXPECT_TRUE(run.Err.contains("3 problem(s)"));
}

TEST(AuditCli, BadInputAndUsage) {
    QTemporaryDir dir;
    const test::CliRun missing = Audit({dir.filePath("absent.prn")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("absent.prn"));
    EXPECT_EQ(Audit({}).ExitCode, 2);
    EXPECT_EQ(Audit({test::GoldenPath("delete_all.prn"), "--png"}).ExitCode, 2);
    EXPECT_EQ(Audit({test::GoldenPath("delete_all.prn"), "--bogus"}).ExitCode, 2);
}

TEST(AuditCli, PngDrawsEveryColumnWithTheScrollAreaShadedApart) {
    QTemporaryDir dir;
    const QString out = dir.filePath("pictures");
    const test::CliRun run = Audit({test::GoldenPath("handmade_regist_01.prn"), "--png", out});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{"image_01.png"});
    const QImage image(QDir(out).filePath("image_01.png"));
    ASSERT_EQ(image.size(), QSize(256 * AuditorDotScale, 25 * AuditorDotScale));
    auto at = [&](int x, int y) { return image.pixel(x * AuditorDotScale + 1, y * AuditorDotScale + 1); };
    // The hand-made record lights (0,0), (9,1), (100,12) and (255,24) only.
    const QRgb visibleBack = at(1, 0), scrollBack = at(200, 0);
    EXPECT_NE(visibleBack, scrollBack);
    EXPECT_NE(at(0, 0), visibleBack);
    EXPECT_NE(at(9, 1), visibleBack);
    EXPECT_NE(at(100, 12), visibleBack);
    EXPECT_NE(at(255, 24), scrollBack);
    EXPECT_LT(qGray(at(255, 24)), qGray(scrollBack));
    EXPECT_EQ(at(5, 5), visibleBack);  // unlit colours in the record give no dot
    EXPECT_EQ(at(200, 20), scrollBack);
}

TEST(AuditCli, PngShowsWhatThePrinterHoldsAfterTheJob) {
    QTemporaryDir dir;
    const QString job = dir.filePath("job.prn");
    ASSERT_TRUE(test::WriteWholeFile(job, test::ReadWholeFile(test::GoldenPath("fresh_regist_all.prn")) +
                                              test::ReadWholeFile(test::GoldenPath("fresh_delete_19.prn"))));
    const QString out = dir.filePath("pictures");
    // Two commands in one file are a problem, but the pictures are still drawn.
    ASSERT_EQ(Audit({job, "--png", out}).ExitCode, 1);
    const QStringList files = QDir(out).entryList(QDir::Files);
    EXPECT_EQ(files.size(), 18);
    EXPECT_TRUE(files.contains("image_18.png"));
    EXPECT_FALSE(files.contains("image_19.png"));
    // Same drawing as the library gives for the packed picture.
    const auto set = test::LoadGoldenDocument("fresh.lcd");
    ASSERT_TRUE(set);
    EXPECT_TRUE(QImage(QDir(out).filePath("image_07.png")) ==
                DrawRegisteredPicture(PackImagePixels(set->Record(7))).convertToFormat(QImage::Format_RGB32));
}

TEST(AuditCli, PngIntoAPlaceThatCannotBeAFolderFails) {
    QTemporaryDir dir;
    const QString file = dir.filePath("plain");
    ASSERT_TRUE(test::WriteWholeFile(file, "x"));
    const test::CliRun run = Audit({test::GoldenPath("fresh_regist_07.prn"), "--png", file});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains(file)) << run.Err.toStdString();
    EXPECT_EQ(test::ReadWholeFile(file), QByteArray("x"));
}

}  // namespace
}  // namespace zozavud
