#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "CliProcess.h"
#include "TestFiles.h"

namespace zozavud {
namespace {

// A FIFO where the lock goes hung edit for ever; it must fail at once and change nothing.
TEST(CliLock, AFifoWhereTheLockGoesFailsTheEditAndKeepsTheDocument) {
    QTemporaryDir dir;
    const QString doc = dir.filePath("doc.lcd");
    ASSERT_EQ(test::RunCli({"new", doc}).ExitCode, 0);
    const QByteArray before = test::ReadWholeFile(doc);
    ASSERT_EQ(mkfifo(QFile::encodeName(doc + ".lock").constData(), 0600), 0);
    const test::CliRun run = test::RunCli({"edit", doc, "--image", "1", "--text1", "x"}, 15000);
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_TRUE(run.Err.contains("cannot lock " + doc + ": its lock file " + doc + ".lock is a FIFO"))
        << run.Err.toStdString();
    EXPECT_EQ(test::ReadWholeFile(doc), before);
}

}  // namespace
}  // namespace zozavud
