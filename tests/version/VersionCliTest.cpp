// zozavud-cli version-info, run as a program.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliProcess.h"
#include "TestFiles.h"
#include "VersionResourceStrings.h"

namespace zozavud {
namespace {

using test::CliRun;
using test::RunCli;

// The values themselves are asserted where the block is read in process; here only that the
// tool prints what the reader finds, Key=Value per line, in the block's order.
TEST(VersionInfoCommand, PrintsWhatTheReaderFindsInOrder) {
    const QString editor = QStringLiteral(ZOZAVUD_BINARY_DIR "/bin/zozavud" ZOZAVUD_EXE_SUFFIX);
    const VersionStringTable found = ReadVersionStrings(editor);
    ASSERT_FALSE(found.Categories.isEmpty());
    QString expected;
    for (qsizetype i = 0; i < found.Categories.size(); ++i)
        expected += found.Categories[i] + '=' + found.Values[i] + '\n';
    const CliRun run = RunCli({"version-info", editor});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out, expected);
}

TEST(VersionInfoCommand, TheToolCarriesTheBlockToo) {
    const CliRun run = RunCli({"version-info", ZOZAVUD_BINARY_DIR "/bin/zozavud-cli" ZOZAVUD_EXE_SUFFIX});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Out.startsWith("CompanyName=" ZOZAVUD_EXPECTED_COMPANY "\n"));
}

TEST(VersionInfoCommand, FailuresNameTheFile) {
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.txt");
    ASSERT_TRUE(test::WriteWholeFile(text, "no version here"));
    for (const QString& path : {text, dir.filePath("missing.exe"), dir.path()}) {
        const CliRun run = RunCli({"version-info", path});
        EXPECT_EQ(run.ExitCode, 1) << path.toStdString();
        EXPECT_TRUE(run.Err.contains(path)) << run.Err.toStdString();
        EXPECT_TRUE(run.Out.isEmpty());
    }
}

TEST(VersionInfoCommand, UsageErrors) {
    EXPECT_EQ(RunCli({"version-info"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"version-info", "a", "b"}).ExitCode, 2);
    EXPECT_EQ(RunCli({"version-info", "--help"}).ExitCode, 0);
}

}  // namespace
}  // namespace zozavud
