#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliProcess.h"
#include "PrinterTestData.h"
#include "SameBytes.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::CliRun;

// The command-line cases of the "command" subcommand.
test::CliRun RunCli(const QStringList& arguments) { return test::RunCli(QStringList{"command"} + arguments); }

TEST(PrinterCommandCli, WritesTheEditorsBytes) {
    QTemporaryDir dir;
    const QString edited = test::GoldenPath("edited.lcd");
    const struct {
        QStringList Arguments;
        const char* Golden;
    } cases[] = {
        {{"register", edited, "--image", "12"}, "edited_regist_12.prn"},
        {{"register-all", edited}, "edited_regist_all.prn"},
        {{"delete", edited, "--image", "12"}, "edited_delete_12.prn"},
        {{"delete-all", edited}, "delete_all.prn"},
    };
    for (const auto& c : cases) {
        const QByteArray golden = test::ReadWholeFile(test::GoldenPath(c.Golden));
        const QString out = dir.filePath(c.Golden);
        const CliRun toFile = RunCli(c.Arguments + QStringList{"-o", out});
        EXPECT_EQ(toFile.ExitCode, 0) << c.Golden << toFile.Err.toStdString();
        test::ExpectSameBytes(test::ReadWholeFile(out), golden, c.Golden);
        const CliRun toStdout = RunCli(c.Arguments + QStringList{"-o", "-"});
        EXPECT_EQ(toStdout.ExitCode, 0) << c.Golden;
        test::ExpectSameBytes(toStdout.RawOut, golden, c.Golden);
    }
}

TEST(PrinterCommandCli, RefusesBadInputAndKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString doc = test::GoldenPath("fresh.lcd"), out = dir.filePath("old.prn");
    ASSERT_TRUE(test::WriteWholeFile(out, "keep me"));
    const struct {
        QStringList Arguments;
        int ExitCode;
        const char* Message;
    } cases[] = {
        {{"register", doc, "-o", out}, 2, "--image is required"},
        {{"delete", doc, "--image", "20", "-o", out}, 2, "--image must be 1..19"},
        {{"register-all", doc}, 2, "-o is required"},
        {{"erase", doc, "-o", out}, 2, "unknown command kind"},
        {{"register-all", dir.filePath("none.lcd"), "-o", out}, 1, "none.lcd"},
        {{"register-all", out, "-o", out}, 1, "old.prn"},  // too short for a document
        {{"delete-all", doc, "-o", dir.filePath("no/x.prn")}, 1, "Can not File open. ("},
    };
    for (const auto& c : cases) {
        const CliRun run = RunCli(c.Arguments);
        EXPECT_EQ(run.ExitCode, c.ExitCode) << c.Message;
        EXPECT_TRUE(run.Err.contains(c.Message)) << run.Err.toStdString();
        EXPECT_EQ(test::ReadWholeFile(out), "keep me") << c.Message;
    }
}

}  // namespace
}  // namespace zozavud
