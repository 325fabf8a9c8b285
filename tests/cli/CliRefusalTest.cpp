// The refusals of the tool that only its commands can show: each one through the tool,
// once, with the file it concerns left as it was.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "CliProcess.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

using test::CliRun;
using test::RunCli;

class CliRefusal : public ::testing::Test {
protected:
    void SetUp() override {
        doc = dir.filePath("doc.lcd");
        ASSERT_EQ(RunCli({"new", doc, "--language", "en"}).ExitCode, 0);
        ASSERT_EQ(RunCli({"edit", doc, "--image", "2", "--text1", "kept"}).ExitCode, 0);
        bytes = test::ReadWholeFile(doc);
    }
    QTemporaryDir dir;
    QString doc;
    QByteArray bytes;
};

TEST_F(CliRefusal, NewOverADocumentKeepsItUnlessForced) {
    const CliRun refused = RunCli({"new", doc, "--language", "en"});
    EXPECT_EQ(refused.ExitCode, 1);
    EXPECT_TRUE(refused.Err.contains(doc) && refused.Err.contains("--force")) << refused.Err.toStdString();
    EXPECT_EQ(test::ReadWholeFile(doc), bytes);
    ASSERT_EQ(RunCli({"new", doc, "--language", "en", "--force"}).ExitCode, 0);
    EXPECT_NE(test::ReadWholeFile(doc), bytes);
}

TEST_F(CliRefusal, BadNumbersAndNamesOfEachCommandAreUsageErrorsNamingTheOption) {
    const struct {
        QStringList Arguments;
        const char* Says;
    } cases[] = {
        {{"send", "register-all", doc, "--printer", "q", "--answer-timeout", "nan"},
         "--answer-timeout must be"},
        {{"send", "register-all", doc, "--printer", "q", "--wait", "--timeout", "nan"}, "--timeout must be"},
        {{"send", "register-all", doc, "--printer", "desk/../desk"}, "--printer 'desk/../desk'"},
        {{"emulate", "--memory", doc, "--idle-timeout", "nan"}, "--idle-timeout must be"},
        {{"emulate", "--memory", doc, "--listen", "0:0"}, "--listen must be"},
        {{"edit", doc, "--image", "2", "--offset", "25"}, "--offset must be -24..24"},
        {{"edit", doc, "--image", "2", "--style", "\x1b[2J"}, "unknown style '\\e[2J'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Arguments.join(' ').toStdString());
        const CliRun run = RunCli(c.Arguments, 20000);
        EXPECT_EQ(run.ExitCode, 2);
        EXPECT_TRUE(run.Err.contains(c.Says)) << run.Err.toStdString();
    }
    EXPECT_EQ(test::ReadWholeFile(doc), bytes);
}

TEST_F(CliRefusal, EmulatorBeyondLoopbackWarnsOfTheExposure) {
    // A documentation address this machine does not hold: the warning, then no port.
    const CliRun run = RunCli({"emulate", "--memory", doc, "--listen", "192.0.2.1:0"}, 20000);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("warning: listening on 192.0.2.1:0 accepts jobs from other machines"))
        << run.Err.toStdString();
}

TEST_F(CliRefusal, FailedInspectLeavesNoEmptyFolderBehind) {
    const QString job = dir.filePath("job.prn");
    ASSERT_TRUE(test::WriteWholeFile(job, "not a command"));
    EXPECT_EQ(RunCli({"inspect", job, "--png", dir.filePath("new/pictures")}).ExitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("new")));
}

}  // namespace
}  // namespace zozavud
