#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "CliProcess.h"
#include "CodePage.h"
#include "DocumentIo.h"
#include "RenderTestSupport.h"
#include "ShortString.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

test::CliRun Check(const QStringList& arguments) { return test::RunCli(QStringList{"check"} + arguments); }

TEST(FitCli, FreshDocumentsAreClean) {
    QTemporaryDir dir;
    for (const char* language : {"en", "ja", "fr", "de", "es", "it", "zh"}) {
        const QString path = dir.filePath(QStringLiteral("fresh_%1.lcd").arg(language));
        ASSERT_EQ(test::RunCli({"new", path, "--language", language}).ExitCode, 0);
        const test::CliRun run = Check({path, "--language", language});
        EXPECT_EQ(run.ExitCode, 0) << language << "\n" << run.Out.toStdString() << run.Err.toStdString();
        EXPECT_TRUE(run.Out.contains("no warnings")) << language;
    }
}

TEST(FitCli, EachKindOfProblemIsWarnedPerImage) {
    EditorState state;
    LcdRenderer renderer;
    test::MakeFreshSet(state, renderer);
    auto edit = [&](int n, const QString& text1, const QString& text2, auto&& change) {
        ImageRecord& record = state.Set->Record(n);
        StoreShortString(record.Text1, EncodeText(text1, 0));
        StoreShortString(record.Text2, EncodeText(text2, 0));
        change(record);
        state.SelectImage(n);
        RenderCurrentImage(state, renderer);
    };
    auto none = [](ImageRecord&) {};
    edit(2, QString(16, 'M'), "", none);                                         // hidden columns
    edit(3, QString(300, 'i'), "", none);                                        // cut, and more
    edit(6, "Top", "gypsy", none);                                               // below the window
    edit(7, "High", "", [](ImageRecord& r) { r.VerticalPositionOffset = 12; });  // above the window
    edit(8, "Ok", "", [](ImageRecord& r) { StoreShortString(r.FontName, "No Such Face 7Q"); });
    QTemporaryDir dir;
    const QString path = dir.filePath("problems.lcd");
    ASSERT_TRUE(SaveImageSetFile(path, *state.Set));

    const test::CliRun run = Check({path, "--language", "en"});
    EXPECT_EQ(run.ExitCode, 3) << run.Err.toStdString();
    const QString out = run.Out;
    EXPECT_TRUE(out.contains(QRegularExpression("image 02: \\d+ lit dot\\(s\\) in columns 1\\d\\d\\.\\.")))
        << out.toStdString();
    EXPECT_TRUE(out.contains("image 03: text line 1 is 255 bytes long"));
    EXPECT_TRUE(out.contains(QRegularExpression("image 06: line 2: \\d+ glyph pixel\\(s\\) lost below")));
    EXPECT_TRUE(out.contains(QRegularExpression("image 07: line 1: \\d+ glyph pixel\\(s\\) lost above")));
    EXPECT_TRUE(out.contains("image 08: font \"No Such Face 7Q\" is not installed"));
    EXPECT_TRUE(out.contains("image 03: line 1: glyphs clipped"));
    for (const char* clean : {"image 04:", "image 05:", "image 13:"})
        EXPECT_FALSE(out.contains(clean)) << clean;
    EXPECT_TRUE(out.contains("in 5 image(s)")) << out.toStdString();
}

TEST(FitCli, BadInputIsAFailureAndBadOptionsAUsageError) {
    QTemporaryDir dir;
    const test::CliRun missing = Check({dir.filePath("absent.lcd")});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Err.contains("absent.lcd"));
    const QString shortFile = dir.filePath("short.lcd");
    ASSERT_TRUE(test::WriteWholeFile(shortFile, "LCD1"));
    EXPECT_EQ(Check({shortFile}).ExitCode, 1);
    EXPECT_EQ(Check({}).ExitCode, 2);
    EXPECT_EQ(Check({shortFile, "--language", "xx"}).ExitCode, 2);
}

}  // namespace
}  // namespace zozavud
