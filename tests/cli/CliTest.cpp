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

CliRun Cli(const QStringList& arguments) { return test::RunCli(arguments); }

class CliTool : public ::testing::Test {
protected:
    void SetUp() override {
        doc = dir.filePath("doc.lcd");
        ASSERT_EQ(Cli({"new", doc, "--language", "en"}).ExitCode, 0);
    }
    QJsonObject Image(int n) {
        const CliRun run = Cli({"info", doc, "--image", QString::number(n), "--json"});
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        return QJsonDocument::fromJson(run.RawOut).object()["images"].toArray().at(0).toObject();
    }
    QTemporaryDir dir;
    QString doc;
};

TEST_F(CliTool, NewWritesAFreshDocument) {
    const QByteArray bytes = test::ReadWholeFile(doc);
    ASSERT_EQ(bytes.size(), 1054720);
    EXPECT_TRUE(bytes.startsWith("LCD1"));
    const QJsonObject one = Image(1);
    EXPECT_EQ(one["fontName"].toString(), "Tahoma");
    EXPECT_EQ(one["fontColor"].toString(), "0xFF000008");
    EXPECT_EQ(one["verticalPositionOffset"].toInt(), 1);
    EXPECT_GT(one["litPixels"].toInt(), 50);
    EXPECT_EQ(Image(10)["scroll"].toInt(), 1);

    const QString japanese = dir.filePath("ja.lcd");
    ASSERT_EQ(Cli({"new", japanese, "--language", "ja"}).ExitCode, 0);
    const CliRun info = Cli({"info", japanese, "--image", "2"});
    EXPECT_TRUE(info.Out.contains("FontCharset: 128 (SHIFTJIS)"));
    EXPECT_TRUE(info.Out.contains("MS UI Gothic"));
}

TEST_F(CliTool, EditChangesOneImageAsTheEditorWould) {
    ASSERT_EQ(Cli({"edit", doc, "--image", "6", "--text1", QString::fromUtf8("Papier é"), "--height", "-16",
                   "--style", "bold,underline", "--offset", "-3"})
                  .ExitCode,
              0);
    QJsonObject six = Image(6);
    EXPECT_EQ(six["text1"].toString(), QString::fromUtf8("Papier é"));
    EXPECT_EQ(six["text1Length"].toInt(), 8);
    EXPECT_EQ(six["fontHeight"].toInt(), -16);
    EXPECT_EQ(six["fontStyle"].toInt(), 5);
    EXPECT_EQ(six["verticalPositionOffset"].toInt(), -3);

    ASSERT_EQ(Cli({"edit", doc, "--image", "6", "--reset-offset"}).ExitCode, 0);
    EXPECT_EQ(Image(6)["verticalPositionOffset"].toInt(), 3);  // a 19-row cell at 16 pixels

    ASSERT_EQ(Cli({"edit", doc, "--image", "6", "--clear"}).ExitCode, 0);
    six = Image(6);
    EXPECT_EQ(six["text1Length"].toInt(), 0);
    EXPECT_EQ(six["fontHeight"].toInt(), -12);
    EXPECT_EQ(Image(5)["imageNo"].toInt(), 5);
}

TEST_F(CliTool, PreviewWritesThePictureAndFollowsTicks) {
    const QString rest = dir.filePath("rest.png"), moved = dir.filePath("moved.png");
    ASSERT_EQ(Cli({"preview", doc, "--image", "10", "-o", rest}).ExitCode, 0);
    ASSERT_EQ(Cli({"preview", doc, "--image", "10", "-o", moved, "--ticks", "3", "--scale", "1"}).ExitCode,
              0);
    const QImage a(rest), b(moved);
    EXPECT_EQ(a.size(), QSize(256, 50));
    EXPECT_EQ(b.size(), QSize(128, 25));
    EXPECT_NE(a.scaled(128, 25).convertToFormat(QImage::Format_RGB32),
              b.convertToFormat(QImage::Format_RGB32));
}

