// zozavud-cli version-info, run as a program.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliProcess.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::CliRun;
using test::RunCli;

TEST(VersionInfoCommand, PrintsTheEditorsKeysInOrder) {
    const CliRun run = RunCli({"version-info", ZOZAVUD_BINARY_DIR "/bin/zozavud"});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(run.Out,
              "CompanyName=ORVANEX\n"
              "FileDescription=ORVANEX QD-N800 Series LCD Editor\n"
              "FileVersion=1.0.1.28\n"
              "InternalName=ZozAvud\n"
              "LegalCopyright=Copyright (C) ORVANEX\n"
              "LegalTrademarks=\n"
              "OriginalFilename=\n"
              "ProductName=\n"
              "ProductVersion=1.0.1.0\n");
}

TEST(VersionInfoCommand, TheToolCarriesTheBlockToo) {
    const CliRun run = RunCli({"version-info", ZOZAVUD_BINARY_DIR "/bin/zozavud-cli"});
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_TRUE(run.Out.startsWith("CompanyName=ORVANEX\n"));
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