TEST_F(CliTool, BitmapImportAndClear) {
    QImage picture(200, 25, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < 10; ++x) picture.setPixel(x, 0, qRgb(0, 0, 0));
    const QString bmp = dir.filePath("logo.bmp");
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    ASSERT_EQ(Cli({"edit", doc, "--image", "6", "--bitmap", bmp}).ExitCode, 0);
    EXPECT_EQ(Image(6)["wideBitmap"].toInt(), 1);
    ASSERT_EQ(Cli({"edit", doc, "--image", "2", "--bitmap", bmp}).ExitCode, 0);
    EXPECT_EQ(Image(2)["wideBitmap"].toInt(), 0);  // a one-line slot never scrolls

    const QByteArray before = test::ReadWholeFile(doc);
    QByteArray broken = test::ReadWholeFile(bmp);
    broken.truncate(broken.size() / 2);
    ASSERT_TRUE(test::WriteWholeFile(dir.filePath("broken.bmp"), broken));
    const CliRun refused = Cli({"edit", doc, "--image", "6", "--bitmap", dir.filePath("broken.bmp")});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Err.contains("broken.bmp"));
    test::ExpectSameBytes(test::ReadWholeFile(doc), before);

    ASSERT_EQ(Cli({"edit", doc, "--image", "6", "--clear-bitmap"}).ExitCode, 0);
    EXPECT_EQ(Image(6)["wideBitmap"].toInt(), 0);
}

TEST_F(CliTool, UsageErrorsAndFailuresHaveTheirOwnStatus) {
    EXPECT_EQ(Cli({}).ExitCode, 2);
    EXPECT_EQ(Cli({"frobnicate"}).ExitCode, 2);
    EXPECT_EQ(Cli({"--help"}).ExitCode, 0);
    EXPECT_EQ(Cli({"edit", "--help"}).ExitCode, 0);
    EXPECT_EQ(Cli({"edit", doc}).ExitCode, 2);  // no --image
    EXPECT_EQ(Cli({"edit", doc, "--image", "20"}).ExitCode, 2);
    EXPECT_EQ(Cli({"edit", doc, "--image", "1", "--offset", "1", "--reset-offset"}).ExitCode, 2);
    EXPECT_EQ(Cli({"new", doc, "--language", "xx"}).ExitCode, 2);

    const CliRun missing = Cli({"info", dir.filePath("missing.lcd")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("missing.lcd"));

    QFile shortFile(dir.filePath("short.lcd"));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write("LCD1");
    shortFile.close();
    EXPECT_EQ(Cli({"edit", shortFile.fileName(), "--image", "1", "--text1", "x"}).ExitCode, 1);
    EXPECT_EQ(test::ReadWholeFile(shortFile.fileName()), "LCD1");

    EXPECT_EQ(Cli({"new", dir.filePath("no/such/folder/doc.lcd")}).ExitCode, 1);
}

TEST_F(CliTool, BlinkFlagIsStoredAndRefusedForAScrollingPicture) {
    struct Case {
        QString Value;
        int Image;
        int Exit;
        int Blink;  // stored flag afterwards, -1: file left unchanged
    };
    const Case cases[] = {{"on", 3, 0, 1}, {"OFF", 3, 0, 0}, {"maybe", 3, 2, -1}, {"on", 10, 1, -1}};
    for (const Case& c : cases) {
        const QByteArray before = test::ReadWholeFile(doc);
        const CliRun run = Cli({"edit", doc, "--image", QString::number(c.Image), "--blink", c.Value});
        EXPECT_EQ(run.ExitCode, c.Exit) << c.Value.toStdString() << ": " << run.Err.toStdString();
        if (c.Blink < 0) {
            test::ExpectSameBytes(test::ReadWholeFile(doc), before, c.Value);
            EXPECT_FALSE(run.Err.isEmpty());
        } else {
            EXPECT_EQ(Image(c.Image)["blink"].toInt(), c.Blink) << c.Value.toStdString();
        }
    }
}

}  // namespace
}  // namespace zozavud
